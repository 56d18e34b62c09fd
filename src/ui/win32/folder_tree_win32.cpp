// Selecting a folder in the shell folder browser's tree by its names.
#include "ui/win32/folder_tree.h"

#include <commctrl.h>

namespace {

std::wstring ItemText(HWND tree, HTREEITEM item) {
    wchar_t text[MAX_PATH] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = MAX_PATH;
    // The wide message by name: the program is built without UNICODE.
    return SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data)) ? text : L"";
}

std::wstring Upper(std::wstring text) {
    if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The child of parent whose text is the name, or for a drive ("X:") holds
// it, as in "Local Disk (C:)"; the branch is opened first so that the shell
// fills it.
HTREEITEM FindChild(HWND tree, HTREEITEM parent, const std::wstring& name, bool drive) {
    TreeView_Expand(tree, parent, TVE_EXPAND);
    const std::wstring wanted = Upper(name);
    for (auto child = TreeView_GetChild(tree, parent); child; child = TreeView_GetNextSibling(tree, child)) {
        const std::wstring text = Upper(ItemText(tree, child));
        if (drive ? text.find(wanted) != std::wstring::npos : text == wanted) return child;
    }
    return nullptr;
}

}  // namespace

bool SelectFolderInTree(HWND tree, const std::wstring& path) {
    if (!tree || path.size() < 2 || path[1] != L':') return false;
    HTREEITEM item = FindChild(tree, TreeView_GetRoot(tree), path.substr(0, 2), true);
    for (std::size_t start = 3; item && start < path.size();) {
        std::size_t end = path.find(L'\\', start);
        if (end == std::wstring::npos) end = path.size();
        item = FindChild(tree, item, path.substr(start, end - start), false);
        start = end + 1;
    }
    if (!item) return false;
    if (TreeView_GetSelection(tree) != item) TreeView_SelectItem(tree, item);
    TreeView_EnsureVisible(tree, item);
    return TreeView_GetSelection(tree) == item;
}
