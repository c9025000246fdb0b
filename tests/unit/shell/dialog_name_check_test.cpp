#include "model/dialog_name_check.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kovrin;

TEST(DialogNameCheck, EmptyNameGivesTheOneWarningLine)
{
    EXPECT_EQ(dialogNameProblems(""), "- You must enter a name for the dialog!\r\n");
}

TEST(DialogNameCheck, BlanksAndOrdinaryCharactersAreAccepted)
{
    EXPECT_EQ(dialogNameProblems("   "), "");
    EXPECT_EQ(dialogNameProblems("MY_MENU 2, ä&#"), "");
    EXPECT_EQ(dialogNameProblems("####"), "");
}

TEST(DialogNameCheck, NamesTheFileCannotReadBackAreRefused)
{
    const std::string quote = dialogNameProblems("a\"b");
    EXPECT_EQ(quote.rfind("- ", 0), 0u);
    EXPECT_TRUE(quote.ends_with("\r\n"));
    EXPECT_NE(dialogNameProblems("###"), "");
}

TEST(DialogNameCheck, ANameAnotherDialogCarriesInAnyCaseIsRefusedButTheOwnNameIsNot)
{
    DialogSet set;
    set.insertDialog();
    set.insertDialog();
    const std::int16_t second = set.dialog(1).FrmIndex;
    EXPECT_NE(dialogNameProblems("DIALOG1", set, second), "");
    EXPECT_EQ(dialogNameProblems("DIALOG2", set, second), "");
    EXPECT_NE(dialogNameProblems("dialog1", set, second).find("already named DIALOG1"),
              std::string::npos); // the game does not tell them apart
    EXPECT_EQ(dialogNameProblems("dialog2", set, second), "");
}

TEST(DialogNameCheck, SeveralProblemsGiveOneLineEach)
{
    DialogSet set;
    set.insertDialog();
    set.renameDialog(0, "a\"b");
    set.insertDialog();
    const std::string problems = dialogNameProblems("a\"b", set, set.dialog(1).FrmIndex);
    EXPECT_EQ(std::count(problems.begin(), problems.end(), '\n'), 2);
}
