// The program's boxes as data: per kind its title, icon, buttons, default and
// cancel buttons and the answer for closing it, and the rules every front end
// shares: the caption, the icon's size, the text's wrap width and the box's
// place on the screen. Each front end draws a box only from what is written here.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "ui/frame.h"

// UndoableInformation is the information box with 元に戻す(&U) beside OK;
// Error is the error box, which each front end draws as the system's own
// message box with a stop icon.
enum class TBoxKind { Confirmation, Information, UndoableInformation, Error };

// The box's caption: the fixed word 確認 (the program's own text) or the
// application title (the system's text).
enum class TBoxTitle { Confirmation, ApplicationTitle };
inline constexpr const char* kConfirmationTitle = "確認";

// The icon at the top left, beside the text, and its size in pixels.
enum class TBoxIcon { None, Question, Stop };
inline constexpr std::int32_t kBoxIconSize = 32;

struct TBoxButtonDescription {
    std::int32_t Answer;  // what pressing it answers (on Windows also its control id)
    const char* Caption;  // "&" marks the access key
};

struct TBoxDescription {
    TBoxTitle Title;
    TBoxIcon Icon;
    std::span<const TBoxButtonDescription> Buttons;  // left to right, in tab order
    std::size_t DefaultButton;  // has the focus when the box opens; Enter presses the focused button
    std::size_t CancelButton;   // Esc presses it wherever the focus is
    std::int32_t CloseAnswer;   // its close box, Alt+F4, its system menu, or the program quitting
};

inline constexpr TBoxButtonDescription kConfirmationButtons[] = {{mrYes, "はい(&Y)"}, {mrNo, "いいえ(&N)"}};
inline constexpr TBoxButtonDescription kInformationButtons[] = {{mrOk, "OK"}};
inline constexpr TBoxButtonDescription kUndoableInformationButtons[] = {{mrOk, "OK"}, {mrUndo, "元に戻す(&U)"}};

inline constexpr TBoxDescription kConfirmationBox{
    TBoxTitle::Confirmation, TBoxIcon::Question, kConfirmationButtons, 0, 1, mrCancel};
inline constexpr TBoxDescription kInformationBox{
    TBoxTitle::ApplicationTitle, TBoxIcon::None, kInformationButtons, 0, 0, mrCancel};
inline constexpr TBoxDescription kUndoableInformationBox{
    TBoxTitle::ApplicationTitle, TBoxIcon::None, kUndoableInformationButtons, 0, 0, mrCancel};
inline constexpr TBoxDescription kErrorBox{
    TBoxTitle::ApplicationTitle, TBoxIcon::Stop, kInformationButtons, 0, 0, mrOk};

constexpr const TBoxDescription& DescribeBox(TBoxKind kind) {
    switch (kind) {
    case TBoxKind::Confirmation: return kConfirmationBox;
    case TBoxKind::UndoableInformation: return kUndoableInformationBox;
    case TBoxKind::Error: return kErrorBox;
    case TBoxKind::Information: break;
    }
    return kInformationBox;
}

// A box's caption and whose text it is: the program's own word (CP932 on
// Windows) or the application title (the system's code page).
struct TBoxCaption {
    std::string Text;
    bool SystemText;
};
TBoxCaption BoxCaption(TBoxKind kind);

// The text is wrapped at half the screen's width, never narrower than one
// character, so a tiny screen still shows something; a screen of unknown
// width (0) counts as 1280 pixels wide.
constexpr std::int32_t BoxTextWidthLimit(std::int32_t screenWidth) {
    return std::max<std::int32_t>((screenWidth > 0 ? screenWidth : 1280) / 2, 16);
}

// What Esc answers: the cancel button's answer.
constexpr std::int32_t EscapeAnswer(const TBoxDescription& box) { return box.Buttons[box.CancelButton].Answer; }

// The button that unfolds a confirmation's details (TBoxPreview), and its
// caption while they are unfolded; a front end that shows details uses these.
inline constexpr const char* kShowDetailsCaption = "詳細を表示...";
inline constexpr const char* kHideDetailsCaption = "詳細を隠す...";

// Every default and cancel button is one of its box's buttons.
static_assert(EscapeAnswer(kConfirmationBox) == mrNo && EscapeAnswer(kInformationBox) == mrOk &&
              EscapeAnswer(kUndoableInformationBox) == mrOk && EscapeAnswer(kErrorBox) == mrOk);
