// The change list as a table: names cleaned for the screen, the columns as
// wide as their widest entry.
#include "ui/qt/change_list_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStringList>
#include <QTreeWidget>

#include <sstream>

#include "ui/qt/qt_text.h"

namespace {

constexpr char kNulEscape[] = "\\x00";
constexpr std::size_t kEscapeLength = 4;

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

bool IsEscapeAt(const std::string& name, std::size_t at) {
    return at + kEscapeLength <= name.size() && name[at] == '\\' && name[at + 1] == 'x' && IsHexDigit(name[at + 2]) &&
           IsHexDigit(name[at + 3]);
}

}  // namespace

QString ChangeListName(const std::string& name) {
    std::string text = name;
    while (text.size() >= kEscapeLength && text.compare(text.size() - kEscapeLength, kEscapeLength, kNulEscape) == 0)
        text.resize(text.size() - kEscapeLength);
    std::string shown;
    for (std::size_t at = 0; at < text.size();) {
        if (IsEscapeAt(text, at)) {
            shown += '<' + text.substr(at + 2, 2) + '>';
            at += kEscapeLength;
        } else {
            shown += text[at++];
        }
    }
    return ToQString(shown);
}

void ShowChangeList(QTreeWidget& view, const std::string& details) {
    view.setAccessibleName(QStringLiteral("書き換える名前の一覧"));
    view.setColumnCount(3);
    view.setHeaderLabels({QStringLiteral("番号"), QStringLiteral("今の名前"), QStringLiteral("新しい名前")});
    view.setRootIsDecorated(false);
    view.setUniformRowHeights(true);
    view.headerItem()->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    std::istringstream lines(details);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        const QStringList row = second == std::string::npos
                                    ? QStringList{QString(), ToQString(line), QString()}
                                    : QStringList{ToQString(line.substr(0, first)),
                                                  ChangeListName(line.substr(first + 1, second - first - 1)),
                                                  ChangeListName(line.substr(second + 1))};
        auto* item = new QTreeWidgetItem(&view, row);
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
