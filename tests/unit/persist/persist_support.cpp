#include "persist_support.h"

namespace kovrin::testing {

std::vector<std::string> crlfLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(at));
            break;
        }
        lines.emplace_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::string fileOf(const std::vector<std::string> &lines)
{
    std::string out;
    for (const auto &line : lines)
        out += line + "\r\n";
    return out;
}

DialogSet sampleSet()
{
    DialogSet set;
    set.insertDialog();
    set.setGridSize(0, 0.05f);
    set.createControl(0, ControlKind::Text, 1500, 900, kSurface);
    set.createControl(0, ControlKind::Button, 3000, 4500, kSurface);
    set.insertDialog();
    return set;
}

std::vector<std::string> controlItems(std::string_view name, std::string_view ctrlType)
{
    return {"\"" + std::string(name) + "\"",
            "-1",
            "0.2",
            "0.1",
            "\"ST_LEFT\"",
            "1",
            "1",
            "1",
            "1",
            "0",
            "0",
            "0",
            "0",
            "\"tahomaB36\"",
            "0.04",
            "\"hello\"",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "\"\"",
            "0",
            "0",
            "0",
            "\"" + std::string(ctrlType) + "\"",
            "0.125",
            "0.1",
            "0"};
}

} // namespace kovrin::testing
