// Reads and drives a tree view of another process of the same bitness: item
// texts are fetched through a buffer allocated inside that process.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "common/win32_handle.h"

namespace e2e {

class TRemoteTreeView {
public:
    explicit TRemoteTreeView(HWND tree);
    ~TRemoteTreeView();
    TRemoteTreeView(const TRemoteTreeView&) = delete;
    TRemoteTreeView& operator=(const TRemoteTreeView&) = delete;

    bool IsUsable() const { return remote_ != nullptr; }
    HTREEITEM Selected() const { return Next(nullptr, TVGN_CARET); }
    HTREEITEM Parent(HTREEITEM item) const { return Next(item, TVGN_PARENT); }
    HTREEITEM FirstChild(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
    HTREEITEM NextSibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
    std::string Text(HTREEITEM item) const;
    // The child of parent with this text; nullptr when there is none.
    HTREEITEM FindChild(HTREEITEM parent, const std::string& text) const;
    // Opens the item's branch, so that the tree's owner fills in its children.
    bool Expand(HTREEITEM item) const;
    // Scrolls the item into view and clicks its text with the mouse, as a
    // person selects it; false (with a test failure) when the tree cannot be clicked.
    bool Click(HTREEITEM item) const;

private:
    // The item's text rectangle in the tree's client coordinates.
    bool TextRect(HTREEITEM item, RECT& rect) const;
    HTREEITEM Next(HTREEITEM item, UINT relation) const;

    HWND tree_;
    TProcessHandle process_;
    void* remote_ = nullptr;
};

}  // namespace e2e
