// The box window (TMessageForm) of the confirmation and information boxes in Qt.
#pragma once

#include <cstdint>
#include <string>

#include "common/frame.h"

class QWidget;

// UndoableInformation is the information box with 元に戻す(&U) beside OK.
enum class TBoxKind { Confirmation, Information, UndoableInformation };

// Shows the box modally and returns its answer: mrYes / mrNo for the
// confirmation box, mrOk for the information box (or mrUndo), mrCancel when it
// was closed without a button (its close box, or the program quitting). A
// preview adds its line under the text and its details behind "詳細を表示...".
std::int32_t ShowMessageForm(QWidget* owner, TBoxKind kind, const std::string& caption, const std::string& text,
                             const TBoxPreview& preview = {});
