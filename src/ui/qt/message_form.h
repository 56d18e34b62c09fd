// The box window (TMessageForm) of the confirmation and information boxes in Qt.
#pragma once

#include <cstdint>
#include <string>

class QWidget;

enum class TBoxKind { Confirmation, Information };

// Shows the box modally and returns its answer: mrYes / mrNo for the
// confirmation box, mrOk for the information box, mrCancel when it was
// closed without a button (its close box, or the program quitting).
std::int32_t ShowMessageForm(QWidget* owner, TBoxKind kind, const std::string& caption, const std::string& text);
