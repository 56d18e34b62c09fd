// TShellFolderBrowser: sets up the shell's folder browser, shows it and gives
// back every shell resource it took, on every path out.
#include "ui/win32/folder_browser.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "ui/frame.h"

namespace {

// The status line shows at most this many bytes of a path.
constexpr std::size_t kStatusTextBytes = 512;

// The browser flag of each option, in the order of TOption.
constexpr std::array<std::uint32_t, 6> kOptionFlags{
    kBifBrowseForComputer, kBifBrowseForPrinter, kBifDontGoBelowDomain,
    kBifReturnFsAncestors, kBifReturnOnlyFsDirs, kBifStatusText,
};

// Holds the task allocator and releases it once.
class TAllocatorHolder {
public:
    explicit TAllocatorHolder(IShellAllocator* allocator) : allocator_(allocator) {}
    ~TAllocatorHolder() {
        if (allocator_ != nullptr) allocator_->Release();
    }
    TAllocatorHolder(const TAllocatorHolder&) = delete;
    TAllocatorHolder& operator=(const TAllocatorHolder&) = delete;

    IShellAllocator* Get() const { return allocator_; }

private:
    IShellAllocator* allocator_;
};

// Holds one block (a buffer or an item list) and frees it through the allocator.
class TShellBlock {
public:
    explicit TShellBlock(IShellAllocator& allocator, void* block = nullptr) : allocator_(allocator), block_(block) {}
    ~TShellBlock() {
        if (block_ != nullptr) allocator_.Free(block_);
    }
    TShellBlock(const TShellBlock&) = delete;
    TShellBlock& operator=(const TShellBlock&) = delete;

    void* Get() const { return block_; }

private:
    IShellAllocator& allocator_;
    void* block_;
};

}  // namespace

std::uint32_t BrowseFlags(TOptions options) {
    std::uint32_t flags = 0;
    for (std::size_t member = 0; member < kOptionFlags.size(); ++member) {
        if (options.Contains(static_cast<TOption>(member))) flags |= kOptionFlags[member];
    }
    return flags;
}

TShellFolderBrowser::TShellFolderBrowser(IFolderShell& shell, std::function<TWindowHandle()> ownerWindow)
    : Directory(), Title("フォルダーの選択"), Options{ofStatusText}, shell_(shell),
      ownerWindow_(std::move(ownerWindow)) {}

std::optional<std::string> TShellFolderBrowser::ChooseFolder(const std::string& title, const std::string& start) {
    Title = title;
    Directory = start;
    if (!Execute()) return std::nullopt;
    return Directory;
}

bool TShellFolderBrowser::Execute() {
    bool result = false;
    // Without the shell's allocator nothing can be set up: treated like any
    // other set-up failure.
    TAllocatorHolder allocator(shell_.SHGetMalloc());
    if (allocator.Get() == nullptr) return false;

    // Declared in this order so that they are freed in the reverse one: the
    // returned list, the My Computer list, the buffer, then the allocator.
    TShellBlock buffer(*allocator.Get(), allocator.Get()->Alloc(kMaxPath));
    if (buffer.Get() == nullptr) return false;
    char* const path = static_cast<char*>(buffer.Get());

    const TWindowHandle owner = ownerWindow_ ? ownerWindow_() : nullptr;
    TItemIdList myComputer = nullptr;
    if (shell_.SHGetSpecialFolderLocation(owner, kCsidlDrives, myComputer) < 0) return false;
    TShellBlock rootList(*allocator.Get(), myComputer);

    TBrowseInfo info;
    info.Owner = owner;
    info.Root = RootIsDesktop ? nullptr : myComputer;
    info.DisplayName = path;
    info.Title = Title.c_str();
    info.Flags = BrowseFlags(Options);
    info.Callback = &TShellFolderBrowser::BrowseCallback;
    info.Data = reinterpret_cast<std::intptr_t>(this);

    TShellBlock chosen(*allocator.Get(), shell_.SHBrowseForFolderA(info));
    if (chosen.Get() != nullptr) {
        result = true;
        if (shell_.SHGetPathFromIDListA(chosen.Get(), path)) {
            // One that fills the whole buffer without its zero is too long,
            // and kept at kMaxPath bytes so that TFolderDialog refuses it.
            Directory.assign(path, ::strnlen(path, kMaxPath));
        }
    }
    return result;
}

std::int32_t TShellFolderBrowser::BrowseCallback(TWindowHandle dialog, std::uint32_t message, std::intptr_t param,
                                                 std::intptr_t data) noexcept {
    // Called from inside the shell's dialog: whatever is raised here is
    // reported as the window procedures report theirs, never let out.
    DispatchEvent([&] { reinterpret_cast<TShellFolderBrowser*>(data)->OnBrowserMessage(dialog, message, param); });
    return 0;
}

void TShellFolderBrowser::OnBrowserMessage(TWindowHandle dialog, std::uint32_t message, std::intptr_t param) {
    // Room for a whole path, and one more byte that stays zero; the status
    // line shows at most 512 bytes of it.
    std::array<char, std::max(kStatusTextBytes, kMaxPath) + 1> text{};
    bool hasPath = false;
    if (message == kBffmInitialized) {
        const std::uint32_t attributes = shell_.GetFileAttributesA(Directory.c_str());
        if (attributes != kInvalidFileAttributes && (attributes & kFileAttributeDirectory) != 0) {
            shell_.SendMessageA(dialog, kBffmSetSelectionA, 1, reinterpret_cast<std::intptr_t>(Directory.c_str()));
            hasPath = true;
        }
    }
    if (message == kBffmSelChanged) {
        hasPath = shell_.SHGetPathFromIDListA(reinterpret_cast<TItemIdList>(param), text.data());
        text[kStatusTextBytes] = '\0';
    }
    shell_.SendMessageA(dialog, kBffmSetStatusTextA, 0, reinterpret_cast<std::intptr_t>(text.data()));
    // With BIF_BROWSEFORCOMPUTER among the flags the shell enables OK only on
    // computers, so a folder could never be confirmed: OK is enabled here for
    // every item with a file-system path. Posted, not sent: the shell may run
    // its own check after this callback returns (Wine does), which would undo
    // a sent one at once; the posted one is handled after it. Items without a
    // path keep whatever the shell decided.
    if (hasPath) shell_.PostMessageA(dialog, kBffmEnableOk, 0, 1);
    // With the initial folder shown, the focus goes to the tree: the focus
    // mark, Enter for the default button OK and the arrow keys then all act
    // on that folder. Posted as well, after OK is enabled: the dialog sets its
    // own focus once this first callback has returned.
    if (hasPath && message == kBffmInitialized) {
        if (TWindowHandle tree = shell_.GetDlgItem(dialog, kBrowserTreeId)) {
            shell_.PostMessageA(dialog, kWmNextDlgCtl, reinterpret_cast<std::uintptr_t>(tree), 1);
        }
    }
}

void SetUpGameFolderBrowser(TShellFolderBrowser& browser) {
    browser.RootIsDesktop = false;
    browser.Options = TOptions{ofBrowseForComputer, ofReturnOnlyFSDirs, ofStatusText};
}
