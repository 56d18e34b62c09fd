// What both VDF fuzz targets check of a parsed file: no object nests deeper
// than the readers' bound, and every key looks up the first entry under it.
#pragma once

#include "fuzz_check.h"
#include "places/vdf_object.h"

inline void CheckVdfObject(const TVdfObject& object, int depth) {
    FUZZ_CHECK(depth <= kVdfMaxDepth);
    for (const auto& [key, value] : object.Values) FUZZ_CHECK(object.Value(key) != nullptr);
    for (const TVdfObjectEntry& entry : object.Objects) {
        FUZZ_CHECK(object.Object(entry.Key) != nullptr);
        CheckVdfObject(entry.Object, depth + 1);
    }
}
