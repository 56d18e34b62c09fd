// The real shell behind IFolderShell: the Windows shell's folder browser.
#include "ui/folder_shell.h"

#include <new>

#include <windows.h>
#include <shlobj.h>

// The portable chooser logic uses copies of these shell and file constants.
static_assert(kMaxPath == MAX_PATH && kCsidlDrives == CSIDL_DRIVES);
static_assert(kBffmInitialized == BFFM_INITIALIZED && kBffmSelChanged == BFFM_SELCHANGED);
static_assert(kBffmSetStatusTextA == BFFM_SETSTATUSTEXTA && kBffmSetSelectionA == BFFM_SETSELECTIONA);
static_assert(kFileAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY && kInvalidFileAttributes == INVALID_FILE_ATTRIBUTES);
static_assert(kBifReturnOnlyFsDirs == BIF_RETURNONLYFSDIRS && kBifDontGoBelowDomain == BIF_DONTGOBELOWDOMAIN);
static_assert(kBifStatusText == BIF_STATUSTEXT && kBifReturnFsAncestors == BIF_RETURNFSANCESTORS);
static_assert(kBifBrowseForComputer == BIF_BROWSEFORCOMPUTER && kBifBrowseForPrinter == BIF_BROWSEFORPRINTER);

namespace {

// The shell's IMalloc seen as an IShellAllocator; owns one reference.
class TShellMalloc final : public IShellAllocator {
public:
    explicit TShellMalloc(IMalloc* malloc) : malloc_(malloc) {}
    TShellMalloc(const TShellMalloc&) = delete;
    TShellMalloc& operator=(const TShellMalloc&) = delete;

    void* Alloc(std::size_t size) override { return malloc_->Alloc(size); }
    void Free(void* block) override { malloc_->Free(block); }
    void Release() override {
        malloc_->Release();
        delete this;
    }

private:
    ~TShellMalloc() override = default;
    IMalloc* malloc_;
};

// The browser calls back with the platform's calling convention; this hands
// the call on to the chooser's own callback.
int CALLBACK BrowseTrampoline(HWND dialog, UINT message, LPARAM param, LPARAM data) {
    const auto& info = *reinterpret_cast<const TBrowseInfo*>(data);
    return info.Callback(dialog, message, param, info.Data);
}

class TSystemFolderShell final : public IFolderShell {
public:
    IShellAllocator* SHGetMalloc() override {
        IMalloc* malloc = nullptr;
        if (FAILED(::SHGetMalloc(&malloc)) || malloc == nullptr) return nullptr;
        auto* allocator = new (std::nothrow) TShellMalloc(malloc);
        if (allocator == nullptr) malloc->Release();
        return allocator;
    }

    std::int32_t SHGetSpecialFolderLocation(TWindowHandle owner, std::int32_t folder, TItemIdList& list) override {
        LPITEMIDLIST found = nullptr;
        const HRESULT result = ::SHGetSpecialFolderLocation(static_cast<HWND>(owner), folder, &found);
        if (SUCCEEDED(result)) list = found;
        return result;
    }

    TItemIdList SHBrowseForFolderA(TBrowseInfo& info) override {
        BROWSEINFOA browse{};
        browse.hwndOwner = static_cast<HWND>(info.Owner);
        browse.pidlRoot = static_cast<LPCITEMIDLIST>(info.Root);
        browse.pszDisplayName = info.DisplayName;
        browse.lpszTitle = info.Title;
        browse.ulFlags = info.Flags;
        if (info.Callback != nullptr) {
            browse.lpfn = &BrowseTrampoline;
            browse.lParam = reinterpret_cast<LPARAM>(&info);
        }
        LPITEMIDLIST chosen = ::SHBrowseForFolderA(&browse);
        info.Image = browse.iImage;
        return chosen;
    }

    bool SHGetPathFromIDListA(TItemIdList list, char* path) override {
        return ::SHGetPathFromIDListA(static_cast<LPCITEMIDLIST>(list), path) != FALSE;
    }

    std::intptr_t SendMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override {
        return ::SendMessageA(static_cast<HWND>(window), message, wParam, lParam);
    }

    void PostMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override {
        ::PostMessageA(static_cast<HWND>(window), message, wParam, lParam);
    }

    std::uint32_t GetFileAttributesA(const char* path) override { return ::GetFileAttributesA(path); }
};

}  // namespace

IFolderShell& SystemFolderShell() {
    static TSystemFolderShell shell;
    return shell;
}
