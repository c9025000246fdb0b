#pragma once
// Inheritance as the game resolves it: a class takes every property of its base that it does not
// set itself. The base is the class of that name written before it in the enclosing class or in
// what that class inherits, or failing that in the class around that, out to the top level;
// names compare ignoring case. A nested class without a base of its own extends the class of its
// name that its enclosing class inherits, so the classes of a base dialog's class controls are
// found from a derived dialog's. A class only declared (class RscText; import RscText;) is one of
// the game's, whose values the file does not hold. Since a base always stands before the class
// deriving from it, a chain can never loop.

#include "classdef/class_tree.h"
#include "classdef/import_limits.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kovrin {

struct ClassChain
{
    std::vector<std::uint32_t> classes; // the class itself first, then its bases
    std::string problem; // a base that was not found, or a chain cut short
    // The last class when it is only declared: a class of the game; kNoClass otherwise.
    std::uint32_t declared = kNoClass;
};

class ClassLookup
{
public:
    // Resolves every base at once; past kMaxLookupSteps the rest are left unresolved and
    // stopped() says where.
    explicit ClassLookup(const ClassTree &tree);

    const ClassTree &tree() const { return m_tree; }
    const ClassNode &node(std::uint32_t index) const { return m_tree.nodes[index]; }
    const std::optional<ReadProblem> &stopped() const { return m_stop; }

    // The class its base names, kNoClass when it names none or none was found.
    std::uint32_t baseOf(std::uint32_t index) const { return m_base[index]; }
    // The game's name of a class only declared.
    const std::string &gameName(std::uint32_t index) const;

    // Cut at kMaxChain classes (reported by whoever asks).
    ClassChain chain(std::uint32_t index) const;

    // The first class of the chain that sets the property; none when none does.
    const ClassProperty *find(std::span<const std::uint32_t> chain, std::string_view name) const;
    // A list with the items that name[] += adds after those of the base.
    std::optional<ClassValue> list(std::span<const std::uint32_t> chain,
                                   std::string_view name) const;
    // A class with a body nested in one of the chain's classes, the class's own first.
    std::optional<std::uint32_t> nested(std::span<const std::uint32_t> chain,
                                        std::string_view name) const;
    // The same in one class alone.
    std::optional<std::uint32_t> ownNested(std::uint32_t index, std::string_view name) const;

private:
    std::uint32_t nameId(std::string_view name) const;
    std::uint32_t visible(std::uint32_t scope, std::uint32_t name, std::uint32_t before);
    std::uint32_t inherited(std::uint32_t scope, std::uint32_t name, std::uint32_t before);
    std::uint32_t member(std::uint32_t owner, std::uint32_t name, std::uint32_t before) const;
    const std::vector<std::uint32_t> *members(std::uint32_t owner, std::uint32_t name) const;

    const ClassTree &m_tree;
    std::unordered_map<std::string, std::uint32_t> m_names; // by case key
    std::vector<std::uint32_t> m_nameOf; // each class's name
    // Classes by enclosing class and name, in the order written, declarations among them.
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> m_members;
    std::vector<std::uint32_t> m_base; // the class the base names
    // Whose nested classes a class shows beside its own: its base, or for a class without one
    // the class of its name that its enclosing class inherits.
    std::vector<std::uint32_t> m_extends;
    std::size_t m_steps = 0;
    std::optional<ReadProblem> m_stop;
};

} // namespace kovrin
