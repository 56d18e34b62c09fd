// Fuzz target: StrToIntDef against a table of its rules written apart from it.
#include <cstdint>
#include <regex>
#include <string>

#include "fuzz_check.h"
#include "settings/ini_file.h"

namespace {

// The rules: leading spaces, an optional sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing else.
// Decimal must fit 32 signed bits; hexadecimal 32 bits, taken as a pattern.
const std::regex kNumber(R"(^ *([+-]?)(?:(\$|0x|0X|x|X)([0-9A-Fa-f]+)|([0-9]+))$)");

std::string WithoutLeadingZeros(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

std::int64_t Expected(const std::string& text, std::int32_t fallback) {
    std::smatch match;
    if (!std::regex_match(text, match, kNumber)) return fallback;
    const bool negative = match[1] == "-";
    if (match[3].matched) {
        const std::string digits = WithoutLeadingZeros(match[3]);
        if (digits.size() > 8) return fallback;
        std::uint32_t bits = static_cast<std::uint32_t>(std::stoull(digits, nullptr, 16));
        if (negative) bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }
    const std::string digits = WithoutLeadingZeros(match[4]);
    if (digits.size() > 10) return fallback;
    const std::int64_t magnitude = std::stoll(digits);
    if (magnitude > (negative ? 2147483648LL : 2147483647LL)) return fallback;
    return negative ? -magnitude : magnitude;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const std::int32_t fallback : {-1, 12345}) {
        FUZZ_CHECK(StrToIntDef(text, fallback) == Expected(text, fallback));
    }
    return 0;
}
