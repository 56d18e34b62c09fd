// The game folders inside the places a game may lie in: searched breadth
// first, bounded in depth, folder count and time, and stoppable.
#pragma once

#include <chrono>
#include <cstddef>
#include <stop_token>
#include <string>
#include <vector>

#include "places/wine_prefixes.h"

struct TGameSearchBounds {
    int MaxDepth = 6;                 // folders below a place; a game three or four deep is usual
    std::size_t MaxFolders = 200000;  // folders listed in all places together
    std::size_t MaxEntries = 10000;   // entries read of one folder
    std::chrono::milliseconds MaxTime{10000};
};

// Whether folder (ending without a separator) holds the game: NEW.DAT with
// its BUSYO21.BIN, and at least one of LOG1.DAT to LOG5.DAT.
bool IsGameFolder(const std::string& folder);

// The game folders inside places, each named "PLACE — FOLDER" (the place's
// name and the folder's own), the shallower first, in the places' order at
// each depth. Links are not followed, nor is a prefix's windows folder
// (Wine's own files) entered; a place that is a game folder itself is found.
// Ends early, with what it found, when a bound is reached or stop is asked.
std::vector<TPlace> FindGameFolders(const std::vector<TPlace>& places, const TGameSearchBounds& bounds = {},
                                    std::stop_token stop = {});
