// A slot's time stamp on Windows: the directory entry's last-write time,
// made local with the current offset and reduced to a DOS date and time.
#include "settings/slot_query.h"

#include <windows.h>

#include "common/win32_handle.h"

std::optional<TDateStamp> QuerySlotTimeStamp(const std::string& path) {
    WIN32_FIND_DATAA entry;
    if (!TFindHandle(FindFirstFileA(path.c_str(), &entry)).IsValid()) return std::nullopt;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;

    FILETIME local;
    WORD dosDate = 0;
    WORD dosTime = 0;
    if (!FileTimeToLocalFileTime(&entry.ftLastWriteTime, &local) ||
        !FileTimeToDosDateTime(&local, &dosDate, &dosTime)) {
        return std::nullopt;
    }
    TDateStamp stamp;
    stamp.Year = 1980 + (dosDate >> 9);
    stamp.Month = (dosDate >> 5) & 0x0F;
    stamp.Day = dosDate & 0x1F;
    stamp.Hour = dosTime >> 11;
    stamp.Minute = (dosTime >> 5) & 0x3F;
    stamp.Second = (dosTime & 0x1F) * 2;
    return stamp;
}
