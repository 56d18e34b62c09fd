// The Qt program's windows, event loop and first showing, in the start and
// stop sequence of ui/application_run.h.
#include "ui/qt/qt_application.h"

#include <QApplication>
#include <QSessionManager>

#include "common/durable_file.h"
#include "common/errors.h"
#include "common/paths.h"
#include "ui/application_run.h"
#include "ui/frame.h"
#include "ui/main_form.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_folder_chooser.h"
#include "ui/qt/slot_notice.h"
#include "ui/undoable_rewrite.h"

namespace {

// A program in /usr/bin keeps its settings in the user's configuration
// folder, which may not exist yet. A failure shows later, when the write is
// refused and reported with the settings file's path.
void MakeSettingsFolder(const std::string& settingsPath) {
    try {
        MakeFolders(FolderOfPath(settingsPath));
    } catch (const Exception&) {
        return;
    }
}

// Asked to quit before the loop ran (a signal while the chooser was open):
// the window stays hidden and the loop runs only to end at once. Qt keeps
// refusing to run any event loop, a box's included, until the main loop has run.
void ShowUnlessQuitting(const TQtFrame& frame, QWidget& window) {
    if (frame.QuitRequested()) {
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    } else {
        window.show();
    }
}

}  // namespace

void RunKasumiro(TQtFrame& frame, const std::string& settingsPath) {
    QApplication::setQuitOnLastWindowClosed(false);
    TQtMainWindow window;
    TQtFolderChooser chooser(&window);
    TForm1 form(chooser, settingsPath);
    form.ExecuteRewrite = RunUndoableRewrite;
    form.ExecuteChoosesMissingFolder = true;
    window.Bind(form);
    FollowSlotNotice(window, form.SaveDataGroup);
    frame.SetMainWindow(&window);
    MakeSettingsFolder(settingsPath);

    TApplicationRun run(form, {.ShowMainWindow = [&] { ShowUnlessQuitting(frame, window); },
                               .RunEventLoop = [] { QApplication::exec(); },
                               .HideMainWindow = [&] { window.hide(); }});
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window,
                     [&run](QSessionManager&) { run.EndSession(); });
    run.Run();
    frame.SetMainWindow(nullptr);
    window.Unbind();
}
