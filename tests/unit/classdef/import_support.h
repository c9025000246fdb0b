#pragma once
// Shared by the import tests: files held in memory, the import of one of them, and the
// problems of an import as one text to search.

#include "classdef/dialog_import.h"

#include <map>
#include <string>

namespace kovrin::testing {

// Files by path; the loader serves them and nothing else.
struct MemoryFiles
{
    std::map<std::string, std::string> bytes;
    SourceLoader loader() const;
};

// Imports the file "mission/description.ext" holding the text, with the other files given.
DialogImport importText(const std::string &text, MemoryFiles files = {});

// Every problem line, each ended by a line feed.
std::string problemsOf(const DialogImport &imported);

} // namespace kovrin::testing
