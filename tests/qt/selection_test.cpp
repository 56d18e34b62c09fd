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
        QTest::newRow("fall back after a used click")
            << firstAndThird << -1 << "SaveDataGroup.2 SaveDataGroup.4" << 1 << 2;
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

    // Keyboard: the arrow keys pass over empty slots and beep where none is
    // left that way; a click on an empty slot puts the focus on the slot
    // checked again, so that a screen reader names it.
    void keysAndFocus_data() {
        QTest::addColumn<QList<int>>("used");
        QTest::addColumn<int>("key");  // 0: a mouse click on LOG2
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("checked");
        const QList<int> firstAndThird{0, 2};
        QTest::newRow("Down passes over an empty slot") << firstAndThird << int(Qt::Key_Down) << 0 << 2;
        QTest::newRow("Right passes over an empty slot") << firstAndThird << int(Qt::Key_Right) << 0 << 2;
        QTest::newRow("Up with no slot above") << firstAndThird << int(Qt::Key_Up) << 1 << 0;
        QTest::newRow("Down with no used slot below") << QList<int>{0} << int(Qt::Key_Down) << 1 << 0;
        QTest::newRow("click on an empty slot") << firstAndThird << 0 << 1 << 0;
    }
    void keysAndFocus() {
        QFETCH(QList<int>, used);
        QFETCH(int, key);
        QFETCH(int, beeps);
        QFETCH(int, checked);
        TQtFixture f;
        f.StoreSettings(f.MakeGame(std::set<int>(used.begin(), used.end())), 0);
        f.Script.OnMainWindow([&](QWidget&) {
            auto* first = Control<QRadioButton>("SaveDataGroup.0");
            first->setFocus();
            if (key != 0)
                QTest::keyClick(first, Qt::Key(key));
            else
                QTest::mouseClick(Control<QRadioButton>("SaveDataGroup.1"), Qt::LeftButton);
        });
        f.Script.OnMainWindow([&](QWidget&) {
            QCOMPARE(f.Frame.Beeps, beeps);
            QCOMPARE(CheckedSlot(), checked);
            QVERIFY(Control<QRadioButton>(qPrintable(QStringLiteral("SaveDataGroup.%1").arg(checked)))->hasFocus());
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
