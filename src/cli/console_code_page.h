// Makes the console show text in the system code page, the one every string of the program uses.
#pragma once

void UseSystemCodePageForConsole();
