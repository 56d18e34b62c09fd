// The step runner and the person-like click.
#include "ui_script.h"

#include <QAbstractButton>
#include <QTest>

#include "ui/frame.h"

namespace {

constexpr int kTickMilliseconds = 10;
constexpr int kGiveUpTicks = 2000;  // 20 s: a step that never gets ready

}  // namespace

TUiScript::TUiScript() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(kTickMilliseconds);
}

void TUiScript::Then(std::function<bool()> ready, std::function<void()> act) {
    steps_.push_back(TStep{std::move(ready), std::move(act)});
}

void TUiScript::OnMainWindow(const std::function<void(QWidget&)>& act) {
    Then([] { return MainWindow() && MainWindow()->isVisible() && !QApplication::activeModalWidget(); },
         [act] { act(*MainWindow()); });
}

// The step's action is posted, not run here: an action that opens a modal
// box would otherwise block this timer, which Qt does not run re-entrantly.
void TUiScript::Tick() {
    if (!steps_.empty() && ++ticks_ > kGiveUpTicks) {
        steps_.clear();
        QTest::qFail("a script step never got ready", __FILE__, __LINE__);
    }
    // After a failed check nothing more is pressed: every box is closed and
    // the program quits, so that the next test can run.
    if (QTest::currentTestFailed()) {
        steps_.clear();
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        RequestQuit();
        return;
    }
    if (steps_.empty()) return;
    if (!steps_.front().Ready()) return;
    std::function<void()> act = std::move(steps_.front().Act);
    steps_.pop_front();
    ticks_ = 0;
    QMetaObject::invokeMethod(&timer_, std::move(act), Qt::QueuedConnection);
}

QWidget* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("Form1")) return widget;
    }
    return nullptr;
}

void Press(QAbstractButton* button) {
    QVERIFY(button != nullptr);
    QVERIFY(button->isVisible());
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}
