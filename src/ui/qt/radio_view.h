// A radio group's Qt view: its group box and radio buttons, mirroring the
// toolkit-free model (ui/radio_group.h), with the keys of a Windows group.
#pragma once

#include <QRadioButton>

#include <cstddef>
#include <functional>
#include <vector>

#include "ui/radio_group.h"

class QGroupBox;

// A radio button that takes a click anywhere on it, as the Windows one does,
// not only on its circle and text: a short label such as "LOG2.DAT  ---"
// leaves most of the button empty.
class TRadioButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;
    // Handles an arrow key (+1 down or right, -1 up or left) in place of Qt's
    // own move to the neighbouring button.
    std::function<void(int step)> OnArrowKey;

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
    void keyPressEvent(QKeyEvent* event) override;
};

struct TRadioView {
    TRadioGroup* Model = nullptr;
    QGroupBox* Box = nullptr;
    std::vector<QRadioButton*> Buttons;
};

// Sets the buttons' labels and check from the model. Tab stops only at the
// checked button (the first while none is), as it does in a Windows group.
void MirrorRadioView(TRadioView& view);

// The arrow keys pass over empty items, as they pass over disabled radio
// buttons on Windows: landing on one would beep and put the focus back, and
// the items beyond it could never be reached by key. With no item left that
// way the key is refused with a beep, and the check and focus stay.
void StepOverEmptyItems(TRadioView& view, std::size_t from, int step);
