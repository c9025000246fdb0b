// Other properties of controls and dialogs in the design file: written after the definition's
// fields, read back whole, a damaged section reported without losing anything else.
#include "persist/design_writer.h"

#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

OtherProperties othersOf(std::vector<OtherProperty> list)
{
    return OtherProperties(std::move(list));
}

// A dialog keeping idd and an event handler beside its layout, a control with a nested class and
// quotes, one without, and a dialog keeping only its other properties.
DialogSet withOthers()
{
    DialogSet set;
    set.insertDialog();
    set.setLayout(0, DialogLayout::SafeZone);
    set.setDialogProperties(
        0,
        othersOf({{"idd", "65440"}, {"onLoad", "\"uiNamespace setVariable ['d', _this # 0]\""}}));
    place(set, 0, ControlKind::Button, 600, 600, [](ControlRecord &r) {
        r.Base = "RscButtonMenu";
        r.Others
            = othersOf({{"onButtonClick", "\"hint \"\"a\"\"\""},
                        {"class Attributes", "{font = \"PuristaMedium\"; align = \"center\";}"},
                        {"soundClick[] +", "{\"\\a3\\ui_f\\data\\sound\\click\", 0.09, 1}"}});
    });
    set.createControl(0, ControlKind::Text, 1200, 1200, kSurface);
    set.insertDialog();
    set.setDialogProperties(1, othersOf({{"movingEnable", "false"}}));
    place(set, 1, ControlKind::List, 900, 900, [](ControlRecord &r) {
        r.Others = othersOf({{"text", "\"\""}});
    });
    return set;
}

} // namespace

TEST(DesignOthers, OtherPropertiesRoundTripByteForByte)
{
    const DialogSet set = withOthers();
    ProblemList problems;
    const std::string bytes = designBytes(set).bytes;
    const DialogSet back = loaded(bytes, '.', &problems);
    EXPECT_TRUE(problems.empty()) << problemLines(problems.lines());
    ASSERT_EQ(back.count(), 2u);
    for (std::size_t d = 0; d < 2; ++d) {
        EXPECT_EQ(back.dialog(d).Others, set.dialog(d).Others);
        EXPECT_EQ(back.dialog(d).Layout, set.dialog(d).Layout);
        for (std::size_t i = 0; i < set.dialog(d).cControls.size(); ++i) {
            EXPECT_EQ(back.dialog(d).cControls.at(i).Others, set.dialog(d).cControls[i].Others);
            EXPECT_EQ(back.dialog(d).cControls.at(i).Base, set.dialog(d).cControls[i].Base);
        }
    }
    const std::string again = designBytes(back).bytes;
    EXPECT_EQ(designBytes(loaded(again)).bytes, again);
    EXPECT_NE(bytes.find("\"onButtonClick\"\r\n\"&quothint &quot&quota&quot&quot&quot\""),
              std::string::npos);
    EXPECT_NE(bytes.find("\"KOVRIN_BASE\"\r\n1\r\n\"RscButtonMenu\"\r\n"), std::string::npos);
}

TEST(DesignOthers, ADamagedSectionIsReportedAndLosesNothingElse)
{
    struct Row
    {
        Lines additions;
        std::size_t kept; // entries of the first control
        bool safeZoneX;
        std::string base = {};
    };
    const Row rows[] = {
        {{"\"KOVRIN_OTHER\"", "3", "\"a\"", "\"1\"", "\"b\""}, 1, false},
        {{"\"KOVRIN_OTHER\"", "4", "\"\"", "\"1\"", "\"b\"", "\"2\""}, 1, false},
        {{"\"KOVRIN_OTHER\"", "2", "\"a\"", "\"1\"", "\"KOVRIN_FORMS\"", "3", "\"X\"",
          "\"SAFEZONE\"", "0.5", "\"KOVRIN_NEWER\"", "0"},
         1,
         true},
        {{"\"KOVRIN_OTHER\"", "5", "\"a\"", "\"1\""}, 0, false},
        // A base that is no class name leaves the kind's own; the next section is still read.
        {{"\"KOVRIN_BASE\"", "1", "\"Rsc Menu\"", "\"KOVRIN_OTHER\"", "2", "\"a\"", "\"1\""},
         1,
         false},
        {{"\"KOVRIN_BASE\"", "0", "\"KOVRIN_OTHER\"", "2", "\"a\"", "\"1\""}, 1, false},
        {{"\"KOVRIN_BASE\"", "1", "\"RscMenu_2\"", "\"KOVRIN_OTHER\"", "3", "\"a\"", "\"1\"",
          "\"b\""},
         1,
         false,
         "RscMenu_2"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.additions.at(0) + row.additions.at(1));
        Lines record = control("D", "T1");
        record.insert(record.end() - 1, row.additions.begin(), row.additions.end());
        ProblemList problems;
        const DialogSet set = loaded(
            fileOf(current({header("D", "0"), record, control("D", "T2")})), '.', &problems);
        EXPECT_EQ(problems.count(), 1u) << problemLines(problems.lines());
        const auto &controls = set.dialog(0).cControls;
        ASSERT_EQ(controls.size(), 2u);
        EXPECT_EQ(controls[0].Others.list().size(), row.kept);
        EXPECT_EQ(controls[0].Forms[FormField::X].form == PositionForm::SafeZone, row.safeZoneX);
        EXPECT_EQ(controls[0].Text, "hello");
        EXPECT_EQ(controls[0].Base, row.base);
        EXPECT_TRUE(controls[1].Others.empty());
    }
}
