// The main window's font: the designed Japanese face, or an installed one
// that draws the window's text where the system lacks it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/win32/win32_handles.h"

// The characters that the window's labels need: printable ASCII (file
// names, digits, Latin dates) and the window's Japanese texts.
std::wstring WindowTextCharacters();

// The designed face at this height in Shift-JIS, or in its place the first
// installed Japanese face that draws every character the window needs
// (CreateReadableFont).
TFont CreateWindowFont(std::int32_t height);
