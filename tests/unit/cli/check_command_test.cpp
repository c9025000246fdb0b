#include "cli_run.h"
#include "model/dialog_set.h"
#include "persist/design_writer.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::test;

// The rules of each problem are held by the design check's own tests; these prove that check
// finds in the file what loading hides, and says so in the words of its report.
TEST(Check, ReportsWhatTheFileHoldsOnePerLineAndExitsOneOrIsSilent)
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
    const std::pair<std::string, std::string> cases[] = {
        // Blank lines at the end are harmless.
        {example, ""},
        {example + "\r\n\r\n\r\n", ""},
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
        {example.substr(0, example.rfind("\"BUTTON\"") + 8),
         at + "control \"btnOK\": the file ends inside this record; its last item is not read\n"},
        {replaced(older, "\"Hello\"", "\"###\""),
         at + "control \"txt1\": Text is \"###\", which ends the record on loading\n"},
        {replaced(replaced(example, "\"BUTTON\"", "\"Button\""), "\r\n0.5\r\n0.4\r\n",
                  "\r\n1.5\r\n0.4\r\n"),
         at + "control \"fra1\": Width 1.5 is outside 0 to 1\n" + at
             + "control \"btnOK\": unknown kind \"Button\"\n"},
        // Among what the reader reports: values it had to replace, texts left open.
        {replaced(example, "\r\n0.025\r\n", "\r\nabc\r\n"),
         at + "control 2 (\"btnOK\"), FontSize: \"abc\" is not a number; it was read as 0.\n"},
        {example.substr(0, example.find("\"BUTTON\"") + 7) + "\r\n0.5\r\n",
         at
             + "the record of control \"btnOK\", CtrlType has no closing double quote; it runs to "
               "the end of the file and was not read.\n"},
    };
    TempFolder folder;
    for (const auto &[bytes, report] : cases) {
        const CliRun run = runCli({"check", folder.write("design.kvx", bytes)});
        EXPECT_EQ(run.status, report.empty() ? 0 : 1) << report;
        EXPECT_EQ(run.out, report);
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
}
