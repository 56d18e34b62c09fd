// The few calls per platform that durable_file.cpp builds on; only that
// module and its two platform files include this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/durable_file.h"

// A regular file opened for reading; raises EInOutError naming the path.
class TReadableFile {
public:
    explicit TReadableFile(const std::string& path);
    ~TReadableFile();
    TReadableFile(const TReadableFile&) = delete;
    TReadableFile& operator=(const TReadableFile&) = delete;
    // The size the system gives for the open file.
    std::uint64_t Size() const;
    // Up to count bytes at offset: how many came, 0 at the end.
    std::size_t ReadAt(char* bytes, std::size_t count, std::uint64_t offset);

private:
    std::string path_;
    std::intptr_t handle_;
};

// A new file, created only when nothing is at its path, opened for writing.
class TNewFile {
public:
    // replacedPath, for TNewFileOwner::AsReplacedFile: the file whose mode
    // and owner the new one takes.
    TNewFile(const std::string& path, TNewFileOwner owner, const std::string& replacedPath);
    ~TNewFile();
    TNewFile(const TNewFile&) = delete;
    TNewFile& operator=(const TNewFile&) = delete;
    void WriteAll(const std::string& bytes);
    void Flush();
    void Close();

private:
    std::string path_;
    std::intptr_t handle_;
};

// Renames from over to; on Windows an existing file that keeps its
// attributes is replaced with ReplaceFileW.
void RenameOver(const std::string& from, const std::string& to, TNewFileOwner owner);

// Flushes a folder's entries to the disk, so that a rename in it lasts
// (nothing to do on Windows, whose rename above writes through).
void FlushFolder(const std::string& folder);

// The size of the file at path, links followed; false when it cannot be told.
bool FileSizeAt(const std::string& path, std::uint64_t& size);

// Makes one folder: true when made, false when a folder was there already.
bool MakeOneFolder(const std::string& folder);

// 0, or why the file could not be removed (a missing file is no failure).
std::int32_t RemoveFileCode(const std::string& path);
