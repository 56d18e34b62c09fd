// The settings file on Linux: our own reader and writer of the INI text. A
// write replaces the whole file atomically under a lock, so it is never left
// cut short and two writers never lose each other's keys.
#include "settings/ini_file.h"

#include "common/errors.h"
#include "settings/ini_file_io_posix.h"
#include "settings/ini_text.h"

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

// Nothing is held between calls, so there is nothing left to write out.
TIniFile::~TIniFile() { UpdateFile(); }

void TIniFile::UpdateFile() {}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    // A file that cannot be read gives the default, as a missing one does.
    std::optional<std::string> bytes;
    try {
        bytes = ReadSettingsFile(fileName_);
    } catch (const Exception&) {
        return defaultValue;
    }
    if (!bytes) return defaultValue;
    auto value = IniTextLookup(*bytes, section, key);
    if (!value) return defaultValue;
    if (value->size() > kMaxIniValueLength) value->resize(kMaxIniValueLength);
    return *value;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    try {
        AssignSettingsKey(fileName_, section, key, value);
    } catch (const Exception& error) {
        RaiseWriteRefused(error.Message());
    }
}
