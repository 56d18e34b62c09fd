// TQtFolderChooser: a QFileDialog for folders in Japanese, its side bar's
// places found on another thread, its name column as wide as its names, and
// a folder without the scenario kept only when the player says so.
#include "ui/qt/qt_folder_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTreeView>

#include <sys/stat.h>

#include <algorithm>
#include <optional>

#include "common/paths.h"
#include "ui/box_description.h"
#include "ui/qt/chooser_places.h"
#include "ui/qt/chooser_texts.h"
#include "ui/qt/qt_text.h"
#include "ui/window_fit.h"

namespace {

// A title bar and frame as on Windows at 96 dpi, the window manager's being
// unknown before the first show.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 27;
// Set once the side bar gave up room for the names of the list.
constexpr char kSideBarShrunk[] = "kasumiroSideBarShrunk";

// Asks whether to keep a folder without NEW.DAT; いいえ is the default.
bool KeepFolderWithoutScenario(QWidget* parent, const QString& folder) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kConfirmationTitle),
                    folder + QStringLiteral(": NEW.DAT がありません. このフォルダを使いますか?"), QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

class TFolderDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        const QString folder = chosen.isEmpty() ? QString() : QDir::cleanPath(chosen.constFirst());
        if (!folder.isEmpty() && QFileInfo(folder).isDir() &&
            !QFileInfo(folder + QLatin1Char('/') + QLatin1String(kScenarioFolderName)).isDir() &&
            !KeepFolderWithoutScenario(this, folder)) {
            return;
        }
        QFileDialog::accept();
    }
};

QRect AvailableArea(const QWidget& dialog) {
    const QScreen* screen = dialog.parentWidget() ? dialog.parentWidget()->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The widest of a list's names with its icon, measured from the texts: the
// list's own measure sees only the rows laid out, none while it is narrow.
int NameWidth(const QListView& list) {
    const QAbstractItemModel* model = list.model();
    const QFontMetrics metrics(list.font());
    int widest = 0;
    for (int row = 0; model && row < model->rowCount(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(model->index(row, 0).data().toString()));
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return std::max(list.sizeHintForColumn(0), widest + list.iconSize().width() + 8 * margin);
}

// The side bar as wide as its longest name (a place is named for the user
// to tell it from the others), up to a third of the screen; less by lessBy,
// down to a sixth, when the folder list needs the room (the dialog shown).
// Whether its width changed.
bool FitSideBar(QFileDialog& dialog, int lessBy = 0) {
    auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    if (!sidebar || !splitter || splitter->count() != 2) return false;
    const int scrollBar = sidebar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sidebar);
    const int third = AvailableArea(dialog).width() / 3;
    const int needed = std::min(NameWidth(*sidebar) + 2 * sidebar->frameWidth() + scrollBar, third);
    const QList<int> sizes = splitter->sizes();
    if (lessBy <= 0) {
        // Qt gives the side bar the width of the last dialog once shown.
        sidebar->setMinimumWidth(needed);
        if (sizes[0] < needed && dialog.isVisible() && !dialog.property(kSideBarShrunk).toBool())
            splitter->setSizes({needed, sizes[0] + sizes[1] - needed});
        return false;
    }
    const int side = std::max(third / 2, std::min(needed, sizes[0]) - lessBy);
    sidebar->setMinimumWidth(side);
    dialog.setProperty(kSideBarShrunk, true);
    splitter->setSizes({side, sizes[0] + sizes[1] - side});
    return side != sizes[0];
}

// The list's name column as wide as the longest name in view, the others
// as wide as their contents: the dialog grows for them within the screen,
// then the side bar gives up room, and the name column takes what is left.
void FitColumns(QFileDialog& dialog) {
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!list) return;
    QHeaderView* header = list->header();
    // QTreeView hides the measure (the rows in view) that its base class offers.
    const QAbstractItemView& view = *list;
    header->setStretchLastSection(false);
    int others = 0;
    for (int column = 1; column < header->count(); ++column) {
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        if (!header->isSectionHidden(column))
            others += std::max(header->sectionSize(column), view.sizeHintForColumn(column));
    }
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    const int name = view.sizeHintForColumn(0);
    const int lacking = name + others - list->viewport()->width();
    const QRect area = AvailableArea(dialog);
    // One change a pass, then the pass again once the layout has followed it.
    if (lacking > 0 && dialog.isVisible() && area.isValid()) {
        const int width = std::min(dialog.width() + lacking, area.width() - kFrameWidth);
        if (width > dialog.width()) {
            const TBounds placed = FitWindowToArea(
                TBounds{dialog.x(), dialog.y(), width + kFrameWidth, dialog.height() + kFrameHeight},
                TBounds{area.x(), area.y(), area.width(), area.height()});
            dialog.setGeometry(placed.Left, placed.Top, width, dialog.height());
        } else if (!FitSideBar(dialog, lacking)) {
            return header->resizeSection(0, name);
        }
        QMetaObject::invokeMethod(
            &dialog, [&dialog] { FitColumns(dialog); }, Qt::QueuedConnection);
        return;
    }
    header->resizeSection(0, std::max(name, list->viewport()->width() - others));
}

