// Builds game folders for the command-line tests.
#include "cli/sample_game.h"

#include <algorithm>
#include <stdexcept>

#include "cli/run_program.h"
#include "common/paths.h"

void MakeSampleGame(const std::string& folder) {
    const TProgramResult result = RunProgram(KASUMIRO_SAMPLE_TOOL_PATH, {folder});
    if (result.ExitCode != 0) throw std::runtime_error("make-sample-game failed: " + result.Err);
}

std::string OfficerFileBytes(const std::vector<std::string>& names, int count) {
    const auto nameOf = [&names](std::int32_t i) {
        return i < static_cast<std::int32_t>(names.size()) ? names[i] : std::string("\x8E\x52\x93\x63   \x91\xBE   ");
    };
    return OfficerFileBytes(count, nameOf, 0);
}

std::vector<int> DifferingNames(const std::string& scenarioFile, const std::string& saveFile) {
    std::vector<int> indexes;
    const int count = static_cast<int>(std::min(scenarioFile.size(), saveFile.size()) / kOfficerRecordSize);
    for (int i = 0; i < count; ++i) {
        if (NameAt(scenarioFile, i) != NameAt(saveFile, i)) indexes.push_back(i);
    }
    return indexes;
}

std::string SubFolder(const std::string& folder, const std::string& part) { return folder + part + kPathSeparator; }
