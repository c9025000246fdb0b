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
