// Loading read dialogs into the set: fresh numbers, tags and drawn controls, all or nothing.
#include "../cli/cli_run.h"
#include "persist/design_loader.h"

#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

ControlRecord recordOf(const std::string &name, const std::string &type)
{
    ControlRecord r;
    r.Name = name;
    r.CtrlType = type;
    r.X = 0.1f;
    r.Y = 0.2f;
    r.Width = 0.25f;
    r.Height = 0.5f;
    r.Text = "caption";
    r.ForeColor = Rgba {std::string("1"), std::string("0,5"), std::string("0"), std::string("1")};
    r.BackColor
        = Rgba {std::string("0.2"), std::string("0.2"), std::string("0.2"), std::string("1")};
    return r;
}

// A set that must not change when a load is refused.
DialogSet busySet()
{
    DialogSet set = sampleSet();
    set.CurrentFile = "old.kvx";
    return set;
}

void expectUntouched(const DialogSet &set)
{
    EXPECT_EQ(set.count(), 2u);
    EXPECT_EQ(set.dialog(0).cControls.size(), 2u);
    EXPECT_EQ(set.NextTag, 2);
    EXPECT_EQ(set.CurrentFile, "old.kvx");
}

} // namespace

TEST(DesignLoader, RebuildsDialogsWithFreshNumbersTagsAndDrawnControls)
{
    LoadedDesign design;
    design.dialogs.push_back(LoadedDialog {
        "A", 0.05f, {recordOf("t1", "TEXT"), recordOf("b1", "BUTTON"), recordOf("t2", "TEXT")}});
    design.dialogs.push_back(
        LoadedDialog {"B", 0, {recordOf("w", "WIDGET"), recordOf("t3", "TEXT")}});
    DialogSet set = busySet();
    ASSERT_TRUE(loadIntoSet(set, design, kSurface, "/tmp/x.kvx"));
    EXPECT_EQ(set.CurrentFile, "/tmp/x.kvx");
    EXPECT_EQ(set.DialogCounter, 2);
    EXPECT_EQ(set.NextTag, 5);
    ASSERT_EQ(set.count(), 2u);

    const Dialog &a = set.dialog(0);
    EXPECT_EQ(a.FrmIndex, 1);
    EXPECT_EQ(a.Tag, "A");
    EXPECT_EQ(a.GridSize, 0.05f);
    ASSERT_EQ(a.cControls.size(), 3u);
    EXPECT_EQ(a.cControls[2].Tag, "3");
    // Drawn controls in file order (the stacking order), numbered per kind from 1.
    const auto &stack = a.surface.stackingOrder();
    ASSERT_EQ(stack.size(), 3u);
    EXPECT_EQ(stack[0].tag, "1");
    EXPECT_EQ(stack[1].kind, ControlKind::Button);
    EXPECT_EQ(stack[1].element, 1);
    EXPECT_EQ(stack[2].element, 2);
    EXPECT_TRUE(stack[0].visible);
    EXPECT_DOUBLE_EQ(stack[0].left, static_cast<double>(0.1f) * 12000);
    EXPECT_DOUBLE_EQ(stack[0].top, static_cast<double>(0.2f) * 9000);
    EXPECT_DOUBLE_EQ(stack[0].width, 3000);
    EXPECT_DOUBLE_EQ(stack[0].height, 4500);
    EXPECT_EQ(stack[0].caption, "caption");
    EXPECT_EQ(stack[0].textColour, (Rgb8 {255, 128, 0}));
    EXPECT_EQ(stack[0].backColour, (Rgb8 {51, 51, 51}));
    EXPECT_EQ(a.surface.lastElement(ControlKind::Text), 3);

    // Element numbers start again on every dialog; an unknown kind is kept but not drawn.
    const Dialog &b = set.dialog(1);
    EXPECT_EQ(b.FrmIndex, 2);
    EXPECT_EQ(b.cControls.at(0).CtrlType, "WIDGET");
    EXPECT_EQ(b.cControls.at(0).Tag, "4");
    ASSERT_EQ(b.surface.stackingOrder().size(), 1u);
    EXPECT_EQ(b.surface.stackingOrder()[0].tag, "5");
    EXPECT_EQ(b.surface.stackingOrder()[0].element, 1);
}

TEST(DesignLoader, DesignsThatWouldPassACounterAreRefusedBeforeAnythingIsDiscarded)
{
    DialogSet set = busySet();
    LoadedDesign design;
    design.dialogs.resize(32768);
    const Status dialogs = loadIntoSet(set, design, kSurface, "x.kvx");
    EXPECT_EQ(dialogs.message,
              "The file holds more than 32767 dialogs; at most 32767 can be loaded. Nothing "
              "was loaded.");
    expectUntouched(set);

    design.dialogs.resize(2);
    design.dialogs[0].controls.resize(20000, recordOf("w", "WIDGET"));
    design.dialogs[1].controls.resize(12768, recordOf("w", "WIDGET"));
    EXPECT_NE(loadIntoSet(set, design, kSurface, "x.kvx").message.find("more than 32767 controls"),
              std::string::npos);
    expectUntouched(set);

    // The element numbers of one kind on one dialog run out one earlier: they start at 1.
    design.dialogs.resize(1);
    design.dialogs[0].controls.assign(32767, recordOf("t", "TEXT"));
    EXPECT_FALSE(loadIntoSet(set, design, kSurface, "x.kvx"));
    expectUntouched(set);
    design.dialogs[0].controls.pop_back();
    EXPECT_TRUE(loadIntoSet(set, design, kSurface, "x.kvx"));
    EXPECT_EQ(set.NextTag, 32766);
}

TEST(DesignLoader, LoadingAFileReportsItsProblemsAndAnUnreadableOneChangesNothing)
{
    DialogSet set = busySet();
    auto outcome = loadDesignFile(set, kovrin::test::dataPath("missing.kvx"), '.', kSurface);
    EXPECT_NE(outcome.status.message.find("missing.kvx"), std::string::npos);
    expectUntouched(set);

    const kovrin::test::TempFolder folder;
    const std::string path = folder.write(
        "problems.kvx", fileOf(current({header("A", "wide"), control("A", "a", "TEXT")})));
    outcome = loadDesignFile(set, path, '.', kSurface);
    ASSERT_TRUE(outcome.status);
    EXPECT_EQ(outcome.problems,
              (std::vector<std::string> {"dialog \"A\", grid step: \"wide\" is "
                                         "not a number; it was read as 0."}));
    EXPECT_EQ(set.count(), 1u);
    EXPECT_EQ(set.dialog(0).cControls.size(), 1u);
    EXPECT_EQ(set.CurrentFile, path);
}
