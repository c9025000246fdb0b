// Read, write, read, write: a set the writer warned nothing about must come back from its own
// file as it went in, so the second write gives the first one's bytes and the code generated
// from it is the same, exactly as a user's repeated saves and loads must leave a design.

#include "codegen/generate_code.h"
#include "persist/design_loader.h"
#include "persist/design_reader.h"
#include "persist/design_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr kovrin::SurfaceSize kSurface {12030, 7635};

bool load(kovrin::DialogSet &set, std::string_view bytes, char separator)
{
    return static_cast<bool>(
        kovrin::loadIntoSet(set, kovrin::parseDesign(bytes, separator), kSurface, "fuzz.kvx"));
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_design_round_trip: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const char separator = (size > 0 && (data[0] & 1) != 0) ? ',' : '.';
    kovrin::DialogSet first;
    if (!load(first, bytes, separator))
        return 0;
    const kovrin::DesignBytes written = kovrin::designBytes(first);
    if (!written.replacedTexts.empty() || !written.unreadableTexts.empty())
        return 0;

    kovrin::DialogSet second;
    if (!load(second, written.bytes, separator))
        fail("a written file was refused on reading");
    if (kovrin::designBytes(second).bytes != written.bytes)
        fail("the second write differs from the first");
    if (kovrin::generateCode(second) != kovrin::generateCode(first))
        fail("the code generated after the round trip differs");
    return 0;
}
