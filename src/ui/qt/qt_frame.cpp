// The Qt frame: boxes, beep, error box and quitting.
#include "ui/qt/qt_frame.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

#include "ui/qt/box_placement.h"
#include "ui/qt/message_form.h"
#include "ui/qt/qt_text.h"

QWidget* TQtFrame::Owner() const { return mainWindow_ && mainWindow_->isVisible() ? mainWindow_ : nullptr; }

namespace {

// The error box is Qt's message box, drawn as described: one OK button and
// the stop icon.
static_assert(kErrorBox.Icon == TBoxIcon::Stop && kErrorBox.Buttons.size() == 1 && kErrorBox.Buttons[0].Answer == mrOk);

// Placed as the other boxes are: over the main window, within the screen.
class TErrorBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        PlaceBox(*this);
    }
};

}  // namespace

std::int32_t TQtFrame::ShowBox(TBoxKind kind, const std::string& text, const TBoxPreview& preview) {
    return ShowMessageForm(Owner(), kind, BoxCaption(kind).Text, text, preview);
}

std::int32_t TQtFrame::AskConfirmation(const std::string& text) { return ShowBox(TBoxKind::Confirmation, text); }

void TQtFrame::ShowInformationBox(const std::string& text) { ShowBox(TBoxKind::Information, text); }

std::int32_t TQtFrame::AskConfirmationWithPreview(const std::string& text, const TBoxPreview& preview) {
    return ShowBox(TBoxKind::Confirmation, text, preview);
}

std::int32_t TQtFrame::ShowUndoableInformationBox(const std::string& text) {
    return ShowBox(TBoxKind::UndoableInformation, text);
}

void TQtFrame::DefaultBeep() { QApplication::beep(); }

void TQtFrame::ReportError(const Exception& error) {
    if (quitBySignal_) {
        const std::string line = "kasumiro: " + ErrorBoxText(error.Message()) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fflush(stderr);
        return;
    }
    // A pressed button holding the mouse would keep it from the box.
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    TErrorBox box(QMessageBox::Critical, ToQString(BoxCaption(TBoxKind::Error).Text),
                  ToQString(ErrorBoxText(error.Message())), QMessageBox::Ok, Owner());
    box.setTextFormat(Qt::PlainText);
    // A path or a command in it can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

// Ends every event loop running, the boxes' included; the handler that asked
// runs to its end first.
void TQtFrame::RequestQuit() {
    quitRequested_ = true;
    QCoreApplication::exit(0);
}

// A signal asks the program to end now, from a session ending or from a
// terminal: a box might never be seen and would hold the process, so what
// goes wrong on the way out is said on standard error instead.
void TQtFrame::RequestQuitBySignal() {
    quitBySignal_ = true;
    RequestQuit();
}
