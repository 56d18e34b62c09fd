// TMessageForm: the confirmation and information boxes as standard dialogs
// (class #32770) built from an in-memory template, so that screen readers and
// automated tests see ordinary statics and buttons.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/win32/box_template.h"

// Shows the box modally over owner (nullptr: no owner) and returns the answer:
// はい 6 / いいえ 7 for a confirmation, OK 1 for an information box, 2 when
// the box was closed by its close box, Alt+F4 or its system menu.
std::int32_t ShowMessageForm(HWND owner, TBoxKind kind, const std::wstring& caption, const std::wstring& text);
