// Program entry of kasumiro, the Linux program: the Qt application, the
// frame, SIGTERM and SIGINT as quit requests, and the one run.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "common/app_title.h"
#include "common/frame.h"
#include "settings/ini_file.h"
#include "ui/qt/qt_application.h"
#include "ui/qt/qt_folder_shell.h"
#include "ui/qt/qt_frame.h"
#include "ui/qt/quit_signals.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ApplicationTitle();  // computed once, before any window
    // The installed icon and desktop entry, for the task bar and the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("kasumiro"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kasumiro")));
    // The program speaks Japanese whatever the user's locale; so does Qt's
    // own text in the folder chooser, where its translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    TQtFrame frame;
    TScopedFrame installed(frame);
    TQtFolderShell shell;
    DispatchEvent([&] {
        TQuitSignals quitSignals([] { RequestQuit(); });
        RunKasumiro(frame, shell, SettingsFilePath());
    });
    return 0;
}
