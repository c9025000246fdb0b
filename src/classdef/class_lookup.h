#pragma once
// Inheritance as the game resolves it: a class takes every property of its base that it does not
// set itself; the base is the class of that name written before it in the enclosing class, or
// failing that in the class around that, out to the top level. Since a base always stands before
// the class deriving from it, a chain can never loop.

#include "classdef/class_tree.h"
#include "classdef/import_limits.h"

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
};

class ClassLookup
{
public:
    explicit ClassLookup(const ClassTree &tree);

    const ClassTree &tree() const { return m_tree; }
    const ClassNode &node(std::uint32_t index) const { return m_tree.nodes[index]; }

    // Cut at kMaxChain classes (reported by whoever asks).
    ClassChain chain(std::uint32_t index) const;

    // The first class of the chain that sets the property; none when none does.
    const ClassProperty *find(std::span<const std::uint32_t> chain, std::string_view name) const;
    // A list with the items that name[] += adds after those of the base.
    std::optional<ClassValue> list(std::span<const std::uint32_t> chain,
                                   std::string_view name) const;
    // A class nested in one of the chain's classes, the class's own first.
    std::optional<std::uint32_t> nested(std::span<const std::uint32_t> chain,
                                        std::string_view name) const;

private:
    std::optional<std::uint32_t> baseOf(std::uint32_t index) const;

    const ClassTree &m_tree;
    // Classes with a body by enclosing class and lower-case name, in the order written.
    std::unordered_map<std::string, std::vector<std::uint32_t>> m_byScope;
};

} // namespace kovrin
