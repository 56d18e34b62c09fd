// Game folders for the command-line tests: the generated sample game and small hand-made ones.
#pragma once

#include <string>
#include <vector>

#include "support/officer_files.h"

// Runs make-sample-game on folder (which ends in a separator).
void MakeSampleGame(const std::string& folder);

// An officer file of `count` records: record i gets names[i] (12 bytes) when
// there is one, a fixed name otherwise, and other bytes that depend on i.
std::string OfficerFileBytes(const std::vector<std::string>& names, int count = 2000);

// The indexes of the records whose names differ between two officer files.
std::vector<int> DifferingNames(const std::string& scenarioFile, const std::string& saveFile);

// folder + part + the separator.
std::string SubFolder(const std::string& folder, const std::string& part);
