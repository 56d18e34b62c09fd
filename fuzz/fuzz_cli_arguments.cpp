// Fuzz target: kasumiro-cli's argument parser, on up to six arguments drawn
// from the input, often from the words it knows.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "common/paths.h"
#include "fuzz_check.h"

namespace {

const char* const kWords[] = {"rewrite", "slots",  "backups", "restore",   "--dry-run", "--no-backup",
                              "--force", "--help", "-h",      "--version", "--",        "1",
                              "5",       "6",      "",        "places"};

bool IsOneOf(const std::string& value, const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == value) return true;
    }
    return false;
}

void CheckParsed(const TCliArguments& parsed, const std::vector<std::string>& args) {
    FUZZ_CHECK(parsed.Problem.empty() == (parsed.Command != TCliCommand::Usage));
    if (parsed.Command != TCliCommand::Rewrite && parsed.Command != TCliCommand::Slots) return;
    FUZZ_CHECK(!parsed.GameFolder.empty() && IsOneOf(parsed.GameFolder, args));
    const std::string path = GameFolderPath(parsed.GameFolder);
    FUZZ_CHECK(path.compare(0, parsed.GameFolder.size(), parsed.GameFolder) == 0);
    FUZZ_CHECK(path.size() <= parsed.GameFolder.size() + 1);
    FUZZ_CHECK(path.back() == kPathSeparator || path.back() == '/');
    if (parsed.Command == TCliCommand::Rewrite) {
        FUZZ_CHECK(parsed.Slot >= 1 && parsed.Slot <= 5);
        FUZZ_CHECK(SaveSlotName(parsed.Slot) == "LOG" + std::to_string(parsed.Slot) + ".DAT");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<std::string> args(input.ConsumeIntegralInRange<std::size_t>(0, 6));
    for (std::string& arg : args) {
        arg = input.ConsumeBool() ? std::string(input.PickValueInArray(kWords)) : input.ConsumeRandomLengthString(32);
    }
    CheckParsed(ParseCliArguments(args), args);
    return 0;
}
