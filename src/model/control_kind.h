#pragma once
// The kinds of control and their code words, in the order in which creation, paste and loading
// test them: the definition's nine, then the controls group that holds controls of its own.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

enum class ControlKind { Input, Text, Combo, Button, Frame, Link, List, Picture, Slider, Group };

// The definition's nine kinds, the ones its design file and code know.
inline constexpr std::array<ControlKind, 9> kDefinitionKinds {
    ControlKind::Input,  ControlKind::Text,    ControlKind::Combo,
    ControlKind::Button, ControlKind::Frame,   ControlKind::Link,
    ControlKind::List,   ControlKind::Picture, ControlKind::Slider};

inline constexpr std::array<ControlKind, 10> kAllKinds {
    ControlKind::Input,  ControlKind::Text, ControlKind::Combo, ControlKind::Button,
    ControlKind::Frame,  ControlKind::Link, ControlKind::List,  ControlKind::Picture,
    ControlKind::Slider, ControlKind::Group};

// "INPUT", "TEXT", "COMBO", "BUTTON", "FRAME", "LINK", "LIST", "PICTURE", "SLIDER", "GROUP".
std::string_view kindWord(ControlKind kind);

// The kind of a code word, compared exactly (case matters); none for any other text.
std::optional<ControlKind> kindFromWord(std::string_view word);

// Index 0..9 in the table order, for per-kind arrays such as the element counters.
constexpr std::size_t kindIndex(ControlKind kind)
{
    return static_cast<std::size_t>(kind);
}

// Which drawn controls show the record's colours and text (the same at creation, paste and load).
bool showsTextColour(ControlKind kind);
bool showsBackColour(ControlKind kind); // and GROUP
bool showsRecordText(ControlKind kind); // TEXT and LINK as text, BUTTON and FRAME as caption

// The fixed word shown by the text boxes of INPUT, COMBO and LIST; empty for the others.
std::string_view fixedWord(ControlKind kind);

} // namespace kovrin
