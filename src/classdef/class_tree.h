#pragma once
// What the class reader makes of the class definitions: every class with its properties and
// nested classes, in the order written, with where each stands for reports.

#include "classdef/source_place.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kovrin {

struct ClassValue
{
    enum class Kind : std::uint8_t { Empty, String, Number, Bare, Array };
    Kind kind = Kind::Empty;
    // String: the content, "" made one quote. Number: the literal as spelled, or the expanded
    // expression. Bare: the expanded words (such as $STR_title or true).
    std::string text;
    // The value as written in the file, macro names unexpanded: "ST_LEFT + ST_MULTI".
    std::string written;
    std::optional<double> number; // when the value is arithmetic
    std::string why; // why it is not
    SourcePlace place;
    std::vector<ClassValue> items; // Array
};

struct ClassProperty
{
    std::string name; // as written; compared without regard to case
    ClassValue value;
    SourcePlace place;
    bool append = false; // name[] += {...}: the base's items come first
};

inline constexpr std::uint32_t kNoClass = UINT32_MAX;

struct ClassNode
{
    std::string name;
    std::string base; // empty: none
    SourcePlace place;
    std::uint32_t parent = kNoClass;
    // class Name; or import Name; without a body: a class of the game, unless one of that name
    // was written before it in the same class.
    bool declarationOnly = false;
    std::string gameName; // import Name as Alias: Name; empty when it is the class's own name
    std::vector<ClassProperty> properties;
    std::vector<std::uint32_t> classes; // nested, in the order written
};

// Node 0 stands for the file's top level; every other node is a class, in the order written.
struct ClassTree
{
    std::vector<ClassNode> nodes;
};

} // namespace kovrin
