// The selection rules through real clicks: empty slots beep and fall back,
// the scenario and an already checked slot do nothing.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "qt_fixture.h"
#include "qt_tests.h"

namespace {

class SelectionTest : public QObject {
    Q_OBJECT
private slots:
    void clicks_data() {
        QTest::addColumn<QList<int>>("used");  // the slots that hold a game
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("clicks");  // the radio buttons clicked, in turn
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("checked");
        const QList<int> firstAndThird{0, 2};
        QTest::newRow("used slot") << firstAndThird << -1 << "SaveDataGroup.2" << 0 << 2;
        QTest::newRow("empty slot falls back") << firstAndThird << 0 << "SaveDataGroup.3" << 1 << 0;
        QTest::newRow("empty slot, first one used") << firstAndThird << -1 << "SaveDataGroup.1" << 1 << 0;
        QTest::newRow("empty slot, first one empty") << QList<int>{2} << -1 << "SaveDataGroup.1" << 2 << 0;
        QTest::newRow("first slot, empty, nothing selected") << QList<int>{2} << -1 << "SaveDataGroup.0" << 1 << 0;
        QTest::newRow("fall back after a used click") << firstAndThird << -1 << "SaveDataGroup.2 SaveDataGroup.4"
                                                      << 1 << 2;
        QTest::newRow("checked slot again") << firstAndThird << 2 << "SaveDataGroup.2" << 0 << 2;
        QTest::newRow("scenario") << firstAndThird << 0 << "ScenarioGroup.0" << 0 << 0;
    }
    void clicks() {
        QFETCH(QList<int>, used);
        QFETCH(int, stored);
        QFETCH(QString, clicks);
        QFETCH(int, beeps);
        QFETCH(int, checked);
        TQtFixture f;
        f.StoreSettings(f.MakeGame(std::set<int>(used.begin(), used.end())), stored);
        f.Script.OnMainWindow([&](QWidget&) {
            for (const QString& name : clicks.split(QLatin1Char(' '))) Press(Control<QRadioButton>(qPrintable(name)));
        });
        f.Script.OnMainWindow([&](QWidget&) {
            QCOMPARE(f.Frame.Beeps, beeps);
            QCOMPARE(CheckedSlot(), checked);
            QVERIFY(Control<QRadioButton>("ScenarioGroup.0")->isChecked());
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
    }

    // Keyboard: an arrow key moves the check as a click does, with the same
    // rules; after a fallback the focus is on the slot checked again.
    void arrowKeyOntoAnEmptySlotFallsBack() {
        TQtFixture f;
        f.StoreSettings(f.MakeGame({0, 2}), 0);
        f.Script.OnMainWindow([&](QWidget&) {
            auto* first = Control<QRadioButton>("SaveDataGroup.0");
            first->setFocus();
            QTest::keyClick(first, Qt::Key_Down);
        });
        f.Script.OnMainWindow([&](QWidget&) {
            QCOMPARE(f.Frame.Beeps, 1);
            QCOMPARE(CheckedSlot(), 0);
            // The focus follows the check back, so that a screen reader names LOG1.
            QVERIFY(Control<QRadioButton>("SaveDataGroup.0")->hasFocus());
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
    }
};

}  // namespace

int RunSelectionTests(int argc, char** argv) {
    SelectionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "selection_test.moc"
