#include "codegen/code_values.h"
#include "codegen/generate_code.h"
#include "model/generated_class.h"

#include <iterator>
#include <string_view>

namespace kovrin {
namespace {

// One line of the fixed block: the blanks that open it and the rest. Written as a table so the
// odd indents (7 in RscEdit, 12 in RscSliderH) and the runs inside the #define lines stay visible.
struct FixedLine
{
    int indent;
    std::string_view text;
};

constexpr FixedLine kPreamble[] = {
    {0, "#define ST_LEFT      0"},
    {0, "#define ST_RIGHT     1"},
    {0, "#define ST_CENTER    2"},
    {0, "#define ST_MULTI        16"},
    {0, "#define ST_SHADOW       256"},
    {0, "#define ST_NO_RECT      512"},
    {0, "#define CT_STATIC    0"},
    {0, "#define ST_PICTURE   48"},
    {0, "#define FontM \"tahomaB36\""},
    {0, "#define FontHTML \"CourierNewB64\""},
    {0, "#define CT_ACTIVETEXT 11"},
    {0, "#define CT_BUTTON   1"},
    {0, "#define ST_FRAME   64"},
    {0, "#define CT_EDIT    2"},
    {0, "#define CT_COMBO                 4"},
    {0, "#define CT_LISTBOX               5"},
    {0, "#define CT_SLIDER     3"},
    {0, "#define ST_HPOS       0x0F"},
    {0, ""},

    {0, "class RscText"},
    {0, "{"},
    {8, "type = CT_STATIC;"},
    {8, "idc = -1;"},
    {8, "style = ST_LEFT;"},
    {8, "colorBackground[] = {0, 0, 0, 0};"},
    {8, "colorText[] = {1, 1, 1, 1};"},
    {8, "font = FontM;"},
    {8, "sizeEx = 0.04;"},
    {0, "};"},
    {0, ""},

    {0, "class RscPicture"},
    {0, "{"},
    {8, "type = CT_STATIC;"},
    {8, "idc = -1;"},
    {8, "style = ST_PICTURE;"},
    {8, "colorBackground[] = {0, 0, 0, 0};"},
    {8, "colorText[] = {1, 1, 1, 1};"},
    {8, "font = FontM;"},
    {8, "sizeEx = 0.04;"},
    {0, "};"},
    {0, ""},

    {0, "class RscActiveText"},
    {0, "{"},
    {8, "type = CT_ACTIVETEXT;"},
    {8, "idc = -1;"},
    {8, "style = ST_LEFT;"},
    {8, "color[] = {1, 1, 1, 1};"},
    {8, "colorActive[] = {1, 0, 0, 1};"},
    {8, "font = FontM;"},
    {8, "sizeEx = 0.04;"},
    {8, "soundEnter[] = {\"ui\\ui_over\", 0.2, 1};"},
    {8, "soundPush[] = {, 0.2, 1};"},
    {8, "soundClick[] = {\"ui\\ui_ok\", 0.2, 1};"},
    {8, "soundEscape[] = {\"ui\\ui_cc\", 0.2, 1};"},
    {8, "default = false;"},
    {0, "};"},
    {0, ""},

    {0, "class RscButton"},
    {0, "{"},
    {8, "type = CT_BUTTON;"},
    {8, "idc = -1;"},
    {8, "style = ST_CENTER;"},
    {8, "colorText[] = {0, 0, 0, 1};"},
    {8, "font = FontHTML;"},
    {8, "sizeEx = 0.025;"},
    {8, "soundPush[] = {, 0.2, 1};"},
    {8, "soundClick[] = {\"ui\\ui_ok\", 0.2, 1};"},
    {8, "soundEscape[] = {\"ui\\ui_cc\", 0.2, 1};"},
    {8, "default = false;"},
    {0, "};"},
    {0, ""},

    {0, "class RscFrame"},
    {0, "{"},
    {8, "type = CT_STATIC;"},
    {8, "idc = -1;"},
    {8, "style = ST_FRAME;"},
    {8, "colorBackground[] = {0, 0, 0, 0};"},
    {8, "colorText[] = {1, 1, 1, 1};"},
    {8, "font = FontM;"},
    {8, "sizeEx = 0.04;"},
    {0, "};"},
    {0, ""},

    {0, "class RscEdit"},
    {0, "{"},
    {7, "type = CT_EDIT;"},
    {7, "idc = -1;"},
    {7, "style = ST_LEFT;"},
    {7, "font = FontHTML;"},
    {7, "sizeEx = 0.02;"},
    {7, "colorText[] = {0, 0, 0, 1};"},
    {7, "colorSelection[] = {0.5, 0.5, 0.5, 1};"},
    {7, "autocomplete = false;"},
    {7, "text = ;"},
    {0, "};"},
    {0, ""},

    {0, "class RscLB_C"},
    {0, "{"},
    {8, "style = ST_LEFT;"},
    {8, "idc = -1;"},
    {8, "colorSelect[] = {0.4, 0.4, 0.4, 1};"},
    {8, "colorSelectBackground[] = {0.2, 0.2, 0.2, 1};"},
    {8, "colorText[] = {0.2, 0.2, 0.2, 1};"},
    {8, "colorBackground[] = {0.4, 0.4, 0.4, 1};"},
    {8, "font = FontHTML;"},
    {8, "sizeEx = 0.025;"},
    {8, "rowHeight = 0.04;"},
    {0, "};"},
    {0, ""},

    {0, "class RscListBox: RscLB_C"},
    {0, "{"},
    {8, "type = CT_LISTBOX;"},
    {0, "};"},
    {0, ""},

    {0, "class RscCombo: RscLB_C"},
    {0, "{"},
    {8, "type = CT_COMBO;"},
    {8, "wholeHeight = 0.3;"},
    {0, "};"},
    {0, ""},

    {0, "class RscSliderH"},
    {0, "{"},
    {12, "type = CT_SLIDER;"},
    {12, "style = ST_HPOS;"},
    {12, "color[] = {0.2, 0.2, 0.2, 1};"},
    {12, "idc = -1;"},
    {12, "sizeEx = 0.025;"},
    {0, "};"},
    {0, ""},
};

static_assert(std::size(kPreamble) == 128);

// The classes the block defines are those the model names, in its order.
constexpr bool definesPreambleClasses()
{
    constexpr std::string_view kClass = "class ";
    std::size_t next = 0;
    for (const FixedLine &line : kPreamble) {
        if (!line.text.starts_with(kClass))
            continue;
        const std::string_view rest = line.text.substr(kClass.size());
        if (next == kPreambleClasses.size()
            || rest.substr(0, rest.find(':')) != kPreambleClasses[next])
            return false;
        ++next;
    }
    return next == kPreambleClasses.size();
}
static_assert(definesPreambleClasses());

} // namespace

void appendPreamble(CodeOut &out)
{
    for (const FixedLine &line : kPreamble) {
        out.line().append(static_cast<std::size_t>(line.indent), ' ');
        appendLine(out, {line.text});
    }
}

std::string preambleText()
{
    std::string text;
    TextSink sink(text);
    CodeOut out(sink);
    appendPreamble(out);
    out.flush();
    return text;
}

} // namespace kovrin
