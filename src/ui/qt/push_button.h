// A push button that Enter presses when it has the focus, as Space does and
// as a focused button on Windows does.
#pragma once

#include <QKeyEvent>
#include <QPushButton>

class TPushButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    // QPushButton presses on Enter only as a dialog's (auto-)default button.
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};
