// Item lists are blocks from the allocator holding a path and its zero byte;
// the root (the computer) holds an empty path, which has no file-system path.
#include "ui/qt/qt_folder_shell.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileDialog>
#include <QHash>
#include <QListView>
#include <QUrl>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ui/qt/qt_text.h"
#include "ui/qt/wine_prefixes.h"

namespace {

class TMallocAllocator final : public IShellAllocator {
public:
    void* Alloc(std::size_t size) override { return std::malloc(size); }
    void Free(void* block) override { std::free(block); }
    void Release() override {}
};

TMallocAllocator& Allocator() {
    static TMallocAllocator allocator;
    return allocator;
}

std::vector<TWineDrive> WineDrives() {
    const char* home = std::getenv("HOME");
    const char* prefix = std::getenv("WINEPREFIX");
    return WineDriveFolders(home ? home : "", prefix ? prefix : "");
}

// The side bar names a place by its folder's name, which is "drive_c" for
// every prefix; each Wine place is renamed by its origin instead, again
// whenever the side bar refreshes or re-adds a place. Its model
// keeps each entry's URL in the role after Qt::UserRole.
void NameWineDrives(QFileDialog& dialog, const std::vector<TWineDrive>& drives) {
    auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    QAbstractItemModel* model = sidebar ? sidebar->model() : nullptr;
    if (!model) return;
    QHash<QUrl, QString> names;
    for (const TWineDrive& drive : drives) names.insert(QUrl::fromLocalFile(ToQString(drive.Path)), ToQString(drive.Name));
    const auto rename = [model, names] {
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, 0);
            const auto name = names.constFind(index.data(Qt::UserRole + 1).toUrl());
            if (name != names.constEnd() && index.data().toString() != *name) model->setData(index, *name);
        }
    };
    QObject::connect(model, &QAbstractItemModel::dataChanged, &dialog, rename);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &dialog, rename);
    QObject::connect(model, &QAbstractItemModel::modelReset, &dialog, rename);
    rename();
}

}  // namespace

IShellAllocator* TQtFolderShell::SHGetMalloc() { return &Allocator(); }

std::int32_t TQtFolderShell::SHGetSpecialFolderLocation(TWindowHandle, std::int32_t, TItemIdList& list) {
    list = NewItemList(QString());
    return list ? 0 : -1;
}

TItemIdList TQtFolderShell::NewItemList(const QString& path) {
    const std::string bytes = FromQString(path);
    auto* block = static_cast<char*>(Allocator().Alloc(bytes.size() + 1));
    if (block) std::memcpy(block, bytes.c_str(), bytes.size() + 1);
    return block;
}

TItemIdList TQtFolderShell::SHBrowseForFolderA(TBrowseInfo& info) {
    auto* owner = static_cast<QWidget*>(info.Owner);
    QFileDialog dialog(owner && owner->isVisible() ? owner : nullptr, ToQString(info.Title ? info.Title : ""));
    dialog.setObjectName(QStringLiteral("FolderDialog1"));
    // Qt's own dialog everywhere: only it shows the side-bar places and hidden folders.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setFilter(QDir::AllDirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Drives);
    const std::vector<TWineDrive> drives = WineDrives();
    // Qt keeps the side bar of the last dialog in its settings: Wine places
    // from then, some perhaps gone since, are dropped and found afresh.
    QList<QUrl> places = dialog.sidebarUrls();
    places.removeIf([](const QUrl& url) { return url.fileName() == QLatin1String("drive_c"); });
    for (const TWineDrive& drive : drives) places.append(QUrl::fromLocalFile(ToQString(drive.Path)));
    dialog.setSidebarUrls(places);
    NameWineDrives(dialog, drives);
    dialog.setDirectory(QDir::homePath());
    QObject::connect(&dialog, &QFileDialog::currentChanged, &dialog, [this, &info, &dialog](const QString& path) {
        TItemIdList selected = NewItemList(path);
        if (info.Callback) info.Callback(&dialog, kBffmSelChanged, reinterpret_cast<std::intptr_t>(selected), info.Data);
        Allocator().Free(selected);
    });
    open_ = &dialog;
    if (info.Callback) info.Callback(&dialog, kBffmInitialized, 0, info.Data);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    open_ = nullptr;
    if (!confirmed || dialog.selectedFiles().isEmpty()) return nullptr;
    return NewItemList(QDir::cleanPath(dialog.selectedFiles().constFirst()));
}

bool TQtFolderShell::SHGetPathFromIDListA(TItemIdList list, char* path) {
    if (!list) return false;
    const char* text = static_cast<const char*>(list);
    const std::size_t length = std::strlen(text);
    if (length == 0) return false;  // the computer: no file-system path
    // A path too long for the buffer fills it without its zero.
    std::memcpy(path, text, std::min(length + 1, kMaxPath));
    return true;
}

// The dialog's selection follows BFFM_SETSELECTIONA; it has no status line,
// its file name field already shows the selected folder.
std::intptr_t TQtFolderShell::SendMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t,
                                           std::intptr_t lParam) {
    if (message == kBffmSetSelectionA && open_ && window == open_) {
        open_->setDirectory(ToQString(reinterpret_cast<const char*>(lParam)));
    }
    return 0;
}

// Qt's dialog enables its own accept button for every folder, so the
// browser's enable-OK request has nothing left to do.
void TQtFolderShell::PostMessageA(TWindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {}

std::uint32_t TQtFolderShell::GetFileAttributesA(const char* path) {
    struct stat status {};
    if (!path || ::stat(path, &status) != 0) return kInvalidFileAttributes;
    constexpr std::uint32_t kFileAttributeNormal = 0x80;
    return S_ISDIR(status.st_mode) ? kFileAttributeDirectory : kFileAttributeNormal;
}

TWindowHandle TQtFolderShell::GetDlgItem(TWindowHandle, std::int32_t) { return nullptr; }
