// Every way out stores the selected slot: Quit, the close box, SIGTERM and
// SIGINT, also while the first start's chooser is open.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <csignal>

#include "common/frame.h"
#include "qt_fixture.h"
#include "qt_tests.h"
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
