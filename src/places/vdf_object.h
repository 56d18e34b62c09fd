// One object of Valve's key-value files (VDF), text or binary: its values and
// sub-objects by key, in file order, keys matched without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TVdfObjectEntry;

struct TVdfObject {
    std::vector<std::pair<std::string, std::string>> Values;  // numbers as unsigned decimal text
    std::vector<TVdfObjectEntry> Objects;

    // The first value or sub-object under key; null when there is none.
    const std::string* Value(std::string_view key) const;
    const TVdfObject* Object(std::string_view key) const;
};

// A sub-object and its key; a type of its own, since a pair would need the
// object complete where the object's own list of them is declared.
struct TVdfObjectEntry {
    std::string Key;
    TVdfObject Object;
};

// How deep objects may nest before a file counts as damaged: Steam's own
// files nest three or four deep, and the readers recurse once a level.
inline constexpr int kVdfMaxDepth = 16;
