// The Qt application around one run: Japanese texts for Qt's own dialogs,
// the desktop icon, the frame and the quit signals.
#include "ui/qt/qt_program.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <optional>

#include "common/frame.h"
#include "settings/ini_file.h"
#include "ui/application_run.h"
#include "ui/qt/command_line.h"
#include "ui/qt/qt_application.h"
#include "ui/qt/qt_frame.h"
#include "ui/qt/quit_signals.h"

int RunKasumiroProgram(int argc, char** argv) {
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv)) return *answered;
    QApplication application(argc, argv);
    QTranslator qtTexts;
    TQtFrame frame;
    return RunApplicationProgram(
        frame,
        [&] {
            // The program speaks Japanese whatever the user's locale; so does Qt's
            // own text in the folder chooser, where its translations are installed.
            if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QApplication::installTranslator(&qtTexts);
            }
            // The installed icon and desktop entry, for the task bar and the window.
            QGuiApplication::setDesktopFileName(QStringLiteral("kasumiro"));
            QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kasumiro")));
        },
        [&] {
            TQuitSignals quitSignals([&frame] { frame.RequestQuitBySignal(); });
            RunKasumiro(frame, SettingsFilePath());
        });
}
