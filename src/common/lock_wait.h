// The wait for a lock that another run holds: asked again every 50 ms, for
// at most 5 seconds, so that a run that keeps its lock never hangs another.
#pragma once

#include <functional>

// Calls take until it returns true (the lock is ours) or 5 s have passed;
// whether the lock was taken. An error take raises travels out.
bool WaitForLock(const std::function<bool()>& take);
