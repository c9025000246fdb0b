#include "model/autosave_interval.h"
#include "model/dialog_name_check.h"
#include "model/problem_list.h"
#include "model/start_folder.h"
#include "model/view_grid_text.h"
#include "model/window_layout.h"

#include <gtest/gtest.h>

#include <set>

using namespace kovrin;

TEST(StoredSettings, AutosaveSecondsAreClampedAndOnlyTheWholeNumberOneShowsTheGrid)
{
    const std::pair<int, std::vector<const char *>> seconds[]
        = {{90, {" 90 "}},
           {5, {"+5", "4", "0", "-30"}},
           {86400, {"86400", "86401", "99999999999"}},
           {60, {"", "soon", "7.5", "10s", "99999999999999999999999"}}};
    for (const auto &[expected, texts] : seconds) {
        for (const char *text : texts)
            EXPECT_EQ(autosaveSecondsFromText(text), expected) << text;
    }
    for (const char *on : {"1", "01", " 1 ", "+1"})
        EXPECT_TRUE(viewGridFromText(on)) << on;
    for (const char *off : {"0", "2", "-1", "", "yes", "1.0", "1x", "99999999999999999999999"})
        EXPECT_FALSE(viewGridFromText(off)) << off;
    EXPECT_EQ(viewGridText(true), "1");
    EXPECT_EQ(viewGridText(false), "0");
}

// Each problem is one "- " line ended by CR LF.
TEST(DialogNameCheck, RefusesEmptyNamesWhatTheFileCannotReadBackAndAnotherDialogsNameInAnyCase)
{
    DialogSet set;
    set.insertDialog();
    set.insertDialog();
    set.renameDialog(1, "a\"b");
    set.insertDialog();
    const std::int16_t own = set.dialog(2).FrmIndex;
    EXPECT_EQ(dialogNameProblems(""), "- You must enter a name for the dialog!\r\n");
    const std::pair<long, std::vector<const char *>> names[]
        = {{0, {"   ", "MY_MENU 2, \xC3\xA4&#", "####", "DIALOG3", "dialog3"}},
           {1, {"###", "DIALOG1", "dialog1"}},
           {2, {"a\"b"}}}; // a quote, and taken
    for (const auto &[problems, list] : names) {
        for (const char *name : list) {
            const std::string said = dialogNameProblems(name, set, own);
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), problems) << name;
            EXPECT_TRUE(!problems || (said.starts_with("- ") && said.ends_with("\r\n"))) << said;
        }
    }
    EXPECT_EQ(problemLines({"first", "- second", "third\n", "fourth\r\n"}),
              "- first\r\n- second\r\n- third\r\n- fourth\r\n");
    EXPECT_EQ(problemLines({}), "");
    EXPECT_NE(dialogNameProblems("dialog1", set, own).find("already named DIALOG1"),
              std::string::npos);
}

TEST(StartFolder, TheLastFolderWhileItIsThereElseDocumentsElseHome)
{
    const std::set<std::string> folders = {"/work", "/home/u/Documents"};
    const auto isFolder = [&](const std::string &path) {
        return folders.contains(path);
    };
    const struct
    {
        const char *lastUsed, *documents, *expected;
    } rows[] = {{"/work", "/home/u/Documents", "/work"},
                {"", "/home/u/Documents", "/home/u/Documents"},
                {"/gone", "/home/u/Documents", "/home/u/Documents"},
                {"/gone", "/gone/too", "/home/u"},
                {"", "", "/home/u"}};
    for (const auto &row : rows)
        EXPECT_EQ(startFolder(row.lastUsed, row.documents, "/home/u", isFolder), row.expected)
            << row.lastUsed << " " << row.documents;
}

// Title bars 20 high in a view of 100 by 70: three windows fit, the fourth starts over.
TEST(WindowLayout, CascadeStepsByATitleBarAndTileFillsRowsWithoutOverlap)
{
    using Places = std::vector<WindowPlace>;
    EXPECT_EQ(cascadePlaces(5, {100, 70}, 20),
              (Places {{0, 0}, {20, 20}, {40, 40}, {0, 0}, {20, 20}}));
    EXPECT_EQ(cascadePlaces(3, {45, 500}, 20), (Places {{0, 0}, {20, 20}, {0, 0}}));
    EXPECT_EQ(cascadePlaces(2, {0, 0}, 0), (Places {{0, 0}, {0, 0}}));
    const struct
    {
        std::vector<WindowSize> windows;
        int viewWidth;
        Places expected;
    } rows[] = {
        {{{40, 30}, {40, 50}, {40, 30}, {40, 10}}, 100, {{0, 0}, {40, 0}, {0, 50}, {40, 50}}},
        {{{150, 30}, {150, 20}, {10, 10}}, 100, {{0, 0}, {0, 30}, {0, 50}}},
        {{{30, 30}, {30, 30}, {30, 30}}, 90, {{0, 0}, {30, 0}, {60, 0}}},
        {{}, 100, {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(tilePlaces(row.windows, row.viewWidth), row.expected) << row.viewWidth;
}
