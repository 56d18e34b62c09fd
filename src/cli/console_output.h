// kasumiro-cli's output: texts reach a console as wide characters, each
// converted from its own code page, so that they read right on any system;
// redirected to a file or a pipe they are written as the same bytes as ever.
#pragma once

#include <iosfwd>
#include <string_view>

#include "common/errors.h"

// Where a text's bytes come from: the program's own words (CP932 on Windows)
// or the system (paths, dates, arguments: the ANSI code page).
enum class TTextOrigin { Program, System };

// Writes the text to the stream; on Windows, when the stream is standard
// output or standard error and that is a console, through WriteConsoleW.
void WriteText(std::ostream& stream, std::string_view text, TTextOrigin origin);

// Writes the error box's text of the error and a line end the same way.
void WriteErrorLine(std::ostream& stream, const Exception& error);
