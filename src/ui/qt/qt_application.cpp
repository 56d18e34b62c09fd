// Start and stop of the Qt program around the one event loop.
#include "ui/qt/qt_application.h"

#include <QApplication>
#include <QSessionManager>

#include <filesystem>
#include <system_error>

#include "common/frame.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_folder_chooser.h"
#include "ui/undoable_rewrite.h"
#include "ui/unit1.h"

namespace {

// A program in /usr/bin keeps its settings in the user's configuration
// folder, which may not exist yet. A failure shows later, when the write is
// refused and reported with the settings file's path.
void MakeSettingsFolder(const std::string& settingsPath) {
    const std::filesystem::path folder = std::filesystem::path(settingsPath).parent_path();
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
}

}  // namespace

void RunKasumiro(TQtFrame& frame, const std::string& settingsPath) {
    QApplication::setQuitOnLastWindowClosed(false);
    TQtMainWindow window;
    TQtFolderChooser chooser(&window);
    TForm1 form(chooser, settingsPath);
    form.ExecuteRewrite = RunUndoableRewrite;
    window.Bind(form);
    frame.SetMainWindow(&window);

    // Hide, then the shut-down handler (its errors shown with no main window
    // on screen). Runs once: after the loop, or when the desktop session
    // ends, after which the process may be ended at any moment.
    bool stopped = false;
    const auto stop = [&] {
        if (stopped) return;
        stopped = true;
        window.hide();
        DispatchEvent([&] { form.FormDestroy(&form); });
    };
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window, [&](QSessionManager&) {
        stop();
        DispatchEvent([] { RequestQuit(); });
    });

    MakeSettingsFolder(settingsPath);
    // May show the folder chooser and boxes before the window appears; an
    // error is reported and the start goes on.
    DispatchEvent([&] { form.FormCreate(&form); });
    if (frame.QuitRequested()) {
        // Asked to quit before the loop ran (a signal while the chooser was
        // open): the loop runs only to end at once. Qt keeps refusing to run
        // any event loop, a box's included, until the main loop has run.
        QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    } else {
        window.show();
    }
    QApplication::exec();
    stop();
    frame.SetMainWindow(nullptr);
    window.Unbind();
}
