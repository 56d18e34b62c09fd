// The officer file BUSYO21.BIN: a headerless array of 38-byte records, with
// record-level access that hands every call straight to the operating system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#pragma pack(push, 1)
struct TOfficerRecord {
    std::uint8_t Head[6];          // not interpreted; carried through unchanged
    std::uint8_t OfficerName[12];  // CP932 bytes, padded, no terminator
    std::uint8_t Tail[20];         // not interpreted; carried through unchanged
};
#pragma pack(pop)
static_assert(sizeof(TOfficerRecord) == 38, "an officer record is 38 bytes on disk");

constexpr std::int32_t kOfficerRecordSize = sizeof(TOfficerRecord);
constexpr std::int32_t kOfficerCount = 2000;  // records 0 to 1999

// Longest path the officer files may have on Windows (MAX_PATH less the NUL);
// a longer one is refused with code 206 before the system is asked.
constexpr std::size_t kMaxOfficerPathLength = 259;

// One open officer file. Every failure raises EInOutError with a Windows error
// code (2 missing file, 3 missing folder, 5 access denied, 32 sharing
// violation, ...) or the layer's own 100 (short read), 101 (short write) and
// 1 (failed close). Read and Write move exactly one 38-byte record; the record
// size given to Open places records for Seek. The destructor closes a file
// still open, silently.
class TOfficerFile {
public:
    enum class TAccess { ReadWrite, ReadOnly };

    TOfficerFile() = default;
    ~TOfficerFile();
    TOfficerFile(const TOfficerFile&) = delete;
    TOfficerFile& operator=(const TOfficerFile&) = delete;

    // Opens an existing file, never creating or truncating it. The game's
    // files are always opened for reading and writing, also when only read;
    // ReadOnly serves the dry run, which must not need write access.
    void Open(const std::string& path, std::int32_t recordSize, TAccess access = TAccess::ReadWrite);
    void Seek(std::int32_t recordIndex);
    void Read(TOfficerRecord& record);
    // previous, when given, is the record as it was read: should the write
    // fail after part of the name reached the file, that part gets its old
    // bytes back (with one more try), so that no name is left half new; the
    // write's own error is raised either way.
    void Write(const TOfficerRecord& record, const TOfficerRecord* previous = nullptr);
    void Close();
    bool IsOpen() const { return handle_ != kClosed; }

private:
    // The byte offset of a record as the 32-bit value the system is given.
    std::int32_t RecordOffset(std::int32_t recordIndex) const;
    // Raises code 6 (invalid handle) when the file is not open.
    void RequireOpen() const;
    // Closes a file still open, swallowing a close error.
    void CloseQuietly() noexcept;
    // The platform's write of count bytes at offset: 0 or the failure's code,
    // with done set to the bytes that reached the file either way. The
    // position moves past them.
    std::int32_t WriteAt(std::int64_t offset, const void* bytes, std::size_t count, std::size_t& done) noexcept;
    // Writes back the old name bytes among the first `reached` bytes of the
    // record at recordStart, when they hold part of the name but not all of it.
    void PutBackTornName(std::int64_t recordStart, const TOfficerRecord& previous, std::size_t reached) noexcept;

    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed;  // a HANDLE on Windows, a descriptor on Linux
    std::int32_t recordSize_ = 0;
    std::int64_t position_ = 0;  // used where the platform keeps no file pointer for us
};
