// The backup folder's layout: game and slot folders, numbered backups with
// their records, the verified ones newest first, pruning and cleaning up.
#include "backup/backup_folder.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "backup/backup_record.h"
#include "backup/sha256.h"
#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/paths.h"
#include "common/system_text.h"
#include "process/process.h"

namespace {

constexpr std::size_t kTailLength = 40;     // bytes of the game folder's name kept readable
constexpr std::size_t kPathHashLength = 8;  // hex digits of the path's hash
constexpr std::size_t kMaxNumberDigits = 12;
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS
constexpr char kBackupSuffix[] = ".BIN";
constexpr char kRecordSuffix[] = ".TXT";
constexpr char kTemporarySuffix[] = ".tmp";
constexpr char kNameOutOfRangeText[] = "番号か時刻が範囲を超えています";
constexpr char kNoDataFolderText[] = ": 環境変数が設定されていないか, 使えないパスです";

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The game folder's last name, with characters that are no good in a file
// name replaced, cut at a character's end after kTailLength bytes.
std::string ReadableTail(const std::string& absoluteGameFolder) {
    const std::string folder = WithoutTrailingSeparators(absoluteGameFolder);
    const std::vector<std::size_t> separators = PathSeparators(folder);
    const std::size_t start = separators.empty() ? 0 : separators.back() + 1;
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

// Whether a stem has the form of a backup's, "N-YYYYMMDD-HHMMSS", whatever
// the count of N's digits: the names this store makes or once made.
bool IsStoreStem(const std::string& stem) {
    const std::size_t dash = stem.find('-');
    const std::size_t at = dash + 1;
    return dash != std::string::npos && IsDigits(stem, 0, dash) && stem.size() == at + kStampLength &&
           IsDigits(stem, at, 8) && stem[at + 8] == '-' && IsDigits(stem, at + 9, 6);
}

// The number and time of a backup's stem; false for other names and for
// numbers of more digits than any backup takes.
bool ParseBackupStem(const std::string& stem, TSaveBackup& backup) {
    const std::size_t dash = stem.find('-');
    if (!IsStoreStem(stem) || dash > kMaxNumberDigits) return false;
    const std::size_t at = dash + 1;
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

// The local time as YYYYMMDD-HHMMSS; "" when the system cannot say it.
std::string StampNow() {
    const std::time_t now = std::time(nullptr);
    // The backups are made on one thread, so the shared result is safe here.
    const std::tm* shared = std::localtime(&now);  // NOLINT(concurrency-mt-unsafe)
    if (shared == nullptr) return "";
    const std::tm local = *shared;
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return stamp;
}

// The record of a backup, when it parses and names this store's game and slot.
bool ReadVerifiedRecord(const TSlotStore& store, const std::string& backupPath, TBackupRecord& record) {
    try {
        return ParseBackupRecord(ReadWholeFile(BackupRecordPath(backupPath), kMaxOfficerFileSize), record) &&
               record.GameFolder == store.GameFolder && record.SlotName == store.SlotName;
    } catch (const EInOutError&) {
        return false;
    }
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

TSlotStore SlotStoreOf(const std::string& gameFolder, const std::string& slotName) {
    RequireGameFolder(gameFolder);
    const std::string data = UserDataFolder();
    if (data.empty()) {
        const std::string variable = kUserDataVariable;
        throw Exception(variable + kNoDataFolderText, TTextSpan{0, variable.size()});
    }
    TSlotStore store{"", AbsoluteGameFolder(gameFolder), slotName};
    store.Folder = SlotBackupFolder(data + "backups" + kPathSeparator, store.GameFolder, slotName);
    return store;
}

std::vector<TSaveBackup> VerifiedBackups(const TSlotStore& store) {
    const std::vector<std::string> names = FolderEntries(store.Folder);
    std::vector<TSaveBackup> backups;
    for (const std::string& name : names) {
        const std::string stem = StemOf(name, kBackupSuffix);
        TSaveBackup backup;
        if (stem.empty() || !ParseBackupStem(stem, backup)) continue;
        if (std::find(names.begin(), names.end(), stem + kRecordSuffix) == names.end()) continue;
        backup.Path = store.Folder + name;
        // Only a regular file of the size its record states is a copy at all.
        if (ReadVerifiedRecord(store, backup.Path, backup.Record) &&
            RegularFileSize(backup.Path) == static_cast<std::int64_t>(backup.Record.Size))
            backups.push_back(backup);
    }
    std::sort(backups.begin(), backups.end(), [](const auto& a, const auto& b) { return a.Number > b.Number; });
    return backups;
}

std::string BackupRecordPath(const std::string& backupPath) {
    return StemOf(backupPath, kBackupSuffix) + kRecordSuffix;
}

TSaveBackup ClaimNewBackup(const TSlotStore& store, const std::vector<TSaveBackup>& verified) {
    const std::string stamp = StampNow();
    for (std::uint64_t number = verified.empty() ? 1 : verified.front().Number + 1;; ++number) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%06llu-", static_cast<unsigned long long>(number));
        const std::string stem = digits + stamp;
        TSaveBackup backup;
        backup.Path = store.Folder + stem + kBackupSuffix;
        // A name that would not be listed again is never made.
        if (!ParseBackupStem(stem, backup) || backup.Number != number)
            throw EInOutError(kErrorInvalidParameter, backup.Path, kNameOutOfRangeText);
        if (CreateFileExclusively(backup.Path)) return backup;
    }
}

TSaveBackup StoreNewBackup(const TSlotStore& store, std::vector<TSaveBackup>& verified, const std::string& bytes,
                           const TBackupRecord& record) {
    TSaveBackup backup = ClaimNewBackup(store, verified);
    backup.Record = record;
    backup.Record.GameFolder = store.GameFolder;
    backup.Record.SlotName = store.SlotName;
    backup.Record.Time = backup.Time;
    backup.Record.Size = bytes.size();
    backup.Record.BackupHash = Sha256Hex(bytes);
    const std::string recordText = BackupRecordText(backup.Record);
    const std::string recordPath = BackupRecordPath(backup.Path);
    try {
        // The copy before its record: a crash between leaves a copy without a record, a leftover.
        ReplaceFilesDurably({{backup.Path, backup.Path + kTemporarySuffix, &bytes},
                             {recordPath, recordPath + kTemporarySuffix, &recordText}},
                            TNewFileOwner::PrivateToUser);
    } catch (...) {
        // Nothing claimed stays behind, not even the empty file of a full disk.
        RemoveFileQuietly(recordPath);
        RemoveFileQuietly(backup.Path);
        throw;
    }
    verified.insert(verified.begin(), backup);
    PruneBackups(verified);
    return backup;
}

void RemoveBackup(const TSaveBackup& backup) {
    RemoveFileQuietly(BackupRecordPath(backup.Path));
    RemoveFileQuietly(backup.Path);
}

void PruneBackups(const std::vector<TSaveBackup>& newestFirst) {
    // The last one listed is the oldest: it stays.
    for (std::size_t i = kBackupsKept; i + 1 < newestFirst.size(); ++i) RemoveBackup(newestFirst[i]);
}

void RemoveLeftovers(const TSlotStore& store, const std::vector<TSaveBackup>& verified) {
    for (const std::string& name : FolderEntries(store.Folder)) {
        const bool temporary = EndsWith(name, kTemporarySuffix);
        const std::string file = temporary ? StemOf(name, kTemporarySuffix) : name;
        std::string stem = StemOf(file, kBackupSuffix);
        if (stem.empty()) stem = StemOf(file, kRecordSuffix);
        if (!temporary && !IsStoreStem(stem)) continue;
        const std::string backupPath = store.Folder + stem + kBackupSuffix;
        const bool counts = std::any_of(verified.begin(), verified.end(),
                                        [&](const TSaveBackup& backup) { return backup.Path == backupPath; });
        const std::string path = store.Folder + name;
        if ((temporary || !counts) && PathKindOf(path) == TPathKind::File &&
            SecondsSinceWritten(path) >= kLeftoverAgeSeconds)
            RemoveFileQuietly(path);
    }
}
