// The import's reports: each with its cause and the value it came to, all of them counted and
// kept within the bounds of import_limits.h, the screen's first lines and summary, the report
// file's every line.
#include "classdef/dialog_import.h"
#include "classdef/import_limits.h"
#include "classdef/import_report.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kovrin;

namespace {

DialogImport importText(const std::string &text)
{
    return importDialogs("m/d.hpp", memorySourceLoader({{"m/d.hpp", text}}), '.');
}

std::string dialogOf(const std::string &controls)
{
    return "class D { controls[] = {C}; class C { type = 0; " + controls + " }; };\n";
}

std::size_t linesIn(const std::string &text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST(ImportReport, EveryProblemIsCountedAndKeptWithinItsBounds)
{
    struct Row
    {
        std::size_t problems;
        std::size_t bytes; // of each message
        std::size_t kept;
    };
    const Row rows[] = {
        {kKeptProblems + 3, 10, kKeptProblems},
        {3, kKeptProblemBytes / 2 + 1, 1},
        {2, kKeptProblemBytes / 2, 2},
    };
    for (const Row &row : rows) {
        ReadProblems problems;
        for (std::size_t i = 0; i < row.problems; ++i)
            problems.add({}, std::string(row.bytes, 'x'),
                         i % 2 ? ReadCause::ControlLeftOut : ReadCause::ValueReplaced);
        EXPECT_EQ(problems.problems().size(), row.kept) << row.problems;
        EXPECT_EQ(problems.leftOut(), row.problems - row.kept);
        EXPECT_EQ(problems.counts()[static_cast<std::size_t>(ReadCause::ControlLeftOut)]
                      + problems.counts()[static_cast<std::size_t>(ReadCause::ValueReplaced)],
                  row.problems);
    }
}

TEST(ImportReport, EachReportHasItsCauseAndTheValueItCameTo)
{
    struct Row
    {
        std::string text;
        std::string line; // found in the report
        ReadCause cause;
        bool leftOut;
    };
    const Row rows[] = {
        {"#define BIG_IDC 4294967296\n" + dialogOf("idc = BIG_IDC;"),
         "control C: idc = BIG_IDC (4294967296): a whole number from -2147483648 to 2147483647 "
         "is needed; kept -1",
         ReadCause::ValueReplaced, false},
        {"#define ON (1 + 1)\nclass D { controls[] = {C}; class C { type = 1; default = ON; }; };",
         "default = ON (2): true or false is needed", ReadCause::ValueReplaced, false},
        {dialogOf("x = 0.5;") + "class E { controls[] = {B}; class B: Missing { type = 0; }; };",
         "its base class Missing", ReadCause::BaseClass, false},
        {"class D { class controls { class C; }; };", "class C is only declared; it is left out",
         ReadCause::ControlLeftOut, true},
        {"class RscText;\nclass D { controls[] = {C}; class C: RscText { x = 0.1; }; };",
         "class RscText is the game's", ReadCause::GameClass, false},
        {"class D { controls[] = {C, Q}; class C { type = 0; }; };",
         "Q of controls[] is not a class of the dialog", ReadCause::ControlLeftOut, true},
    };
    for (const Row &row : rows) {
        const DialogImport imported = importText(row.text);
        const ImportReport report = importReport(imported);
        const auto found = std::find_if(report.lines.begin(), report.lines.end(),
                                        [&](const ImportReportLine &line) {
                                            return line.text.find(row.line) != std::string::npos;
                                        });
        ASSERT_NE(found, report.lines.end()) << row.line << "\n" << reportFileText(report);
        EXPECT_EQ(found->cause, row.cause) << row.line;
        EXPECT_EQ(leavesSomethingOut(report.counts), row.leftOut) << row.line;
    }
    // A value the game's whole range holds is kept, however it is made.
    const DialogImport wide = importText("#define R3F_IDC 65440\n" + dialogOf("idc = R3F_IDC;"));
    EXPECT_TRUE(wide.whole());
    EXPECT_EQ(wide.dialogs.at(0).controls.at(0).IDC, 65440);
}

// The screen shows the first lines, how many more, and the count of each cause; the report file
// every line.
TEST(ImportReport, TheScreenShowsTheFirstLinesAndTheFileAll)
{
    std::string text = "class D { controls[] = {";
    std::string classes;
    for (std::size_t i = 0; i < kShownProblems + 50; ++i) {
        const std::string name = "C" + std::to_string(i);
        text += (i ? ", " : "") + name;
        // The first 30 have a value replaced; the others name no class of the dialog.
        if (i < 30)
            classes += "class " + name + " { type = 1; default = 7; };";
    }
    const ImportReport report = importReport(importText(text + "}; " + classes + " };"));
    const std::vector<std::string> screen = screenLines(report);
    ASSERT_EQ(screen.size(), kShownProblems + 4);
    EXPECT_EQ(screen[kShownProblems],
              "50 more problems are not shown here (--report FILE lists them)");
    EXPECT_EQ(std::vector<std::string>(screen.end() - 3, screen.end()),
              (std::vector<std::string> {"by cause:", "  30 values of controls replaced",
                                         "  120 controls left out"}));
    const std::string file = reportFileText(report);
    EXPECT_EQ(linesIn(file), kShownProblems + 50);
    EXPECT_TRUE(file.starts_with("m/d.hpp:1:"));
    EXPECT_TRUE(screenLines(importReport(importText(dialogOf("x = 0.5;")))).empty());
}
