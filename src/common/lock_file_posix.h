// The lock file on Linux: an flock on a file made for it, waited for as every
// lock is; the slot lock and the settings lock both take theirs here.
#pragma once

#include <sys/types.h>

#include <string>

#include "common/descriptor_posix.h"

// Opens the lock file at path (made with mode, before the umask, when
// missing; a link there is refused) and takes its exclusive lock, waiting as
// WaitForLock does. The descriptor that holds the lock, or a closed one when
// another holder kept it past the wait. Other failures raise EInOutError
// naming path.
TDescriptor TakeLockFile(const std::string& path, mode_t mode);
