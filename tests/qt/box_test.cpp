// The boxes' keys and answers: Enter, Esc, the access keys and the close box.
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "common/frame.h"
#include "qt_tests.h"
#include "ui/qt/message_form.h"
#include "ui_script.h"

namespace {

class BoxTest : public QObject {
    Q_OBJECT
private slots:
    void keys_data() {
        QTest::addColumn<bool>("confirmation");
        QTest::addColumn<int>("key");  // 0: the close box
        QTest::addColumn<int>("answer");
        QTest::newRow("confirm: Enter") << true << int(Qt::Key_Return) << mrYes;
        QTest::newRow("confirm: Esc") << true << int(Qt::Key_Escape) << mrNo;
        QTest::newRow("confirm: Y") << true << int(Qt::Key_Y) << mrYes;
        QTest::newRow("confirm: N") << true << int(Qt::Key_N) << mrNo;
        QTest::newRow("confirm: closed") << true << 0 << mrCancel;
        QTest::newRow("information: Enter") << false << int(Qt::Key_Return) << mrOk;
        QTest::newRow("information: keypad Enter") << false << int(Qt::Key_Enter) << mrOk;
        QTest::newRow("information: Esc") << false << int(Qt::Key_Escape) << mrOk;
        QTest::newRow("information: closed") << false << 0 << mrCancel;
    }
    void keys() {
        QFETCH(bool, confirmation);
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
        const std::int32_t got = ShowMessageForm(nullptr, confirmation ? TBoxKind::Confirmation : TBoxKind::Information,
                                                 "caption", "text");
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
