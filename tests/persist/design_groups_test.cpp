// Controls groups in the design file: each control of a group names it after field 36, a design
// with nested groups reads back whole and writes the same bytes, and a name that finds no group
// is reported with the control left in the dialog.
#include "model/control_groups.h"
#include "persist/design_loader.h"
#include "persist/design_writer.h"

#include "persist_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

// A dialog whose outer group holds a text and an inner group, which holds a button made before
// either group; a list stands in the dialog's own list.
DialogSet nestedGroups()
{
    DialogSet set;
    set.insertDialog();
    set.createControl(0, ControlKind::Button, 3000, 3000, kSurface); // 1
    set.createControl(0, ControlKind::Group, 1200, 900, kSurface); // 2
    set.createControl(0, ControlKind::Text, 2400, 1800, kSurface); // 3
    set.createControl(0, ControlKind::Group, 2000, 2500, kSurface); // 4
    set.createControl(0, ControlKind::List, 6000, 6000, kSurface); // 5
    set.setControlGroup(0, "3", "2");
    set.setControlGroup(0, "4", "2");
    set.setControlGroup(0, "1", "4");
    return set;
}

// The Name each record's group has, or "" for the dialog's own.
std::vector<std::string> holderNames(const Dialog &dialog)
{
    std::vector<std::string> names;
    for (const ControlRecord &record : dialog.cControls) {
        const auto holder = holderOf(dialog.cControls, record);
        names.push_back(holder ? dialog.cControls[*holder].Name : "");
    }
    return names;
}

} // namespace

TEST(DesignGroups, NestedGroupsRoundTripByteForByte)
{
    const DialogSet set = nestedGroups();
    const std::string bytes = designBytes(set).bytes;
    const std::vector<std::string> lines = crlfLines(bytes);
    // The button (the first record) names the inner group after field 36.
    const std::vector<std::string> addition {"\"KOVRIN_GROUP\"", "1", "\"GROUP4\"", "\"###\""};
    ASSERT_GT(lines.size(), 5u + 37u + 4u);
    EXPECT_TRUE(std::equal(addition.begin(), addition.end(), lines.begin() + 5 + 37));
    // A record of the dialog's own list holds no addition.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "\"KOVRIN_GROUP\""), 3);

    ProblemList problems;
    const DialogSet back = loaded(bytes, '.', &problems);
    EXPECT_TRUE(problems.lines().empty());
    EXPECT_EQ(holderNames(back.dialog(0)), holderNames(set.dialog(0)));
    // Loaded colour components are texts; from then on save -> load -> save keeps every byte.
    const std::string saved = designBytes(back).bytes;
    EXPECT_EQ(designBytes(loaded(saved)).bytes, saved);
    // Drawn where they stand on the screen, through both groups, to the twip.
    const TwipRect was = set.drawnControls(0).findByTag("1")->rect();
    const TwipRect is = back.drawnControls(0).findByTag("1")->rect();
    EXPECT_NEAR(is.left, was.left, 1);
    EXPECT_NEAR(is.top, was.top, 1);
}

TEST(DesignGroups, AGroupNameThatFindsNoGroupLeavesTheControlInTheDialog)
{
    Lines inner = control("D", "inner");
    inner.back() = "\"KOVRIN_GROUP\"";
    inner.insert(inner.end(), {"1", "\"Missing\"", "\"###\""});
    std::string bytes = fileOf(current({header("D", "0"), inner}));
    const std::filesystem::path path = "groups.kvx";
    auto design = readDesign(std::move(bytes), path, '.');
    ASSERT_TRUE(design);
    DialogSet set;
    std::vector<std::string> notes;
    ASSERT_TRUE(loadIntoSet(set, std::move(*design.value), kSurface, path, &notes));
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("no group is named \"Missing\""), std::string::npos) << notes[0];
    EXPECT_TRUE(set.dialog(0).cControls[0].Group.empty());
}

// A control whose group is not found is placed as the dialog's own, its safe-zone place counted
// from the safe zone's corner, so save -> load -> save keeps every byte.
TEST(DesignGroups, AControlLeftInTheDialogIsPlacedAsTheDialogsOwn)
{
    DialogSet set = nestedGroups();
    set.convertForms(0, {0, 1, 2, 3, 4}, DialogLayout::SafeZone);
    std::string bytes = designBytes(set).bytes;
    // The outer group turns into a frame: the text and the inner group it held lose their group.
    const std::string word = "\"GROUP\"\r\n";
    const auto at = bytes.find(word);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, word.size(), "\"FRAME\"\r\n");
    const std::string saved = designBytes(loaded(bytes)).bytes;
    EXPECT_EQ(designBytes(loaded(saved)).bytes, saved);
}
