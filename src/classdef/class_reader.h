#pragma once
// The class reader: class definitions (after the preprocessor) to a tree of classes. It accepts
// what the game's own reader accepts, including a missing semicolon at a line end, and reports
// anything else with its place, then carries on with the next statement. Classes and lists
// nested deeper than kMaxNesting are reported and skipped; past the budgets of classes and values
// the read stops and keeps nothing.

#include "classdef/class_tree.h"
#include "classdef/import_limits.h"
#include "classdef/source_place.h"
#include "classdef/source_text.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kovrin {

struct ClassRead
{
    bool readable = false; // the first file could be read, and within the budgets
    std::string failure; // why not
    ClassTree tree;
    std::vector<std::string> files; // as the problems name them
    ReadProblems problems;
};

ClassRead readClassFile(const std::filesystem::path &path, const SourceLoader &loader);
// The same for a text in memory; includes are looked up beside the given name.
ClassRead readClassText(std::string text, const std::string &name, const SourceLoader &loader);

} // namespace kovrin
