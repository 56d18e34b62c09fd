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

// True when the font has a glyph for every character of text.
bool FontDrawsAll(HFONT font, const std::wstring& text);

// The designed face at this height in Shift-JIS. A system without that
// face picks one for the character set itself, and may pick one without
// Latin letters (Wine picks Droid Sans Fallback from fontconfig's fonts),
// drawing the slot labels as empty boxes: then the first installed
// Japanese face that draws every character the window needs takes its
// place, a proportional one before a fixed-pitch one. When none does, the
// system's pick stays.
TFont CreateWindowFont(std::int32_t height);
