// One record's name change, as a rewrite plans it or a restore would make it:
// the row every front end shows (the dry run's line, the preview's table).
#pragma once

#include <cstdint>
#include <string>

struct TOfficerNameChange {
    std::int32_t Index;
    std::string CurrentName;  // the save's 12 name bytes (CP932)
    std::string NewName;      // the 12 bytes a rewrite (or restore) would store
};
