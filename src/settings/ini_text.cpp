// Reading and editing INI text in memory, line by line.
#include "settings/ini_text.h"

#include <vector>

#include "common/ascii_text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A'; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

enum class TLineKind { Blank, Section, Key, Other };

// One line of the file: where it starts, its length without the line end,
// the length of its line end, and what it holds.
struct TLine {
    std::size_t Start = 0;
    std::size_t Length = 0;
    std::size_t EndLength = 0;
    TLineKind Kind = TLineKind::Other;
    std::string_view Name;       // section or key name
    std::size_t ValueStart = 0;  // key lines: offset in the file where the value starts
    std::size_t EqualsEnd = 0;   // key lines: offset in the file just after the "="
    std::string_view Value;      // key lines: the value, blanks dropped
};

TLine ParseLine(std::string_view content, std::size_t start, std::size_t length, std::size_t endLength) {
    TLine line;
    line.Start = start;
    line.Length = length;
    line.EndLength = endLength;
    std::string_view text = content.substr(start, length);
    // A UTF-8 byte order mark before the first line is not part of it.
    if (start == 0 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty()) {
        line.Kind = TLineKind::Blank;
    } else if (trimmed.front() == '[') {
        const std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.Kind = TLineKind::Section;
            line.Name = trimmed.substr(1, close - 1);
        }
    } else if (trimmed.front() != ';') {
        const std::size_t equals = trimmed.find('=');
        if (equals != std::string_view::npos) {
            line.Kind = TLineKind::Key;
            line.Name = Trim(trimmed.substr(0, equals));
            std::string_view rest = trimmed.substr(equals + 1);
            line.EqualsEnd = static_cast<std::size_t>(rest.data() - content.data());
            while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
            line.ValueStart = static_cast<std::size_t>(rest.data() - content.data());
            line.Value = rest;
        }
    }
    return line;
}

std::vector<TLine> SplitLines(std::string_view content) {
    std::vector<TLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t newline = content.find('\n', start);
        std::size_t length = (newline == std::string_view::npos ? content.size() : newline) - start;
        std::size_t endLength = newline == std::string_view::npos ? 0 : 1;
        if (endLength == 1 && length > 0 && content[start + length - 1] == '\r') {
            --length;
            ++endLength;
        }
        lines.push_back(ParseLine(content, start, length, endLength));
        start += length + endLength;
    }
    return lines;
}

// Where the section's lines are: the header's index and one past its last line.
struct TSectionRange {
    std::size_t Header;
    std::size_t End;
};

std::optional<TSectionRange> FindSection(const std::vector<TLine>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].Kind != TLineKind::Section || !SameName(lines[i].Name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && lines[end].Kind != TLineKind::Section) ++end;
        return TSectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<TLine>& lines, const TSectionRange& range, std::string_view key) {
    for (std::size_t i = range.Header + 1; i < range.End; ++i) {
        if (lines[i].Kind == TLineKind::Key && SameName(lines[i].Name, key)) return i;
    }
    return std::nullopt;
}

// New lines end like the file's first line, or in CR LF in a file without any.
std::string_view LineEndOf(const std::vector<TLine>& lines) {
    for (const TLine& line : lines) {
        if (line.EndLength == 2) return "\r\n";
        if (line.EndLength == 1) return "\n";
    }
    return "\r\n";
}

}  // namespace

std::optional<std::string> IniTextLookup(std::string_view content, std::string_view section, std::string_view key) {
    const std::vector<TLine> lines = SplitLines(content);
    const auto range = FindSection(lines, section);
    if (!range) return std::nullopt;
    const auto index = FindKey(lines, *range, key);
    if (!index) return std::nullopt;
    std::string_view value = lines[*index].Value;
    if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::string IniTextAssign(std::string_view content, std::string_view section, std::string_view key,
                          std::string_view value) {
    const std::vector<TLine> lines = SplitLines(content);
    const std::string_view lineEnd = LineEndOf(lines);
    const auto range = FindSection(lines, section);

    std::string result;
    if (range) {
        if (const auto index = FindKey(lines, *range, key)) {
            // Replace the value in its line; the key as spelled and the line end stay.
            // An empty value takes the blanks after "=" with it, as the profile
            // functions write "key=": kept, they would read as trailing blanks
            // and go at the next write, so writing twice would differ.
            const TLine& line = lines[*index];
            result.append(content.substr(0, value.empty() ? line.EqualsEnd : line.ValueStart));
            result.append(value);
            result.append(content.substr(line.Start + line.Length));
            return result;
        }
        // Append after the last non-blank line of the section.
        std::size_t last = range->End - 1;
        while (last > range->Header && lines[last].Kind == TLineKind::Blank) --last;
        const TLine& after = lines[last];
        const std::size_t insertAt = after.Start + after.Length + after.EndLength;
        result.append(content.substr(0, insertAt));
        if (after.EndLength == 0) result.append(lineEnd);
        result.append(key).append("=").append(value).append(lineEnd);
        result.append(content.substr(insertAt));
        return result;
    }

    result.append(content);
    if (!lines.empty() && lines.back().EndLength == 0) result.append(lineEnd);
    result.append("[").append(section).append("]").append(lineEnd);
    result.append(key).append("=").append(value).append(lineEnd);
    return result;
}
