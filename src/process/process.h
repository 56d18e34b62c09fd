// The rewrite of a save slot's officer names from the scenario's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/paths.h"
#include "process/officer_file.h"

// One record's name change, as a rewrite plans it or a restore would make it:
// the row every front end shows (the dry run's line, the preview's table).
struct TOfficerNameChange {
    std::int32_t Index;
    std::string CurrentName;  // the save's 12 name bytes (CP932)
    std::string NewName;      // the 12 bytes a rewrite (or restore) would store
};

// The suffix "嗣" in CP932, on every platform.
inline constexpr char kOfficerNameSuffix[] = "\x8E\x6B";

// The new name for a scenario name N of 12 bytes: 10 to 12 bytes, never
// ending in half a double-byte character.
std::string BuildNewOfficerName(std::string_view scenarioName);

// Puts a built name into a record's 12 name bytes, padded with 0x00.
void StoreOfficerName(TOfficerRecord& record, std::string_view builtName);

// Walks records 0 to 1999 of both officer files and writes back every save
// record whose name differs from the scenario's. Both folders end in a
// separator; the file name is appended as is. Raises EInOutError at the first
// failing file operation; the files opened so far are closed before the error
// leaves. Shows nothing: the caller reports the completion (kRewriteDoneText).
// The error's message is the code's text alone, as the Windows program shows
// it, or with WithPath "PATH: text", naming the file that failed.
enum class TErrorNaming { CodeOnly, WithPath };
void RewriteOfficerNames(const std::string& scenarioFolder, const std::string& saveFolder,
                         TErrorNaming naming = TErrorNaming::CodeOnly);

// What the window's box and the command line say once a rewrite is done.
inline constexpr char kRewriteDoneText[] = "データを書き換えました.";


// The largest officer file read whole (the game's has 76,000 bytes).
inline constexpr std::size_t kMaxOfficerFileSize = std::size_t{1} << 20;

// The changes a rewrite would make, from both officer files' bytes as read
// from scenarioPath and savePath (named in the short-file error, code 100).
std::vector<TOfficerNameChange> PlanOfficerNameChanges(const std::string& scenario, const std::string& save,
                                                       const std::string& scenarioPath, const std::string& savePath);

// Reads both officer files whole, once each and for reading only, and plans
// (the dry run and the preview). Errors name the file.
std::vector<TOfficerNameChange> PlanOfficerNameRewrite(const std::string& scenarioFolder,
                                                       const std::string& saveFolder);
