// Every way out stores the selected slot: Quit, the close box, SIGTERM and
// SIGINT, also while the first start's chooser is open.
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "file_kit/temp_dir.h"
#include "qt_fixture.h"
#include "qt_tests.h"
#include "ui/frame.h"
#include "ui/qt/quit_signals.h"

namespace {

void QuitBy(const QString& way, QWidget& window) {
    if (way == "button") Press(Control<QPushButton>("Button3"));
    if (way == "close") window.close();
    if (way == "SIGTERM") std::raise(SIGTERM);
    if (way == "SIGINT") std::raise(SIGINT);
}

class QuitTest : public QObject {
    Q_OBJECT
private slots:
    void ways_data() {
        QTest::addColumn<QString>("way");
        for (const char* way : {"button", "close", "SIGTERM", "SIGINT"}) QTest::newRow(way) << way;
    }
    void ways() {
        QFETCH(QString, way);
        TQtFixture f;
        TQuitSignals quitSignals([] { RequestQuit(); });
        f.StoreSettings(f.MakeGame({0, 4}), 0);
        f.Script.OnMainWindow([](QWidget&) { Press(Control<QRadioButton>("SaveDataGroup.4")); });
        f.Script.OnMainWindow([&](QWidget& window) { QuitBy(way, window); });
        f.Run();
        QVERIFY(!MainWindow());
        QVERIFY2(f.Settings().find("SaveData=4") != std::string::npos, f.Settings().c_str());
    }

    // A signal asks to end now: a settings file that cannot be written is
    // reported on standard error, with no box to hold the process.
    void signalWithAnUnwritableSettingsFileReportsOnStandardError() {
        TQtFixture f;
        TQuitSignals quitSignals([&f] { f.Frame.RequestQuitBySignal(); });
        f.MakeGame({0});
        WriteFileBytes(f.GameFolder() + "not-a-folder", "x");
        f.SettingsPath = f.GameFolder() + "not-a-folder/kasumiro.ini";
        f.Script.OnModal<QFileDialog>([&](QFileDialog& dialog) { ChooseFolder(dialog, f.GameFolder()); });
        f.Script.OnModal<QMessageBox>([](QMessageBox& box) { Press(box.button(QMessageBox::Ok)); });
        f.Script.OnMainWindow([](QWidget&) { std::raise(SIGTERM); });
        bool boxShown = false;
        QTimer boxWatch;
        QObject::connect(&boxWatch, &QTimer::timeout, [&boxShown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                boxShown = true;
                modal->close();
            }
        });
        boxWatch.start(2000);
        TTempDir errFolder;
        const std::string errPath = errFolder.Path() + "stderr.txt";
        std::fflush(stderr);
        const int savedErr = ::dup(2);
        const int errFile = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(errFile, 2);
        f.Run();
        std::fflush(stderr);
        ::dup2(savedErr, 2);
        ::close(savedErr);
        ::close(errFile);
        QVERIFY(!boxShown);
        const std::string err = ReadFileBytes(errPath);
        const std::string refused = f.SettingsPath + " に書き込めません: " + f.SettingsPath +
                                    ".lock: 不正なファイル名です.";
        QVERIFY2(err.find("kasumiro: " + refused) != std::string::npos, err.c_str());
    }

    // A quit asked for while the chooser of the first start is open ends the
    // program there: the window is never shown, nothing is selected.
    void signalWhileTheChooserIsOpen() {
        TQtFixture f;
        TQuitSignals quitSignals([] { RequestQuit(); });
        f.Script.OnModal<QFileDialog>([](QFileDialog&) { std::raise(SIGTERM); });
        f.Run();
        QCOMPARE(QString::fromStdString(f.Settings()), QStringLiteral("[Kasumiro]\r\nSaveData=-1\r\n"));
    }
};

}  // namespace

int RunQuitTests(int argc, char** argv) {
    QuitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "quit_test.moc"
