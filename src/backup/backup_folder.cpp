// The backup folder's layout: game and slot folders, numbered backups with
// their records, listing newest first, pruning and cleaning up.
#include "backup/backup_folder.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "backup/sha256.h"
#include "common/durable_file.h"
#include "common/errors.h"
#include "common/game_paths.h"
#include "common/path_separator.h"
#include "common/system_text.h"
#include "common/user_data_folder.h"

namespace {

constexpr std::size_t kTailLength = 40;     // bytes of the game folder's name kept readable
constexpr std::size_t kPathHashLength = 8;  // hex digits of the path's hash
constexpr std::size_t kMaxNumberDigits = 12;
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS
constexpr char kBackupSuffix[] = ".BIN";
constexpr char kRecordSuffix[] = ".TXT";
constexpr char kTemporarySuffix[] = ".tmp";

bool IsSeparator(char c) { return c == kPathSeparator || c == '/'; }

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The game folder's last name, with characters that are no good in a file
// name replaced, cut at a character's end after kTailLength bytes.
std::string ReadableTail(const std::string& absoluteGameFolder) {
    std::string folder = absoluteGameFolder;
    while (!folder.empty() && IsSeparator(folder.back())) folder.pop_back();
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < folder.size(); pos += SystemCharLength(folder, pos)) {
        if (IsSeparator(folder[pos])) start = pos + 1;
    }
    std::string tail;
    for (std::size_t pos = start; pos < folder.size();) {
        const std::size_t length = SystemCharLength(folder, pos);
        if (tail.size() + length > kTailLength) break;
        const char c = folder[pos];
        const bool unsafe = length == 1 && (static_cast<unsigned char>(c) < 0x20 ||
                                            std::string_view(":*?\"<>|").find(c) != std::string_view::npos);
        tail += unsafe ? std::string("_") : folder.substr(pos, length);
        pos += length;
    }
    return tail.empty() ? std::string("game") : tail;
}

bool IsDigits(const std::string& text, std::size_t from, std::size_t count) {
    if (from + count > text.size() || count == 0) return false;
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The number and time of a backup's stem "N-YYYYMMDD-HHMMSS"; false for other names.
bool ParseBackupStem(const std::string& stem, TSaveBackup& backup) {
    const std::size_t dash = stem.find('-');
    if (dash == std::string::npos || dash > kMaxNumberDigits || !IsDigits(stem, 0, dash)) return false;
    const std::size_t at = dash + 1;
    if (stem.size() != at + kStampLength || !IsDigits(stem, at, 8) || stem[at + 8] != '-' || !IsDigits(stem, at + 9, 6))
        return false;
    const std::string s = stem.substr(at);
    backup.Number = std::stoull(stem.substr(0, dash));
    backup.Time = s.substr(0, 4) + '-' + s.substr(4, 2) + '-' + s.substr(6, 2) + ' ' + s.substr(9, 2) + ':' +
                  s.substr(11, 2) + ':' + s.substr(13, 2);
    return true;
}

// The stem of a name ending in suffix, or "" when it does not.
std::string StemOf(const std::string& name, const std::string& suffix) {
    return EndsWith(name, suffix) ? name.substr(0, name.size() - suffix.size()) : std::string();
}

std::string StampNow() {
    const std::time_t now = std::time(nullptr);
    // The backups are made on one thread, so the shared result is safe here.
    const std::tm local = *std::localtime(&now);  // NOLINT(concurrency-mt-unsafe)
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return stamp;
}

// The highest number any backup, record or temporary file of the folder
// holds (names of other kinds, those of earlier versions among them, count none).
std::uint64_t HighestNumber(const std::string& folder) {
    std::uint64_t highest = 0;
    for (std::string name : FolderEntries(folder)) {
        if (EndsWith(name, kTemporarySuffix)) name.resize(name.size() - std::string_view(kTemporarySuffix).size());
        std::string stem = StemOf(name, kBackupSuffix);
        if (stem.empty()) stem = StemOf(name, kRecordSuffix);
        TSaveBackup parsed;
        if (!stem.empty() && ParseBackupStem(stem, parsed)) highest = std::max(highest, parsed.Number);
    }
    return highest;
}

}  // namespace

