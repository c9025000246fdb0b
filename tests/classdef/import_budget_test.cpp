// The budgets of the import: each hostile file stops the import at the budget it passes, with a
// report naming the limit and the place, and nothing is kept.
#include "classdef/dialog_import.h"
#include "classdef/import_limits.h"
#include "support/hostile_imports.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

DialogImport importFiles(const std::map<std::string, std::string> &files)
{
    return importDialogs("main.hpp", memorySourceLoader(files), '.');
}

TEST(ImportBudget, EachHostileFileStopsAtItsBudget)
{
    for (const test::HostileImport &hostile : test::hostileImports()) {
        const DialogImport imported = importFiles(hostile.files);
        EXPECT_FALSE(imported.readable) << hostile.name;
        EXPECT_TRUE(imported.dialogs.empty()) << hostile.name;
        EXPECT_NE(imported.failure.find("the import stops: more than "), std::string::npos)
            << hostile.name << ": " << imported.failure;
        EXPECT_NE(imported.failure.find(hostile.limit), std::string::npos)
            << hostile.name << ": " << imported.failure;
        EXPECT_EQ(imported.failure.rfind(hostile.where, 0), 0u)
            << hostile.name << ": " << imported.failure;
    }
}

TEST(ImportBudget, ABudgetIsSpentToItsLastUnit)
{
    std::size_t used = 8;
    EXPECT_TRUE(spendBudget(used, 2, 10));
    EXPECT_EQ(used, 10u);
    EXPECT_FALSE(spendBudget(used, 1, 10));
    EXPECT_EQ(used, 10u);
    std::size_t none = 0;
    EXPECT_FALSE(spendBudget(none, SIZE_MAX, 10));
}

} // namespace

// Controls written out whole, as many as the controls budget admits, are never stopped at the
// values budget; one more is stopped at the controls budget, which names them.
TEST(ImportBudget, TheValuesBudgetAdmitsEveryDialogTheControlsBudgetAdmits)
{
    // 25 values: ten properties and three colours of four items.
    const std::string control = " { type = 0; idc = -1; style = 0; x = 0.1; y = 0.1; w = 0.1; "
                                "h = 0.1; text = \"t\"; font = \"F\"; sizeEx = 0.04; "
                                "colorText[] = {1, 1, 1, 1}; colorBackground[] = {0, 0, 0, 0}; "
                                "colorActive[] = {1, 0, 0, 1}; };\n";
    for (const std::size_t count : {kMaxControls, kMaxControls + 1}) {
        std::string text = "class D\n{\n    idd = 1;\n    class controls\n    {\n";
        for (std::size_t i = 0; i < count; ++i)
            text += "        class c" + std::to_string(i) + control;
        text += "    };\n};\n";
        const DialogImport imported = importFiles({{"main.hpp", text}});
        if (count == kMaxControls) {
            EXPECT_TRUE(imported.readable) << imported.failure;
            EXPECT_EQ(imported.dialogs.at(0).controls.size(), count);
        } else {
            EXPECT_NE(
                imported.failure.find("more than " + std::to_string(kMaxControls) + " controls"),
                std::string::npos)
                << imported.failure;
        }
    }
}
