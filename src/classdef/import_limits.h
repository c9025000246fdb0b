#pragma once
// Every limit of the import of class definitions, in one place. Nesting limits cut what is too
// deep and report it; budgets stop the whole import the moment the work passes them, so a small
// hostile file (macros doubling forty times, a file included thousands of times) is refused
// before it holds more memory than a few times its own size.
//
// The budgets are sized from real missions: their files are at most a few hundred KB, with up to
// about 500 controls in one mission and 3,000 in a large mod. Each budget is at least ten times
// what such a mission needs, and small enough that what it admits fits in 64 MB beside the text
// read (a token is 48 bytes, a kept value about 200).

#include "classdef/source_place.h"

#include <cstddef>
#include <string_view>

namespace kovrin {

// --- cut and reported, the rest of the file is read ---
inline constexpr std::size_t kMaxIncludeDepth = 16;
inline constexpr std::size_t kMaxNesting = 256; // classes and lists
inline constexpr std::size_t kMaxChain = 1000; // base classes of one class
inline constexpr std::size_t kMaxValueTokens = 100'000; // tokens of one value
// Macros expanded inside an argument or beside ## of another, one inside the next: real macro
// sets nest about five deep (a name made of a prefix made of a prefix ...).
inline constexpr std::size_t kMaxMacroNesting = 64;

// --- budgets: the import stops and nothing is kept ---
// A source file is refused before it is read whole.
inline constexpr std::size_t kMaxSourceBytes = 256u * 1024u * 1024u;
// A mission includes tens of files, some of them again and again in each dialog file.
inline constexpr std::size_t kMaxInclusions = 1000;
// Tokens that macros give, in all; at most this many are held at once (48 MB). A large mission
// expands about 20,000 (every position and colour a macro), 500 controls of 40 tokens each.
inline constexpr std::size_t kMaxExpandedTokens = 1'000'000;
// The bytes those tokens spell, # and ## spellings among them: a value's text can repeat them.
inline constexpr std::size_t kMaxExpandedBytes = 16u * 1024u * 1024u;
// Macro calls, counted even when they give nothing: a macro doubling an empty one costs time.
inline constexpr std::size_t kMaxMacroCalls = 1'000'000;
// Classes and values (each property, each item of a list) the reader keeps: a control holds
// about 25 values, so 3,000 controls need 75,000 and 10,000 about 210,000.
inline constexpr std::size_t kMaxClasses = 100'000;
inline constexpr std::size_t kMaxValues = 300'000;
// Values of one class or one list: the longest real list, controls[] of a large mod, has 3,000.
// A vector growing past this would hold its old and new copies at once.
inline constexpr std::size_t kMaxValuesInOne = 50'000;
// Controls built from the classes, those of inherited lists included. It bounds the records
// built, the values budget the classes read: controls that share their values through a base
// class cost few values each, so this budget is the one they meet; about 12,000 controls written
// out whole meet the values budget first, and its report names the values and where.
inline constexpr std::size_t kMaxControls = 30'000;
// List items a class takes from its bases (controls[] += ...), summed over the import.
inline constexpr std::size_t kMaxInheritedItems = 300'000;
// Classes looked into to find the bases named: each enclosing class and each class it inherits
// from. A real mission looks into about 20 for each of its few thousand classes; classes nested
// deep in classes with long chains of bases would multiply the two.
inline constexpr std::size_t kMaxLookupSteps = 4'000'000;
// Code of the properties kept beyond Kovrin's fields, summed over the controls: each carries its
// own copy of what it inherits. A large mission keeps about 3 MB.
inline constexpr std::size_t kMaxKeptCodeBytes = 32u * 1024u * 1024u;

// --- reports: every one is counted; those past these bounds are not kept, and a last line says
// how many more there were. A report holds about 150 bytes, so the bound stays under 24 MB. ---
inline constexpr std::size_t kKeptProblems = 100'000;
inline constexpr std::size_t kKeptProblemBytes = 8u * 1024u * 1024u; // of their messages
// The screen shows this many; the report file holds all that were kept.
inline constexpr std::size_t kShownProblems = 100;

// Spends MORE from a budget of which USED is spent; false, spending nothing, when it would pass.
bool spendBudget(std::size_t &used, std::size_t more, std::size_t budget);
// What every report of a budget stop starts with.
inline constexpr std::string_view kBudgetStopWords = "the import stops: ";
// The report of an import stopped at a budget: "the import stops: more than 1000 files
// included, at "part.hpp"" with its place.
ReadProblem budgetStop(SourcePlace place, std::string_view what, std::size_t budget);

} // namespace kovrin
