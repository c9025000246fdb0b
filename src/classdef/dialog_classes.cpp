#include "classdef/dialog_classes.h"

#include "classdef/game_classes.h"
#include "model/ignoring_case.h"

#include <algorithm>
#include <unordered_map>

namespace kovrin {
namespace {

// What a class has, its own or through its bases.
struct Traits
{
    bool idd = false;
    bool type = false; // a type, or a base of the game's that gives one
    bool controls = false; // lists or holds controls
};

bool ownProperty(const ClassNode &node, std::string_view name)
{
    return std::any_of(node.properties.begin(), node.properties.end(),
                       [name](const ClassProperty &p) { return equalIgnoringCase(p.name, name); });
}

// Each class's traits, from its own and its base's: a base stands before the class deriving from
// it, so one pass in the order written takes every chain whole, however long.
std::vector<Traits> traitsOf(const ClassLookup &lookup)
{
    const ClassTree &tree = lookup.tree();
    std::vector<Traits> traits(tree.nodes.size());
    for (std::uint32_t i = 1; i < tree.nodes.size(); ++i) {
        const ClassNode &node = tree.nodes[i];
        Traits &own = traits[i];
        if (const std::uint32_t base = lookup.baseOf(i); base != kNoClass)
            own = traits[base];
        own.idd = own.idd || ownProperty(node, "idd");
        own.type = own.type || ownProperty(node, "type")
            || (node.declarationOnly && findGameClass(lookup.gameName(i)));
        for (std::string_view name : {"controls", "controlsBackground"})
            own.controls = own.controls || ownProperty(node, name) || lookup.ownNested(i, name);
    }
    return traits;
}

struct Found
{
    std::uint32_t index;
    bool named; // has an idd or sits in RscTitles
    bool control; // has a type
    bool controls; // lists or holds controls
};

// The classes that could be dialogs: those that hold controls or have an idd, at the top level
// or inside classes that are neither.
std::vector<Found> candidates(const ClassLookup &lookup)
{
    const std::vector<Traits> traits = traitsOf(lookup);
    std::vector<Found> found;
    const ClassTree &tree = lookup.tree();
    std::vector<std::uint32_t> pending(tree.nodes[0].classes.rbegin(),
                                       tree.nodes[0].classes.rend());
    while (!pending.empty()) {
        const std::uint32_t index = pending.back();
        pending.pop_back();
        const ClassNode &node = tree.nodes[index];
        if (node.declarationOnly)
            continue;
        const Traits &has = traits[index];
        const bool inTitles
            = node.parent != 0 && equalIgnoringCase(tree.nodes[node.parent].name, "RscTitles");
        if (has.idd || inTitles || has.controls) {
            found.push_back({index, has.idd || inTitles, has.type, has.controls});
            continue;
        }
        pending.insert(pending.end(), node.classes.rbegin(), node.classes.rend());
    }
    return found;
}

} // namespace

std::vector<std::uint32_t> dialogClasses(const ClassLookup &lookup)
{
    const std::vector<Found> found = candidates(lookup);
    const std::size_t count = lookup.tree().nodes.size();
    std::vector<bool> candidate(count, false);
    for (const Found &each : found)
        candidate[each.index] = true;
    // A class inside a candidate is one of its controls or a part of one; what it derives from,
    // and what that derives from, is a base of controls. Bases stand before the classes deriving
    // from them, so one pass from the last class back carries the mark down every chain.
    std::vector<bool> inside(count, false);
    std::vector<bool> derivedFrom(count, false);
    std::vector<bool> baseOfControl(count, false);
    for (std::uint32_t i = 1; i < count; ++i) {
        const std::uint32_t parent = lookup.node(i).parent;
        inside[i] = parent != 0 && (candidate[parent] || inside[parent]);
        if (const std::uint32_t base = lookup.baseOf(i); base != kNoClass)
            derivedFrom[base] = true;
    }
    for (std::uint32_t i = static_cast<std::uint32_t>(count); i-- > 1;) {
        const std::uint32_t base = lookup.baseOf(i);
        if (base != kNoClass && (inside[i] || baseOfControl[i]))
            baseOfControl[base] = true;
    }
    std::vector<std::uint32_t> dialogs;
    for (const Found &each : found) {
        if (baseOfControl[each.index])
            continue;
        // A class that other classes derive from and that holds no control is their template
        // (idd = -1, event handlers shared by a mission's dialogs), not a dialog of its own.
        if (derivedFrom[each.index] && !each.controls)
            continue;
        if (each.named || (!each.control && !derivedFrom[each.index]))
            dialogs.push_back(each.index);
    }
    return dialogs;
}

HeldControls heldControls(const ClassLookup &lookup, std::span<const std::uint32_t> chain,
                          std::string_view holder)
{
    // The holders, the dialog's own first: each class of the chain's, and what each of those
    // derives from (class controls: controls).
    std::vector<std::uint32_t> holders;
    for (std::uint32_t index : chain) {
        const auto own = lookup.ownNested(index, holder);
        if (!own)
            continue;
        for (std::uint32_t each : lookup.chain(*own).classes) {
            if (std::find(holders.begin(), holders.end(), each) == holders.end())
                holders.push_back(each);
        }
    }
    HeldControls held;
    held.found = !holders.empty();
    std::unordered_map<std::string, std::size_t> at; // by case key
    for (auto it = holders.rbegin(); it != holders.rend(); ++it) {
        for (std::uint32_t nested : lookup.node(*it).classes) {
            const auto [place, added]
                = at.try_emplace(caseKey(lookup.node(nested).name), held.classes.size());
            if (added)
                held.classes.push_back(nested);
            else if (!lookup.node(nested).declarationOnly) // class Title; keeps the base's
                held.classes[place->second] = nested;
        }
    }
    const std::uint32_t own = chain.empty() ? kNoClass : chain.front();
    for (std::uint32_t nested : held.classes)
        held.inherited += lookup.node(lookup.node(nested).parent).parent != own ? 1 : 0;
    return held;
}

} // namespace kovrin
