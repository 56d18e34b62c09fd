// TMessageForm: the confirmation and information boxes as standard dialogs
// (class #32770) built from an in-memory template, so that screen readers and
// automated tests see ordinary statics and buttons.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/win32/box_template.h"

// Shows the box of that kind (ui/box_description.h) modally over owner
// (nullptr: no owner) and returns the answer of the button pressed, of its
// cancel button for Esc, or its close answer when it was closed by its close
// box, Alt+F4 or its system menu.
std::int32_t ShowMessageForm(HWND owner, TBoxKind kind, const std::wstring& caption, const std::wstring& text);

// True when the system's message font draws every character of text, so that
// the system's own message box shows it readably.
bool MessageFontDraws(const std::wstring& text);
