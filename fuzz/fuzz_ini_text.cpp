// Fuzz target: the INI text reader and writer. A value written with
// IniTextAssign reads back with IniTextLookup, and every other line of the
// file is kept byte for byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "settings/ini_text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A'; }

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool EndsBlank(std::string_view text) { return !text.empty() && (IsBlank(text.front()) || IsBlank(text.back())); }

// What the profile functions can store and give back unchanged: one line,
// no blanks at the ends, a key without "=" that reads as a key, and a value
// not enclosed in quotes.
bool Storable(std::string_view section, std::string_view key, std::string_view value) {
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
    if (section.find_first_of("[]") != std::string_view::npos || EndsBlank(section)) return false;
    if (key.empty() || EndsBlank(key) || key.find('=') != std::string_view::npos) return false;
    if (key.front() == ';' || key.front() == '[') return false;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return !EndsBlank(value) && !quoted;
}

// The lines of a text, each with its line end.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size() - 1) + 1;
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return lines;
}

// The old text with the line end that a write gives its unended last line.
std::string WithLastLineEnded(const std::string& before, std::string_view after) {
    if (before.empty() || before.back() == '\n' || after.substr(0, before.size()) != before) return before;
    const std::string_view added = after.substr(before.size(), 2);
    if (added == "\r\n") return before + "\r\n";
    return added.substr(0, 1) == "\n" ? before + "\n" : before;
}

// The new text differs from the old in one place only: one line replaced,
// or one key line (after a new section line, perhaps) added.
void CheckOtherLinesKept(std::string_view before, std::string_view after) {
    const auto old = Lines(before);
    const auto now = Lines(after);
    std::size_t head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head]) ++head;
    std::size_t tail = 0;
    while (tail < old.size() - head && tail < now.size() - head &&
           old[old.size() - 1 - tail] == now[now.size() - 1 - tail]) {
        ++tail;
    }
    const std::size_t oldChanged = old.size() - head - tail;
    const std::size_t newChanged = now.size() - head - tail;
    FUZZ_CHECK(oldChanged <= 1 && newChanged >= oldChanged && newChanged <= 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string content = input.ConsumeRemainingBytesAsString();

    (void)IniTextLookup(content, section, key);  // any text reads without harm
    const std::string updated = IniTextAssign(content, section, key, value);
    if (!Storable(section, key, value)) return 0;
    FUZZ_CHECK(IniTextLookup(updated, section, key) == value);
    CheckOtherLinesKept(WithLastLineEnded(content, updated), updated);
    // Writing the same value again changes nothing.
    FUZZ_CHECK(IniTextAssign(updated, section, key, value) == updated);
    return 0;
}
