// Windows only: texts converted to UTF-16 where they meet the screen, each
// from the code page it is in, so that they read right on any system.
#pragma once

#include <string>
#include <string_view>

#include "common/errors.h"

// The program's own texts (captions, box texts, error texts, the font's face
// name) are CP932 bytes on every system.
std::wstring ProgramText(std::string_view cp932);

// Texts that come from the system (paths, the application title, dates) are
// in the ANSI code page.
std::wstring SystemText(std::string_view ansi);

// The error box's text of an error: the message with the period rule, its
// system part (a path) converted from the ANSI code page, the rest from CP932.
std::wstring ErrorBoxWideText(const Exception& error);

// The text in the ANSI code page. False when some character has no exact
// equivalent there (a best-fit look-alike does not count): ansi then holds
// "?" in place of each such character.
bool ExactSystemText(std::wstring_view wide, std::string& ansi);
