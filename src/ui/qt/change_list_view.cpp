// The change list in aligned columns: names cleaned for the screen, tab stops
// from the widest entry of each column.
#include "ui/qt/change_list_view.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

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

void ShowChangeList(QPlainTextEdit& view, const std::string& details) {
    std::vector<std::array<QString, 3>> rows;
    std::istringstream lines(details);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) {
            rows.push_back({QString(), ToQString(line), QString()});
            continue;
        }
        rows.push_back({ToQString(line.substr(0, first)), ChangeListName(line.substr(first + 1, second - first - 1)),
                        ChangeListName(line.substr(second + 1))});
    }
    const QFontMetrics metrics(view.font());
    std::array<int, 3> widest{};
    QStringList text;
    for (const auto& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column)
            widest[column] = std::max(widest[column], metrics.horizontalAdvance(row[column]));
        text << QLatin1Char('\t') + row[0] + QLatin1Char('\t') + row[1] + QLatin1Char('\t') + row[2];
    }
    const int gap = metrics.horizontalAdvance(QStringLiteral("MM"));
    QTextOption option = view.document()->defaultTextOption();
    option.setTabs({QTextOption::Tab(widest[0], QTextOption::RightTab),
                    QTextOption::Tab(widest[0] + gap, QTextOption::LeftTab),
                    QTextOption::Tab(widest[0] + gap + widest[1] + gap, QTextOption::LeftTab)});
    view.document()->setDefaultTextOption(option);
    view.setPlainText(text.join(QLatin1Char('\n')));
}
