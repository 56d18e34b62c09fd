// The backup record's lines: escaped values, each key exactly once.
#include "backup/backup_record.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

constexpr std::size_t kHashLength = 64;
constexpr std::size_t kMaxSizeDigits = 12;
constexpr char kFormatLine[] = "kasumiro-backup 2";

std::string Escaped(const std::string& value) {
    std::string text;
    for (const char c : value) {
        if (c == '\\') {
            text += "\\\\";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\r') {
            text += "\\r";
        } else {
            text += c;
        }
    }
    return text;
}

bool Unescaped(const std::string& text, std::string& value) {
    value.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            value += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        const char c = text[i];
        if (c != '\\' && c != 'n' && c != 'r') return false;
        value += c == 'n' ? '\n' : c == 'r' ? '\r' : '\\';
    }
    return true;
}

bool IsHash(const std::string& text) {
    return text.size() == kHashLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

bool IsSize(const std::string& text) {
    return !text.empty() && text.size() <= kMaxSizeDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The lines after the format line as key and raw value; false on a line
// without "=", a key given twice or a text not ending in a line end.
bool SplitLines(const std::string& text, std::map<std::string, std::string>& values) {
    const std::string first = std::string(kFormatLine) + '\n';
    if (text.rfind(first, 0) != 0 || text.back() != '\n') return false;
    for (std::size_t start = first.size(); start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) return false;
        if (!values.emplace(line.substr(0, equals), line.substr(equals + 1)).second) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

std::string BackupRecordText(const TBackupRecord& record) {
    return std::string(kFormatLine) + "\ngame=" + Escaped(record.GameFolder) + "\nslot=" + Escaped(record.SlotName) +
           "\ntime=" + Escaped(record.Time) + "\nsize=" + std::to_string(record.Size) +
           "\nbackup-sha256=" + record.BackupHash + "\nsave-sha256=" + record.SaveHash + '\n';
}

bool ParseBackupRecord(const std::string& text, TBackupRecord& record) {
    std::map<std::string, std::string> values;
    if (!SplitLines(text, values)) return false;
    const std::array<const char*, 6> keys = {"game", "slot", "time", "size", "backup-sha256", "save-sha256"};
    if (values.size() != keys.size()) return false;
    for (const char* key : keys) {
        if (values.count(key) == 0) return false;
    }
    if (!IsSize(values["size"]) || !IsHash(values["backup-sha256"]) || !IsHash(values["save-sha256"])) return false;
    record.Size = std::stoull(values["size"]);
    record.BackupHash = values["backup-sha256"];
    record.SaveHash = values["save-sha256"];
    return Unescaped(values["game"], record.GameFolder) && Unescaped(values["slot"], record.SlotName) &&
           Unescaped(values["time"], record.Time);
}
