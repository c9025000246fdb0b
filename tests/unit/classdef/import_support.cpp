#include "import_support.h"

namespace kovrin::testing {

SourceLoader MemoryFiles::loader() const
{
    return [files = bytes](const std::filesystem::path &path) -> std::optional<std::string> {
        const auto found = files.find(path.generic_string());
        if (found == files.end())
            return std::nullopt;
        return found->second;
    };
}

DialogImport importText(const std::string &text, MemoryFiles files)
{
    files.bytes["mission/description.ext"] = text;
    return importDialogs("mission/description.ext", files.loader(), '.');
}

std::string problemsOf(const DialogImport &imported)
{
    std::string out;
    for (const std::string &line : imported.problemLines())
        out += line + "\n";
    return out;
}

} // namespace kovrin::testing
