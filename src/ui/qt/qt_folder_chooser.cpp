// TQtFolderChooser: a QFileDialog for folders, its side bar's Wine places
// named by their origin.
#include "ui/qt/qt_folder_chooser.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHash>
#include <QHeaderView>
#include <QListView>
#include <QScreen>
#include <QStyle>
#include <QTreeView>
#include <QUrl>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "places/wine_prefixes.h"
#include "ui/qt/qt_text.h"
#include "ui/window_fit.h"

namespace {

std::vector<TPlace> WineDrives() {
    const char* home = std::getenv("HOME");
    const char* prefix = std::getenv("WINEPREFIX");
    return WineDriveFolders(home ? home : "", prefix ? prefix : "");
}

// The side bar names a place by its folder's name, which is "drive_c" for
// every prefix; each Wine place is renamed by its origin instead, again
// whenever the side bar refreshes or re-adds a place. Its model
// keeps each entry's URL in the role after Qt::UserRole.
void NameWineDrives(QFileDialog& dialog, const std::vector<TPlace>& drives) {
    auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    QAbstractItemModel* model = sidebar ? sidebar->model() : nullptr;
    if (!model) return;
    QHash<QUrl, QString> names;
    for (const TPlace& drive : drives) names.insert(QUrl::fromLocalFile(ToQString(drive.Path)), ToQString(drive.Name));
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

// The side bar as wide as its longest name (a place is named for the user
// to tell it from the others), up to a third of the screen; the list's
// columns as wide as their contents, the name column taking the rest.
void FitSideBarAndColumns(QFileDialog& dialog, const QRect& area) {
    if (auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"))) {
        const int scrollBar = sidebar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sidebar);
        const int needed = sidebar->sizeHintForColumn(0) + 2 * sidebar->frameWidth() + scrollBar;
        sidebar->setMinimumWidth(std::min(needed, area.width() / 3));
    }
    if (auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

// Sized to its contents, but never beyond the available area of the screen
// it opens on (a title bar and frame as on Windows at 96 dpi allowed for,
// the window manager's being unknown before the first show), and placed
// within that area, centred on its owner or on the screen.
void FitToScreen(QFileDialog& dialog, const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    FitSideBarAndColumns(dialog, area);
    constexpr int kFrameWidth = 8;
    constexpr int kFrameHeight = 27;
    const QSize room(area.width() - kFrameWidth, area.height() - kFrameHeight);
    const QSize size = dialog.sizeHint().expandedTo(dialog.minimumSizeHint()).boundedTo(room);
    dialog.resize(size);
    const QPoint centre = owner ? owner->frameGeometry().center() : area.center();
    const TBounds placed = FitWindowToArea(TBounds{centre.x() - size.width() / 2, centre.y() - size.height() / 2,
                                                   size.width() + kFrameWidth, size.height() + kFrameHeight},
                                           TBounds{area.x(), area.y(), area.width(), area.height()});
    dialog.move(placed.Left, placed.Top);
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
    const std::vector<TPlace> drives = WineDrives();
    // Qt keeps the side bar of the last dialog in its settings: Wine places
    // from then, some perhaps gone since, are dropped and found afresh.
    QList<QUrl> places = dialog.sidebarUrls();
    places.removeIf([](const QUrl& url) { return url.fileName() == QLatin1String("drive_c"); });
    for (const TPlace& drive : drives) places.append(QUrl::fromLocalFile(ToQString(drive.Path)));
    dialog.setSidebarUrls(places);
    NameWineDrives(dialog, drives);
    dialog.setDirectory(QDir::homePath());
    struct stat status {};
    if (::stat(start.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) dialog.setDirectory(ToQString(start));
    FitToScreen(dialog, dialog.parentWidget());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FromQString(QDir::cleanPath(dialog.selectedFiles().constFirst()));
}
