// Loading read dialogs into the set: fresh numbers, tags and drawn controls, all or nothing.
#include "../cli/cli_run.h"
#include "persist/design_loader.h"

#include "persist_support.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

ControlRecord ofType(const std::string &type)
{
    ControlRecord r;
    r.CtrlType = type;
    return r;
}

// A set that must not change when a load is refused.
DialogSet busySet()
{
    DialogSet set = mainMenuSet();
    set.CurrentFile = "old.kvx";
    return set;
}

void expectUntouched(const DialogSet &set)
{
    EXPECT_EQ(set.count(), 2u);
    EXPECT_EQ(set.dialog(0).cControls.size(), 5u);
    EXPECT_EQ(set.NextTag, 11);
    EXPECT_EQ(set.CurrentFile, "old.kvx");
}

} // namespace

TEST(DesignLoader, LoadsAFileWithFreshNumbersTagsAndDrawnControlsAndReportsItsProblems)
{
    const Lines t1 = control(
        "A", "t1", "TEXT", {{6, "1"}, {7, "0.5"}, {8, "0"}, {10, "0.2"}, {11, "0.2"}, {12, "0.2"}});
    const kovrin::test::TempFolder folder;
    const std::string path = folder.write(
        "x.kvx",
        fileOf(current({header("A", "0.05"), t1, control("A", "b1", "BUTTON"), control("A", "t2"),
                        control("B", "w", "WIDGET"), control("B", "t3"), header("C", "wide")})));
    DialogSet set = busySet();
    const LoadOutcome outcome = loadDesignFile(set, path, '.', kSurface);
    ASSERT_TRUE(outcome.status);
    EXPECT_EQ(outcome.problems,
              (std::vector<std::string> {"dialog \"C\", grid step: \"wide\" "
                                         "is not a number; it was read as 0."}));
    EXPECT_EQ(set.CurrentFile, path);
    EXPECT_EQ(set.NextTag, 5);
    ASSERT_EQ(set.count(), 3u);
    const Dialog &a = set.dialog(0);
    EXPECT_EQ(a.GridSize, 0.05f);
    // Drawn in file order (the stacking order), numbered per kind from 1, as the record says.
    const auto &stack = a.drawn.stackingOrder();
    ASSERT_EQ(stack.size(), 3u);
    EXPECT_EQ(stack[1].kind, ControlKind::Button);
    EXPECT_EQ(stack[1].element, 1);
    EXPECT_EQ(stack[2].element, 2);
    EXPECT_EQ(stack[2].tag, "3");
    EXPECT_EQ(stack[0],
              (DrawnControl {ControlKind::Text, 1, "1", 1500, 0.1f * 9000.0, 0.2f * 12000.0,
                             0.1f * 9000.0, true, "hello", Rgb8 {255, 128, 0}, Rgb8 {51, 51, 51}}));
    EXPECT_EQ(a.drawn.nextElement(ControlKind::Text), 3);
    // Numbers go on across dialogs, element numbers start again; an unknown kind is not drawn.
    const Dialog &b = set.dialog(1);
    EXPECT_EQ(b.FrmIndex, 2);
    EXPECT_EQ(b.cControls.at(0).Tag, "4");
    ASSERT_EQ(b.drawn.stackingOrder().size(), 1u);
    EXPECT_EQ(b.drawn.stackingOrder()[0].tag, "5");
    EXPECT_EQ(b.drawn.stackingOrder()[0].element, 1);
}

TEST(DesignLoader, UnreadableFilesAndDesignsThatWouldPassACounterChangeNothing)
{
    DialogSet set = busySet();
    const auto missing = loadDesignFile(set, kovrin::test::dataPath("missing.kvx"), '.', kSurface);
    EXPECT_NE(missing.status.message.find("missing.kvx"), std::string::npos);
    EXPECT_FALSE(loadDesignFile(set, KOVRIN_TEST_DATA, '.', kSurface).status); // a folder
    expectUntouched(set);

    LoadedDesign design;
    design.dialogs.resize(32768);
    EXPECT_EQ(loadIntoSet(set, design, kSurface, "x.kvx").message,
              "The file holds more than 32767 dialogs; at most 32767 can be loaded. Nothing "
              "was loaded.");
    expectUntouched(set);
    design.dialogs.resize(2);
    design.dialogs[0].controls.resize(20000, ofType("WIDGET"));
    design.dialogs[1].controls.resize(12768, ofType("WIDGET"));
    EXPECT_NE(loadIntoSet(set, design, kSurface, "x.kvx").message.find("more than 32767 controls"),
              std::string::npos);
    expectUntouched(set);
    // The element numbers of one kind on one dialog run out one earlier: they start at 1.
    design.dialogs.resize(1);
    design.dialogs[0].controls.assign(32767, ofType("TEXT"));
    EXPECT_FALSE(loadIntoSet(set, design, kSurface, "x.kvx"));
    expectUntouched(set);
    design.dialogs[0].controls.pop_back();
    EXPECT_TRUE(loadIntoSet(set, design, kSurface, "x.kvx"));
    EXPECT_EQ(set.NextTag, 32766);
}

// A file that cannot be a design at all is refused whole, saying why and naming the file; an
// empty design as Save writes it, and a design with damaged records, load as they always did.
TEST(DesignLoader, BytesThatCannotBeADesignAreRefusedAndChangeNothing)
{
    std::mt19937 noise(21);
    std::string random(300, ' ');
    for (char &c : random)
        c = static_cast<char>(noise() & 0xFFu);
    // The same noise with every NUL and undefined byte made a blank: only its records tell.
    std::string decodable = random;
    for (char &c : decodable) {
        if (c == '\0' || std::string_view("\x81\x8D\x8F\x90\x9D").find(c) != std::string::npos)
            c = ' ';
    }
    const std::string design = fileOf(current({header("A", "0.05"), control("A", "t1")}));
    const std::pair<std::string, std::string> cases[] = {
        {random, "it holds a NUL byte"},
        {decodable, "it holds no dialog header and no control of a kind Kovrin knows"},
        {"Dear reader,\r\nthis is a plain letter. It ends here.\r\n",
         "it holds no dialog header and no control of a kind Kovrin knows"},
        {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20), "it holds a NUL byte"},
        {std::string(64, '\0'), "it holds a NUL byte"},
        {kovrin::test::replaced(design, "hello", "hel\x8Dlo"),
         "it holds the byte 0x8D, which Windows-1252 does not define"},
        {"", ""},
        {"\"0.61\"\r\n", ""},
        // One record of a known kind among damaged ones, in either format, is a design.
        {fileOf(current({control("A", "w", "WIDGET", {{4, "wide"}}), control("A", "t1")})), ""},
        {fileOf(olderControl("A", "b")), ""},
    };
    const kovrin::test::TempFolder folder;
    for (const auto &[bytes, reason] : cases) {
        const std::string path = folder.write("x.kvx", bytes);
        DialogSet set = busySet();
        const LoadOutcome outcome = loadDesignFile(set, path, '.', kSurface);
        if (reason.empty()) {
            EXPECT_TRUE(outcome.status) << outcome.status.message;
            EXPECT_EQ(set.CurrentFile, path);
            continue;
        }
        EXPECT_TRUE(outcome.status.message.ends_with(
            "x.kvx\" is not a Kovrin design file: " + reason + "."))
            << outcome.status.message;
        expectUntouched(set);
    }
}
