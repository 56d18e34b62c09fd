// The Qt application around one run: Japanese texts for Qt's own dialogs,
// the desktop icon, the frame and the quit signals.
#include "ui/qt/qt_program.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <optional>

#include "settings/ini_file.h"
#include "ui/application_run.h"
#include "ui/frame.h"
#include "ui/qt/command_line.h"
#include "ui/qt/display_choice.h"
#include "ui/qt/qt_application.h"
#include "ui/qt/qt_frame.h"
#include "ui/qt/quit_signals.h"

namespace {

// The icon theme's search (its folders, then the image plugins) is work the
// first paint does not need: the application's icon is set once the first
// window, the main window or the first start's chooser, has painted.
class TIconAfterFirstPaint final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(
                qApp, [] { QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kasumiro"))); },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int RunKasumiroProgram(int argc, char** argv) {
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv)) return *answered;
    std::optional<TDisplayStartGuard> displayStart(std::in_place);
    QApplication application(argc, argv);
    displayStart.reset();
    QTranslator qtTexts;
    TIconAfterFirstPaint iconSetter;
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
            QApplication::instance()->installEventFilter(&iconSetter);
        },
        [&] {
            TQuitSignals quitSignals([&frame] { frame.RequestQuitBySignal(); });
            RunKasumiro(frame, SettingsFilePath());
        });
}
