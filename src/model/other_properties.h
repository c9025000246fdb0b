#pragma once
// What a control or a dialog class sets that Kovrin has no field for: event handlers, tooltips,
// sounds, nested classes such as Attributes. Each entry is kept as the code that sets it (macros
// expanded) and written back after the class's own lines, so nothing the mission maker wrote is
// lost. A record or dialog without any holds an empty pointer, and copies share the list.

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

struct OtherProperty
{
    // As written before the value: "onLoad", "sounds[]", "sounds[] +" (adding to the base's),
    // "class Attributes", "class A: B".
    std::string name;
    // The code of the value: "\"call f\"", "0", "{1, 2}"; a class's body "{a = 1; b[] = {2};}",
    // empty for a class only declared.
    std::string value;

    bool operator==(const OtherProperty &) const = default;
};

// A nested class is written "class Name {…}"; everything else "name = value".
bool isClassEntry(const OtherProperty &property);
// The entry as one line of code without its closing semicolon.
std::string otherPropertyLine(const OtherProperty &property);
// The name a lookup compares: the word after "class", or the name without "[]".
std::string_view entryKey(const OtherProperty &property);

// The names a dialog class holds as Kovrin's own: the lists of its controls; compared ignoring
// case. A control class's are its fields (model/generated_class.h).
bool isDialogListName(std::string_view name);

class OtherProperties
{
public:
    OtherProperties() = default;
    explicit OtherProperties(std::vector<OtherProperty> list);

    std::span<const OtherProperty> list() const;
    bool empty() const { return !m_list; }
    // The first entry whose key equals the name, ignoring case as the game does.
    const OtherProperty *find(std::string_view key) const;
    std::size_t textBytes() const;

    bool operator==(const OtherProperties &other) const;

private:
    std::shared_ptr<const std::vector<OtherProperty>> m_list;
};

} // namespace kovrin
