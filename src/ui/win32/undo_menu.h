// The undo item at the end of the main window's system menu, for the save
// slot selected in the form.
#pragma once

#include <windows.h>

#include "ui/win32/readable_menu_item.h"

class TForm1;

// Appends a separator and "元に戻す(&U)" after the system menu's own items,
// drawn by the program where the system's menu font lacks its characters;
// the window hands the item its menu messages.
void AddUndoMenuItem(HWND window, TReadableMenuItem& item);
// Greys the item unless a slot is selected and has a rewrite to undo.
void RefreshUndoMenuItem(HWND window, const TForm1* form);
// Undoes the selected slot's newest rewrite when the WM_SYSCOMMAND command
// is the item's; false for any other command. Errors travel out.
bool RunUndoMenuCommand(WPARAM command, const TForm1* form);
