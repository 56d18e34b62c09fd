// TQtFolderChooser: a QFileDialog for folders, its side bar's Wine places
// named by their origin.
#include "ui/qt/qt_folder_chooser.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileDialog>
#include <QHash>
#include <QListView>
#include <QUrl>

#include <sys/stat.h>

#include <cstdlib>
#include <vector>

#include "ui/qt/qt_text.h"
#include "ui/qt/wine_prefixes.h"

namespace {

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
    for (const TWineDrive& drive : drives)
        names.insert(QUrl::fromLocalFile(ToQString(drive.Path)), ToQString(drive.Name));
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

std::optional<std::string> TQtFolderChooser::ChooseFolder(const std::string& title, const std::string& start) {
    QFileDialog dialog(owner_ && owner_->isVisible() ? owner_ : nullptr, ToQString(title));
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
    struct stat status {};
    if (::stat(start.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) dialog.setDirectory(ToQString(start));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FromQString(QDir::cleanPath(dialog.selectedFiles().constFirst()));
}
