// Checked backup bytes and the path-naming refusals of the store.
#include "backup/backup_bytes.h"

#include "backup/sha256.h"
#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/paths.h"

std::string CheckedBackupBytes(const TSaveBackup& backup) {
    // Whatever keeps the bytes from being read (a folder, a pipe, a link, a
    // file too large) means the same to the player: the backup is damaged.
    std::string bytes;
    try {
        bytes = ReadWholeFile(backup.Path, kMaxOfficerFileSize);
    } catch (const EInOutError&) {
        RaiseWithPrefix(kBackupDamagedText, backup.Path);
    }
    if (bytes.size() != backup.Record.Size || Sha256Hex(bytes) != backup.Record.BackupHash)
        RaiseWithPrefix(kBackupDamagedText, backup.Path);
    return bytes;
}

std::string RestoreTemporaryPath(const std::string& savePath) { return savePath + ".kasumiro-restore"; }

void RemoveStaleRestoreFile(const std::string& savePath) {
    const std::string temporary = RestoreTemporaryPath(savePath);
    if (PathKindOf(temporary) != TPathKind::Missing) RemoveFile(temporary);
}

void RaiseWithPrefix(const char* prefix, const std::string& path) {
    const std::string text = prefix;
    throw Exception(text + path, TTextSpan{text.size(), path.size()});
}
