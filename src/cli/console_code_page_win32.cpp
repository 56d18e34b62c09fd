// Windows: the console's output code page follows the ANSI code page (932 on the players' systems).
#include "cli/console_code_page.h"

#include <windows.h>

void UseSystemCodePageForConsole() { SetConsoleOutputCP(GetACP()); }
