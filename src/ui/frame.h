// The frame operations every part of the program reports through: the
// confirmation and information boxes, the beep, the error box and quitting.
// Each window front end (Win32, Qt) and the tests install their own;
// kasumiro-cli reports in its own words and installs none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/errors.h"
#include "process/process.h"

// Answer codes of the boxes (the platform's IDOK, IDCANCEL, IDYES, IDNO).
constexpr std::int32_t mrOk = 1;
constexpr std::int32_t mrCancel = 2;
constexpr std::int32_t mrYes = 6;
constexpr std::int32_t mrNo = 7;
// The undo button of an information box that offers one.
constexpr std::int32_t mrUndo = 100;

// What a confirmation box may show besides its question: a line under it and
// the name changes as rows the user can unfold. Both empty: nothing more.
struct TBoxPreview {
    std::string Informative;
    std::vector<TOfficerNameChange> Rows;
};

class IFrame {
public:
    virtual ~IFrame() = default;
    virtual std::int32_t AskConfirmation(const std::string& text) = 0;
    virtual void ShowInformationBox(const std::string& text) = 0;
    virtual void DefaultBeep() = 0;
    virtual void ReportError(const Exception& error) = 0;
    virtual void RequestQuit() = 0;
    // A frame that shows no preview asks the plain question.
    virtual std::int32_t AskConfirmationWithPreview(const std::string& text, const TBoxPreview& /*preview*/) {
        return AskConfirmation(text);
    }
    // The information box with an undo button beside OK: mrUndo when it was
    // pressed. A frame without one shows the plain box.
    virtual std::int32_t ShowUndoableInformationBox(const std::string& text) {
        ShowInformationBox(text);
        return mrOk;
    }
};

// Installs a frame for the life of the object and puts the previous one back.
class TScopedFrame {
public:
    explicit TScopedFrame(IFrame& frame);
    ~TScopedFrame();
    TScopedFrame(const TScopedFrame&) = delete;
    TScopedFrame& operator=(const TScopedFrame&) = delete;

private:
    IFrame* previous_;
};

// Forward to the installed frame. Until a front end installs one, a silent
// frame answers: it confirms nothing and shows nothing.
std::int32_t AskConfirmation(const std::string& text);
void ShowInformationBox(const std::string& text);
void DefaultBeep();
void ReportError(const Exception& error);
void RequestQuit();
std::int32_t AskConfirmationWithPreview(const std::string& text, const TBoxPreview& preview);
std::int32_t ShowUndoableInformationBox(const std::string& text);

// Runs a handler and reports whatever it raises, so that no error escapes
// into the toolkit that dispatched the event.
template <typename Handler>
void DispatchEvent(Handler&& handler) noexcept {
    try {
        try {
            handler();
        } catch (...) {
            ReportError(CurrentExceptionAsError());
        }
    } catch (...) {
        // Reporting itself failed (no memory for the box): nothing more can be shown.
    }
}
