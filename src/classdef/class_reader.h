#pragma once
// The class reader: class definitions (after the preprocessor) to a tree of classes. It accepts
// what the game's own reader accepts, including a missing semicolon at a line end, and reports
// anything else with its place, then carries on with the next statement.

#include "classdef/class_tree.h"
#include "classdef/source_place.h"
#include "classdef/source_text.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kovrin {

// Classes and arrays nest at most this deep; deeper ones are reported and skipped.
inline constexpr std::size_t kMaxNesting = 256;

struct ClassRead
{
    bool readable = false; // the first file could be read
    std::string failure; // why not
    ClassTree tree;
    std::vector<std::string> files; // as the problems name them
    ReadProblems problems;
};

ClassRead readClassFile(const std::filesystem::path &path, const SourceLoader &loader);
// The same for a text in memory; includes are looked up beside the given name.
ClassRead readClassText(std::string text, const std::string &name, const SourceLoader &loader);

} // namespace kovrin
