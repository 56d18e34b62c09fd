// The backup folder's layout: game and slot folders, time-named backups with
// their records, listing newest first and keeping the newest few.
#include "process/backup_store.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "common/errors.h"
#include "common/game_paths.h"
#include "common/path_separator.h"
#include "common/system_text.h"
#include "process/backup_files.h"
#include "process/sha256.h"

namespace {

constexpr std::size_t kTailLength = 40;     // bytes of the game folder's name kept readable
constexpr std::size_t kPathHashLength = 8;  // hex digits of the path's hash
constexpr std::size_t kStampLength = 15;    // YYYYMMDD-HHMMSS
constexpr char kBackupSuffix[] = ".BIN";
constexpr char kRecordSuffix[] = ".TXT";
constexpr char kHashKey[] = "sha256=";

bool IsSeparator(char c) { return c == kPathSeparator || c == '/'; }

[[noreturn]] void RaiseBackupFailed(const std::string& path) {
    const std::string prefix = kBackupFailedText;
    throw Exception(prefix + path, TTextSpan{prefix.size(), path.size()});
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

// For a backup's file name, its stamp and clash number (1 without "-n"); false for other names.
bool ParseBackupName(const std::string& name, std::string& stamp, int& number) {
    const std::string suffix = kBackupSuffix;
    if (name.size() < kStampLength + suffix.size() ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    if (!IsDigits(name, 0, 8) || name[8] != '-' || !IsDigits(name, 9, 6)) return false;
    stamp = name.substr(0, kStampLength);
    const std::size_t end = name.size() - suffix.size();
    if (end == kStampLength) {
        number = 1;
        return true;
    }
    const std::size_t digits = end - kStampLength - 1;
    if (name[kStampLength] != '-' || digits > 4 || !IsDigits(name, kStampLength + 1, digits)) return false;
    number = std::stoi(name.substr(kStampLength + 1, digits));
    return number >= 2;
}

std::string TimeOfStamp(const std::string& stamp) {
    return stamp.substr(0, 4) + '-' + stamp.substr(4, 2) + '-' + stamp.substr(6, 2) + ' ' + stamp.substr(9, 2) + ':' +
           stamp.substr(11, 2) + ':' + stamp.substr(13, 2);
}

std::string StampNow() {
    const TLocalTime t = LocalTimeNow();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second);
    return stamp;
}

// A new name for the stamp: stamp, stamp-2, stamp-3, ..., always after the
// stamp's numbers in use, so that a name freed by deleting an old backup is
// never taken again by a newer one within the same second.
std::string FreeBackupStem(const std::string& folder, const std::string& stamp) {
    int highest = 0;
    for (const std::string& name : FolderEntries(folder)) {
        std::string existing;
        int number = 0;
        if (ParseBackupName(name, existing, number) && existing == stamp) highest = std::max(highest, number);
    }
    for (int number = highest + 1;; ++number) {
        std::string stem = number == 1 ? stamp : stamp + '-' + std::to_string(number);
        if (!PathExists(folder + stem + kBackupSuffix) && !PathExists(folder + stem + kRecordSuffix)) return stem;
    }
}

void DeleteBeyondKept(const std::string& folder) {
    const std::vector<TSaveBackup> backups = BackupsInFolder(folder);
    for (std::size_t i = kBackupsKept; i < backups.size(); ++i) {
        RemoveFileQuietly(backups[i].Path);
        RemoveFileQuietly(BackupRecordPath(backups[i].Path));
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

std::string SlotBackupFolderOf(const std::string& gameFolder, const std::string& slotName) {
    const std::string root = BackupRootFolder();
    if (root.empty()) RaiseBackupFailed("kasumiro/backups");
    return SlotBackupFolder(root, AbsoluteGameFolder(gameFolder), slotName);
}

std::vector<TSaveBackup> BackupsInFolder(const std::string& folder) {
    std::vector<std::tuple<std::string, int, std::string>> found;  // stamp, number, name
    for (const std::string& name : FolderEntries(folder)) {
        std::string stamp;
        int number = 0;
        if (ParseBackupName(name, stamp, number)) found.emplace_back(stamp, number, name);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    std::vector<TSaveBackup> backups;
    backups.reserve(found.size());
    for (const auto& [stamp, number, name] : found) backups.push_back({folder + name, TimeOfStamp(stamp)});
    return backups;
}

std::string BackupRecordPath(const std::string& backupPath) {
    const std::string suffix = kBackupSuffix;
    return backupPath.substr(0, backupPath.size() - suffix.size()) + kRecordSuffix;
}

std::string BackupRecordText(const std::string& gameFolder, const std::string& slotName, const std::string& time,
                             const std::string& saveHash) {
    return "game=" + gameFolder + "\nslot=" + slotName + "\ntime=" + time + '\n' + kHashKey + saveHash + '\n';
}

std::string SaveHashOfRecord(const std::string& recordText) {
    const std::string key = std::string("\n") + kHashKey;
    const std::size_t at = ("\n" + recordText).find(key);
    if (at == std::string::npos) return "";
    const std::size_t start = at + key.size() - 1;
    const std::size_t end = recordText.find_first_of("\r\n", start);
    return recordText.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TSaveBackup StoreBackup(const std::string& folder, const std::string& gameFolder, const std::string& slotName,
                        const std::string& saveBytes, const std::string& rewrittenHash) {
    try {
        MakeFolders(folder);
    } catch (const Exception&) {
        RaiseBackupFailed(folder);
    }
    const std::string stem = FreeBackupStem(folder, StampNow());
    TSaveBackup backup{folder + stem + kBackupSuffix, TimeOfStamp(stem.substr(0, kStampLength))};
    try {
        ReplaceFileDurably(backup.Path, folder + stem + ".BIN.tmp", saveBytes);
        const std::string record = BackupRecordText(gameFolder, slotName, backup.Time, rewrittenHash);
        ReplaceFileDurably(BackupRecordPath(backup.Path), folder + stem + ".TXT.tmp", record);
    } catch (const Exception&) {
        RemoveFileQuietly(backup.Path);  // a backup without its record could never be restored
        RaiseBackupFailed(backup.Path);
    }
    DeleteBeyondKept(folder);
    return backup;
}
