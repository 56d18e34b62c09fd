// The system menu's undo item: added once, greyed while there is nothing to undo.
#include "ui/win32/undo_menu.h"

#include "common/wide_text.h"
#include "ui/silent_backup_rewrite.h"

namespace {

// Below the system's own commands (0xF000 on), with the low four bits clear
// as Windows keeps them for itself.
constexpr UINT kUndoCommand = 0x0110;

}  // namespace

void AddUndoMenuItem(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, kUndoCommand, ProgramText(kUndoMenuText).c_str());
}

void EnableUndoMenuItem(HWND window, bool enabled) {
    if (HMENU menu = GetSystemMenu(window, FALSE))
        EnableMenuItem(menu, kUndoCommand, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool IsUndoMenuCommand(WPARAM command) { return (command & 0xFFF0) == kUndoCommand; }
