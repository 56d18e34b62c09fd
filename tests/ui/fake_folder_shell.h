// A scripted folder shell for the tests: records every call in order, hands
// out item lists with or without a path, and checks that all is given back.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/win32/folder_shell.h"

struct TSentMessage {
    TWindowHandle Window;
    std::uint32_t Message;
    std::uintptr_t WParam;
    std::string Text;  // the text lParam points to
};

struct TPostedMessage {
    TWindowHandle Window;
    std::uint32_t Message;
    std::uintptr_t WParam;
    std::intptr_t LParam;
};

class TFakeFolderShell : public IFolderShell {
public:
    TFakeFolderShell();
    ~TFakeFolderShell() override;

    // Script.
    bool AllocatorAvailable = true;
    bool BufferAvailable = true;
    std::int32_t SpecialFolderResult = 0;
    // What the open browser does (it may call the callback); nullptr is Cancel.
    std::function<TItemIdList(TBrowseInfo&)> Browse;
    std::map<std::string, std::uint32_t> Attributes;  // missing: no such file
    // The browser's folder tree, as GetDlgItem gives it for kBrowserTreeId.
    TWindowHandle Tree = reinterpret_cast<TWindowHandle>(0x3741);

    // A new item list named name, with a file-system path or none.
    TItemIdList MakeItem(const std::string& name, std::optional<std::string> path);
    TItemIdList MyComputer() const { return myComputer_; }
    // The browser's answer: pressing OK on a new item with this path.
    void ChooseFolder(const std::string& path);
    void CancelBrowser();

    // Record.
    std::vector<std::string> Calls;
    std::vector<TSentMessage> Sent;
    std::vector<TPostedMessage> Posted;
    int BrowseCount = 0;
    TBrowseInfo LastInfo;
    std::string LastTitle;
    // Blocks allocated or handed out and not yet freed, plus the allocator if unreleased.
    int Outstanding() const;

    IShellAllocator* SHGetMalloc() override;
    std::int32_t SHGetSpecialFolderLocation(TWindowHandle owner, std::int32_t folder, TItemIdList& list) override;
    TItemIdList SHBrowseForFolderA(TBrowseInfo& info) override;
    bool SHGetPathFromIDListA(TItemIdList list, char* path) override;
    std::intptr_t SendMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    void PostMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    std::uint32_t GetFileAttributesA(const char* path) override;
    TWindowHandle GetDlgItem(TWindowHandle dialog, std::int32_t id) override;

private:
    class TAllocator;
    struct TItem {
        std::string Name;
        std::optional<std::string> Path;
        bool Live = false;
    };

    std::string NameOf(const void* block) const;

    std::unique_ptr<TAllocator> allocator_;
    bool allocatorOut_ = false;
    std::vector<std::unique_ptr<char[]>> storage_;
    std::map<const void*, TItem> items_;
    TItemIdList myComputer_;
};
