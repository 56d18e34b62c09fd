// The platform-independent part of the officer file: record offsets, the
// open-state check and the closing destructor.
#include "process/officer_file.h"

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
