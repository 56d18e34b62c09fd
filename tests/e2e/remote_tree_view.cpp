// Tree view access across processes through VirtualAllocEx and ReadProcessMemory.
#include "e2e/remote_tree_view.h"

#include <gtest/gtest.h>

#include <cstring>

#include "e2e/window_driver.h"

namespace e2e {
namespace {

constexpr UINT kTimeoutMs = 5000;
constexpr SIZE_T kTextSize = 512;

}  // namespace

TRemoteTreeView::TRemoteTreeView(HWND tree) : tree_(tree) {
    DWORD processId = 0;
    GetWindowThreadProcessId(tree, &processId);
    constexpr DWORD kAccess = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;
    process_ = TProcessHandle(OpenProcess(kAccess, FALSE, processId));
    if (process_.IsValid()) {
        remote_ = VirtualAllocEx(process_.Get(), nullptr, sizeof(TVITEMA) + kTextSize, MEM_COMMIT | MEM_RESERVE,
                                 PAGE_READWRITE);
    }
}

TRemoteTreeView::~TRemoteTreeView() {
    if (remote_) VirtualFreeEx(process_.Get(), remote_, 0, MEM_RELEASE);
}

HTREEITEM TRemoteTreeView::Next(HTREEITEM item, UINT relation) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG, kTimeoutMs,
                        &result);
    return reinterpret_cast<HTREEITEM>(result);
}

std::string TRemoteTreeView::Text(HTREEITEM item) const {
    if (!remote_ || !item) return {};
    char* remoteText = static_cast<char*>(remote_) + sizeof(TVITEMA);
    TVITEMA request{};
    request.mask = TVIF_TEXT | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = remoteText;
    request.cchTextMax = kTextSize;
    const char zero[kTextSize] = {};
    if (!WriteProcessMemory(process_.Get(), remote_, &request, sizeof(request), nullptr) ||
        !WriteProcessMemory(process_.Get(), remoteText, zero, sizeof(zero), nullptr)) {
        return {};
    }
    DWORD_PTR ok = 0;
    if (!SendMessageTimeoutA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote_), SMTO_ABORTIFHUNG, kTimeoutMs,
                             &ok) ||
        !ok) {
        return {};
    }
    // The tree may hand back a pointer to its own copy of the text instead of filling the buffer.
    TVITEMA answer{};
    char text[kTextSize] = {};
    if (!ReadProcessMemory(process_.Get(), remote_, &answer, sizeof(answer), nullptr) ||
        !ReadProcessMemory(process_.Get(), answer.pszText, text, sizeof(text) - 1, nullptr)) {
        return {};
    }
    return text;
}

HTREEITEM TRemoteTreeView::FindChild(HTREEITEM parent, const std::string& text) const {
    for (HTREEITEM child = FirstChild(parent); child; child = NextSibling(child)) {
        if (Text(child) == text) return child;
    }
    return nullptr;
}

bool TRemoteTreeView::Expand(HTREEITEM item) const {
    DWORD_PTR ok = 0;
    return SendMessageTimeoutA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG,
                               kTimeoutMs, &ok) != 0;
}

bool TRemoteTreeView::TextRect(HTREEITEM item, RECT& rect) const {
    if (!remote_ || !item) return false;
    // TVM_GETITEMRECT takes the item in the rectangle's first bytes and overwrites it.
    RECT request{};
    std::memcpy(&request, &item, sizeof(item));  // NOLINT(bugprone-sizeof-expression): the handle's own bytes
    DWORD_PTR ok = 0;
    return WriteProcessMemory(process_.Get(), remote_, &request, sizeof(request), nullptr) &&
           SendMessageTimeoutA(tree_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote_), SMTO_ABORTIFHUNG,
                               kTimeoutMs, &ok) &&
           ok && ReadProcessMemory(process_.Get(), remote_, &rect, sizeof(rect), nullptr);
}

bool TRemoteTreeView::Click(HTREEITEM item) const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG, kTimeoutMs,
                        &ignored);
    RECT rect{};
    if (!TextRect(item, rect)) {
        ADD_FAILURE() << "the tree item <" << Text(item) << "> has no place on screen to click";
        return false;
    }
    // A long name may run past the tree's right edge: a person clicks its visible part.
    RECT client{};
    GetClientRect(tree_, &client);
    const LONG right = rect.right < client.right ? rect.right : client.right;
    return PostMouseClick(tree_, POINT{(rect.left + right) / 2, (rect.top + rect.bottom) / 2});
}

}  // namespace e2e