std::string SlotBackupFolder(const std::string& root, const std::string& absoluteGameFolder,
                             const std::string& slotName) {
    const std::string hash = Sha256Hex(absoluteGameFolder).substr(0, kPathHashLength);
    return root + ReadableTail(absoluteGameFolder) + '-' + hash + kPathSeparator + slotName + kPathSeparator;
}

std::string AbsoluteGameFolder(const std::string& gameFolder) {
    // A stored folder without its separator has the slot names joined onto
    // it as they are; that last part stays as it is.
    const std::string parent = FolderOfPath(gameFolder);
    return AbsoluteFolderPath(parent.empty() ? std::string(".") : parent) + gameFolder.substr(parent.size());
}

std::string SlotBackupFolderOf(const std::string& gameFolder, const std::string& slotName) {
    const std::string data = UserDataFolder();
    if (data.empty()) {
        const std::string prefix = kBackupFailedText;
        throw Exception(prefix + "kasumiro/backups", TTextSpan{prefix.size(), 16});
    }
    return SlotBackupFolder(data + "backups" + kPathSeparator, AbsoluteGameFolder(gameFolder), slotName);
}

std::vector<TSaveBackup> BackupsInFolder(const std::string& folder) {
    const std::vector<std::string> names = FolderEntries(folder);
    std::vector<TSaveBackup> backups;
    for (const std::string& name : names) {
        const std::string stem = StemOf(name, kBackupSuffix);
        TSaveBackup backup;
        if (stem.empty() || !ParseBackupStem(stem, backup)) continue;
        // A backup without its record is a leftover, never listed.
        if (std::find(names.begin(), names.end(), stem + kRecordSuffix) == names.end()) continue;
        backup.Path = folder + name;
        backups.push_back(backup);
    }
    std::sort(backups.begin(), backups.end(), [](const auto& a, const auto& b) { return a.Number > b.Number; });
    return backups;
}

std::string BackupRecordPath(const std::string& backupPath) {
    return StemOf(backupPath, kBackupSuffix) + kRecordSuffix;
}

TSaveBackup ClaimNewBackup(const std::string& folder) {
    const std::string stamp = StampNow();
    for (std::uint64_t number = HighestNumber(folder) + 1;; ++number) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%06llu-", static_cast<unsigned long long>(number));
        const std::string stem = digits + stamp;
        TSaveBackup backup;
        ParseBackupStem(stem, backup);
        backup.Path = folder + stem + kBackupSuffix;
        if (CreateFileExclusively(backup.Path)) return backup;
    }
}

void PruneBackups(const std::string& folder) {
    const std::vector<TSaveBackup> backups = BackupsInFolder(folder);
    // The last one listed is the oldest: it stays.
    for (std::size_t i = kBackupsKept; i + 1 < backups.size(); ++i) {
        RemoveFileQuietly(BackupRecordPath(backups[i].Path));
        RemoveFileQuietly(backups[i].Path);
    }
}

void RemoveLeftovers(const std::string& folder) {
    const std::vector<std::string> names = FolderEntries(folder);
    const auto has = [&names](const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (const std::string& name : names) {
        const std::string backupStem = StemOf(name, kBackupSuffix);
        const std::string recordStem = StemOf(name, kRecordSuffix);
        TSaveBackup parsed;
        const bool leftover =
            EndsWith(name, kTemporarySuffix) ||
            (!backupStem.empty() && ParseBackupStem(backupStem, parsed) && !has(backupStem + kRecordSuffix)) ||
            (!recordStem.empty() && ParseBackupStem(recordStem, parsed) && !has(recordStem + kBackupSuffix));
        if (leftover && PathKindOf(folder + name) == TPathKind::File &&
            SecondsSinceWritten(folder + name) >= kLeftoverAgeSeconds)
            RemoveFileQuietly(folder + name);
    }
}
