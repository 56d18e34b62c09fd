// The platform-independent part of the officer file: record offsets, the
// open-state check and the closing destructor.
#include "process/officer_file.h"

#include <cstddef>
#include <limits>

#include "common/error_codes.h"
#include "common/errors.h"

TOfficerFile::~TOfficerFile() { CloseQuietly(); }

// Used on the way out of a failed run, and before a second Open: the handle is
// released either way, and a close error would only hide what matters more.
void TOfficerFile::CloseQuietly() noexcept {
    if (!IsOpen()) return;
    try {
        Close();
    } catch (...) {
    }
}

std::int32_t TOfficerFile::RecordOffset(std::int32_t recordIndex) const {
    // Computed wide so that a large index cannot wrap round to a valid offset.
    const std::int64_t offset = std::int64_t{recordIndex} * recordSize_;
    if (offset < 0) throw EInOutError(kErrorNegativeSeek);
    if (offset > std::numeric_limits<std::int32_t>::max()) throw EInOutError(kErrorInvalidParameter);
    return static_cast<std::int32_t>(offset);
}

void TOfficerFile::RequireOpen() const {
    if (!IsOpen()) throw EInOutError(kErrorInvalidHandle);
}

void TOfficerFile::Write(const TOfficerRecord& record, const TOfficerRecord* previous) {
    RequireOpen();
    const std::int64_t start = position_;
    std::size_t done = 0;
    const std::int32_t code = WriteAt(start, &record, sizeof record, done);
    if (code == 0) return;
    if (previous) PutBackTornName(start, *previous, done);
    throw EInOutError(code);
}

// A full disk can stop a write inside the name (at a page boundary, say). Half
// a new name may equal the scenario's where it counts, and would then never be
// rewritten by a later run: the bytes that reached the file are put back. They
// were just written, so rewriting them needs no new space.
void TOfficerFile::PutBackTornName(std::int64_t recordStart, const TOfficerRecord& previous,
                                   std::size_t reached) noexcept {
    constexpr std::size_t kNameStart = offsetof(TOfficerRecord, OfficerName);
    constexpr std::size_t kNameEnd = kNameStart + sizeof previous.OfficerName;
    if (reached <= kNameStart || reached >= kNameEnd) return;  // the name is all old or all new
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::size_t done = 0;
        if (WriteAt(recordStart + std::int64_t{kNameStart}, previous.OfficerName, reached - kNameStart, done) == 0)
            return;
    }
}
