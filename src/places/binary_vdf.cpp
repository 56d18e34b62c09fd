// The binary VDF reader: one recursive descent a level, every read checked
// against the bytes left and the depth bounded.
#include "places/binary_vdf.h"

#include <cstdint>
#include <string>

namespace {

enum : unsigned char {
    kTypeObject = 0x00,
    kTypeString = 0x01,
    kTypeInt32 = 0x02,
    kTypeFloat = 0x03,
    kTypePointer = 0x04,
    kTypeColor = 0x06,
    kTypeUint64 = 0x07,
    kTypeEnd = 0x08,
    kTypeInt64 = 0x0A,
};

class TBinaryVdfReader {
public:
    explicit TBinaryVdfReader(std::string_view bytes) : bytes_(bytes) {}

    bool ReadObject(TVdfObject& object, int depth);
    bool AtEnd() const { return at_ == bytes_.size(); }

private:
    bool ReadString(std::string& text);
    bool Skip(std::size_t count);
    bool ReadEntry(unsigned char type, TVdfObject& object, int depth);

    std::string_view bytes_;
    std::size_t at_ = 0;
};

bool TBinaryVdfReader::ReadString(std::string& text) {
    const std::size_t end = bytes_.find('\0', at_);
    if (end == std::string_view::npos) return false;
    text.assign(bytes_.substr(at_, end - at_));
    at_ = end + 1;
    return true;
}

bool TBinaryVdfReader::Skip(std::size_t count) {
    if (bytes_.size() - at_ < count) return false;
    at_ += count;
    return true;
}

bool TBinaryVdfReader::ReadEntry(unsigned char type, TVdfObject& object, int depth) {
    std::string key;
    if (!ReadString(key)) return false;
    switch (type) {
    case kTypeObject: {
        TVdfObject child;
        if (depth >= kVdfMaxDepth || !ReadObject(child, depth + 1)) return false;
        object.Objects.push_back({std::move(key), std::move(child)});
        return true;
    }
    case kTypeString: {
        std::string value;
        if (!ReadString(value)) return false;
        object.Values.emplace_back(std::move(key), std::move(value));
        return true;
    }
    case kTypeInt32: {
        if (bytes_.size() - at_ < 4) return false;
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes_[at_ + i]);
        at_ += 4;
        object.Values.emplace_back(std::move(key), std::to_string(value));
        return true;
    }
    case kTypeFloat:
    case kTypePointer:
    case kTypeColor: return Skip(4);
    case kTypeUint64:
    case kTypeInt64: return Skip(8);
    default: return false;
    }
}

bool TBinaryVdfReader::ReadObject(TVdfObject& object, int depth) {
    while (at_ < bytes_.size()) {
        const auto type = static_cast<unsigned char>(bytes_[at_++]);
        if (type == kTypeEnd) return true;
        if (!ReadEntry(type, object, depth)) return false;
    }
    return depth == 0;  // the top level may end with the bytes; an object inside may not
}

}  // namespace

std::optional<TVdfObject> ParseBinaryVdf(std::string_view bytes) {
    TBinaryVdfReader reader(bytes);
    TVdfObject top;
    // The top level ends with its own 0x08, as Steam writes it, or with the bytes.
    if (!reader.ReadObject(top, 0) || !reader.AtEnd()) return std::nullopt;
    return top;
}
