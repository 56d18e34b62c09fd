// The in-memory dialog template of a box: the dialog and its controls with
// empty texts (the texts are set as wide text once the dialog exists).
#pragma once

#include <windows.h>

#include <span>
#include <vector>

enum class TBoxKind { Confirmation, Information };

// Control identifiers inside a box, as the system's own message box uses them.
inline constexpr int kBoxIconId = 20;
inline constexpr int kBoxTextId = 0xFFFF;

struct TBoxButton {
    int Id;
    const char* Caption;
};

inline constexpr TBoxButton kConfirmButtons[] = {{IDYES, "はい(&Y)"}, {IDNO, "いいえ(&N)"}};
inline constexpr TBoxButton kInformationButtons[] = {{IDOK, "OK"}};

// The buttons of a box, left to right; the first is the default button.
inline std::span<const TBoxButton> BoxButtons(TBoxKind kind) {
    if (kind == TBoxKind::Confirmation) return kConfirmButtons;
    return kInformationButtons;
}

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

// A fixed dialog frame whose title bar holds only a close box; the question
// icon (confirmation only), the text, then the buttons in tab order.
inline std::vector<WORD> BuildBoxTemplate(TBoxKind kind) {
    const std::span<const TBoxButton> buttons = BoxButtons(kind);
    const bool confirm = kind == TBoxKind::Confirmation;
    std::vector<WORD> t;
    DLGTEMPLATE dialog{};
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    dialog.cdit = static_cast<WORD>((confirm ? 2 : 1) + buttons.size());
    const auto* words = reinterpret_cast<const WORD*>(&dialog);
    t.insert(t.end(), words, words + sizeof dialog / sizeof(WORD));
    t.push_back(0);  // no menu
    t.push_back(0);  // the standard dialog class
    t.push_back(0);  // title
    if (confirm) AddBoxItem(t, SS_ICON, kBoxIconId, kStaticAtom);
    AddBoxItem(t, SS_LEFT | SS_NOPREFIX, kBoxTextId, kStaticAtom);
    bool first = true;
    for (const TBoxButton& b : buttons) {
        AddBoxItem(t, WS_TABSTOP | (first ? (BS_DEFPUSHBUTTON | WS_GROUP) : BS_PUSHBUTTON), b.Id, kButtonAtom);
        first = false;
    }
    return t;
}
