// The system menu's undo item: added once, greyed while there is nothing to undo.
#include "ui/win32/undo_menu.h"

#include <string>

#include "backup/save_backup.h"
#include "common/wide_text.h"
#include "ui/main_form.h"
#include "ui/silent_backup_rewrite.h"
#include "ui/undoable_rewrite.h"

namespace {

// Below the system's own commands (0xF000 on), with the low four bits clear
// as Windows keeps them for itself.
constexpr UINT kUndoCommand = 0x0110;

// The selected slot's folder name; empty when none is selected.
std::string SelectedSlot(const TForm1* form) {
    if (!form || form->SaveDataGroup.ItemIndex() < 0) return "";
    return form->SaveDataGroup.ItemName(form->SaveDataGroup.ItemIndex());
}

}  // namespace

void AddUndoMenuItem(HWND window, TReadableMenuItem& item) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    item.Append(menu, kUndoCommand, ProgramText(kUndoMenuText));
}

void RefreshUndoMenuItem(HWND window, const TForm1* form) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    const std::string slot = SelectedSlot(form);
    const bool enabled = !slot.empty() && HasRewriteToUndo(BaseDir, slot);
    EnableMenuItem(menu, kUndoCommand, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool RunUndoMenuCommand(WPARAM command, const TForm1* form) {
    if ((command & 0xFFF0) != kUndoCommand) return false;
    // A greyed item sends nothing; a slot is selected whenever it is not.
    const std::string slot = SelectedSlot(form);
    if (!slot.empty()) UndoRewrite(BaseDir, slot, "");
    return true;
}
