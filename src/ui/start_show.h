// How the main window is first shown, from the show state the process was
// started with: maximised, minimised without activation, or normal.
#pragma once

#include <cstdint>

inline constexpr std::int32_t kSwShowNormal = 1;
inline constexpr std::int32_t kSwShowMaximized = 3;
inline constexpr std::int32_t kSwShowMinNoActive = 7;

// useShowWindow: the start-up information carries a show state (STARTF_USESHOWWINDOW).
// Only the maximised and the minimised-inactive states are kept; every other
// request opens the window normally at its designed place.
constexpr std::int32_t StartShowCommand(bool useShowWindow, std::int32_t showWindow) {
    if (!useShowWindow) return kSwShowNormal;
    if (showWindow == kSwShowMaximized || showWindow == kSwShowMinNoActive) return showWindow;
    return kSwShowNormal;
}
