// The real shell behind IFolderShell: the Windows shell's folder browser,
// shown through its wide-character form and with a face that draws its title
// so that its texts read right on any system; paths cross the interface in
// the ANSI code page.
#include "ui/win32/folder_shell.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include <windows.h>
#include <shlobj.h>

#include "common/shell32_function.h"
#include "common/wide_text.h"
#include "ui/win32/folder_tree.h"
#include "ui/win32/readable_font.h"

// The portable chooser logic uses copies of these shell and file constants.
static_assert(kMaxPath == MAX_PATH && kCsidlDrives == CSIDL_DRIVES);
static_assert(kBffmInitialized == BFFM_INITIALIZED && kBffmSelChanged == BFFM_SELCHANGED);
static_assert(kBffmSetStatusTextA == BFFM_SETSTATUSTEXTA && kBffmSetSelectionA == BFFM_SETSELECTIONA);
static_assert(kFileAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY && kInvalidFileAttributes == INVALID_FILE_ATTRIBUTES);
static_assert(kBifReturnOnlyFsDirs == BIF_RETURNONLYFSDIRS && kBifDontGoBelowDomain == BIF_DONTGOBELOWDOMAIN);
static_assert(kBifStatusText == BIF_STATUSTEXT && kBifReturnFsAncestors == BIF_RETURNFSANCESTORS);
static_assert(kBifBrowseForComputer == BIF_BROWSEFORCOMPUTER && kBifBrowseForPrinter == BIF_BROWSEFORPRINTER);
static_assert(kWmNextDlgCtl == WM_NEXTDLGCTL);


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

// The browser's title and status line (the shell's control identifiers).
constexpr int kBrowserTitleId = 14146;
constexpr int kBrowserStatusId = 14147;

// What the browser's callback needs: the chooser's settings and its title,
// and the face for the title and status line, alive while the browser is open.
struct TBrowseCall {
    const TBrowseInfo& Info;
    const std::wstring& Title;
    TFont Font;
};

// When the browser opens, its title and status line take a face that draws
// the title where the dialog's own font does not (Japanese on an English
// system); the status line shows folder paths in the same face.
void UseReadableFont(HWND dialog, TBrowseCall& call) {
    HWND title = ::GetDlgItem(dialog, kBrowserTitleId);
    const auto current = reinterpret_cast<HFONT>(::SendMessageW(title ? title : dialog, WM_GETFONT, 0, 0));
    LOGFONTW designed{};
    if (!current || !GetObjectW(current, sizeof designed, &designed)) return;
    call.Font = CreateReadableFont(designed, call.Title + PrintableAscii());
    for (const int id : {kBrowserTitleId, kBrowserStatusId}) {
        if (HWND control = ::GetDlgItem(dialog, id))
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(call.Font.Get()), TRUE);
    }
}

// The browser calls back with the platform's calling convention; this hands
// the call on to the chooser's own callback.
int CALLBACK BrowseTrampoline(HWND dialog, UINT message, LPARAM param, LPARAM data) {
    auto& call = *reinterpret_cast<TBrowseCall*>(data);
    if (message == BFFM_INITIALIZED) UseReadableFont(dialog, call);
    if (call.Info.Callback == nullptr) return 0;
    return call.Info.Callback(dialog, message, param, call.Info.Data);
}

// A path (or a display name) in the ANSI code page into a buffer of kMaxPath
// bytes. A character the code page lacks comes out as kUnnamableCharacter; a
// path too long for the buffer fills it without its zero, so that the chooser
// refuses it for its length.
void CopyAnsiPath(const wchar_t* wide, char* path) {
    std::string ansi;
    ExactSystemText(wide, ansi);
    std::memcpy(path, ansi.c_str(), std::min(ansi.size() + 1, kMaxPath));
}

