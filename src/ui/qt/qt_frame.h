// The frame operations with Qt: the boxes as dialogs, the desktop's beep, the
// error box and quitting the event loop.
#pragma once

#include "ui/box_description.h"
#include "ui/frame.h"

class QWidget;

class TQtFrame : public IFrame {
public:
    // The main window, once it exists; boxes are centred over it while it is shown.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    // Whether a quit was asked for, also before the event loop runs (a signal
    // while the folder chooser of the first start is open).
    bool QuitRequested() const { return quitRequested_; }

    std::int32_t AskConfirmation(const std::string& text) override;
    void ShowInformationBox(const std::string& text) override;
    void DefaultBeep() override;
    void ReportError(const Exception& error) override;
    void RequestQuit() override;
    // Quits for SIGTERM or SIGINT: errors from then on go to standard error, not to a box.
    void RequestQuitBySignal();
    std::int32_t AskConfirmationWithPreview(const std::string& text, const TBoxPreview& preview) override;
    std::int32_t ShowUndoableInformationBox(const std::string& text) override;

private:
    QWidget* Owner() const;
    std::int32_t ShowBox(TBoxKind kind, const std::string& text, const TBoxPreview& preview = {});

    QWidget* mainWindow_ = nullptr;
    bool quitRequested_ = false;
    bool quitBySignal_ = false;
};
