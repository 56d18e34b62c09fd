// Fuzz target: the binary VDF reader (userdata/*/config/shortcuts.vdf), which
// reads files anyone can put in a home folder. Any bytes parse without harm,
// and a parsed file nests within the bound.
#include <string_view>

#include "places/binary_vdf.h"
#include "vdf_depth.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto file = ParseBinaryVdf(bytes)) CheckVdfObject(*file, 0);
    return 0;
}
