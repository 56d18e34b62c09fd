// File-system steps of the sample game generator that differ between the platforms.
#pragma once

#include <string>

// Makes a folder unless it exists already; throws std::runtime_error on failure.
void MakeSampleFolder(const std::string& path);

// Sets a file's last-write time to the given local date and time (seconds 0);
// throws std::runtime_error on failure.
void SetSampleWriteTime(const std::string& path, int year, int month, int day, int hour, int minute);
