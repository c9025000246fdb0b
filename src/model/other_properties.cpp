#include "model/other_properties.h"

#include "model/ignoring_case.h"

#include <algorithm>
#include <iterator>

namespace kovrin {
namespace {

constexpr std::string_view kDialogListNames[] {"controls", "controlsBackground"};

template<std::size_t N> bool among(const std::string_view (&names)[N], std::string_view name)
{
    return std::any_of(std::begin(names), std::end(names),
                       [name](std::string_view each) { return equalIgnoringCase(each, name); });
}

} // namespace

bool isDialogListName(std::string_view name)
{
    return among(kDialogListNames, name);
}

bool isClassEntry(const OtherProperty &property)
{
    const std::string_view name = property.name;
    return name.starts_with("class") && name.size() > 5 && (name[5] == ' ' || name[5] == '\t');
}

std::string otherPropertyLine(const OtherProperty &property)
{
    if (isClassEntry(property))
        return property.value.empty() ? property.name : property.name + " " + property.value;
    // A list that adds to its base's is named "sounds[] +".
    return property.name + (property.name.ends_with('+') ? "= " : " = ") + property.value;
}

std::string_view entryKey(const OtherProperty &property)
{
    std::string_view key = property.name;
    if (isClassEntry(property)) {
        key.remove_prefix(5);
        key.remove_prefix(std::min(key.find_first_not_of(" \t"), key.size()));
        key = key.substr(0, key.find_first_of(" \t:"));
    } else {
        key = key.substr(0, key.find_first_of(" \t[+"));
    }
    return key;
}

OtherProperties::OtherProperties(std::vector<OtherProperty> list)
{
    if (!list.empty())
        m_list = std::make_shared<const std::vector<OtherProperty>>(std::move(list));
}

std::span<const OtherProperty> OtherProperties::list() const
{
    return m_list ? std::span<const OtherProperty>(*m_list) : std::span<const OtherProperty>();
}

const OtherProperty *OtherProperties::find(std::string_view key) const
{
    for (const OtherProperty &property : list()) {
        if (equalIgnoringCase(entryKey(property), key))
            return &property;
    }
    return nullptr;
}

std::size_t OtherProperties::textBytes() const
{
    std::size_t bytes = 0;
    for (const OtherProperty &property : list())
        bytes += property.name.size() + property.value.size();
    return bytes;
}

bool OtherProperties::operator==(const OtherProperties &other) const
{
    if (m_list == other.m_list)
        return true;
    const auto mine = list();
    const auto theirs = other.list();
    return std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end());
}

} // namespace kovrin
