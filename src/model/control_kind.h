#pragma once
// The kinds of control and their code words, in the order in which creation, paste and loading
// test them: the definition's nine, the controls group that holds controls of its own, the ten
// kinds of the newer game, and the generic control that keeps a class of any other type as it
// came.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

enum class ControlKind {
    Input,
    Text,
    Combo,
    Button,
    Frame,
    Link,
    List,
    Picture,
    Slider,
    Group,
    StructuredText, // type 13: text with markup
    ShortcutButton, // 16: a button with a picture and a key hint
    Map, // 100 or 101
    ColumnList, // 102: a list with columns
    Progress, // 8: a progress bar
    CheckBox, // 77: one box
    CheckBoxRow, // 7: a row of labelled boxes
    ExtSlider, // 43: a slider with arrows
    Tree, // 12
    ToolboxRow, // 6: a row of choices, one picked
    Generic, // a type Kovrin has no kind for, kept as written; made only by the import
};

// The definition's nine kinds, the ones its design file and code know.
inline constexpr std::array<ControlKind, 9> kDefinitionKinds {
    ControlKind::Input,  ControlKind::Text,    ControlKind::Combo,
    ControlKind::Button, ControlKind::Frame,   ControlKind::Link,
    ControlKind::List,   ControlKind::Picture, ControlKind::Slider};

// The newer game's ten kinds, in the toolbox's order after the group.
inline constexpr std::array<ControlKind, 10> kNewerKinds {
    ControlKind::StructuredText, ControlKind::ShortcutButton, ControlKind::Map,
    ControlKind::ColumnList,     ControlKind::Progress,       ControlKind::CheckBox,
    ControlKind::CheckBoxRow,    ControlKind::ExtSlider,      ControlKind::Tree,
    ControlKind::ToolboxRow};

inline constexpr std::array<ControlKind, 21> kAllKinds {
    ControlKind::Input,    ControlKind::Text,           ControlKind::Combo,
    ControlKind::Button,   ControlKind::Frame,          ControlKind::Link,
    ControlKind::List,     ControlKind::Picture,        ControlKind::Slider,
    ControlKind::Group,    ControlKind::StructuredText, ControlKind::ShortcutButton,
    ControlKind::Map,      ControlKind::ColumnList,     ControlKind::Progress,
    ControlKind::CheckBox, ControlKind::CheckBoxRow,    ControlKind::ExtSlider,
    ControlKind::Tree,     ControlKind::ToolboxRow,     ControlKind::Generic};

// "INPUT", "TEXT", "COMBO", "BUTTON", "FRAME", "LINK", "LIST", "PICTURE", "SLIDER", "GROUP",
// "STRUCTUREDTEXT", "SHORTCUTBUTTON", "MAP", "COLUMNLIST", "PROGRESS", "CHECKBOX",
// "CHECKBOXROW", "XSLIDER", "TREE", "TOOLBOXROW", "GENERIC".
std::string_view kindWord(ControlKind kind);

// The kind of a code word, compared exactly (case matters); none for any other text.
std::optional<ControlKind> kindFromWord(std::string_view word);

// Whether the toolbox places the kind: all but the generic control, which only an import makes.
constexpr bool isPlaceable(ControlKind kind)
{
    return kind != ControlKind::Generic;
}

// The game's type number of the kind's class: CT_STATIC 0 for TEXT, FRAME and PICTURE, 101
// (CT_MAP_MAIN) for MAP; none for the generic control, whose type is its own.
std::optional<int> gameType(ControlKind kind);

// Index 0..20 in the table order, for per-kind arrays such as the element counters.
constexpr std::size_t kindIndex(ControlKind kind)
{
    return static_cast<std::size_t>(kind);
}

// Which drawn controls show the record's colours and text (the same at creation, paste and load).
bool showsTextColour(ControlKind kind);
bool showsBackColour(ControlKind kind); // and GROUP, STRUCTUREDTEXT, MAP
// TEXT and LINK as text, BUTTON and FRAME as caption; STRUCTUREDTEXT and SHORTCUTBUTTON too.
bool showsRecordText(ControlKind kind);

// The fixed word shown by the text boxes of INPUT, COMBO and LIST; empty for the others.
std::string_view fixedWord(ControlKind kind);

} // namespace kovrin
