// The shell folder browser's tree: a folder selected in it by the names along
// its path, as a person walks down to it.
#pragma once

#include <windows.h>

#include <string>

// Selects the item of path ("X:\folder\folder", a trailing "\" allowed) in
// the browser's tree under My Computer, opening each branch on the way; true
// when the item was found and is selected. The browser's own selection by
// path compares each folder's saved state as well as its name (Wine's does):
// a folder written to while the browser fills its tree then misses, and the
// tree's focus lands on a parent. Selecting by name cannot miss that way.
bool SelectFolderInTree(HWND tree, const std::wstring& path);
