// Linux: program texts and system texts are both UTF-8; bytes go out as they are.
#include "cli/console_output.h"

#include <ostream>

void WriteText(std::ostream& stream, std::string_view text, TTextOrigin /*origin*/) { stream << text; }

void WriteErrorLine(std::ostream& stream, const Exception& error) { stream << ErrorBoxText(error.Message()) << '\n'; }
