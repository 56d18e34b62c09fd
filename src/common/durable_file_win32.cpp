// Durable files on Windows: the wide file functions on paths held in the
// ANSI code page, FlushFileBuffers, ReplaceFileW (which keeps the replaced
// file's attributes) or MoveFileExW with write-through.
#include <windows.h>

#include "common/durable_file.h"
#include "common/durable_file_system.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/paths.h"
#include "common/system_text.h"
#include "common/wide_text.h"
#include "common/win32_handle.h"

namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

std::intptr_t AsInteger(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }

[[noreturn]] void RaiseLastError(const std::string& path) {
    throw EInOutError(static_cast<std::int32_t>(GetLastError()), path);
}

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(SystemText(path).c_str()); }

}  // namespace

TReadableFile::TReadableFile(const std::string& path) : path_(path) {
    const HANDLE file = CreateFileW(SystemText(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) RaiseLastError(path);
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        throw EInOutError(kErrorAccessDenied, path);
    }
    handle_ = AsInteger(file);
}

TReadableFile::~TReadableFile() { CloseHandle(AsHandle(handle_)); }

std::uint64_t TReadableFile::Size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(AsHandle(handle_), &size)) RaiseLastError(path_);
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::size_t TReadableFile::ReadAt(char* bytes, std::size_t count, std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), bytes, static_cast<DWORD>(count), &got, &at)) {
        if (GetLastError() == ERROR_HANDLE_EOF) return 0;
        RaiseLastError(path_);
    }
    return got;
}

TNewFile::TNewFile(const std::string& path, TNewFileOwner /*owner*/, const std::string& /*replacedPath*/)
    : path_(path) {
    // The attributes of a replaced file are kept by ReplaceFileW at the rename.
    const HANDLE file = CreateFileW(SystemText(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) RaiseLastError(path);
    handle_ = AsInteger(file);
}

TNewFile::~TNewFile() {
    if (handle_ != 0) CloseHandle(AsHandle(handle_));
}

void TNewFile::WriteAll(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(AsHandle(handle_), bytes.data() + done, chunk, &written, nullptr)) RaiseLastError(path_);
        if (written == 0) throw EInOutError(kErrorShortWrite, path_);
        done += written;
    }
}

void TNewFile::Flush() {
    if (!FlushFileBuffers(AsHandle(handle_))) RaiseLastError(path_);
}

void TNewFile::Close() {
    const HANDLE handle = AsHandle(handle_);
    handle_ = 0;
    if (!CloseHandle(handle)) RaiseLastError(path_);
}

void RenameOver(const std::string& from, const std::string& to, TNewFileOwner owner) {
    const std::wstring source = SystemText(from);
    const std::wstring target = SystemText(to);
    if (owner == TNewFileOwner::AsReplacedFile && AttributesOf(to) != INVALID_FILE_ATTRIBUTES) {
        if (!ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            RaiseLastError(to);
        return;
    }
    if (!MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseLastError(to);
}

void FlushFolder(const std::string& /*folder*/) {}

bool FileSizeAt(const std::string& path, std::uint64_t& size) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(SystemText(path).c_str(), GetFileExInfoStandard, &data)) return false;
    size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

bool MakeOneFolder(const std::string& folder) {
    if (CreateDirectoryW(SystemText(folder).c_str(), nullptr)) return true;
    const DWORD error = GetLastError();
    if (IsFolder(folder)) return false;
    // Something else of that name is in the way; any other failure is the system's own.
    if (error == ERROR_ALREADY_EXISTS || PathKindOf(folder) != TPathKind::Missing)
        throw EInOutError(kErrorPathNotFound, folder, kNotAFolderText);
    throw EInOutError(static_cast<std::int32_t>(error), folder);
}

std::int32_t RemoveFileCode(const std::string& path) {
    if (DeleteFileW(SystemText(path).c_str())) return 0;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? 0 : static_cast<std::int32_t>(error);
}

bool CreateFileExclusively(const std::string& path) {
    const TFileHandle file(
        CreateFileW(SystemText(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.IsValid()) return true;
    if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS) return false;
    RaiseLastError(path);
}

std::string AbsoluteFolderPath(const std::string& folder) {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetFullPathNameW(SystemText(folder).c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0) RaiseLastError(folder);
    if (length >= MAX_PATH) throw EInOutError(kErrorFilenameTooLong, folder);
    // A folder that is missing, or no folder, is a path not found, as on Linux.
    const DWORD attributes = GetFileAttributesW(buffer);
    if (attributes == INVALID_FILE_ATTRIBUTES && GetLastError() != ERROR_FILE_NOT_FOUND) RaiseLastError(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        throw EInOutError(kErrorPathNotFound, folder);
    std::string path;
    if (!ExactSystemText(std::wstring_view(buffer, length), path)) throw EInOutError(kErrorPathNotFound, folder);
    return GameFolderPath(path);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const TFindHandle search(FindFirstFileW(SystemText(folder + "*").c_str(), &found));
    if (!search.IsValid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return names;
        RaiseLastError(folder);
    }
    do {
        std::string name;
        // A name the code page cannot hold is none of ours.
        if (!ExactSystemText(found.cFileName, name)) continue;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(search.Get(), &found));
    if (GetLastError() != ERROR_NO_MORE_FILES) RaiseLastError(folder);
    return names;
}

TPathKind PathKindOf(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return TPathKind::Missing;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return TPathKind::Folder;
    return (attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? TPathKind::Other : TPathKind::File;
}

std::int64_t RegularFileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(SystemText(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    constexpr DWORD kNotRegular = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;
    if ((data.dwFileAttributes & kNotRegular) != 0) return -1;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | static_cast<std::int64_t>(data.nFileSizeLow);
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::int64_t SecondsSinceWritten(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(SystemText(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<std::int64_t>(t.dwHighDateTime) << 32) | static_cast<std::int64_t>(t.dwLowDateTime);
    };
    constexpr std::int64_t kTicksPerSecond = 10000000;
    return (ticks(now) - ticks(data.ftLastWriteTime)) / kTicksPerSecond;
}
