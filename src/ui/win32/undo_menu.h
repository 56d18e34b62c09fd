// The undo item at the end of the main window's system menu.
#pragma once

#include <windows.h>

// Appends a separator and "元に戻す(&U)" after the system menu's own items.
void AddUndoMenuItem(HWND window);
// Makes the item choosable, or greys it.
void EnableUndoMenuItem(HWND window, bool enabled);
// Whether a WM_SYSCOMMAND's command is the undo item.
bool IsUndoMenuCommand(WPARAM command);
