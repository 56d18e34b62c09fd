// The Qt program's windows, event loop and first showing, in the start and
// stop sequence of ui/application_run.h.
#include "ui/qt/qt_application.h"

#include <QApplication>
#include <QSessionManager>

#include <filesystem>
#include <system_error>

#include "common/frame.h"
#include "common/game_paths.h"
#include "ui/application_run.h"
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
    const std::filesystem::path folder = std::filesystem::path(settingsPath).parent_path();
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
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

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A refused undo names the backup and the command that puts it back all the
// same. The command ends in a quote, so the error box adds no full stop to it.
std::string RefusedUndoText(const std::string& gameFolder, const std::string& slotName, const std::string& backup) {
    int slot = 1;
    while (slot < kSaveSlotCount && SaveSlotName(slot) != slotName) ++slot;
    return std::string(kSaveChangedText) + "\nバックアップ: " + backup +
           "\nkasumiro-cli restore --force は, それでも元に戻します:\nkasumiro-cli restore --force " +
           ShellQuoted(gameFolder) + " " + std::to_string(slot) + " " +
           ShellQuoted(backup.substr(FolderOfPath(backup).size()));
}

void RewriteWithUndo(const std::string& gameFolder, const std::string& slotName) {
    try {
        RunUndoableRewrite(gameFolder, slotName);
    } catch (const EUndoRefused& refused) {
        throw Exception(RefusedUndoText(gameFolder, slotName, refused.BackupPath));
    }
}

}  // namespace

void RunKasumiro(TQtFrame& frame, const std::string& settingsPath) {
    QApplication::setQuitOnLastWindowClosed(false);
    TQtMainWindow window;
    TQtFolderChooser chooser(&window);
    TForm1 form(chooser, settingsPath);
    form.ExecuteRewrite = RewriteWithUndo;
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
