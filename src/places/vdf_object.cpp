// Key lookup in a VDF object: keys match case-insensitively, as Steam reads
// them ("appid", "AppID" and "appID" all occur).
#include "places/vdf_object.h"

#include <algorithm>

#include "common/ascii_text.h"

namespace {

bool SameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

const std::string* TVdfObject::Value(std::string_view key) const {
    for (const auto& [name, value] : Values) {
        if (SameKey(name, key)) return &value;
    }
    return nullptr;
}

const TVdfObject* TVdfObject::Object(std::string_view key) const {
    for (const TVdfObjectEntry& entry : Objects) {
        if (SameKey(entry.Key, key)) return &entry.Object;
    }
    return nullptr;
}
