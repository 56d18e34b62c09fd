// A slot's time stamp on Windows: the directory entry's last-write time,
// made local with the offset in force now (not the one at the file's time)
// and reduced to a DOS date and time.
#include "settings/slot_query.h"

#include <windows.h>

#include "common/win32_handle.h"

std::optional<TDateStamp> QuerySlotTimeStamp(const std::string& path) {
    WIN32_FIND_DATAA entry;
    if (!TFindHandle(FindFirstFileA(path.c_str(), &entry)).IsValid()) return std::nullopt;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;

    FILETIME local;
    SYSTEMTIME localTime;
    if (!FileTimeToLocalFileTime(&entry.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &localTime)) {
        return std::nullopt;
    }
    // Wine's FileTimeToDosDateTime wraps a year past 2107 instead of failing,
    // so the range is checked here first and every platform shows such a slot
    // as empty.
    if (localTime.wYear < kDosFirstYear || localTime.wYear > kDosLastYear) return std::nullopt;
    WORD dosDate = 0;
    WORD dosTime = 0;
    if (!FileTimeToDosDateTime(&local, &dosDate, &dosTime)) return std::nullopt;
    TDateStamp stamp;
    stamp.Year = 1980 + (dosDate >> 9);
    stamp.Month = (dosDate >> 5) & 0x0F;
    stamp.Day = dosDate & 0x1F;
    stamp.Hour = dosTime >> 11;
    stamp.Minute = (dosTime >> 5) & 0x3F;
    stamp.Second = (dosTime & 0x1F) * 2;
    return stamp;
}
