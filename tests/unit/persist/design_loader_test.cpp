#include "persist/design_loader.h"

#include "persist_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

ControlRecord recordOf(const std::string &name, const std::string &type, float x, float y)
{
    ControlRecord r;
    r.Name = name;
    r.CtrlType = type;
    r.X = x;
    r.Y = y;
    r.Width = 0.25f;
    r.Height = 0.5f;
    r.Text = "caption";
    r.ForeColor = Rgba {std::string("1"), std::string("0,5"), std::string("0"), std::string("1")};
    r.BackColor
        = Rgba {std::string("0.2"), std::string("0.2"), std::string("0.2"), std::string("1")};
    return r;
}

LoadedDesign twoDialogs()
{
    LoadedDesign design;
    design.dialogs.push_back(
        LoadedDialog {"A",
                      0.05f,
                      {recordOf("t1", "TEXT", 0.1f, 0.2f), recordOf("b1", "BUTTON", 0.5f, 0.5f),
                       recordOf("t2", "TEXT", 0, 0)}});
    design.dialogs.push_back(
        LoadedDialog {"B", 0, {recordOf("w", "WIDGET", 0, 0), recordOf("t3", "TEXT", 0, 0)}});
    return design;
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
    DialogSet set = busySet();
    ASSERT_TRUE(loadIntoSet(set, twoDialogs(), kSurface, "/tmp/x.kvx"));
    EXPECT_EQ(set.CurrentFile, "/tmp/x.kvx");
    EXPECT_EQ(set.DialogCounter, 2);
    EXPECT_EQ(set.NextTag, 5);
    ASSERT_EQ(set.count(), 2u);

    const Dialog &a = set.dialog(0);
    EXPECT_EQ(a.FrmIndex, 1);
    EXPECT_EQ(a.Tag, "A");
    EXPECT_EQ(a.GridSize, 0.05f);
    ASSERT_EQ(a.cControls.size(), 3u);
    EXPECT_EQ(a.cControls[0].Tag, "1");
    EXPECT_EQ(a.cControls[2].Tag, "3");

    // Drawn controls in file order (the stacking order), numbered per kind from 1.
    const auto &stack = a.drawn.stackingOrder();
    ASSERT_EQ(stack.size(), 3u);
    EXPECT_EQ(stack[0].tag, "1");
    EXPECT_EQ(stack[0].element, 1);
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
    EXPECT_EQ(a.drawn.nextElement(ControlKind::Text), 3);

    // Element numbers start again on every dialog; an unknown kind is kept but not drawn.
    const Dialog &b = set.dialog(1);
    EXPECT_EQ(b.FrmIndex, 2);
    ASSERT_EQ(b.cControls.size(), 2u);
    EXPECT_EQ(b.cControls[0].CtrlType, "WIDGET");
    EXPECT_EQ(b.cControls[0].Tag, "4");
    ASSERT_EQ(b.drawn.stackingOrder().size(), 1u);
    EXPECT_EQ(b.drawn.stackingOrder()[0].tag, "5");
    EXPECT_EQ(b.drawn.stackingOrder()[0].element, 1);
}

TEST(DesignLoader, DesignsThatWouldPassACounterAreRefusedBeforeAnythingIsDiscarded)
{
    LoadedDesign manyDialogs;
    manyDialogs.dialogs.resize(32768);
    DialogSet set = busySet();
    const Status dialogs = loadIntoSet(set, manyDialogs, kSurface, "x.kvx");
    EXPECT_FALSE(dialogs);
    EXPECT_EQ(dialogs.message,
              "The file holds more than 32767 dialogs; at most 32767 can be loaded. Nothing "
              "was loaded.");
    expectUntouched(set);

    LoadedDesign manyControls;
    manyControls.dialogs.resize(2);
    manyControls.dialogs[0].controls.resize(20000, recordOf("w", "WIDGET", 0, 0));
    manyControls.dialogs[1].controls.resize(12768, recordOf("w", "WIDGET", 0, 0));
    const Status controls = loadIntoSet(set, manyControls, kSurface, "x.kvx");
    EXPECT_FALSE(controls);
    EXPECT_NE(controls.message.find("more than 32767 controls"), std::string::npos);
    expectUntouched(set);

    // The element numbers of one kind on one dialog run out one earlier: they start at 1.
    LoadedDesign oneKind;
    oneKind.dialogs.resize(1);
    oneKind.dialogs[0].controls.resize(32767, recordOf("t", "TEXT", 0, 0));
    EXPECT_FALSE(loadIntoSet(set, oneKind, kSurface, "x.kvx"));
    expectUntouched(set);
    oneKind.dialogs[0].controls.pop_back();
    EXPECT_TRUE(loadIntoSet(set, oneKind, kSurface, "x.kvx"));
    EXPECT_EQ(set.NextTag, 32766);
}

TEST(DesignLoader, UnreadableFileLeavesTheSetAsItWas)
{
    DialogSet set = busySet();
    const auto outcome
        = loadDesignFile(set, std::string(KOVRIN_TEST_DATA) + "/missing.kvx", '.', kSurface);
    EXPECT_FALSE(outcome.status);
    EXPECT_NE(outcome.status.message.find("missing.kvx"), std::string::npos);
    expectUntouched(set);
}

TEST(DesignLoader, LoadingAFileReportsItsProblems)
{
    const auto path = std::filesystem::temp_directory_path() / "kovrin-loader-problems.kvx";
    {
        std::ofstream out(path, std::ios::binary);
        out << "\"0.61\"\r\n\"A\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\nwide\r\n\"###\"\r\n";
    }
    DialogSet set = busySet();
    const auto outcome = loadDesignFile(set, path, '.', kSurface);
    std::filesystem::remove(path);
    ASSERT_TRUE(outcome.status);
    EXPECT_EQ(
        outcome.problems,
        (std::vector<std::string> {"dialog \"A\", grid step: \"wide\" is not a number; it was "
                                   "read as 0."}));
    EXPECT_EQ(set.count(), 1u);
    EXPECT_EQ(set.CurrentFile, path.string());
}
