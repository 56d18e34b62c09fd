// Synthetic officer files for the tests: records with chosen names and
// recognisable other bytes, a game folder to hold them, and a frame that
// records what it was asked to show.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "process/officer_file.h"
#include "common/frame.h"

// Bytes from a list of values, for writing names as hexadecimal.
std::string Bytes(std::initializer_list<unsigned> values);

// One 38-byte record: `name` (12 bytes) at offset 6; the other 26 bytes depend
// on the index and on `salt`, so files made with different salts differ there.
std::string RecordBytes(std::int32_t index, std::string_view name, unsigned salt);

// The 12 name bytes of record `index` of a whole file's bytes.
std::string NameAt(const std::string& fileBytes, std::int32_t index);

// The 38 bytes of record `index` of a whole file's bytes.
std::string RecordAt(const std::string& fileBytes, std::int32_t index);

// A test's game folder with a scenario folder and a save slot folder, each
// holding an officer file made by WriteOfficerFile.
struct TGameFolders {
    std::string Scenario;      // ends in the separator
    std::string Save;          // ends in the separator
    std::string ScenarioFile;  // Scenario + "BUSYO21.BIN"
    std::string SaveFile;      // Save + "BUSYO21.BIN"
};
TGameFolders MakeGameFolders(const std::string& root);

// The scenario's name of record i: a mix of names with and without the
// separating space, with double-byte characters and padding of both kinds.
std::string ScenarioName(std::int32_t i);
// The save's name of record i: every third one differs from the scenario's.
std::string SaveName(std::int32_t i);
bool SaveNameDiffers(std::int32_t i);

// An officer file of `count` records named by `nameOf`.
std::string OfficerFileBytes(std::int32_t count, std::string (*nameOf)(std::int32_t), unsigned salt);

// Whether this process still holds the file open.
bool HeldOpenByThisProcess(const std::string& path);

// How many descriptors this process holds (Linux only: from /proc/self/fd).
std::size_t OpenDescriptorCount();

// Whether opening a read-only file for writing is refused here. Always on
// Linux, where the officer file checks the permission bits itself; on Windows
// the system refuses, except under Wine run by root, which may write any file.
// Tests of the refusal are left out where it cannot happen.
bool ReadOnlyFilesAreRefusedHere(const std::string& folder);

// Records the boxes it is asked to show; answers every question with はい.
class TRecordingFrame : public IFrame {
public:
    std::int32_t AskConfirmation(const std::string& text) override;
    void ShowInformationBox(const std::string& text) override;
    void DefaultBeep() override;
    void ReportError(const Exception& error) override;
    void RequestQuit() override;

    std::vector<std::string> Informations;
    std::vector<std::string> Errors;
};
