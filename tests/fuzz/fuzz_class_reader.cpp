// Feeds arbitrary bytes to the reader of class definitions and the import of dialogs. The bytes
// are the mission file and also the one file it may include ("inc.hpp"), so includes, include
// cycles and macros from an included file are reached too. Whatever the bytes, the import ends
// with a report, or stops at a budget; the dialogs it gives must join a set and generate code
// that imports again.

#include "classdef/dialog_import.h"
#include "classdef/import_into_set.h"
#include "classdef/import_limits.h"
#include "codegen/generate_code.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr kovrin::SurfaceSize kSurface {12030, 7635};

kovrin::SourceLoader loaderOf(const std::string &bytes)
{
    return kovrin::memorySourceLoader({{"fuzz/main.ext", bytes}, {"fuzz/inc.hpp", bytes}});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const kovrin::DialogImport imported
        = kovrin::importDialogs("fuzz/main.ext", loaderOf(bytes), '.');
    if (!imported.readable) {
        // The loader always serves the main file: only a budget may stop the import.
        if (imported.failure.find(kovrin::kBudgetStopWords) == std::string::npos)
            std::abort();
        return 0;
    }
    kovrin::DialogSet set;
    if (!kovrin::addImportedDialogs(set, imported.dialogs, kSurface).status)
        return 0;
    // The code of what came in must read back as as many dialogs.
    const std::string code = kovrin::generateCode(set);
    const kovrin::DialogImport again = kovrin::importDialogs("fuzz/main.ext", loaderOf(code), '.');
    // Code spells out every value of every control, so the code of a design near the controls'
    // budget may pass the values' budget when read again: a sound stop, not a misreading.
    if (!again.readable && again.failure.find(kovrin::kBudgetStopWords) != std::string::npos)
        return 0;
    if (again.dialogs.size() != set.count() && again.whole()) {
        std::fprintf(stderr,
                     "fuzz_class_reader: generated code read back as %zu dialogs, not %zu\n",
                     again.dialogs.size(), set.count());
        std::abort();
    }
    return 0;
}
