// The Qt application around one run: Japanese texts for Qt's own dialogs,
// the desktop icon, the frame and the quit signals.
#include "ui/qt/qt_program.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "common/app_title.h"
#include "common/frame.h"
#include "settings/ini_file.h"
#include "ui/qt/command_line.h"
#include "ui/qt/qt_application.h"
#include "ui/qt/qt_frame.h"
#include "ui/qt/quit_signals.h"

int RunKasumiroProgram(int argc, char** argv) {
    if (AnswerCommandLine(argc, argv)) return 0;
    QApplication application(argc, argv);
    ApplicationTitle();  // computed once, before any window
    // The program speaks Japanese whatever the user's locale; so does Qt's
    // own text in the folder chooser, where its translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    // The installed icon and desktop entry, for the task bar and the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("kasumiro"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kasumiro")));

    TQtFrame frame;
    TScopedFrame installed(frame);
    DispatchEvent([&] {
        TQuitSignals quitSignals([] { RequestQuit(); });
        RunKasumiro(frame, SettingsFilePath());
    });
    return 0;
}
