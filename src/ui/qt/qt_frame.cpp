// The Qt frame: boxes, beep, error box and quitting.
#include "ui/qt/qt_frame.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "common/app_title.h"
#include "ui/qt/message_form.h"
#include "ui/qt/qt_text.h"

QWidget* TQtFrame::Owner() const { return mainWindow_ && mainWindow_->isVisible() ? mainWindow_ : nullptr; }

std::int32_t TQtFrame::AskConfirmation(const std::string& text) {
    return ShowMessageForm(Owner(), TBoxKind::Confirmation, "確認", text);
}

void TQtFrame::ShowInformationBox(const std::string& text) {
    ShowMessageForm(Owner(), TBoxKind::Information, ApplicationTitle(), text);
}

std::int32_t TQtFrame::AskConfirmationWithPreview(const std::string& text, const TBoxPreview& preview) {
    return ShowMessageForm(Owner(), TBoxKind::Confirmation, "確認", text, preview);
}

std::int32_t TQtFrame::ShowUndoableInformationBox(const std::string& text) {
    return ShowMessageForm(Owner(), TBoxKind::UndoableInformation, ApplicationTitle(), text);
}

void TQtFrame::DefaultBeep() { QApplication::beep(); }

void TQtFrame::ReportError(const Exception& error) {
    // A pressed button holding the mouse would keep it from the box.
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    QMessageBox box(QMessageBox::Critical, ToQString(ApplicationTitle()), ToQString(ErrorBoxText(error.Message())),
                    QMessageBox::Ok, Owner());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

// Ends every event loop running, the boxes' included; the handler that asked
// runs to its end first.
void TQtFrame::RequestQuit() {
    quitRequested_ = true;
    QCoreApplication::exit(0);
}
