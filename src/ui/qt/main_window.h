// The main window with Qt Widgets: built from the window description under
// a menu bar with the way back, its radio buttons mirroring the two
// radio-group models both ways, every event handed to the form's handlers
// through DispatchEvent.
#pragma once

#include <QWidget>

#include "ui/main_form.h"
#include "ui/main_form_layout.h"
#include "ui/qt/radio_view.h"
#include "ui/slot_label_fit.h"

class QLabel;
class QPushButton;
class TUndoMenu;

class TQtMainWindow final : public QWidget {
public:
    // The window, hidden, at its designed size for the screen's dpi.
    TQtMainWindow();
    ~TQtMainWindow() override;
    TQtMainWindow(const TQtMainWindow&) = delete;
    TQtMainWindow& operator=(const TQtMainWindow&) = delete;

    // Creates the controls from the form's models and connects them; places
    // the window on the screen.
    void Bind(TForm1& form);
    // Disconnects the models; call while the form still exists.
    void Unbind();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect Scaled(const TBounds& bounds) const;
    TSlotLabelFit SlotLabelFit() const;
    // A control's place: scaled, and widened or moved for long slot labels.
    QRect Placed(const TControlDescription& description) const;
    // Moves the window to its designed place, or just far enough to fit the screen.
    void PlaceOnScreen();
    void CreateRadioGroup(TRadioView& view, const TControlDescription& description, TRadioGroup& model);
    QPushButton* CreateButton(const TControlDescription& description, void (TForm1::*handler)(TObject*));
    void CreateLabel();

    // The menu bar's undo and backup list; refreshed after every event.
    void CreateMenuBar();
    void Refreshed();

    int textHeight_ = kDesignTextHeight;
    TUndoMenu* undoMenu_ = nullptr;
    // Under the menu bar, the designed client area: the controls' parent.
    QWidget* body_ = nullptr;
    TSlotLabelFit slotFit_{0, {}, {}, 0};
    TForm1* form_ = nullptr;
    TRadioView scenario_;
    TRadioView saveData_;
};
