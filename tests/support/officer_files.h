// Synthetic officer files for the tests, the benchmark and the sample game:
// records with chosen names and recognisable other bytes (game folders to
// hold them come from support/game_folder.h).
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "file_kit/game_folder.h"
#include "process/officer_file.h"

// Bytes from a list of values, for writing names as hexadecimal.
std::string Bytes(std::initializer_list<unsigned> values);

// One 38-byte record: `name` (cut or padded with 0x00 to 12 bytes) at offset 6;
// the other 26 bytes depend on the index and on `salt`, so files made with
// different salts differ there.
std::string RecordBytes(std::int32_t index, std::string_view name, unsigned salt);

// The 12 name bytes of record `index` of a whole file's bytes.
std::string NameAt(const std::string& fileBytes, std::int32_t index);

// The 38 bytes of record `index` of a whole file's bytes.
std::string RecordAt(const std::string& fileBytes, std::int32_t index);

// The scenario's name of record i: a mix of names with and without the
// separating space, with double-byte characters and padding of both kinds.
std::string ScenarioName(std::int32_t i);
// The save's name of record i: every third one differs from the scenario's.
std::string SaveName(std::int32_t i);
bool SaveNameDiffers(std::int32_t i);

// An officer file of `count` records, record i named nameOf(i).
std::string OfficerFileBytes(std::int32_t count, const std::function<std::string(std::int32_t)>& nameOf, unsigned salt);

// The code TOfficerFile::Open fails with on the path, 0 when the file opens.
// Throws std::logic_error when a failed open leaves the object open.
std::int32_t OfficerFileOpenCode(const std::string& path,
                                 TOfficerFile::TAccess access = TOfficerFile::TAccess::ReadWrite);

// Whether this process still holds the file open.
bool HeldOpenByThisProcess(const std::string& path);

// How many descriptors this process holds (Linux only: from /proc/self/fd).
std::size_t OpenDescriptorCount();

// Whether opening a read-only file for writing is refused here. Always on
// Linux, where the officer file checks the permission bits itself; on Windows
// the system refuses, except under Wine run by root, which may write any file.
// Tests of the refusal are left out where it cannot happen.
bool ReadOnlyFilesAreRefusedHere(const std::string& folder);
