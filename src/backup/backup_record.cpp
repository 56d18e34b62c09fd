// The backup record's lines: escaped values, each key exactly once, the
// plan as "INDEX:NAME" in hexadecimal; and the save checked against it.
#include "backup/backup_record.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <string_view>

#include "backup/sha256.h"
#include "process/officer_file.h"

namespace {

constexpr std::size_t kHashLength = 64;
constexpr std::size_t kMaxSizeDigits = 12;
constexpr std::size_t kNameBytes = sizeof(TOfficerRecord::OfficerName);
constexpr std::size_t kNameOffset = offsetof(TOfficerRecord, OfficerName);
constexpr char kFormatLine[] = "kasumiro-backup 3";
// save-sha256 in place of the plan: an earlier version's record, or a save
// kept before a forced restore.
constexpr char kEarlierFormatLine[] = "kasumiro-backup 2";
constexpr char kHexDigits[] = "0123456789abcdef";

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

bool Unescaped(std::string_view text, std::string& value) {
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

bool IsHex(std::string_view text, std::size_t length) {
    return text.size() == length && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

bool IsHash(std::string_view text) { return IsHex(text, kHashLength); }

bool IsDigits(std::string_view text, std::size_t maxDigits) {
    return !text.empty() && text.size() <= maxDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string PlanText(const std::vector<TPlannedName>& plan) {
    std::string text;
    text.reserve(plan.size() * (6 + 2 * kNameBytes));  // "INDEX:" and the hex name, each
    for (const TPlannedName& planned : plan) {
        if (!text.empty()) text += ' ';
        text += std::to_string(planned.Index);
        text += ':';
        std::size_t at = text.size();
        text.resize(at + 2 * planned.Name.size());
        for (const char c : planned.Name) {
            const auto b = static_cast<unsigned char>(c);
            text[at++] = kHexDigits[b >> 4];
            text[at++] = kHexDigits[b & 0x0F];
        }
    }
    return text;
}

// The value of a lowercase hex digit, or -1.
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// One "INDEX:NAME" entry of a plan: up to 4 digits, a colon, 24 hex digits.
bool ParsePlanEntry(std::string_view entry, TPlannedName& planned) {
    const std::size_t colon = entry.find(':');
    if (colon == 0 || colon > 4 || entry.size() != colon + 1 + 2 * kNameBytes) return false;
    planned.Index = 0;
    for (std::size_t i = 0; i < colon; ++i) {
        if (entry[i] < '0' || entry[i] > '9') return false;
        planned.Index = planned.Index * 10 + (entry[i] - '0');
    }
    planned.Name.resize(kNameBytes);
    for (std::size_t i = 0; i < kNameBytes; ++i) {
        const int high = HexValue(entry[colon + 1 + 2 * i]);
        const int low = HexValue(entry[colon + 2 + 2 * i]);
        if (high < 0 || low < 0) return false;
        planned.Name[i] = static_cast<char>(high * 16 + low);
    }
    return planned.Index < kOfficerCount;
}

// The plan of its text: indexes of the officer file's records, 12 name bytes
// each; read in place, as a record may hold a thousand of them.
bool ParsePlan(std::string_view text, std::vector<TPlannedName>& plan) {
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        TPlannedName planned;
        if (!ParsePlanEntry(text.substr(start, end - start), planned)) return false;
        plan.push_back(std::move(planned));
        start = end + 1;
    }
    return true;
}

// The lines after the format line as key and raw value, and whether the
// format is the earlier one; false on a line without "=", a key given twice
// or a text not ending in a line end.
// Views into the record's text: its plan line may be long, and is not copied.
using TRecordValues = std::map<std::string_view, std::string_view, std::less<>>;

bool SplitLines(std::string_view text, TRecordValues& values, bool& earlier) {
    std::string first = std::string(kFormatLine) + '\n';
    earlier = text.rfind(std::string(kEarlierFormatLine) + '\n', 0) == 0;
    if (earlier) first = std::string(kEarlierFormatLine) + '\n';
    if (text.rfind(first, 0) != 0 || text.back() != '\n') return false;
    for (std::size_t start = first.size(); start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = text.substr(start, end - start);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return false;
        if (!values.emplace(line.substr(0, equals), line.substr(equals + 1)).second) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

std::string BackupRecordText(const TBackupRecord& record) {
    // A record without a plan holds the hash of the save its operation left.
    const bool earlier = !record.SaveHash.empty();
    return std::string(earlier ? kEarlierFormatLine : kFormatLine) + "\ngame=" + Escaped(record.GameFolder) +
           "\nslot=" + Escaped(record.SlotName) + "\ntime=" + Escaped(record.Time) +
           "\nsize=" + std::to_string(record.Size) + "\nbackup-sha256=" + record.BackupHash +
           (earlier ? "\nsave-sha256=" + record.SaveHash : "\nplan=" + PlanText(record.Plan)) + '\n';
}

bool ParseBackupRecord(const std::string& text, TBackupRecord& record) {
    TRecordValues values;
    bool earlier = false;
    if (text.empty() || !SplitLines(text, values, earlier)) return false;
    const char* last = earlier ? "save-sha256" : "plan";
    for (const char* key : {"game", "slot", "time", "size", "backup-sha256", last}) {
        if (values.count(key) == 0) return false;
    }
    if (values.size() != 6 || !IsDigits(values["size"], kMaxSizeDigits) || !IsHash(values["backup-sha256"]))
        return false;
    record = TBackupRecord{};
    if (earlier ? !IsHash(values[last]) : !ParsePlan(values[last], record.Plan)) return false;
    if (earlier) record.SaveHash = values[last];
    record.Size = std::stoull(std::string(values["size"]));
    record.BackupHash = values["backup-sha256"];
    return Unescaped(values["game"], record.GameFolder) && Unescaped(values["slot"], record.SlotName) &&
           Unescaped(values["time"], record.Time);
}

bool IsRewriteOf(const std::string& save, const std::string& backup, const TBackupRecord& record) {
    if (!record.SaveHash.empty()) return Sha256Hex(save) == record.SaveHash;
    if (save.size() != backup.size()) return false;
    // Each name byte that is a planned one gets the backup's byte back, so
    // that a name torn by a power cut (half old, half new) counts too; the
    // rewrite's own save is then the backup itself.
    std::string undone = save;
    for (const TPlannedName& planned : record.Plan) {
        const std::size_t at = static_cast<std::size_t>(planned.Index) * kOfficerRecordSize + kNameOffset;
        if (at + kNameBytes > save.size()) continue;
        for (std::size_t i = 0; i < kNameBytes; ++i) {
            if (save[at + i] == planned.Name[i]) undone[at + i] = backup[at + i];
        }
    }
    return undone == backup;
}

std::string PlannedSave(const std::string& backup, const TBackupRecord& record) {
    std::string save = backup;
    for (const TPlannedName& planned : record.Plan) {
        const std::size_t at = static_cast<std::size_t>(planned.Index) * kOfficerRecordSize + kNameOffset;
        if (at + kNameBytes <= save.size()) save.replace(at, kNameBytes, planned.Name);
    }
    return save;
}
