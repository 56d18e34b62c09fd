// The boxes' keys and answers: Enter, Esc, the access keys and the close box.
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "qt_tests.h"
#include "ui/frame.h"
#include "ui/qt/message_form.h"
#include "ui_script.h"

namespace {

constexpr int kConfirm = int(TBoxKind::Confirmation);
constexpr int kInform = int(TBoxKind::Information);
constexpr int kUndoable = int(TBoxKind::UndoableInformation);

class BoxTest : public QObject {
    Q_OBJECT
private slots:
    void keys_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("key");  // 0: the close box
        QTest::addColumn<int>("answer");
        QTest::newRow("confirm: Enter") << kConfirm << int(Qt::Key_Return) << mrYes;
        QTest::newRow("confirm: Esc") << kConfirm << int(Qt::Key_Escape) << mrNo;
        QTest::newRow("confirm: Y") << kConfirm << int(Qt::Key_Y) << mrYes;
        QTest::newRow("confirm: N") << kConfirm << int(Qt::Key_N) << mrNo;
        QTest::newRow("confirm: closed") << kConfirm << 0 << mrCancel;
        QTest::newRow("information: Enter") << kInform << int(Qt::Key_Return) << mrOk;
        QTest::newRow("information: keypad Enter") << kInform << int(Qt::Key_Enter) << mrOk;
        QTest::newRow("information: Esc") << kInform << int(Qt::Key_Escape) << mrOk;
        QTest::newRow("information: closed") << kInform << 0 << mrCancel;
        QTest::newRow("undoable: Enter") << kUndoable << int(Qt::Key_Return) << mrOk;
        QTest::newRow("undoable: Esc") << kUndoable << int(Qt::Key_Escape) << mrOk;
        QTest::newRow("undoable: U") << kUndoable << int(Qt::Key_U) << mrUndo;
    }
    void keys() {
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(int, answer);
        TUiScript script;
        script.OnModal<QDialog>([key](QDialog& box) {
            if (key == 0) {
                box.close();
            } else {
                // Keys go where the focus is, as a person's would.
                QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
            }
        });
        const std::int32_t got = ShowMessageForm(nullptr, static_cast<TBoxKind>(kind), "caption", "text");
        QCOMPARE(got, answer);
    }

    // Tab moves the focus to いいえ, and Enter then presses it.
    void tabMovesTheFocusBetweenTheButtons() {
        TUiScript script;
        script.OnModal<QDialog>([](QDialog&) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->property("text").toString(), QStringLiteral("いいえ(&N)"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(ShowMessageForm(nullptr, TBoxKind::Confirmation, "確認", "?"), mrNo);
    }
};

}  // namespace

int RunBoxTests(int argc, char** argv) {
    BoxTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "box_test.moc"
