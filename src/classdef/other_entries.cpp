#include "classdef/other_entries.h"

#include "model/ignoring_case.h"

#include <optional>
#include <unordered_map>

namespace kovrin {
namespace {

bool standsBefore(const SourcePlace &a, const SourcePlace &b)
{
    return a.file == b.file && (a.line < b.line || (a.line == b.line && a.column < b.column));
}

std::string propertyName(const ClassProperty &property, bool append)
{
    if (property.value.kind != ClassValue::Kind::Array)
        return property.name;
    return property.name + (append ? "[] +" : "[]");
}

std::string className(const ClassNode &node)
{
    return "class " + node.name + (node.base.empty() ? "" : ": " + node.base);
}

std::string classBody(const ClassLookup &lookup, std::uint32_t index);

// The class's own entries in the order written: properties and nested classes interleaved by
// where they stand.
template<typename Each>
void inWrittenOrder(const ClassLookup &lookup, const ClassNode &node, Each each)
{
    std::size_t property = 0;
    std::size_t nested = 0;
    while (property < node.properties.size() || nested < node.classes.size()) {
        const bool classFirst = nested < node.classes.size()
            && (property == node.properties.size()
                || standsBefore(lookup.node(node.classes[nested]).place,
                                node.properties[property].place));
        if (classFirst)
            each(nullptr, node.classes[nested++]);
        else
            each(&node.properties[property++], 0u);
    }
}

OtherProperty nestedEntry(const ClassLookup &lookup, std::uint32_t index)
{
    const ClassNode &node = lookup.node(index);
    return {className(node), node.declarationOnly ? std::string() : classBody(lookup, index)};
}

std::string classBody(const ClassLookup &lookup, std::uint32_t index)
{
    std::string body = "{";
    inWrittenOrder(lookup, lookup.node(index),
                   [&](const ClassProperty *property, std::uint32_t nested) {
                       const OtherProperty entry = property
                           ? OtherProperty {propertyName(*property, property->append),
                                            valueCode(property->value)}
                           : nestedEntry(lookup, nested);
                       if (body.size() > 1)
                           body += ' ';
                       body += otherPropertyLine(entry) + ";";
                   });
    return body + "}";
}

} // namespace

std::string valueCode(const ClassValue &value)
{
    switch (value.kind) {
    case ClassValue::Kind::String: {
        std::string out = "\"";
        for (char c : value.text) {
            out += c;
            if (c == '"')
                out += '"';
        }
        return out + "\"";
    }
    case ClassValue::Kind::Array: {
        std::string out = "{";
        for (std::size_t i = 0; i < value.items.size(); ++i)
            out += (i > 0 ? ", " : "") + valueCode(value.items[i]);
        return out + "}";
    }
    case ClassValue::Kind::Empty:
        return {};
    case ClassValue::Kind::Number:
    case ClassValue::Kind::Bare:
        break;
    }
    return value.text;
}

std::vector<OtherProperty> otherEntries(const ClassLookup &lookup,
                                        std::span<const std::uint32_t> chain,
                                        const EntryFilter &filter)
{
    // One walk over the chain: for each name, the property each class sets (its last), in the
    // order of the chain, and where the name was first met. Later classes matter only to a list
    // that adds to its base's.
    struct Set
    {
        std::size_t at; // in the chain
        const ClassProperty *property;
    };
    struct Slot
    {
        std::vector<Set> sets;
        std::optional<std::uint32_t> nested; // a class rather than a property
    };
    std::unordered_map<std::string, Slot> slots; // by case key; a class's starts with a blank
    std::vector<std::string> order;
    for (std::size_t at = 0; at < chain.size(); ++at) {
        inWrittenOrder(lookup, lookup.node(chain[at]),
                       [&](const ClassProperty *property, std::uint32_t nested) {
                           std::string key = property ? caseKey(property->name)
                                                      : " " + caseKey(lookup.node(nested).name);
                           auto [slot, added] = slots.try_emplace(key);
                           if (added)
                               order.push_back(std::move(key));
                           if (!property) {
                               if (added)
                                   slot->second.nested = nested;
                               return;
                           }
                           std::vector<Set> &sets = slot->second.sets;
                           if (!sets.empty() && sets.back().at == at)
                               sets.back().property = property; // the last one written counts
                           else
                               sets.push_back({at, property});
                       });
    }

    std::vector<OtherProperty> entries;
    for (const std::string &key : order) {
        const Slot &slot = slots.at(key);
        if (slot.nested) {
            // A class only declared is not looked up; it is kept as declared.
            const ClassNode &node = lookup.node(*slot.nested);
            const std::uint32_t effective = lookup.nested(chain, node.name).value_or(*slot.nested);
            if (!filter.taken(effective))
                entries.push_back(nestedEntry(lookup, effective));
            continue;
        }
        const ClassProperty &effective = *slot.sets.front().property;
        if (filter.hasField(effective))
            continue;
        if (effective.value.kind != ClassValue::Kind::Array || !effective.append) {
            entries.push_back({propertyName(effective, false), valueCode(effective.value)});
            continue;
        }
        // The items the kept classes add together, base first; unless one of them sets the
        // whole list, the rest of it stays the base's.
        std::size_t parts = 0;
        while (parts < slot.sets.size() && slot.sets[parts].property->append)
            ++parts;
        const bool whole = parts < slot.sets.size();
        ClassValue merged;
        merged.kind = ClassValue::Kind::Array;
        for (std::size_t i = whole ? parts + 1 : parts; i-- > 0;) {
            const ClassValue &value = slot.sets[i].property->value;
            merged.items.insert(merged.items.end(), value.items.begin(), value.items.end());
        }
        entries.push_back({propertyName(effective, !whole), valueCode(merged)});
    }
    return entries;
}

} // namespace kovrin
