// The in-memory dialog template of a box: the dialog and its controls with
// empty texts (the texts are set as wide text once the dialog exists).
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "ui/box_description.h"

// Control identifiers inside a box, as the system's own message box uses them.
// A button's identifier is its answer code.
inline constexpr int kBoxIconId = 20;
inline constexpr int kBoxTextId = 0xFFFF;

inline constexpr WORD kButtonAtom = 0x0080;
inline constexpr WORD kStaticAtom = 0x0082;

// Appends one control; each starts on a DWORD boundary of the template.
inline void AddBoxItem(std::vector<WORD>& t, DWORD style, int id, WORD atom) {
    if (t.size() % 2) t.push_back(0);
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.cx = 10;
    item.cy = 10;
    item.id = static_cast<WORD>(id);
    const auto* words = reinterpret_cast<const WORD*>(&item);
    t.insert(t.end(), words, words + sizeof item / sizeof(WORD));
    t.push_back(0xFFFF);
    t.push_back(atom);
    t.push_back(0);  // title
    t.push_back(0);  // no creation data
}

// A fixed dialog frame whose title bar holds only a close box; the icon (if
// the box has one), the text, then the buttons in tab order, the first
// starting the group of buttons.
inline std::vector<WORD> BuildBoxTemplate(TBoxKind kind) {
    const TBoxDescription& box = DescribeBox(kind);
    const bool hasIcon = box.Icon != TBoxIcon::None;
    DLGTEMPLATE dialog{};
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    dialog.cdit = static_cast<WORD>((hasIcon ? 2 : 1) + box.Buttons.size());
    const auto* words = reinterpret_cast<const WORD*>(&dialog);
    std::vector<WORD> t(words, words + sizeof dialog / sizeof(WORD));
    t.push_back(0);  // no menu
    t.push_back(0);  // the standard dialog class
    t.push_back(0);  // title
    if (hasIcon) AddBoxItem(t, SS_ICON, kBoxIconId, kStaticAtom);
    AddBoxItem(t, SS_LEFT | SS_NOPREFIX, kBoxTextId, kStaticAtom);
    for (std::size_t i = 0; i < box.Buttons.size(); ++i) {
        const DWORD push = i == box.DefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        const DWORD group = i == 0 ? static_cast<DWORD>(WS_GROUP) : 0;
        AddBoxItem(t, WS_TABSTOP | push | group, box.Buttons[i].Answer, kButtonAtom);
    }
    return t;
}
