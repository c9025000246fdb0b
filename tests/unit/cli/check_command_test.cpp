#include "cli_run.h"
#include "model/dialog_set.h"
#include "persist/design_writer.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::test;

namespace {

std::string workedExample()
{
    return dataBytes("cli/worked_example.kvx");
}

// Runs check on the bytes and returns its report lines.
CliRun checked(const TempFolder &folder, const std::string &bytes)
{
    return runCli({"check", folder.write("design.kvx", bytes)});
}

bool reports(const CliRun &run, const std::string &line)
{
    return run.out.find(line + "\n") != std::string::npos;
}

} // namespace

TEST(Check, CleanFileExitsZeroSilently)
{
    const CliRun run = runCli({"check", dataPath("cli/worked_example.kvx")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST(Check, UnreadableFileExitsTwo)
{
    TempFolder folder;
    const CliRun run = runCli({"check", folder.path("missing.kvx")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(lineCount(run.err), 1u);
}

TEST(Check, DuplicateControlNamesAndNamesThatAreNotIdentifiers)
{
    TempFolder folder;
    const CliRun run = checked(folder, replaced(workedExample(), "\"fra1\"", "\"btnOK\""));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(reports(run,
                        "dialog \"DIALOG1\", control \"btnOK\": another control of this "
                        "dialog has the same name"))
        << run.out;

    const CliRun spaced = checked(folder, replaced(workedExample(), "\"btnOK\"", "\"btn OK\""));
    EXPECT_EQ(spaced.status, 1);
    EXPECT_TRUE(reports(spaced,
                        "dialog \"DIALOG1\", control \"btn OK\": the name is not an "
                        "identifier"))
        << spaced.out;
}

TEST(Check, AdjacentDialogsOfTheSameNameAreSeenInTheFile)
{
    DialogSet set;
    set.insertDialog();
    set.insertDialog();
    set.insertDialog();
    set.renameDialog(1, "DIALOG1");
    TempFolder folder;
    const CliRun run = checked(folder, designBytes(set).bytes);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "dialog \"DIALOG1\": follows a dialog of the same name; the two become one "
              "on loading\n");
}

TEST(Check, MergedDialogsShowTheirControlsClashing)
{
    // The worked example's dialog twice in a row: the second header opens the same name again.
    const std::string example = workedExample();
    const std::string body = example.substr(example.find("\r\n") + 2);
    TempFolder folder;
    const CliRun run = checked(folder, example + body);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(reports(run,
                        "dialog \"DIALOG1\": follows a dialog of the same name; the two "
                        "become one on loading"))
        << run.out;
    EXPECT_TRUE(reports(run,
                        "dialog \"DIALOG1\", control \"fra1\": another control of this "
                        "dialog has the same name"))
        << run.out;
}

TEST(Check, DoubleQuoteInsideATextIsFoundThoughTheReaderDropsIt)
{
    TempFolder folder;
    const CliRun run = checked(folder, replaced(workedExample(), "\"Box\"", "\"Big \"Box\"\""));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(reports(run,
                        "dialog \"DIALOG1\", control \"fra1\": Text holds a double quote, "
                        "which ends the text on loading"))
        << run.out;

    const CliRun style
        = checked(folder, replaced(workedExample(), "\"ST_CENTER\"", "\"ST_CENTER\" + ST_MULTI"));
    EXPECT_TRUE(reports(style,
                        "dialog \"DIALOG1\", control \"btnOK\": Style holds a double "
                        "quote, which ends the text on loading"))
        << style.out;
}

TEST(Check, FileEndingInsideARecord)
{
    TempFolder folder;
    const std::string example = workedExample();
    const CliRun run = checked(folder, example.substr(0, example.rfind("\"BUTTON\"") + 8));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "dialog \"DIALOG1\", control \"btnOK\": the file ends inside this record; "
              "its last item is not read\n");
    // A blank line after the last end mark is harmless.
    EXPECT_EQ(checked(folder, example + "\r\n").status, 0);

    // So are several: the reader drops a record of blank lines only.
    const CliRun blankLines = checked(folder, example + "\r\n\r\n\r\n");
    EXPECT_EQ(blankLines.status, 0);
    EXPECT_TRUE(blankLines.out.empty()) << blankLines.out;
}

TEST(Check, TextWithoutClosingQuote)
{
    TempFolder folder;
    const CliRun run
        = checked(folder, replaced(dataBytes("cli/older_format.kvx"), "\"TEXT\"", "\"TEXT"));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(reports(run,
                        "dialog \"DIALOG1\", control 1 (\"txt1\"), CtrlType has no closing "
                        "double quote; it runs to the end of the file."))
        << run.out;
}

TEST(Check, RecordEndMarkAsATextOfTheOlderFormat)
{
    TempFolder folder;
    const CliRun run
        = checked(folder, replaced(dataBytes("cli/older_format.kvx"), "\"Hello\"", "\"###\""));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "dialog \"DIALOG1\", control \"txt1\": Text is \"###\", which ends the "
              "record on loading\n");
}

TEST(Check, UnknownKindsAndFractionsOutsideZeroToOne)
{
    TempFolder folder;
    std::string bytes = replaced(workedExample(), "\"BUTTON\"", "\"Button\"");
    bytes = replaced(bytes, "\r\n0.5\r\n0.4\r\n", "\r\n1.5\r\n0.4\r\n");
    const CliRun run = checked(folder, bytes);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "dialog \"DIALOG1\", control \"fra1\": Width 1.5 is outside 0 to 1\n"
              "dialog \"DIALOG1\", control \"btnOK\": unknown kind \"Button\"\n");
}

TEST(Check, ValuesTheReaderHadToReplaceAreProblems)
{
    TempFolder folder;
    const CliRun run = checked(folder, replaced(workedExample(), "\r\n0.025\r\n", "\r\nabc\r\n"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(lineCount(run.out), 1u) << run.out;
    EXPECT_NE(run.out.find("\"abc\""), std::string::npos);
}
