// Program entry of Kasumiro.exe: its windows, its event loop and how its
// main window is first shown, in the start and stop sequence of ui/application_run.h.
#include <windows.h>
#include <commctrl.h>

#include "settings/ini_file.h"
#include "ui/app_title.h"
#include "ui/application_run.h"
#include "ui/frame.h"
#include "ui/main_form.h"
#include "ui/start_show.h"
#include "ui/win32/application_window.h"
#include "ui/win32/folder_browser.h"
#include "ui/win32/main_window.h"
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

// The main window in the show state the process was started with; a
// minimised start leaves only the task-bar entry on screen.
void ShowAtStart(TApplicationWindow& application, TMainWindow& window) {
    const std::int32_t show = StartupShowCommand();
    if (show == kSwShowMinNoActive) {
        application.StartMinimised();
    } else {
        window.Show(show);
    }
}

// The one event loop; the main window's keys (Tab, arrows, access keys) first.
void RunMessageLoop(TMainWindow& window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void RunApplication(HINSTANCE instance, TWin32Frame& frame) {
    TApplicationWindow application(instance, ApplicationTitle());
    frame.SetApplicationWindow(application.Handle());
    TMainWindow window(instance, application.Handle());
    application.SetMainWindow(window.Handle());
    frame.SetMainWindow(window.Handle());
    TShellFolderBrowser chooser(SystemFolderShell(), [&window] { return static_cast<TWindowHandle>(window.Handle()); });
    SetUpGameFolderBrowser(chooser);
    TForm1 form(chooser, SettingsFilePath());

    // The controls are made after FormCreate, from the slot list it read,
    // so that the slot group is made at the width its labels need rather
    // than widened once they arrive. Nothing shows before then: the window
    // stays hidden until its first show, and FormCreate's boxes and chooser
    // only need it as their owner.
    TApplicationRun run(form, {.ShowMainWindow =
                                   [&] {
                                       window.Bind(form);
                                       ShowAtStart(application, window);
                                   },
                               .RunEventLoop = [&] { RunMessageLoop(window); },
                               .HideMainWindow = [&] { window.Hide(); }});
    window.OnEndSession = [&run] { run.EndSession(); };
    run.Run();
    frame.SetMainWindow(nullptr);
    application.SetMainWindow(nullptr);
    window.Destroy();
    frame.SetApplicationWindow(nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    TWin32Frame frame;
    return RunApplicationProgram(
        frame,
        [] {
            INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
            InitCommonControlsEx(&controls);
        },
        [&] { RunApplication(instance, frame); });
}
