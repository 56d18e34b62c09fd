// The shell's functions, loaded with shell32.dll at their first use (Windows
// builds only): the programs start without the shell, which only the folder
// chooser and a system without LOCALAPPDATA need. Loading it at the start
// cost a quarter of a bare window's start under Wine.
#pragma once

#include <windows.h>

// shell32.dll, loaded once and kept; nullptr when it cannot be loaded.
inline HMODULE Shell32Library() {
    static const HMODULE library = LoadLibraryW(L"shell32.dll");
    return library;
}

// The function of shell32.dll with this name, declared as the system headers
// declare it (decltype(&::SHGetMalloc), say); nullptr when it cannot be had.
template <typename TFunction>
TFunction Shell32Function(const char* name) {
    const HMODULE library = Shell32Library();
    if (!library) return nullptr;
    return reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}
