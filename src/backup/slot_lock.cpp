// The slot lock's refusal after its wait, the same on every platform.
#include "backup/slot_lock.h"

#include "common/errors.h"

void RaiseSlotBusy(const std::string& folder) {
    const std::string prefix = kSlotBusyText;
    throw Exception(prefix + folder, TTextSpan{prefix.size(), folder.size()});
}
