// Builds game folders for the command-line tests.
#include "cli/sample_game.h"

#include <algorithm>
#include <stdexcept>

#include "cli/run_program.h"
#include "common/path_separator.h"

namespace {
constexpr int kRecordSize = 38;
constexpr int kNameOffset = 6;
constexpr int kNameSize = 12;
}  // namespace

void MakeSampleGame(const std::string& folder) {
    const TProgramResult result = RunProgram(KASUMIRO_SAMPLE_TOOL_PATH, {folder});
    if (result.ExitCode != 0) throw std::runtime_error("make-sample-game failed: " + result.Err);
}

std::string OfficerFileBytes(const std::vector<std::string>& names, int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        std::string record(kRecordSize, '\0');
        for (int k = 0; k < kRecordSize; ++k) record[k] = static_cast<char>((i * 7 + k * 13) & 0xFF);
        const std::string name = i < static_cast<int>(names.size()) ? names[i] : std::string("\x8E\x52\x93\x63   \x91\xBE   ");
        record.replace(kNameOffset, kNameSize, name.substr(0, kNameSize));
        bytes += record;
    }
    return bytes;
}

std::string NameAt(const std::string& officerFile, int index) {
    return officerFile.substr(static_cast<std::size_t>(index) * kRecordSize + kNameOffset, kNameSize);
}

std::vector<int> DifferingNames(const std::string& scenarioFile, const std::string& saveFile) {
    std::vector<int> indexes;
    const int count = static_cast<int>(std::min(scenarioFile.size(), saveFile.size()) / kRecordSize);
    for (int i = 0; i < count; ++i) {
        if (NameAt(scenarioFile, i) != NameAt(saveFile, i)) indexes.push_back(i);
    }
    return indexes;
}

std::string SubFolder(const std::string& folder, const std::string& part) { return folder + part + kPathSeparator; }
