// The window class of the main window.
#pragma once

#include <windows.h>

inline constexpr wchar_t kMainWindowClass[] = L"TForm1";

// Registers the class with the program's icon unless it is registered already.
void RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure);
