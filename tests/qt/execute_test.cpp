// Execute through the real boxes: every answer but はい leaves the file
// alone, はい rewrites it and says so, an I/O error goes to the error box.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

#include "backup/save_backup.h"
#include "cli/sample_game.h"
#include "process/process.h"
#include "qt_fixture.h"
#include "qt_tests.h"
#include "ui/app_title.h"
#include "ui/qt/qt_text.h"
#include "ui/undoable_rewrite.h"

namespace {

constexpr int kChanged = 7;  // the one record whose name differs in the save

QPushButton* BoxButton(QDialog& box, const char* caption) {
    for (QPushButton* button : box.findChildren<QPushButton*>()) {
        if (button->text() == QString::fromUtf8(caption)) return button;
    }
    return nullptr;
}

// LOG2's officer file, differing from the scenario's in record kChanged only.
std::string WriteSaveWithOneChange(const TQtFixture& f) {
    std::string save = f.GameFolder() + "LOG2.DAT/BUSYO21.BIN";
    std::vector<std::string> names(kChanged + 1, std::string("\x8E\x52\x93\x63   \x91\xBE   "));
    // A byte that is not text, a backslash and NUL padding, as a save may hold.
    names[kChanged] = std::string(
        "AB\x01"
        "DEF\\GH\0\0\0",
        12);
    WriteFileBytes(save, OfficerFileBytes(names));
    return save;
}

// The preview beside the question icon (named for screen readers); its
// button's caption clear of its edges; the details unfolded with the
// question kept in its place, under headings, for the eye: the padding left
// out, other bytes as <NN>, the index right-aligned.
void CheckPreviewAndItsDetails(QDialog& box) {
    auto* question = box.findChild<QLabel*>(QStringLiteral("Text"));
    QCOMPARE(question->text(), QStringLiteral("実行しますか?"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("InformativeText"))->text(),
             QStringLiteral("LOG2.DAT: 武将 1 人の名前を書き換えます."));
    auto* icon = box.findChild<QLabel*>(QStringLiteral("Icon"));
    QVERIFY(icon);
    QCOMPARE(icon->accessibleName(), QStringLiteral("質問"));
    const QPoint beside = question->pos() - icon->pos();
    auto* details = box.findChild<QTreeWidget*>(QStringLiteral("Details"));
    QVERIFY(details && !details->isVisible());
    QPushButton* toggle = BoxButton(box, "詳細を表示...");
    QVERIFY(toggle);
    const int margin = toggle->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, toggle);
    QVERIFY(toggle->width() >= toggle->fontMetrics().horizontalAdvance(toggle->text()) + 2 * margin);
    Press(toggle);
    QVERIFY(details->isVisible());
    QCOMPARE(question->pos() - icon->pos(), beside);
    QVERIFY(!details->accessibleName().isEmpty());
    const QTreeWidgetItem* heading = details->headerItem();
    QCOMPARE(QStringList({heading->text(0), heading->text(1), heading->text(2)}),
             QStringList({"番号", "今の名前", "新しい名前"}));
    QCOMPARE(details->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = details->topLevelItem(0);
    QCOMPARE(row->text(0), QStringLiteral("7"));
    QCOMPARE(row->text(1), QStringLiteral("AB<01>DEF<5C>GH"));
    QVERIFY2(row->text(2).startsWith(QStringLiteral("山田")) && row->text(2).contains(QStringLiteral("嗣")),
             qPrintable(row->text(2)));
    QVERIFY(row->textAlignment(0) & Qt::AlignRight);
    for (int column = 0; column < 3; ++column)
        QVERIFY(details->columnWidth(column) >= details->fontMetrics().horizontalAdvance(row->text(column)));
}

class ExecuteTest : public QObject {
    Q_OBJECT
private slots:
    void answers_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("いいえ") << "no" << false;
        QTest::newRow("Esc") << "escape" << false;
        QTest::newRow("closed") << "close" << false;
        QTest::newRow("はい") << "yes" << true;
        // Every button pressed with Enter on its focus, the keypad's in the boxes.
        QTest::newRow("Enter") << "enter" << true;
    }
    void answers() {
        QFETCH(QString, answer);
        QFETCH(bool, rewritten);
        TQtFixture f;
        f.StoreSettings(f.MakeGame({1}), 1);
        const std::string save = WriteSaveWithOneChange(f);
        const std::string before = ReadFileBytes(save);
        const bool keys = answer == "enter";
        // A focused button of the main window, pressed with Enter or clicked.
        const auto press = [keys](const char* name) {
            auto* button = Control<QPushButton>(name);
            if (!keys) return Press(button);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
        };
        f.Script.OnMainWindow([&](QWidget&) { press("Button1"); });
        f.Script.OnModal<QDialog>([&](QDialog& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("確認"));
            QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Text"))->text(), QStringLiteral("実行しますか?"));
            QPushButton* yes = BoxButton(box, "はい(&Y)");
            QVERIFY(yes && yes->isDefault() && yes->hasFocus());
            CheckPlacedOverMainWindow(box);
            if (answer == "no") Press(BoxButton(box, "いいえ(&N)"));
            if (answer == "escape") QTest::keyClick(&box, Qt::Key_Escape);
            if (answer == "close") box.close();
            if (answer == "yes") Press(yes);
            if (keys) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        });
        if (rewritten) {
            f.Script.OnModal<QDialog>([keys](QDialog& box) {
                QCOMPARE(box.windowTitle(), ToQString(BoxApplicationTitle()));
                QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Text"))->text(),
                         QStringLiteral("データを書き換えました."));
                CheckPlacedOverMainWindow(box);
                if (!keys) return Press(BoxButton(box, "OK"));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            });
        }
        f.Script.OnMainWindow([&](QWidget&) { press("Button3"); });
        f.Run();
        std::string expected = before;
        if (rewritten) {
            const std::string scenario = ReadFileBytes(f.GameFolder() + "NEW.DAT/BUSYO21.BIN");
            expected.replace(kChanged * 38 + 6, 12, BuildNewOfficerName(NameAt(scenario, kChanged)));
        }
        QVERIFY(ReadFileBytes(save) == expected);
    }

    // The confirmation box names the slot and the count, beside its icon
    // (named for screen readers); its details list the change readably
    // under headings, the question staying in its place. 元に戻す, in the box
    // or after OK in the menu bar (greyed once nothing is left to undo),
    // puts the save back byte for byte and says so; over a save changed
    // since, it asks first, and a restore anyway keeps that save as a backup
    // and names it.
    void previewThenUndo_data() {
        QTest::addColumn<bool>("changedSince");
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("anyway");
        QTest::newRow("undone in the box") << false << false << false;
        QTest::newRow("undone from the menu after OK") << false << true << false;
        QTest::newRow("newer progress kept") << true << false << false;
        QTest::newRow("newer progress restored anyway") << true << true << true;
    }
    void previewThenUndo() {
        QFETCH(bool, changedSince);
        QFETCH(bool, fromMenu);
        QFETCH(bool, anyway);
        TQtFixture f;
        f.StoreSettings(f.MakeGame({1}), 1);
        const std::string save = WriteSaveWithOneChange(f);
        const std::string before = ReadFileBytes(save);
        std::string played = before;  // as the game might save: a byte outside every name
        played[0] = static_cast<char>(played[0] ^ 1);
        const auto undoAction = [] { return MainWindow()->findChild<QAction*>(QStringLiteral("UndoAction")); };
        f.Script.OnMainWindow([&](QWidget&) {
            QVERIFY(!undoAction()->isEnabled());
            QCOMPARE(undoAction()->shortcut(), QKeySequence(QKeySequence::Undo));
            Press(Control<QPushButton>("Button1"));
        });
        f.Script.OnModal<QDialog>([](QDialog& box) {
            CheckPreviewAndItsDetails(box);
            Press(BoxButton(box, "はい(&Y)"));
        });
        f.Script.OnModal<QDialog>([&](QDialog& box) {
            QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Text"))->text(), QStringLiteral("データを書き換えました."));
            if (changedSince) WriteFileBytes(save, played);
            Press(BoxButton(box, fromMenu ? "OK" : "元に戻す(&U)"));
        });
        if (fromMenu) {
            f.Script.OnMainWindow([&](QWidget&) {
                QVERIFY(undoAction()->isEnabled());
                undoAction()->trigger();
            });
        }
        if (changedSince) {
            f.Script.OnModal<QDialog>([&](QDialog& box) {
                QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Text"))->text(), ToQString(kRestoreAnywayQuestion));
                Press(BoxButton(box, anyway ? "はい(&Y)" : "いいえ(&N)"));
            });
        }
        if (!changedSince || anyway) {
            f.Script.OnModal<QDialog>([&](QDialog& box) {
                const QString text = box.findChild<QLabel*>(QStringLiteral("Text"))->text();
                QVERIFY2(text.startsWith(QStringLiteral("元に戻しました.")), qPrintable(text));
                const QString kept = ToQString(kSaveKeptText);
                QCOMPARE(text.contains(kept), anyway);
                if (anyway) QVERIFY(ReadFileBytes(FromQString(text.mid(text.indexOf(kept) + kept.size()))) == played);
                Press(BoxButton(box, "OK"));
            });
        }
        f.Script.OnMainWindow([&](QWidget&) {
            // Undone: nothing left to undo; kept or restored anyway: a way back.
            QCOMPARE(undoAction()->isEnabled(), changedSince);
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
        QVERIFY(ReadFileBytes(save) == (changedSince && !anyway ? played : before));
    }

    // The menu bar's list: each backup newest first by its number, what a
    // restore of the chosen one would change in the preview's table, and
    // 元に戻す for an older one, which asks over newer progress and keeps it.
    void backupListRestoresAChosenBackup() {
        TQtFixture f;
        f.StoreSettings(f.MakeGame({1}), 1);
        const std::string save = WriteSaveWithOneChange(f);
        const std::string before = ReadFileBytes(save);
        std::string played = before;
        played[0] = static_cast<char>(played[0] ^ 1);
        for (const std::string& bytes : {before, played}) {
            WriteFileBytes(save, bytes);
            QVERIFY(RewriteWithBackup(f.GameFolder(), "LOG2.DAT").Backup.has_value());
        }
        f.Script.OnMainWindow(
            [](QWidget& window) { window.findChild<QAction*>(QStringLiteral("BackupListAction"))->trigger(); });
        f.Script.OnModal<QDialog>([](QDialog& dialog) {
            auto* backups = dialog.findChild<QTreeWidget*>(QStringLiteral("Backups"));
            auto* changes = dialog.findChild<QTreeWidget*>(QStringLiteral("Changes"));
            QVERIFY(!backups->accessibleName().isEmpty() && !changes->accessibleName().isEmpty());
            QCOMPARE(backups->topLevelItemCount(), 2);
            QCOMPARE(backups->topLevelItem(0)->text(0), QStringLiteral("2"));
            backups->setCurrentItem(backups->topLevelItem(1));
            QCOMPARE(backups->topLevelItem(1)->text(3), QStringLiteral("1"));
            QCOMPARE(changes->topLevelItemCount(), 1);
            QCOMPARE(changes->headerItem()->text(2), QStringLiteral("戻る名前"));
            QCOMPARE(changes->topLevelItem(0)->text(2), QStringLiteral("AB<01>DEF<5C>GH"));
            Press(BoxButton(dialog, "元に戻す(&U)"));
        });
        f.Script.OnModal<QDialog>([](QDialog& box) { Press(BoxButton(box, "はい(&Y)")); });
        f.Script.OnModal<QDialog>([](QDialog& box) {
            QVERIFY(box.findChild<QLabel*>(QStringLiteral("Text"))->text().contains(ToQString(kSaveKeptText)));
            Press(BoxButton(box, "OK"));
        });
        f.Script.OnModal<QDialog>([](QDialog& dialog) {
            // Listed again: the kept save is the newest.
            QCOMPARE(dialog.findChild<QTreeWidget*>(QStringLiteral("Backups"))->topLevelItemCount(), 3);
            Press(BoxButton(dialog, "閉じる"));
        });
        f.Script.OnMainWindow([](QWidget&) { Press(Control<QPushButton>("Button3")); });
        f.Run();
        QVERIFY(ReadFileBytes(save) == before);
    }

    // A slot folder without its officer file: the error box, then the window
    // is usable again and a second Execute starts afresh. The box opens over
    // the window, and on the screen when the window is at its corner.
    void ioErrorGoesToTheErrorBox() {
        TQtFixture f;
        f.StoreSettings(f.MakeGame({3}), 3);
        std::remove((f.GameFolder() + "LOG4.DAT/BUSYO21.BIN").c_str());
        for (int round = 0; round < 2; ++round) {
            f.Script.OnMainWindow([round](QWidget& window) {
                if (round == 1) window.move(window.screen()->availableGeometry().bottomRight() - QPoint(100, 50));
                Press(Control<QPushButton>("Button1"));
            });
            f.Script.OnModal<QDialog>([](QDialog& box) {
                CheckPlacedOverMainWindow(box);
                Press(BoxButton(box, "はい(&Y)"));
            });
            f.Script.OnModal<QMessageBox>([](QMessageBox& box) {
                CheckPlacedOverMainWindow(box);
                // The error names the file that is missing.
                QVERIFY2(box.text().endsWith(QStringLiteral("LOG4.DAT/BUSYO21.BIN: ファイルが見つかりません.")),
                         qPrintable(box.text()));
                QCOMPARE(box.icon(), QMessageBox::Critical);
                Press(box.button(QMessageBox::Ok));
            });
        }
        f.Script.OnMainWindow([](QWidget&) { Press(Control<QPushButton>("Button3")); });
        f.Run();
    }

    void executeWithoutASlotOnlyBeeps() {
        TQtFixture f;
        f.StoreSettings(f.MakeGame({0}), -1);
        f.Script.OnMainWindow([](QWidget&) { Press(Control<QPushButton>("Button1")); });
        f.Script.OnMainWindow([&](QWidget&) {
            QCOMPARE(f.Frame.Beeps, 1);
            Press(Control<QPushButton>("Button3"));
        });
        f.Run();
    }
};

}  // namespace

int RunExecuteTests(int argc, char** argv) {
    ExecuteTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "execute_test.moc"
