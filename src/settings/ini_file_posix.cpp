// The settings file on Linux: our own reader and writer of the INI text. A
// write replaces the whole file atomically under a lock, so it is never left
// cut short and two writers never lose each other's keys.
#include "settings/ini_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include "settings/ini_file_io_posix.h"
#include "settings/ini_text.h"

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

// Nothing is held between calls, so there is nothing left to write out.
TIniFile::~TIniFile() { UpdateFile(); }

void TIniFile::UpdateFile() {}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    // A file that cannot be read gives the default, as a missing one does.
    const TFileRead file = ReadRegularFile(fileName_);
    if (file.Status != TReadStatus::Read) return defaultValue;
    auto value = IniTextLookup(file.Bytes, section, key);
    if (!value) return defaultValue;
    if (value->size() > kMaxIniValueLength) value->resize(kMaxIniValueLength);
    return *value;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    const std::string target = FollowLinks(fileName_);
    // Something other than a regular file at the path is refused before a
    // lock file is made beside it (a link to a device must not make one there).
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) RaiseWriteRefused();

    TSettingsLock lock;
    if (!lock.Take(target)) RaiseWriteRefused();
    const TFileRead old = ReadRegularFile(target);
    if (old.Status == TReadStatus::Refused) RaiseWriteRefused();
    const bool exists = old.Status == TReadStatus::Read;
    // A file without write permission is read-only, even for the superuser.
    if (exists &&
        (::stat(target.c_str(), &info) != 0 || (info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        RaiseWriteRefused();

    const std::string updated = IniTextAssign(old.Bytes, section, key, value);
    if (!ReplaceFile(target, updated)) RaiseWriteRefused();
}