// Sized to its contents, but never beyond the available area of the screen
// it opens on, and placed within that area, centred on its owner or on the
// screen.
void FitToScreen(QFileDialog& dialog, const QWidget* owner) {
    const QRect area = AvailableArea(dialog);
    if (!area.isValid()) return;
    FitSideBar(dialog);
    const QSize room(area.width() - kFrameWidth, area.height() - kFrameHeight);
    const QSize size = dialog.sizeHint().expandedTo(dialog.minimumSizeHint()).boundedTo(room);
    dialog.resize(size);
    const QPoint centre = owner ? owner->frameGeometry().center() : area.center();
    const TBounds placed = FitWindowToArea(TBounds{centre.x() - size.width() / 2, centre.y() - size.height() / 2,
                                                   size.width() + kFrameWidth, size.height() + kFrameHeight},
                                           TBounds{area.x(), area.y(), area.width(), area.height()});
    dialog.move(placed.Left, placed.Top);
}

// The name column fitted again whenever the names in view can change.
void KeepColumnsFitted(QFileDialog& dialog) {
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* files = dialog.findChild<QFileSystemModel*>();
    if (!list) return;
    const auto fit = [&dialog] {
        FitSideBar(dialog);
        FitColumns(dialog);
    };
    if (files) QObject::connect(files, &QFileSystemModel::directoryLoaded, &dialog, fit, Qt::QueuedConnection);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, fit, Qt::QueuedConnection);
    QObject::connect(list->verticalScrollBar(), &QScrollBar::valueChanged, &dialog, fit);
    QMetaObject::invokeMethod(&dialog, fit, Qt::QueuedConnection);
}

}  // namespace

std::optional<std::string> TQtFolderChooser::ChooseFolder(const std::string& title, const std::string& start) {
    TFolderDialog dialog(owner_ && owner_->isVisible() ? owner_ : nullptr, ToQString(title));
    dialog.setObjectName(QStringLiteral("FolderDialog1"));
    // Qt's own dialog everywhere: only it shows the side-bar places and hidden folders.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setFilter(QDir::AllDirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Drives);
    SetJapaneseChooserTexts(dialog);
    dialog.setDirectory(QDir::homePath());
    struct stat status {};
    const bool startsInFolder = ::stat(start.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
    if (startsInFolder) dialog.setDirectory(ToQString(start));
    TChooserPlaces places(dialog, !startsInFolder, [&dialog] { FitSideBar(dialog); });
    FitToScreen(dialog, dialog.parentWidget());
    KeepColumnsFitted(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FromQString(QDir::cleanPath(dialog.selectedFiles().constFirst()));
}
