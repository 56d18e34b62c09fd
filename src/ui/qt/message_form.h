// The box window (TMessageForm) of the confirmation and information boxes in Qt.
#pragma once

#include <cstdint>
#include <string>

#include "ui/box_description.h"
#include "ui/frame.h"

class QWidget;

// Shows the box of that kind (ui/box_description.h) modally and returns the
// answer of the button pressed, of its cancel button for Esc, or its close
// answer when it was closed without a button (its close box, or the program
// quitting). A preview adds its line under the text and its details behind
// "詳細を表示...".
std::int32_t ShowMessageForm(QWidget* owner, TBoxKind kind, const std::string& caption, const std::string& text,
                             const TBoxPreview& preview = {});
