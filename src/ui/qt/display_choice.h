// Which of Wayland and X11 the window opens on, and a display that cannot be
// reached said in one line, exit 1, instead of Qt's abort.
#pragma once

#include <QString>

// Said after "kasumiro: " when neither a Wayland nor an X display is there
// or can be reached.
inline constexpr char kNoDisplayText[] =
    "ウィンドウを表示できません: Wayland のディスプレイにも X のディスプレイにもつなげません "
    "(WAYLAND_DISPLAY と DISPLAY をご確認下さい).";

// Whether the window would open on X11 or Wayland with neither there: the
// platform given (-platform, else QT_QPA_PLATFORM), or the default, is xcb
// or wayland, DISPLAY and -display are unset, and WAYLAND_DISPLAY names no
// socket.
// Other platforms (offscreen, a frame buffer) need no display.
bool DisplayMissing(const QString& platformOption, bool displayOption);

// Where no platform is given: Wayland first when the session's Wayland
// socket is there, X11 (through XWayland, say) when that fails; X11 otherwise.
void ChoosePlatform();

// While it lives, Qt's messages are held back, and Qt's fatal one (no
// platform could start: a display named but not there, a plugin missing)
// becomes kNoDisplayText on standard error and exit code 1.
class TDisplayStartGuard {
public:
    TDisplayStartGuard();
    ~TDisplayStartGuard();
    TDisplayStartGuard(const TDisplayStartGuard&) = delete;
    TDisplayStartGuard& operator=(const TDisplayStartGuard&) = delete;
};
