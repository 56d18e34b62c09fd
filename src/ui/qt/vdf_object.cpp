// Key lookup in a VDF object: keys match case-insensitively, as Steam reads
// them ("appid", "AppID" and "appID" all occur).
#include "ui/qt/vdf_object.h"

#include <algorithm>

#include "common/ascii_text.h"

namespace {

bool SameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

template <typename T>
const T* Find(const std::vector<std::pair<std::string, T>>& entries, std::string_view key) {
    for (const auto& [name, entry] : entries) {
        if (SameKey(name, key)) return &entry;
    }
    return nullptr;
}

}  // namespace

const std::string* TVdfObject::Value(std::string_view key) const { return Find(Values, key); }

const TVdfObject* TVdfObject::Object(std::string_view key) const { return Find(Objects, key); }
