// Backup file operations on Windows: %LOCALAPPDATA%, the ANSI file functions,
// FlushFileBuffers and MoveFileEx, each failure raised with its code.
#include "process/backup_files.h"

#include <windows.h>


#include "common/error_codes.h"
#include "common/errors.h"
#include "common/game_paths.h"
#include "common/system_text.h"
#include "common/win32_handle.h"

namespace {

[[noreturn]] void RaiseLastError() { throw EInOutError(static_cast<std::int32_t>(GetLastError())); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

void WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) RaiseLastError();
        if (written == 0) throw EInOutError(kErrorShortWrite);
        done += written;
    }
}

}  // namespace

std::string BackupRootFolder() {
    char buffer[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    return GameFolderPath(std::string(buffer, length)) + "Kasumiro\\backups\\";
}

std::string AbsoluteFolderPath(const std::string& folder) {
    char buffer[MAX_PATH];
    const DWORD length = GetFullPathNameA(folder.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0) RaiseLastError();
    if (length >= MAX_PATH) throw EInOutError(kErrorFilenameTooLong);
    const DWORD attributes = GetFileAttributesA(buffer);
    if (attributes == INVALID_FILE_ATTRIBUTES) RaiseLastError();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) throw EInOutError(kErrorPathNotFound);
    return GameFolderPath(std::string(buffer, length));
}

std::string ReadRegularFile(const std::string& path, std::size_t maxSize) {
    const TFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) RaiseLastError();
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) throw EInOutError(kErrorAccessDenied);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) RaiseLastError();
    if (static_cast<unsigned long long>(size.QuadPart) > maxSize) throw EInOutError(kErrorInvalidParameter);
    std::string bytes(maxSize + 1, '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            RaiseLastError();
        if (got == 0) break;
        done += got;
    }
    if (done > maxSize) throw EInOutError(kErrorInvalidParameter);
    bytes.resize(done);
    return bytes;
}

void MakeFolders(const std::string& folder) {
    // Walked character by character: a CP932 trail byte can be 0x5C. The
    // drive ("C:\\") or the share's first folder needs no making.
    for (std::size_t pos = 3; pos < folder.size(); pos += SystemCharLength(folder, pos)) {
        if (!IsSeparator(folder[pos])) continue;
        const std::string part = folder.substr(0, pos);
        if (CreateDirectoryA(part.c_str(), nullptr)) continue;
        if (GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_ACCESS_DENIED) RaiseLastError();
        const DWORD attributes = GetFileAttributesA(part.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            throw EInOutError(kErrorPathNotFound);
    }
}

void ReplaceFileDurably(const std::string& path, const std::string& temporaryPath, const std::string& bytes) {
    DeleteFileA(temporaryPath.c_str());  // a leftover of a crash
    TFileHandle file(
        CreateFileA(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) RaiseLastError();
    try {
        WriteAll(file.Get(), bytes);
        if (!FlushFileBuffers(file.Get())) RaiseLastError();
        file.Reset();
        if (!MoveFileExA(temporaryPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            RaiseLastError();
    } catch (...) {
        file.Reset();
        DeleteFileA(temporaryPath.c_str());
        throw;
    }
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const TFindHandle search(FindFirstFileA((folder + "*").c_str(), &found));
    if (!search.IsValid()) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search.Get(), &found));
    return names;
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveFileQuietly(const std::string& path) { DeleteFileA(path.c_str()); }

TLocalTime LocalTimeNow() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}
