// Feeds arbitrary bytes to the design-file reader. For inputs of a bounded size it also loads
// the result, writes it, and reads it back: a set the writer reported nothing about must settle
// after one more save, exactly as a user's repeated saves do.

#include "persist/design_loader.h"
#include "persist/design_reader.h"
#include "persist/design_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr std::size_t kRoundTripLimit = 64 * 1024;
constexpr kovrin::SurfaceSize kSurface {12030, 7635};

bool load(kovrin::DialogSet &set, std::string_view bytes, char separator)
{
    return static_cast<bool>(
        kovrin::loadIntoSet(set, kovrin::parseDesign(bytes, separator), kSurface, "fuzz.kvx"));
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_design_reader: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    // Both separators a user may have; the first byte picks one so the corpus covers both.
    const char separator = (size > 0 && (data[0] & 1) != 0) ? ',' : '.';
    const kovrin::LoadedDesign design = kovrin::parseDesign(bytes, separator);
    if (size > kRoundTripLimit)
        return 0;

    kovrin::DialogSet set;
    if (!kovrin::loadIntoSet(set, design, kSurface, "fuzz.kvx"))
        return 0;
    const kovrin::DesignBytes first = kovrin::designBytes(set);

    kovrin::DialogSet second;
    if (!load(second, first.bytes, separator))
        fail("a written file was refused on reading");
    const kovrin::DesignBytes secondBytes = kovrin::designBytes(second);
    if (!first.unreadableTexts.empty())
        return 0;
    if (second.count() != set.count())
        fail("a written file read back with another number of dialogs");

    kovrin::DialogSet third;
    if (!load(third, secondBytes.bytes, separator))
        fail("a rewritten file was refused on reading");
    if (kovrin::designBytes(third).bytes != secondBytes.bytes)
        fail("repeated saves do not settle");
    return 0;
}
