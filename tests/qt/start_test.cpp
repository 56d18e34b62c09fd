// Start-up: the chooser before the window at the first start, a stored
// folder and slot, the window as designed, an unwritable settings folder.
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include "qt_fixture.h"
#include "qt_tests.h"
#include "settings/date_settings.h"
#include "ui/app_title.h"
#include "ui/main_form_layout.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/slot_notice.h"

namespace {

const std::vector<std::string> kDesignLabels{"LOG1.DAT", "LOG2.DAT", "LOG3.DAT", "LOG4.DAT", "LOG5.DAT"};
const std::vector<std::string> kGameLabels{"LOG1.DAT  1998年4月1日 21:05", "LOG2.DAT  ---",
                                           "LOG3.DAT  1998年4月3日 21:05", "LOG4.DAT  ---", "LOG5.DAT  ---"};

class StartTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartAsksForTheFolderBeforeTheWindow() {
        TQtFixture f;
        f.MakeGame({0, 2});
        f.Script.OnModal<QFileDialog>([&](QFileDialog& dialog) {
            QVERIFY(!MainWindow() || !MainWindow()->isVisible());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("天下統一プログラム・フォルダの設定"));
            QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
            QVERIFY(dialog.filter().testFlag(QDir::Hidden));
            ChooseFolder(dialog, f.GameFolder());
        });
        f.Script.OnMainWindow([&](QWidget&) {
            QCOMPARE(SlotLabels(), kGameLabels);
            QCOMPARE(CheckedSlot(), -1);
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
        // The folder is stored with its "/" (the settings folder made on the way).
        const std::string stored = f.Settings();
        QVERIFY2(stored.find("BaseDir=" + f.GameFolder() + "\r\n") != std::string::npos, stored.c_str());
        QVERIFY2(stored.find("SaveData=-1") != std::string::npos, stored.c_str());
    }

    // Cancelled at the first start: the designed slots, and while no folder
    // is known 実行 opens the chooser instead (with or without a slot
    // chosen), and nothing else: no beep, no box, no path made up.
    void cancelledChooserLeavesTheDesignedSlotsAndExecuteAsksAgain() {
        TQtFixture f;
        f.MakeGame({0, 2});
        f.Script.OnModal<QFileDialog>([](QFileDialog& dialog) { CancelChooser(dialog); });
        f.Script.OnMainWindow([](QWidget&) {
            QCOMPARE(SlotLabels(), kDesignLabels);
            QCOMPARE(CheckedSlot(), -1);
            Press(Control<QPushButton>("Button1"));
        });
        f.Script.OnModal<QFileDialog>([](QFileDialog& dialog) { CancelChooser(dialog); });
        f.Script.OnMainWindow([](QWidget&) {
            Press(Control<QRadioButton>("SaveDataGroup.1"));
            Press(Control<QPushButton>("Button1"));
        });
        f.Script.OnModal<QFileDialog>([&](QFileDialog& dialog) { ChooseFolder(dialog, f.GameFolder()); });
        f.Script.OnMainWindow([&](QWidget&) {
            QCOMPARE(f.Frame.Beeps, 0);
            QCOMPARE(SlotLabels(), kGameLabels);
            QCOMPARE(CheckedSlot(), -1);
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
        QVERIFY(f.Settings().find("BaseDir=" + f.GameFolder() + "\r\n") != std::string::npos);
    }

    void storedFolderAndSlotAreShown() {
        TQtFixture f;
        f.StoreSettings(f.MakeGame({0, 2}), 2);
        f.Script.OnMainWindow([](QWidget&) {
            QCOMPARE(SlotLabels(), kGameLabels);
            QCOMPARE(CheckedSlot(), 2);
            QVERIFY(Control<QRadioButton>("ScenarioGroup.0")->isChecked());
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
        QVERIFY(f.Settings().find("SaveData=2") != std::string::npos);
    }

    // 設定 opens the chooser at the stored folder, whose lack of save slots
    // the heading tells; choosing a folder clears the slot selection and
    // stores -1, and the heading is the designed one again.
    void settingsButtonChoosesTheFolderAgain() {
        TQtFixture f;
        const std::string notGame = f.MakeGame({0, 2}) + "LOG1.DAT/";
        f.StoreSettings(notGame, 2);
        f.Script.OnMainWindow([](QWidget&) {
            QCOMPARE(Control<QLabel>("Label1")->text(), QString::fromUtf8(kNoSlotsText));
            Press(Control<QPushButton>("Button2"));
        });
        f.Script.OnModal<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.directory().absolutePath() + "/", ToQString(notGame));
            ChooseFolder(dialog, f.GameFolder());
        });
        f.Script.OnMainWindow([&](QWidget&) {
            QCOMPARE(CheckedSlot(), -1);
            QCOMPARE(Control<QLabel>("Label1")->text(), ToQString(kLabel1.Caption));
            QVERIFY(f.Settings().find("SaveData=-1") != std::string::npos);
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
    }

    // Positions as designed at 96 dpi, captions, colour, tab order, and slot
    // labels that fit their buttons.
    void windowFollowsTheDescription() {
        TQtFixture f;
        f.StoreSettings(f.MakeGame({0, 1, 2, 3, 4}), 2);
        f.Script.OnMainWindow([](QWidget& window) {
            QCOMPARE(window.windowTitle(), QStringLiteral("Kasumiro"));
            QCOMPARE(Control<QGroupBox>("ScenarioGroup")->title(), QStringLiteral("シナリオ"));
            QCOMPARE(Control<QPushButton>("Button1")->geometry(), QRect(208, 224, 75, 25));
            QCOMPARE(Control<QPushButton>("Button2")->text(), QStringLiteral("設定"));
            auto* label = Control<QLabel>("Label1");
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
            // The window opens with the focus on the first control in tab order.
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ScenarioGroup.0"));
            // Tab enters the slot group at its checked slot, either way.
            for (const char* next : {"SaveDataGroup.2", "Button1", "Button2", "Button3", "ScenarioGroup.0", "-Button3",
                                     "-Button2", "-Button1", "-SaveDataGroup.2"}) {
                const bool back = next[0] == '-';
                QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next + (back ? 1 : 0)));
            }
            // Within their group's frame, under its title.
            for (auto* box : window.findChildren<QGroupBox*>()) {
                const QRect inside = box->contentsRect();
                for (auto* button : box->findChildren<QRadioButton*>()) {
                    const QRect r = button->geometry();
                    QVERIFY2(r.top() >= inside.top() && r.bottom() <= inside.bottom(), qPrintable(button->text()));
                }
            }
            for (int i = 0; i < 5; ++i) {
                auto* slot = Control<QRadioButton>(("SaveDataGroup." + std::to_string(i)).c_str());
                const int indicator = slot->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, slot) +
                                      slot->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, slot);
                QVERIFY2(indicator + QFontMetrics(slot->font()).horizontalAdvance(slot->text()) <= slot->width(),
                         qPrintable(slot->text()));
            }
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
    }

    // English dates widen the window; the heading stays centred over it.
    void headingStaysCentredOverAWiderWindow() {
        TQtFixture f;
        f.StoreSettings(f.MakeGame({0, 1, 2, 3, 4}), -1);
        const QByteArray savedTime = qgetenv("LC_TIME");
        ::setenv("LC_TIME", "en_US.UTF-8", 1);
        ReloadDateSettingsForUserLocale();
        int windowWidth = 0;
        QRect heading;
        f.Script.OnMainWindow([&](QWidget& window) {
            windowWidth = window.width();
            heading = Control<QLabel>("Label1")->geometry();
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
        qputenv("LC_TIME", savedTime);
        ReloadDateSettingsForUserLocale();
        QVERIFY2(windowWidth > kForm1Bounds.Width, "English dates widen the window");
        QVERIFY2(std::abs(heading.center().x() * 2 - windowWidth) <= 4,
                 qPrintable(QStringLiteral("%1-%2 in %3").arg(heading.left()).arg(heading.right()).arg(windowWidth)));
    }

    // A settings folder that cannot be made: the error names the file, the
    // window still comes up, and the shut-down write is reported again.
    void unwritableSettingsFolderIsReported() {
        TQtFixture f;
        f.MakeGame({0});
        WriteFileBytes(f.GameFolder() + "not-a-folder", "x");
        f.SettingsPath = f.GameFolder() + "not-a-folder/kasumiro/kasumiro.ini";
        const QString error =
            ToQString(f.SettingsPath + " に書き込めません: " + f.SettingsPath + ".lock: 不正なファイル名です.");
        f.Script.OnModal<QFileDialog>([&](QFileDialog& dialog) { ChooseFolder(dialog, f.GameFolder()); });
        f.Script.OnModal<QMessageBox>([&](QMessageBox& box) {
            QCOMPARE(box.text(), error);
            QCOMPARE(box.icon(), QMessageBox::Critical);
            QCOMPARE(box.windowTitle(), ToQString(BoxApplicationTitle()));
            Press(box.button(QMessageBox::Ok));
        });
        f.Script.OnMainWindow([](QWidget&) { Press(Control<QPushButton>("Button3")); });
        f.Script.OnModal<QMessageBox>([&](QMessageBox& box) {
            QCOMPARE(box.text(), error);
            Press(box.button(QMessageBox::Ok));
        });
        f.Run();
    }
};

}  // namespace

int RunStartTests(int argc, char** argv) {
    StartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "start_test.moc"
