// Reader of Valve's text key-value files (libraryfolders.vdf, appmanifest_*.acf).
#pragma once

#include <optional>
#include <string_view>

#include "places/vdf_object.h"

// The file's top level as one object: "key" "value" pairs and "key" { ... }
// objects, quoted or bare tokens, \" \\ \n \t escapes, // comments and
// [$CONDITION] marks (skipped). Nothing when the text is damaged: an
// unterminated string or object, a stray "}", a key without a value, or
// objects nested deeper than kVdfMaxDepth.
std::optional<TVdfObject> ParseTextVdf(std::string_view text);
