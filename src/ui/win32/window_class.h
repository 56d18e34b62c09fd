// The program's window classes, each registered once with its icons, and the
// error of a window that could not be made.
#pragma once

#include <windows.h>

inline constexpr wchar_t kMainWindowClass[] = L"TForm1";

// Registers the class with the program's icon and the arrow cursor unless it
// is registered already; background may be null (the window paints nothing).
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HBRUSH background);

// Raises ESystemError "ウィンドウを作成できません" with the system's code, for a
// window, control or box that the system did not create.
[[noreturn]] void RaiseWindowNotCreated();
