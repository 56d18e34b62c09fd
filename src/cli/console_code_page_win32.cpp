// Windows: the console's output code page follows the ANSI code page (932 on the players' systems).
#include "cli/console_code_page.h"

#include <windows.h>

TSystemCodePageConsole::TSystemCodePageConsole() {
    const UINT current = GetConsoleOutputCP();  // 0 when there is no console
    if (current != 0 && current != GetACP() && SetConsoleOutputCP(GetACP())) previous_ = current;
}

TSystemCodePageConsole::~TSystemCodePageConsole() {
    if (previous_ != 0) SetConsoleOutputCP(previous_);
}
