// The settings file: an INI (profile) file read and written key by key. The
// object holds only the path; every read and write goes straight to the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TIniFile {
public:
    // Keeps the path only: nothing on disk is read, created or changed.
    explicit TIniFile(std::string fileName);
    // Release: calls UpdateFile once more (on Linux every write is already
    // in the file, so nothing is left to do).
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    // At most 2047 bytes of value; the default for a missing file, section or
    // key; an empty text for a key with an empty value.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t defaultValue) const;
    // Raise EIniFileException("<path> に書き込めません") when the write is
    // refused; on Linux the reason follows (": <file>: <reason>").
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
    // Asks the platform to write out what it holds of the file; never fails.
    // Windows may hold profile writes; on Linux this does nothing.
    void UpdateFile();

private:
    [[noreturn]] void RaiseWriteRefused(const std::string& reason = "") const;

    std::string fileName_;
};

// The longest value a read gives back.
inline constexpr std::size_t kMaxIniValueLength = 2047;

// Text to 32-bit integer: leading spaces, a sign, decimal digits or
// hexadecimal after "$", "x", "X", "0x" or "0X"; the default otherwise.
std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue);

// The settings file: beside the executable on Windows; on Linux
// <the user's settings folder>/<program name>.ini.
std::string SettingsFilePath();

// The Windows rule: the module path loses its last 4 bytes and gains ".ini".
std::string SettingsPathFromModulePath(const std::string& modulePath);
// The Linux rule: the executable's extension becomes ".ini", or ".ini" is
// appended when its file name has none.
std::string SettingsPathFromExecutablePath(const std::string& executablePath);
