// Fonts that draw the program's text: the designed font where it holds every
// character, an installed Japanese face at the same size where it does not.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32_handle.h"

// Printable ASCII: file names, digits and Latin dates in any text shown.
std::wstring PrintableAscii();

// True when the font has a glyph for every character of text.
bool FontDrawsAll(HFONT font, const std::wstring& text);

// The font designed describes when it draws every character of text. A
// system without the designed face picks one for it, which may lack the
// Japanese characters (an English system) or the Latin ones (Wine picks
// Droid Sans Fallback for a Japanese face), drawing empty boxes: then the
// first Japanese face that draws every character takes its place at the same
// size and weight. Asked in turn: the face found last, well-known Japanese
// faces by name (Windows' own, then those Linux systems give Wine), then the
// installed Japanese faces in the system's order, a proportional one before
// a fixed-pitch one; the search stops at the first that serves. When none
// does, the designed font stays.
TFont CreateReadableFont(const LOGFONTW& designed, const std::wstring& text);

// The font a system menu, a message box or a dialog is drawn with by the
// system (the non-client metrics), or the default GUI font should it not say.
enum class TSystemFont { Menu, Message };
LOGFONTW SystemFont(TSystemFont kind);
