// Fuzz target: the text VDF reader (libraryfolders.vdf, appmanifest_*.acf),
// which reads files anyone can put in a home folder. Any text parses without
// harm, and a parsed file nests within the bound.
#include <string_view>

#include "places/text_vdf.h"
#include "vdf_depth.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto file = ParseTextVdf(text)) CheckVdfObject(*file, 0);
    return 0;
}
