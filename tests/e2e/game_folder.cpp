// Builds the synthetic game data and handles files byte for byte through Win32.
#include "e2e/game_folder.h"

#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace e2e {
namespace {

struct TNameCase {
    const char* Scenario;  // 12 name bytes in the scenario
    const char* Stored;    // 12 name bytes the rewrite stores into a differing save record
};

// Both name layouts (a given name after a separating space, and no separator)
// with space and zero padding.
const TNameCase kNameCases[] = {
    {"\x8E\x52\x93\x63\x20\x20\x20\x91\xBE\x98\x59\x20", "\x8E\x52\x93\x63\x20\x20\x91\xBE\x98\x59\x8E\x6B"},
    {"\x8E\x52\x93\x63\x20\x20\x20\x91\xBE\x20\x20\x20", "\x8E\x52\x93\x63\x20\x20\x20\x20\x91\xBE\x8E\x6B"},
    {"\x8E\x52\x93\x63\x91\xBE\x98\x59\x20\x20\x20\x20", "\x8E\x52\x93\x63\x91\xBE\x98\x59\x20\x8E\x6B\x00"},
    {"\x8E\x52\x93\x63\x20\x20\x20\x00\x00\x00\x00\x00", "\x8E\x52\x93\x63\x20\x20\x20\x20\x20\x20\x8E\x6B"},
};
constexpr int kNameCaseCount = sizeof(kNameCases) / sizeof(kNameCases[0]);
const char kTrailer[] = "after the last record";

std::string Name(const char* bytes) { return std::string(bytes, 12); }

const TNameCase& CaseOf(int index) { return kNameCases[(index / 2) % kNameCaseCount]; }
bool NameDiffers(int index) { return index % 2 == 0; }

// A record with the given name and filler bytes that tell records and files apart.
std::string Record(int index, const std::string& name, char fileMark) {
    std::string record;
    for (int i = 0; i < 6; ++i) record += static_cast<char>(fileMark + (index + i) % 7);
    record += name;
    for (int i = 0; i < 20; ++i) record += static_cast<char>((index * 31 + i + fileMark) & 0xFF);
    return record;
}

// A differing save name: the scenario's with its padding byte changed.
std::string DifferingName(std::string name) {
    name[11] = name[11] == '\0' ? ' ' : '\0';
    return name;
}

std::string SaveFile(bool rewritten) {
    std::string file;
    for (int i = 0; i < kOfficerCount; ++i) {
        const TNameCase& names = CaseOf(i);
        std::string name = Name(names.Scenario);
        if (NameDiffers(i)) name = rewritten ? Name(names.Stored) : DifferingName(name);
        file += Record(i, name, 'a');
    }
    return file + kTrailer;
}

}  // namespace

TTestFolder::TTestFolder() {
    static unsigned counter = 0;
    std::string base;
    if (const char* root = std::getenv("KASUMIRO_E2E_ROOT"); root && *root) {
        base = root;
    } else {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof(temp), temp);
        base = temp;
    }
    if (!base.empty() && base.back() != '\\') base += '\\';
    // The shell reports drive letters in upper case; paths compared with its answers must match.
    if (base.size() >= 2 && base[1] == ':')
        base[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(base[0])));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = base + "kasumiro-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(GetTickCount()) + "-" + std::to_string(counter++);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
    }
    throw std::runtime_error("cannot make a test folder under " + base);
}

TTestFolder::~TTestFolder() { RemoveTree(path_); }

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) throw std::runtime_error("cannot write " + path);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    const BOOL ok = bytes.empty() || ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok || read != bytes.size()) return std::nullopt;
    return bytes;
}

std::string ShownDate(const TSlotTime& time) {
    static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    const std::string year = std::to_string(time.Year);
    const std::string day = std::to_string(time.Day);
    if (GetACP() == 932) return year + "年" + std::to_string(time.Month) + "月" + day + "日";
    return std::string(kMonths[time.Month - 1]) + " " + day + ", " + year;
}

void MakeFolder(const std::string& path) {
    if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        throw std::runtime_error("cannot make folder " + path);
    }
}

void RemoveTree(const std::string& path) {
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = folder + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

void SetLastWriteTime(const std::string& path, const TSlotTime& t) {
    const SYSTEMTIME local{static_cast<WORD>(t.Year), static_cast<WORD>(t.Month), 0, static_cast<WORD>(t.Day),
                           static_cast<WORD>(t.Hour), static_cast<WORD>(t.Minute), 0, 0};
    FILETIME localTime{}, utc{};
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    const BOOL ok = SetFileTime(file, nullptr, nullptr, &utc);
    CloseHandle(file);
    if (!ok) throw std::runtime_error("cannot set the time of " + path);
}

bool ReadOnlyIsEnforced(const std::string& folder) {
    const std::string probe = folder + "read-only-probe";
    WriteFileBytes(probe, "x");
    SetFileAttributesA(probe.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool refused = file == INVALID_HANDLE_VALUE;
    if (!refused) CloseHandle(file);
    SetFileAttributesA(probe.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(probe.c_str());
    return refused;
}

std::string ScenarioOfficerFile() {
    std::string file;
    for (int i = 0; i < kOfficerCount; ++i) file += Record(i, Name(CaseOf(i).Scenario), 'A');
    return file;
}

std::string SaveOfficerFile() { return SaveFile(false); }
std::string RewrittenSaveOfficerFile() { return SaveFile(true); }

std::string SlotFolder(const std::string& gameDir, int slotIndex) {
    return gameDir + "LOG" + std::to_string(slotIndex + 1) + ".DAT\\";
}

void MakeGameFolder(const std::string& gameDir, const TSlotTimes& slots) {
    MakeFolder(gameDir);
    MakeFolder(gameDir + "NEW.DAT");
    WriteFileBytes(gameDir + "NEW.DAT\\BUSYO21.BIN", ScenarioOfficerFile());
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string folder = SlotFolder(gameDir, slot);
        MakeFolder(folder);
        WriteFileBytes(folder + "BUSYO21.BIN", SaveOfficerFile());
        if (slot < static_cast<int>(slots.size()) && slots[slot]) {
            WriteFileBytes(folder + "SYSTEM.BIN", std::string(64, '\x01'));
            SetLastWriteTime(folder + "SYSTEM.BIN", *slots[slot]);
        }
    }
}

std::string FileDifference(const std::optional<std::string>& expected, const std::optional<std::string>& actual) {
    if (!expected && !actual) return {};
    if (!actual) return "the file is missing or unreadable";
    if (!expected) return "the file exists but should not";
    size_t at = 0;
    while (at < expected->size() && at < actual->size() && (*expected)[at] == (*actual)[at]) ++at;
    if (at == expected->size() && at == actual->size()) return {};
    return "expected " + std::to_string(expected->size()) + " bytes, found " + std::to_string(actual->size()) +
           "; first difference at byte " + std::to_string(at) + " (record " + std::to_string(at / kRecordSize) +
           ", offset " + std::to_string(at % kRecordSize) + ")";
}

std::string SettingsText(const std::string& baseDir, int saveData) {
    return "[Kasumiro]\r\nBaseDir=" + baseDir + "\r\nSaveData=" + std::to_string(saveData) + "\r\n";
}

std::vector<std::string> SettingsLines(const std::string& iniPath) {
    std::vector<std::string> lines;
    std::istringstream text(ReadFileBytes(iniPath).value_or(""));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace e2e
