#include "classdef/class_lookup.h"

#include "model/ignoring_case.h"

#include <algorithm>

namespace kovrin {
namespace {

std::string scopeKey(std::uint32_t scope, std::string_view name)
{
    return std::to_string(scope) + '/' + caseKey(name);
}

const ClassProperty *ownProperty(const ClassNode &node, std::string_view name)
{
    // The last one written counts when a class sets a property twice.
    for (auto it = node.properties.rbegin(); it != node.properties.rend(); ++it) {
        if (equalIgnoringCase(it->name, name))
            return &*it;
    }
    return nullptr;
}

} // namespace

ClassLookup::ClassLookup(const ClassTree &tree)
    : m_tree(tree)
{
    for (std::uint32_t i = 1; i < tree.nodes.size(); ++i) {
        const ClassNode &node = tree.nodes[i];
        if (!node.declarationOnly)
            m_byScope[scopeKey(node.parent, node.name)].push_back(i);
    }
}

std::optional<std::uint32_t> ClassLookup::baseOf(std::uint32_t index) const
{
    const ClassNode &node = m_tree.nodes[index];
    for (std::uint32_t scope = node.parent; scope != kNoClass; scope = m_tree.nodes[scope].parent) {
        const auto found = m_byScope.find(scopeKey(scope, node.base));
        if (found == m_byScope.end())
            continue;
        const std::vector<std::uint32_t> &candidates = found->second;
        const auto after = std::lower_bound(candidates.begin(), candidates.end(), index);
        if (after != candidates.begin())
            return *(after - 1);
    }
    return std::nullopt;
}

ClassChain ClassLookup::chain(std::uint32_t index) const
{
    ClassChain chain;
    chain.classes.push_back(index);
    while (!m_tree.nodes[index].base.empty()) {
        if (chain.classes.size() >= kMaxChain) {
            chain.problem = "its chain of base classes is longer than " + std::to_string(kMaxChain)
                + "; the rest is not read";
            break;
        }
        const auto base = baseOf(index);
        if (!base) {
            chain.problem = "its base class " + m_tree.nodes[index].base + " (of class "
                + m_tree.nodes[index].name + ") is not defined before it";
            break;
        }
        index = *base;
        chain.classes.push_back(index);
    }
    return chain;
}

const ClassProperty *ClassLookup::find(std::span<const std::uint32_t> chain,
                                       std::string_view name) const
{
    for (std::uint32_t index : chain) {
        if (const ClassProperty *property = ownProperty(m_tree.nodes[index], name))
            return property;
    }
    return nullptr;
}

std::optional<ClassValue> ClassLookup::list(std::span<const std::uint32_t> chain,
                                            std::string_view name) const
{
    std::vector<const ClassProperty *> parts;
    for (std::uint32_t index : chain) {
        const ClassProperty *property = ownProperty(m_tree.nodes[index], name);
        if (!property)
            continue;
        parts.push_back(property);
        if (!property->append)
            break;
    }
    if (parts.empty())
        return std::nullopt;
    ClassValue merged = parts.back()->value;
    for (auto it = parts.rbegin() + 1; it != parts.rend(); ++it) {
        const std::vector<ClassValue> &items = (*it)->value.items;
        merged.items.insert(merged.items.end(), items.begin(), items.end());
    }
    return merged;
}

std::optional<std::uint32_t> ClassLookup::nested(std::span<const std::uint32_t> chain,
                                                 std::string_view name) const
{
    for (std::uint32_t index : chain) {
        const auto found = m_byScope.find(scopeKey(index, name));
        if (found != m_byScope.end() && !found->second.empty())
            return found->second.back();
    }
    return std::nullopt;
}

} // namespace kovrin
