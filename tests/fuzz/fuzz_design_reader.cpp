// Feeds arbitrary bytes to the design-file reader and loads what it read: nothing in a file may
// crash, hang or exhaust the reader, and whatever it read must load or be refused with a reason.

#include "persist/design_loader.h"
#include "persist/design_reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

constexpr kovrin::SurfaceSize kSurface {12030, 7635};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    // Both separators a user may have; the first byte picks one so the corpus covers both.
    const char separator = (size > 0 && (data[0] & 1) != 0) ? ',' : '.';
    kovrin::DialogSet set;
    (void)kovrin::loadIntoSet(set, kovrin::parseDesign(bytes, separator), kSurface, "fuzz.kvx");
    return 0;
}
