// The shell operations the Win32 folder chooser needs, behind an interface so
// that the chooser runs against the real shell or against a fake in the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "common/paths.h"

using TWindowHandle = void*;
// A shell item list (PIDL): opaque, freed through the shell's allocator.
using TItemIdList = void*;

// Behaviour flags of the folder chooser; member n is bit n of a TOptions.
enum TOption : std::uint8_t {
    ofBrowseForComputer,
    ofBrowseForPrinter,
    ofDontGoBelowDomain,
    ofReturnFSAncestors,
    ofReturnOnlyFSDirs,
    ofStatusText,
};

// A set of TOption held in one byte.
class TOptions {
public:
    constexpr TOptions() = default;
    constexpr TOptions(std::initializer_list<TOption> members) {
        for (TOption member : members) Include(member);
    }

    constexpr void Include(TOption member) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(member)); }
    constexpr bool Contains(TOption member) const { return (bits_ & Bit(member)) != 0; }
    constexpr std::uint8_t Bits() const { return bits_; }

    friend constexpr bool operator==(TOptions a, TOptions b) { return a.bits_ == b.bits_; }

private:
    static constexpr std::uint8_t Bit(TOption member) { return static_cast<std::uint8_t>(1u << member); }

    std::uint8_t bits_ = 0;
};

// Numbers of the shell's folder-browser interface. The path buffer is as long
// as the system's paths may be: MAX_PATH on Windows, more on Linux.
inline constexpr std::size_t kMaxPath = kPathBufferBytes;
inline constexpr std::int32_t kCsidlDrives = 17;  // My Computer
inline constexpr std::uint32_t kBffmInitialized = 1;
inline constexpr std::uint32_t kBffmSelChanged = 2;
inline constexpr std::uint32_t kBffmSetStatusTextA = 0x464;
inline constexpr std::uint32_t kBffmEnableOk = 0x465;
inline constexpr std::uint32_t kBffmSetSelectionA = 0x466;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;
inline constexpr std::uint32_t kInvalidFileAttributes = 0xFFFFFFFF;
// Dialog focus: WM_NEXTDLGCTL, and the browser's folder tree's control identifier.
inline constexpr std::uint32_t kWmNextDlgCtl = 0x0028;
inline constexpr std::int32_t kBrowserTreeId = 14145;

// The browser's behaviour flags that the options stand for.
enum TBrowseFlag : std::uint32_t {
    kBifReturnOnlyFsDirs = 0x0001,
    kBifDontGoBelowDomain = 0x0002,
    kBifStatusText = 0x0004,
    kBifReturnFsAncestors = 0x0008,
    kBifBrowseForComputer = 0x1000,
    kBifBrowseForPrinter = 0x2000,
};

// Called by the browser while it is open; data is TBrowseInfo::Data.
using TBrowseCallback = std::int32_t (*)(TWindowHandle dialog, std::uint32_t message, std::intptr_t param,
                                         std::intptr_t data);

// What the browser is shown with (the shell's BROWSEINFOA).
struct TBrowseInfo {
    TWindowHandle Owner = nullptr;
    TItemIdList Root = nullptr;   // nullptr: the desktop
    char* DisplayName = nullptr;  // kMaxPath bytes, filled by the browser
    const char* Title = nullptr;
    std::uint32_t Flags = 0;
    TBrowseCallback Callback = nullptr;
    std::intptr_t Data = 0;
    std::int32_t Image = 0;  // filled by the browser
};

// The shell's task allocator (IMalloc): memory and item lists the shell hands
// out are given back through it, and it is released once when done.
class IShellAllocator {
public:
    virtual ~IShellAllocator() = default;
    virtual void* Alloc(std::size_t size) = 0;
    virtual void Free(void* block) = 0;
    virtual void Release() = 0;
};

class IFolderShell {
public:
    virtual ~IFolderShell() = default;
    // nullptr when the allocator cannot be obtained.
    virtual IShellAllocator* SHGetMalloc() = 0;
    // An HRESULT: negative on failure, list set only on success.
    virtual std::int32_t SHGetSpecialFolderLocation(TWindowHandle owner, std::int32_t folder, TItemIdList& list) = 0;
    // Shows the browser modally; the chosen item list, or nullptr on Cancel.
    virtual TItemIdList SHBrowseForFolderA(TBrowseInfo& info) = 0;
    // Writes the item's path in the ANSI code page (at most kMaxPath bytes with
    // its zero) into path. A character that code page cannot hold comes out as
    // kUnnamableCharacter, as the shell's ANSI form does. A path too long for
    // that (kMaxPath bytes or more) fills all kMaxPath bytes with its start and
    // no zero, so that the caller can tell it from one that fits.
    virtual bool SHGetPathFromIDListA(TItemIdList list, char* path) = 0;
    virtual std::intptr_t SendMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;
    // Queues the message for the window and returns at once.
    virtual void PostMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    virtual std::uint32_t GetFileAttributesA(const char* path) = 0;
    // The dialog's control with this identifier; nullptr when it has none.
    virtual TWindowHandle GetDlgItem(TWindowHandle dialog, std::int32_t id) = 0;
};

// The platform's shell (Windows only).
IFolderShell& SystemFolderShell();