class TSystemFolderShell final : public IFolderShell {
public:
    IShellAllocator* SHGetMalloc() override {
        IMalloc* malloc = nullptr;
        const auto getMalloc = Shell32Function<decltype(&::SHGetMalloc)>("SHGetMalloc");
        if (!getMalloc || FAILED(getMalloc(&malloc)) || malloc == nullptr) return nullptr;
        auto* allocator = new (std::nothrow) TShellMalloc(malloc);
        if (allocator == nullptr) malloc->Release();
        return allocator;
    }

    std::int32_t SHGetSpecialFolderLocation(TWindowHandle owner, std::int32_t folder, TItemIdList& list) override {
        LPITEMIDLIST found = nullptr;
        const auto location = Shell32Function<decltype(&::SHGetSpecialFolderLocation)>("SHGetSpecialFolderLocation");
        if (!location) return E_NOTIMPL;
        const HRESULT result = location(static_cast<HWND>(owner), folder, &found);
        if (SUCCEEDED(result)) list = found;
        return result;
    }

    TItemIdList SHBrowseForFolderA(TBrowseInfo& info) override {
        const std::wstring title = ProgramText(info.Title ? info.Title : "");
        wchar_t displayName[kMaxPath] = {};
        BROWSEINFOW browse{};
        browse.hwndOwner = static_cast<HWND>(info.Owner);
        browse.pidlRoot = static_cast<LPCITEMIDLIST>(info.Root);
        browse.pszDisplayName = displayName;
        browse.lpszTitle = title.c_str();
        browse.ulFlags = info.Flags;
        TBrowseCall call{info, title, TFont()};
        browse.lpfn = &BrowseTrampoline;
        browse.lParam = reinterpret_cast<LPARAM>(&call);
        const auto browseForFolder = Shell32Function<decltype(&::SHBrowseForFolderW)>("SHBrowseForFolderW");
        LPITEMIDLIST chosen = browseForFolder ? browseForFolder(&browse) : nullptr;
        info.Image = browse.iImage;
        if (info.DisplayName != nullptr) CopyAnsiPath(displayName, info.DisplayName);
        return chosen;
    }

    bool SHGetPathFromIDListA(TItemIdList list, char* path) override {
        wchar_t wide[kMaxPath] = {};
        const auto pathFromList = Shell32Function<decltype(&::SHGetPathFromIDListW)>("SHGetPathFromIDListW");
        if (!pathFromList || !pathFromList(static_cast<LPCITEMIDLIST>(list), wide)) return false;
        CopyAnsiPath(wide, path);
        return true;
    }

    // The browser's text messages go in their wide form, the path converted
    // from the ANSI code page; every other message goes as it is.
    std::intptr_t SendMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override {
        const bool pathText = message == kBffmSetStatusTextA || (message == kBffmSetSelectionA && wParam != 0);
        if (!pathText) return ::SendMessageW(static_cast<HWND>(window), message, wParam, lParam);
        const std::wstring text = SystemText(reinterpret_cast<const char*>(lParam));
        const UINT wide = message == kBffmSetStatusTextA ? BFFM_SETSTATUSTEXTW : BFFM_SETSELECTIONW;
        const LRESULT result = ::SendMessageW(static_cast<HWND>(window), wide, wParam,
                                              reinterpret_cast<LPARAM>(text.c_str()));
        // Made certain by name: the browser's own walk misses a folder written to meanwhile.
        if (wide == BFFM_SETSELECTIONW)
            SelectFolderInTree(::GetDlgItem(static_cast<HWND>(window), kBrowserTreeId), text);
        return result;
    }

    void PostMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override {
        ::PostMessageW(static_cast<HWND>(window), message, wParam, lParam);
    }

    std::uint32_t GetFileAttributesA(const char* path) override { return ::GetFileAttributesA(path); }

    TWindowHandle GetDlgItem(TWindowHandle dialog, std::int32_t id) override {
        return ::GetDlgItem(static_cast<HWND>(dialog), id);
    }
};

}  // namespace

IFolderShell& SystemFolderShell() {
    static TSystemFolderShell shell;
    return shell;
}
