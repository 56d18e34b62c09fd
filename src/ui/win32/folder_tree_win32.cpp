// Selecting a folder in the shell folder browser's tree by its names.
#include "ui/win32/folder_tree.h"

#include <commctrl.h>

#include <cwctype>

namespace {

std::wstring ItemText(HWND tree, HTREEITEM item) {
    wchar_t text[MAX_PATH] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = MAX_PATH;
    return SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data)) ? text : L"";
}

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

// The tree's messages in their wide form by name (the macros pick the ANSI
// one in a build without UNICODE, which Windows XP's list does not hold).
HTREEITEM NextItem(HWND tree, HTREEITEM item, WPARAM which) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, which, reinterpret_cast<LPARAM>(item)));
}

// The child of parent whose text is the name, or for a drive ("X:") holds
// it, as in "Local Disk (C:)"; the branch is opened first so that the shell
// fills it.
HTREEITEM FindChild(HWND tree, HTREEITEM parent, const std::wstring& name, bool drive) {
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    const std::wstring wanted = Upper(name);
    for (HTREEITEM child = NextItem(tree, parent, TVGN_CHILD); child; child = NextItem(tree, child, TVGN_NEXT)) {
        const std::wstring text = Upper(ItemText(tree, child));
        if (drive ? text.find(wanted) != std::wstring::npos : text == wanted) return child;
    }
    return nullptr;
}

}  // namespace

bool SelectFolderInTree(HWND tree, const std::wstring& path) {
    if (!tree || path.size() < 2 || path[1] != L':') return false;
    HTREEITEM item = FindChild(tree, NextItem(tree, nullptr, TVGN_ROOT), path.substr(0, 2), true);
    for (std::size_t start = 3; item && start < path.size();) {
        std::size_t end = path.find(L'\\', start);
        if (end == std::wstring::npos) end = path.size();
        item = FindChild(tree, item, path.substr(start, end - start), false);
        start = end + 1;
    }
    if (!item) return false;
    if (NextItem(tree, nullptr, TVGN_CARET) != item)
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    return NextItem(tree, nullptr, TVGN_CARET) == item;
}
