#include "cli_run.h"
#include "model/dialog_set.h"
#include "persist/design_writer.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::test;

// The rules of each problem are held by the design check's own tests; these prove that check
// finds in the file what loading hides, and says so in the words of its report.
TEST(Check, ReportsWhatTheFileHoldsOnePerLineAndExitsOne)
{
    const std::string example = dataBytes("cli/worked_example.kvx");
    const std::string older = dataBytes("cli/older_format.kvx");
    DialogSet adjacent;
    for (int i = 0; i < 3; ++i)
        adjacent.insertDialog();
    adjacent.renameDialog(1, "DIALOG1");
    const std::string at = "dialog \"DIALOG1\", ";
    const std::string merged
        = "dialog \"DIALOG1\": follows a dialog of the same name; the two become one on loading\n";
    struct Case
    {
        std::string bytes;
        std::string report; // every line, in order
    };
    const Case cases[] = {
        {replaced(example, "\"fra1\"", "\"btnOK\""),
         at + "control \"btnOK\": another control of this dialog has the same name\n"},
        {replaced(example, "\"btnOK\"", "\"btn OK\""),
         at + "control \"btn OK\": the name is not an identifier\n"},
        {designBytes(adjacent).bytes, merged},
        // The dialog twice in a row: the second header opens the same name again.
        {example + example.substr(example.find("\r\n") + 2),
         merged + at + "control \"fra1\": another control of this dialog has the same name\n" + at
             + "control \"btnOK\": another control of this dialog has the same name\n" + at
             + "control \"btnOK\": has IDC 1 as control \"btnOK\" does; the game finds controls by "
               "their IDC\n"},
        {replaced(example, "\"Box\"", "\"Big \"Box\"\""),
         at + "control \"fra1\": Text holds a double quote, which ends the text on loading\n"},
        {replaced(example, "\"ST_CENTER\"", "\"ST_CENTER\" + ST_MULTI"),
         at + "control \"btnOK\": Style holds a double quote, which ends the text on loading\n"},
        {example.substr(0, example.rfind("\"BUTTON\"") + 4),
         at + "control \"btnOK\": the file ends inside this record; its last item is not read\n"},
        {replaced(older, "\"Hello\"", "\"###\""),
         at + "control \"txt1\": Text is \"###\", which ends the record on loading\n"},
        {replaced(replaced(example, "\"BUTTON\"", "\"Button\""), "\r\n0.5\r\n0.4\r\n",
                  "\r\n1.5\r\n0.4\r\n"),
         at + "control \"fra1\": Width 1.5 is outside 0 to 1\n" + at
             + "control \"btnOK\": unknown kind \"Button\"\n"},
    };
    TempFolder folder;
    for (const Case &c : cases) {
        const CliRun run = runCli({"check", folder.write("design.kvx", c.bytes)});
        EXPECT_EQ(run.status, 1) << c.report;
        EXPECT_EQ(run.out, c.report);
    }

    // Among what the reader reports of the same file.
    const CliRun unclosed
        = runCli({"check", folder.write("design.kvx", replaced(older, "\"TEXT\"", "\"TEXT"))});
    EXPECT_EQ(unclosed.status, 1);
    EXPECT_NE(unclosed.out.find(at
                                + "control \"txt1\": CtrlType has no closing double quote; it "
                                  "runs to the end of the file\n"),
              std::string::npos)
        << unclosed.out;

    // Values the reader had to replace are problems too.
    const CliRun replacedValue = runCli(
        {"check", folder.write("design.kvx", replaced(example, "\r\n0.025\r\n", "\r\nabc\r\n"))});
    EXPECT_EQ(replacedValue.status, 1);
    EXPECT_EQ(lineCount(replacedValue.out), 1u) << replacedValue.out;
    EXPECT_NE(replacedValue.out.find("\"abc\""), std::string::npos);
}

TEST(Check, CleanFileExitsZeroSilentlyAndBlankLinesAtTheEndAreHarmless)
{
    const std::string example = dataBytes("cli/worked_example.kvx");
    TempFolder folder;
    for (const std::string &bytes : {example, example + "\r\n", example + "\r\n\r\n\r\n"}) {
        const CliRun run = runCli({"check", folder.write("design.kvx", bytes)});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
}
