// The change list as a table: names cleaned for the screen, the columns as
// wide as their widest entry.
#include "ui/qt/change_list_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStringList>
#include <QTreeWidget>

#include "common/system_text.h"
#include "ui/qt/qt_text.h"

QString ChangeListName(const std::string& name) {
    const std::size_t end = name.find_last_not_of('\0');
    return ToQString(SjisToReadableText(name.substr(0, end == std::string::npos ? 0 : end + 1), TByteEscape::Angle));
}

void ShowChangeList(QTreeWidget& view, const std::vector<TOfficerNameChange>& rows, const QString& newHeading,
                    const QString& accessibleName) {
    view.clear();
    view.setAccessibleName(accessibleName);
    view.setColumnCount(3);
    view.setHeaderLabels({QStringLiteral("番号"), QStringLiteral("今の名前"), newHeading});
    view.setRootIsDecorated(false);
    view.setUniformRowHeights(true);
    view.headerItem()->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    for (const TOfficerNameChange& row : rows) {
        auto* item = new QTreeWidgetItem(&view, QStringList{QString::number(row.Index), ChangeListName(row.CurrentName),
                                                            ChangeListName(row.NewName)});
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    }
    QHeaderView* header = view.header();
    header->setStretchLastSection(true);
    int width = 2 * view.frameWidth() + view.verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < 3; ++column) {
        view.resizeColumnToContents(column);
        width += view.columnWidth(column);
    }
    view.setMinimumWidth(width);
}
