// The platform-independent parts of the settings file: integers through text
// and the refusal error.
#include "settings/ini_file.h"

#include "common/errors.h"

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                                   std::int32_t defaultValue) const {
    return StrToIntDef(ReadString(section, key, ""), defaultValue);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

// The path is the system's text, the words are the program's.
void TIniFile::RaiseWriteRefused(const std::string& reason) const {
    throw EIniFileException(fileName_ + " に書き込めません" + (reason.empty() ? "" : ": " + reason),
                            TTextSpan{0, fileName_.size()});
}
