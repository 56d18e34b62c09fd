// The owner-drawn menu item: measured and drawn as the system draws its own
// items (the check-mark column, highlight, greyed text, access key), in a
// face that draws its text.
#include "ui/win32/readable_menu_item.h"

#include <algorithm>
#include <cwctype>

#include "ui/win32/readable_font.h"

namespace {

// The text starts after the check-mark column and a gap, as the system's own
// items' texts do.
int TextIndent() { return GetSystemMetrics(SM_CXMENUCHECK) + 4; }

}  // namespace

void TReadableMenuItem::Append(HMENU menu, UINT command, const std::wstring& text) {
    menu_ = menu;
    command_ = command;
    text_ = text;
    font_.Reset();
    const LOGFONTW designed = SystemFont(TSystemFont::Menu);
    const TFont system(CreateFontIndirectW(&designed));
    if (system.Get() && !FontDrawsAll(system.Get(), text + PrintableAscii()))
        font_ = CreateReadableFont(designed, text + PrintableAscii());
    if (!font_.Get()) {
        AppendMenuW(menu, MF_STRING | MF_GRAYED, command, text.c_str());
        return;
    }
    // Owner-drawn, with its text kept for the access key and for readers.
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.fType = MFT_OWNERDRAW;
    info.fState = MFS_GRAYED;
    info.wID = command;
    info.dwTypeData = text_.data();
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

bool TReadableMenuItem::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
    if (!font_.Get()) return false;
    if (message == WM_MEASUREITEM) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU || item.itemID != command_) return false;
        HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, font_.Get());
        RECT extent{0, 0, 0, 0};
        DrawTextW(dc, text_.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, previous);
        DeleteDC(dc);
        item.itemWidth = static_cast<UINT>(TextIndent() + extent.right);
        item.itemHeight = static_cast<UINT>(std::max<LONG>(GetSystemMetrics(SM_CYMENU), metrics.tmHeight + 4));
        result = TRUE;
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU || item.itemID != command_) return false;
        Draw(item);
        result = TRUE;
        return true;
    }
    const bool inItsMenu = reinterpret_cast<HMENU>(lParam) == menu_ || (HIWORD(wParam) & MF_SYSMENU) != 0;
    if (message == WM_MENUCHAR && inItsMenu) {
        // The access key, should the system not find it in the item's text.
        const std::wstring::size_type amp = text_.find(L'&');
        if (amp == std::wstring::npos || amp + 1 >= text_.size()) return false;
        if (std::towupper(LOWORD(wParam)) != std::towupper(text_[amp + 1])) return false;
        const int count = GetMenuItemCount(menu_);
        for (int i = 0; i < count; ++i) {
            if (GetMenuItemID(menu_, i) != command_) continue;
            result = MAKELRESULT(i, MNC_EXECUTE);
            return true;
        }
    }
    return false;
}

void TReadableMenuItem::Draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool greyed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    const HGDIOBJ previous = SelectObject(dc, font_.Get());
    const int mode = SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    RECT text = item.rcItem;
    text.left += TextIndent();
    if (greyed && !selected) {
        // Greyed as the system greys its items: a light copy one pixel down
        // and to the right under the grey text.
        RECT raised = text;
        OffsetRect(&raised, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, text_.c_str(), -1, &raised, format);
    }
    SetTextColor(dc, GetSysColor(greyed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    DrawTextW(dc, text_.c_str(), -1, &text, format);
    SetBkMode(dc, mode);
    SelectObject(dc, previous);
}
