// Linux: the terminal already shows the system code page (UTF-8); nothing to do.
#include "cli/console_code_page.h"

TSystemCodePageConsole::TSystemCodePageConsole() = default;

TSystemCodePageConsole::~TSystemCodePageConsole() = default;
