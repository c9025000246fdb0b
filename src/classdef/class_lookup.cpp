#include "classdef/class_lookup.h"

#include "model/ignoring_case.h"

#include <algorithm>

namespace kovrin {
namespace {

std::uint64_t memberKey(std::uint32_t owner, std::uint32_t name)
{
    return (std::uint64_t {owner} << 32) | name;
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
    , m_nameOf(tree.nodes.size(), kNoClass)
    , m_base(tree.nodes.size(), kNoClass)
    , m_extends(tree.nodes.size(), kNoClass)
{
    for (std::uint32_t i = 1; i < tree.nodes.size(); ++i) {
        const ClassNode &node = tree.nodes[i];
        const auto [at, added]
            = m_names.try_emplace(caseKey(node.name), static_cast<std::uint32_t>(m_names.size()));
        m_nameOf[i] = at->second;
        m_members[memberKey(node.parent, at->second)].push_back(i);
    }
    // A base stands before the class deriving from it, so in the order written every class a
    // lookup looks into has its own base resolved already.
    for (std::uint32_t i = 1; i < tree.nodes.size() && !m_stop; ++i) {
        const ClassNode &node = tree.nodes[i];
        if (!node.base.empty()) {
            const std::uint32_t name = nameId(node.base);
            m_base[i] = name == kNoClass ? kNoClass : visible(node.parent, name, i);
            m_extends[i] = m_base[i];
        } else if (node.parent != 0) {
            m_extends[i] = inherited(node.parent, m_nameOf[i], i);
        }
    }
}

const std::string &ClassLookup::gameName(std::uint32_t index) const
{
    const ClassNode &node = m_tree.nodes[index];
    return node.gameName.empty() ? node.name : node.gameName;
}

std::uint32_t ClassLookup::nameId(std::string_view name) const
{
    const auto found = m_names.find(caseKey(name));
    return found == m_names.end() ? kNoClass : found->second;
}

const std::vector<std::uint32_t> *ClassLookup::members(std::uint32_t owner,
                                                       std::uint32_t name) const
{
    const auto found = m_members.find(memberKey(owner, name));
    return found == m_members.end() ? nullptr : &found->second;
}

// The last class of the name written in owner before the class given. A declaration after a
// class of the same name stands for that class.
std::uint32_t ClassLookup::member(std::uint32_t owner, std::uint32_t name,
                                  std::uint32_t before) const
{
    const std::vector<std::uint32_t> *candidates = members(owner, name);
    if (!candidates)
        return kNoClass;
    auto it = std::lower_bound(candidates->begin(), candidates->end(), before);
    if (it == candidates->begin())
        return kNoClass;
    const std::uint32_t last = *--it;
    while (m_tree.nodes[*it].declarationOnly && it != candidates->begin())
        --it;
    return m_tree.nodes[*it].declarationOnly ? last : *it;
}

// What scope inherits, looked into from the nearest class outwards.
std::uint32_t ClassLookup::inherited(std::uint32_t scope, std::uint32_t name, std::uint32_t before)
{
    std::size_t length = 0;
    for (std::uint32_t from = m_extends[scope]; from != kNoClass && length < kMaxChain;
         from = m_extends[from], ++length) {
        if (!spendBudget(m_steps, 1, kMaxLookupSteps)) {
            m_stop = budgetStop(m_tree.nodes[before].place, "classes looked into", kMaxLookupSteps);
            return kNoClass;
        }
        if (const std::uint32_t found = member(from, name, before); found != kNoClass)
            return found;
    }
    return kNoClass;
}

std::uint32_t ClassLookup::visible(std::uint32_t scope, std::uint32_t name, std::uint32_t before)
{
    for (; scope != kNoClass && !m_stop; scope = m_tree.nodes[scope].parent) {
        if (const std::uint32_t found = member(scope, name, before); found != kNoClass)
            return found;
        if (scope == 0)
            break;
        if (const std::uint32_t found = inherited(scope, name, before); found != kNoClass)
            return found;
    }
    return kNoClass;
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
        if (m_base[index] == kNoClass) {
            chain.problem = "its base class " + m_tree.nodes[index].base + " (of class "
                + m_tree.nodes[index].name + ") is not defined before it";
            break;
        }
        index = m_base[index];
        chain.classes.push_back(index);
    }
    if (m_tree.nodes[index].declarationOnly)
        chain.declared = index;
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

std::optional<std::uint32_t> ClassLookup::ownNested(std::uint32_t index,
                                                    std::string_view name) const
{
    const std::uint32_t id = nameId(name);
    const std::vector<std::uint32_t> *found = id == kNoClass ? nullptr : members(index, id);
    if (!found)
        return std::nullopt;
    for (auto it = found->rbegin(); it != found->rend(); ++it) {
        if (!m_tree.nodes[*it].declarationOnly)
            return *it;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ClassLookup::nested(std::span<const std::uint32_t> chain,
                                                 std::string_view name) const
{
    for (std::uint32_t index : chain) {
        if (const auto found = ownNested(index, name))
            return found;
    }
    return std::nullopt;
}

} // namespace kovrin
