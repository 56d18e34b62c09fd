// Program entry of Kasumiro.exe: start, the one event loop, and the stop
// sequence that stores the selected slot before the process ends.
#include <windows.h>
#include <commctrl.h>

#include "common/app_title.h"
#include "settings/ini_file.h"
#include "common/frame.h"
#include "ui/unit1.h"
#include "ui/win32/application_window.h"
#include "ui/win32/folder_browser.h"
#include "ui/win32/main_window.h"
#include "ui/start_show.h"
#include "ui/win32/win32_frame.h"

// The show commands the start rule picks are Windows' own numbers.
static_assert(kSwShowNormal == SW_SHOWNORMAL && kSwShowMaximized == SW_SHOWMAXIMIZED &&
              kSwShowMinNoActive == SW_SHOWMINNOACTIVE);

namespace {

std::int32_t StartupShowCommand() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return StartShowCommand((startup.dwFlags & STARTF_USESHOWWINDOW) != 0, startup.wShowWindow);
}

void RunApplication(HINSTANCE instance, TWin32Frame& frame) {
    TApplicationWindow application(instance, ApplicationTitle());
    frame.SetApplicationWindow(application.Handle());
    TMainWindow window(instance, application.Handle());
    application.SetMainWindow(window.Handle());
    frame.SetMainWindow(window.Handle());
    TShellFolderBrowser chooser(SystemFolderShell(),
                                [&window] { return static_cast<TWindowHandle>(window.Handle()); });
    SetUpGameFolderBrowser(chooser);
    TForm1 form(chooser, SettingsFilePath());
    window.Bind(form);

    // Hide, then the shut-down handler (its errors shown with no main window
    // on screen). Runs once: at the end of the loop, or inside the end of the
    // session, after which Windows may end the process at any moment.
    bool stopped = false;
    const auto stop = [&] {
        if (stopped) return;
        stopped = true;
        window.Hide();
        DispatchEvent([&] { form.FormDestroy(&form); });
    };
    window.OnEndSession = [&] {
        stop();
        RequestQuit();
    };

    // May show the folder chooser and boxes before the window appears; an
    // error is reported and the start goes on.
    DispatchEvent([&] { form.FormCreate(&form); });
    const std::int32_t show = StartupShowCommand();
    if (show == kSwShowMinNoActive) {
        application.StartMinimised();
    } else {
        window.Show(show);
    }

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    stop();
    frame.SetMainWindow(nullptr);
    application.SetMainWindow(nullptr);
    window.Destroy();
    frame.SetApplicationWindow(nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ApplicationTitle();  // computed once, before any window
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    TWin32Frame frame;
    TScopedFrame installed(frame);
    DispatchEvent([&] { RunApplication(instance, frame); });
    return 0;
}
