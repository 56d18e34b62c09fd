// The radio group's view: the mirror of the model, its tab stop and its arrow keys.
#include "ui/qt/radio_view.h"

#include <QKeyEvent>

#include <algorithm>

#include "ui/frame.h"
#include "ui/qt/qt_text.h"

void TRadioButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    if (step != 0 && OnArrowKey && event->modifiers() == Qt::NoModifier) {
        OnArrowKey(step);
        return;
    }
    QRadioButton::keyPressEvent(event);
}

void MirrorRadioView(TRadioView& view) {
    const std::int32_t checkedIndex = view.Model->ItemIndex();
    for (std::size_t i = 0; i < view.Buttons.size(); ++i) {
        QRadioButton* button = view.Buttons[i];
        const auto index = static_cast<std::int32_t>(i);
        const QString label = ToQString(view.Model->Item(index));
        if (button->text() != label) button->setText(label);
        // Qt moves the tab stop only to a button that takes the focus; a
        // check set from code, or a fall-back, would leave it elsewhere.
        button->setFocusPolicy(index == std::max(checkedIndex, 0) ? Qt::StrongFocus : Qt::ClickFocus);
        const bool checked = checkedIndex == index;
        if (button->isChecked() == checked) continue;
        // An auto-exclusive button refuses to be unchecked while it is the
        // group's checked one; clearing the selection needs it let go briefly.
        button->setAutoExclusive(false);
        button->setChecked(checked);
        button->setAutoExclusive(true);
    }
}

void StepOverEmptyItems(TRadioView& view, std::size_t from, int step) {
    for (auto i = static_cast<std::ptrdiff_t>(from) + step;
         i >= 0 && i < static_cast<std::ptrdiff_t>(view.Buttons.size()); i += step) {
        if (view.Model->ItemEmpty(static_cast<std::int32_t>(i))) continue;
        QRadioButton* target = view.Buttons[static_cast<std::size_t>(i)];
        target->setFocus(Qt::TabFocusReason);
        target->click();
        return;
    }
    DefaultBeep();
}
