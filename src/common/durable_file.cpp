// The durable-file logic written once: the bounded whole read, the replace
// through a temporary file, the chain of folders from the path's own root.
#include "common/durable_file.h"

#include "common/durable_file_system.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/paths.h"

namespace {

void RequireSizeWithin(const std::string& path, std::uint64_t size, std::size_t maxSize) {
    if (size > maxSize) throw EInOutError(kErrorInvalidParameter, path, kFileTooLargeText);
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::size_t maxSize) {
    TReadableFile file(path);
    const std::uint64_t promised = file.Size();
    RequireSizeWithin(path, promised, maxSize);
    // One byte more than promised is asked for, so that a file that grew shows.
    std::string bytes(static_cast<std::size_t>(promised) + 1, '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t got = file.ReadAt(bytes.data() + done, bytes.size() - done, done);
        if (got == 0) break;
        done += got;
    }
    // An end before the promised size is a read cut short, never a smaller file.
    if (done != promised) throw EInOutError(kErrorShortRead, path);
    bytes.resize(done);
    return bytes;
}

void RequireFileWithin(const std::string& path, std::size_t maxSize) {
    std::uint64_t size = 0;
    if (FileSizeAt(path, size)) RequireSizeWithin(path, size, maxSize);
}

void ReplaceFileDurably(const std::string& path, const std::string& temporaryPath, const std::string& bytes,
                        TNewFileOwner owner) {
    ReplaceFilesDurably({{path, temporaryPath, &bytes}}, owner);
}

void ReplaceFilesDurably(const std::vector<TFileReplacement>& files, TNewFileOwner owner) {
    // A leftover of a crash is removed first; a link there is removed, not followed.
    for (const TFileReplacement& file : files) RemoveFile(file.TemporaryPath);
    try {
        for (const TFileReplacement& file : files) {
            TNewFile written(file.TemporaryPath, owner, file.Path);
            written.WriteAll(*file.Bytes);
            written.Flush();
            written.Close();
        }
        for (const TFileReplacement& file : files) RenameOver(file.TemporaryPath, file.Path, owner);
    } catch (...) {
        for (const TFileReplacement& file : files) RemoveFileQuietly(file.TemporaryPath);
        throw;
    }
    if (!files.empty()) FlushFolder(FolderOfPath(files.front().Path));
}

void MakeFolders(const std::string& folder) {
    const std::size_t root = PathRootLength(folder);
    if (root == 0) throw EInOutError(kErrorPathNotFound, folder);
    const std::vector<std::size_t> separators = PathSeparators(folder, root);
    for (const std::size_t separator : separators) MakeOneFolder(folder.substr(0, separator));
    if (separators.empty() || separators.back() + 1 != folder.size()) MakeOneFolder(folder);
}

void RemoveFile(const std::string& path) {
    if (const std::int32_t code = RemoveFileCode(path)) throw EInOutError(code, path);
}

void RemoveFileQuietly(const std::string& path) { RemoveFileCode(path); }
