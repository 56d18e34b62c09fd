// The scripted folder shell used by the chooser's and the main window's tests.
#include "ui/fake_folder_shell.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

class TFakeFolderShell::TAllocator final : public IShellAllocator {
public:
    explicit TAllocator(TFakeFolderShell& shell) : shell_(shell) {}

    void* Alloc(std::size_t size) override {
        shell_.Calls.push_back("Alloc " + std::to_string(size));
        if (!shell_.BufferAvailable) return nullptr;
        shell_.storage_.push_back(std::make_unique<char[]>(size));
        void* block = shell_.storage_.back().get();
        shell_.items_[block] = TItem{"buffer", std::nullopt, true};
        return block;
    }

    void Free(void* block) override {
        shell_.Calls.push_back("Free " + shell_.NameOf(block));
        auto found = shell_.items_.find(block);
        if (found == shell_.items_.end() || !found->second.Live) throw std::logic_error("freed twice or unknown");
        found->second.Live = false;
    }

    void Release() override {
        shell_.Calls.emplace_back("Release");
        if (!shell_.allocatorOut_) throw std::logic_error("released twice");
        shell_.allocatorOut_ = false;
    }

private:
    TFakeFolderShell& shell_;
};

TFakeFolderShell::TFakeFolderShell()
    : allocator_(std::make_unique<TAllocator>(*this)), myComputer_(MakeItem("MyComputer", std::nullopt)) {
    CancelBrowser();
}

TFakeFolderShell::~TFakeFolderShell() = default;

TItemIdList TFakeFolderShell::MakeItem(const std::string& name, std::optional<std::string> path) {
    storage_.push_back(std::make_unique<char[]>(1));
    void* item = storage_.back().get();
    items_[item] = TItem{name, std::move(path), false};
    return item;
}

void TFakeFolderShell::ChooseFolder(const std::string& path) {
    Browse = [this, path](TBrowseInfo&) { return MakeItem("chosen", path); };
}

void TFakeFolderShell::CancelBrowser() {
    Browse = [](TBrowseInfo&) -> TItemIdList { return nullptr; };
}

int TFakeFolderShell::Outstanding() const {
    int count = allocatorOut_ ? 1 : 0;
    for (const auto& [block, item] : items_) count += item.Live ? 1 : 0;
    return count;
}

std::string TFakeFolderShell::NameOf(const void* block) const {
    auto found = items_.find(block);
    return found == items_.end() ? "unknown" : found->second.Name;
}

IShellAllocator* TFakeFolderShell::SHGetMalloc() {
    Calls.emplace_back("SHGetMalloc");
    if (!AllocatorAvailable) return nullptr;
    allocatorOut_ = true;
    return allocator_.get();
}

std::int32_t TFakeFolderShell::SHGetSpecialFolderLocation(TWindowHandle, std::int32_t folder, TItemIdList& list) {
    Calls.push_back("SHGetSpecialFolderLocation " + std::to_string(folder));
    if (SpecialFolderResult < 0) return SpecialFolderResult;
    items_[myComputer_].Live = true;
    list = myComputer_;
    return SpecialFolderResult;
}

TItemIdList TFakeFolderShell::SHBrowseForFolderA(TBrowseInfo& info) {
    Calls.emplace_back("SHBrowseForFolderA");
    ++BrowseCount;
    LastInfo = info;
    LastTitle = info.Title != nullptr ? info.Title : "";
    TItemIdList chosen = Browse(info);
    if (chosen != nullptr) items_[chosen].Live = true;
    return chosen;
}

bool TFakeFolderShell::SHGetPathFromIDListA(TItemIdList list, char* path) {
    Calls.push_back("SHGetPathFromIDListA " + NameOf(list));
    auto found = items_.find(list);
    if (found == items_.end() || !found->second.Path) {
        path[0] = '\0';
        return false;
    }
    // As the shell does: a path too long for the buffer fills it without its zero.
    const std::string& text = *found->second.Path;
    std::memcpy(path, text.c_str(), std::min(text.size() + 1, kMaxPath));
    return true;
}

std::intptr_t TFakeFolderShell::SendMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
    Sent.push_back(TSentMessage{window, message, wParam, reinterpret_cast<const char*>(lParam)});
    return 0;
}

void TFakeFolderShell::PostMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    Posted.push_back(TPostedMessage{window, message, wParam, lParam});
}

std::uint32_t TFakeFolderShell::GetFileAttributesA(const char* path) {
    auto found = Attributes.find(path);
    return found == Attributes.end() ? kInvalidFileAttributes : found->second;
}

TWindowHandle TFakeFolderShell::GetDlgItem(TWindowHandle, std::int32_t id) {
    return id == kBrowserTreeId ? Tree : nullptr;
}
