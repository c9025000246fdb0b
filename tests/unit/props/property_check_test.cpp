#include "model/creation_defaults.h"
#include "props/property_check.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

EditorFields filled(ControlKind kind)
{
    ControlRecord r = defaultRecord(kind);
    r.Name = "ctl";
    return fieldsFromRecord(r, '.');
}

EditorFields emptied(ControlKind kind)
{
    EditorFields f = filled(kind);
    f.name = f.idc = f.width = f.height = f.fontSize = f.rowHeight = f.wholeHeight = "";
    f.colours.fill(ColourTexts {});
    return f;
}

} // namespace

// One "- " line ended by CR LF per problem, in a fixed order; each named here by a word of it.
TEST(PropertyCheck, OneLinePerProblemInAFixedOrder)
{
    using Edit = void (*)(EditorFields &);
    const std::tuple<ControlKind, Edit, std::vector<const char *>> cases[] = {
        // Every usable colour group and both heights; the line spacing comes last.
        {ControlKind::Combo,
         [](EditorFields &f) {
             f = emptied(ControlKind::Combo);
             f.multiline = true;
         },
         {"a name", "IDc", "width", "height", "foreground", "background color", "size for the font",
          "selection color", "selection background color", "row height", "whole height",
          "linespacing"}},
        // One empty component fails its group, only where usable.
        {ControlKind::Link,
         [](EditorFields &f) {
             f.colours[2][3] = ""; // ActiveColor alpha
             f.colours[1] = ColourTexts {}; // BackColor, not a link's
         },
         {"color for the active selection"}},
        {ControlKind::Text, [](EditorFields &f) { f.multiline = true; }, {"linespacing"}},
        // What the design file cannot read back, after the thirteen.
        {ControlKind::Button,
         [](EditorFields &f) {
             f.name = "a\"b";
             f.text = "say \"hi\"";
             f.action = "hint \"fine\";"; // quotes in actions are stored encoded
             f.idc = "";
         },
         {"IDc", "name cannot contain a double quote", "text cannot contain a double quote"}},
        {ControlKind::Button,
         [](EditorFields &f) { f.name = f.text = f.action = "###"; },
         {"name cannot be ###", "text cannot be ###", "action cannot be ###"}},
        {ControlKind::Button, [](EditorFields &f) { f.text = "x\n###"; }, {}}, // not a whole value
        {ControlKind::Input, [](EditorFields &f) { f.text = f.action = "###"; }, {}}, // not its own
    };
    for (const auto &[kind, edit, words] : cases) {
        EditorFields f = filled(kind);
        edit(f);
        const std::string report = checkFields(f, kind);
        std::size_t at = 0;
        for (const char *word : words) {
            at = report.find(word, at);
            EXPECT_NE(at, std::string::npos) << word << "\n" << report;
        }
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), std::ssize(words)) << report;
        EXPECT_TRUE(report.empty() || report.starts_with("- ")) << report;
    }
    for (ControlKind kind : kAllKinds)
        EXPECT_EQ(checkFields(filled(kind), kind), "") << kindWord(kind);
}
