#include "codegen/group_class.h"

#include "codegen/code_values.h"
#include "codegen/control_class.h"
#include "model/control_groups.h"
#include "model/generated_class.h"

#include <string_view>

namespace kovrin {
namespace {

// Written as a table, like the preamble, so the lines stand as the game reads them.
constexpr std::string_view kGroupBaseClass[] = {
    "#define CT_CONTROLS_GROUP 15",
    "",
    "class KovrinControlsGroup", // generatedBase(ControlKind::Group)
    "{",
    "        type = CT_CONTROLS_GROUP;",
    "        idc = -1;",
    "        style = ST_LEFT;",
    "        x = 0;",
    "        y = 0;",
    "        w = 1;",
    "        h = 1;",
    "        class VScrollbar",
    "        {",
    "                color[] = {1, 1, 1, 1};",
    "                width = 0.021;",
    "                autoScrollSpeed = -1;",
    "                autoScrollDelay = 5;",
    "                autoScrollRewind = 0;",
    "        };",
    "        class HScrollbar",
    "        {",
    "                color[] = {1, 1, 1, 1};",
    "                height = 0.028;",
    "        };",
    "        class Controls",
    "        {",
    "        };",
    "};",
    "",
};

std::string blanks(std::size_t depth)
{
    return std::string(2 * depth, ' ');
}

void formLine(CodeOut &out, std::string_view head, const ControlRecord &r, FormField field)
{
    out += head;
    appendFormValue(out, r, field);
    appendLine(out, {";"});
}

// The group's own lines up to the opening of its class Controls.
void appendGroupHead(CodeOut &out, const ControlRecord &group)
{
    out += " class ";
    appendRawText(out, group.Name);
    appendLine(
        out,
        {": ",
         group.Base.empty() ? generatedBase(ControlKind::Group) : std::string_view(group.Base)});
    appendLine(out, {" {"});
    out += "  idc = ";
    appendNumber(out, group.IDC);
    appendLine(out, {";"});
    formLine(out, "  x = ", group, FormField::X);
    formLine(out, "  y = ", group, FormField::Y);
    formLine(out, "  w = ", group, FormField::Width);
    formLine(out, "  h = ", group, FormField::Height);
    out += "  colorBackground[] = {";
    appendColourList(out, group.BackColor);
    appendLine(out, {"};"});
    appendOtherProperties(out, group.Others);
    appendLine(out, {"  class Controls"});
    appendLine(out, {"  {"});
}

void appendGroupTail(CodeOut &out)
{
    appendLine(out, {"  };"});
    appendLine(out, {"  };"});
}

} // namespace

bool setHoldsGroups(const DialogSet &set)
{
    for (const Dialog &dialog : set.cForms()) {
        if (holdsGroups(dialog.cControls))
            return true;
    }
    return false;
}

void appendGroupBase(CodeOut &out)
{
    for (std::string_view line : kGroupBaseClass)
        appendLine(out, {line});
}

void appendEmptyGroupClass(CodeOut &out, const ControlRecord &group)
{
    appendGroupHead(out, group);
    appendGroupTail(out);
}

void appendControlTree(CodeOut &out, const Dialog &dialog)
{
    // The groups open around the entry being written, innermost last.
    std::vector<std::size_t> open;
    const auto closeTo = [&](std::size_t depth) {
        while (open.size() > depth) {
            out.setIndent(blanks(open.size() - 1));
            appendGroupTail(out);
            open.pop_back();
        }
    };
    for (const TreeEntry &entry : treeOrder(dialog.cControls)) {
        closeTo(entry.depth);
        out.setIndent(blanks(entry.depth));
        const ControlRecord &record = dialog.cControls[entry.index];
        if (isGroupRecord(record)) {
            appendGroupHead(out, record);
            open.push_back(entry.index);
        } else {
            appendControlClass(out, record);
        }
    }
    closeTo(0);
    out.setIndent({});
}

} // namespace kovrin
