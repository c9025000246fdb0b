#pragma once
// The nine kinds of control and their code words, in the order in which creation, paste and
// loading test them.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

enum class ControlKind { Input, Text, Combo, Button, Frame, Link, List, Picture, Slider };

inline constexpr std::array<ControlKind, 9> kAllKinds {
    ControlKind::Input,  ControlKind::Text,    ControlKind::Combo,
    ControlKind::Button, ControlKind::Frame,   ControlKind::Link,
    ControlKind::List,   ControlKind::Picture, ControlKind::Slider};

// "INPUT", "TEXT", "COMBO", "BUTTON", "FRAME", "LINK", "LIST", "PICTURE", "SLIDER".
std::string_view kindWord(ControlKind kind);

// The kind of a code word, compared exactly (case matters); none for any other text.
std::optional<ControlKind> kindFromWord(std::string_view word);

// Index 0..8 in the table order, for per-kind arrays such as the element counters.
constexpr std::size_t kindIndex(ControlKind kind)
{
    return static_cast<std::size_t>(kind);
}

// Which drawn controls show the record's colours and text (the same at creation, paste and load).
bool showsTextColour(ControlKind kind);
bool showsBackColour(ControlKind kind);
bool showsRecordText(ControlKind kind); // TEXT and LINK as text, BUTTON and FRAME as caption

// The fixed word shown by the text boxes of INPUT, COMBO and LIST; empty for the others.
std::string_view fixedWord(ControlKind kind);

} // namespace kovrin
