#pragma once
// The layout of the design file, shared by writer and reader: the numbers of the fields of a
// record (the order in which they stand in the file) and the fixed texts of the format.

#include <cstddef>
#include <string>
#include <string_view>

namespace kovrin::design {

inline constexpr std::string_view kVersion = "0.61";
inline constexpr std::string_view kGridKey = "KOVRIN_INFO_GRIDSIZE";
inline constexpr std::string_view kEndMark = "###";
// How a double quote of an Action is stored, so that the text item stays one item.
inline constexpr std::string_view kQuoteEntity = "&quot";

// A script or an expression as the file stores it: every double quote as kQuoteEntity.
std::string withQuoteEntities(std::string_view text);
// The stored text back: every kQuoteEntity as a double quote.
std::string withoutQuoteEntities(std::string_view stored);
// Every occurrence of `what` in the text as `with`, left to right, never re-reading a
// replacement.
std::string replacedAll(std::string_view text, std::string_view what, std::string_view with);

enum Field : std::size_t {
    DialogName = 0,
    Name = 1,
    IDC = 2,
    Width = 3,
    Height = 4,
    Style = 5,
    ForeColor = 6, // red, green, blue, alpha in 6..9
    BackColor = 10,
    Font = 14,
    FontSize = 15,
    Text = 16,
    ActiveColor = 17,
    SelectionColor = 21,
    SelectionBGColor = 25,
    Action = 29,
    Enter = 30,
    RowHeight = 31,
    WholeHeight = 32,
    CtrlType = 33,
    X = 34,
    Y = 35,
    LineSpacing = 36,
};

// Fields 0..36 of the current format; the older format has no line spacing.
inline constexpr std::size_t kFieldCount = 37;
inline constexpr std::size_t kOlderFieldCount = 36;

// Additions stand after field 36 of a record, where every older reader reads items and drops
// them, so an older program still opens the file (with the screen values of fields 3, 4, 15,
// 34, 35). Each addition is a section: its key (a text), the number of items that follow, then
// those items; a reader passes over a section it does not know. A header has only fields 0..2
// and is made up to field 36 with empty texts before its sections.
//
//   "KOVRIN_FORMS", 3 x n, then per field not held as a screen fraction three items: the field
//       ("X", "Y", "Width", "Height", "FontSize"), the form ("SAFEZONE" or "EXPRESSION"), and
//       the value: F as a number item, or the expression as a text item with each double quote
//       stored as "&quot" like an Action.
//   "KOVRIN_LAYOUT", 1, "SAFEZONE": in a header, new controls take the safe-zone form.
//   "KOVRIN_OTHER", 2 x n, then per property Kovrin has no field for two text items, its name
//       and its value as code, double quotes stored as "&quot"; in a control record or a header.
//   "KOVRIN_IDC", 1, the whole IDC as a number item, when the field's 16 bits do not hold it.
//   "KOVRIN_BASE", 1, the name of the game's class a control derives from, as a text item.
//
// A design that uses no addition is written without any.
inline constexpr std::string_view kFormsKey = "KOVRIN_FORMS";
inline constexpr std::string_view kLayoutKey = "KOVRIN_LAYOUT";
inline constexpr std::string_view kOtherKey = "KOVRIN_OTHER";
inline constexpr std::string_view kIdcKey = "KOVRIN_IDC"; // an IDC past the field's 16 bits
inline constexpr std::string_view kBaseKey = "KOVRIN_BASE"; // the game's base class
inline constexpr std::string_view kSafeZoneWord = "SAFEZONE";
inline constexpr std::string_view kExpressionWord = "EXPRESSION";

// A header stores its grid step where a control stores its IDC.
inline constexpr std::size_t kGridField = IDC;

// The name of a field as a problem report shows it.
std::string_view fieldName(std::size_t field);

// Where a value stands, for reports: `dialog "D1", control 2 ("BUTTON1"), Width`; control 0 is
// the dialog's own header.
std::string placeText(std::string_view dialog, std::size_t control, std::string_view controlName,
                      std::string_view what);

// A place kept as its parts; its text is only made when a report needs it.
struct Place
{
    std::string_view dialog;
    std::size_t control = 0;
    std::string_view controlName;
    std::string_view what;

    std::string text() const { return placeText(dialog, control, controlName, what); }
};

} // namespace kovrin::design
