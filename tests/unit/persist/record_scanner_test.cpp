#include "persist/record_scanner.h"

#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

using Lines = std::vector<std::string>;

// What a test looks at of one record, in file order.
struct Seen
{
    std::string dialog;
    std::string name;
    std::size_t supplied = 0;
    bool header = false;
    bool opensDialog = false;

    bool operator==(const Seen &) const = default;
};

std::vector<Seen> scanned(RecordScanner &records)
{
    std::vector<Seen> seen;
    while (const ScannedRecord *r = records.next())
        seen.push_back({r->slots[design::DialogName].text, r->slots[design::Name].text, r->supplied,
                        r->header, r->opensDialog});
    return seen;
}

} // namespace

TEST(RecordScanner, TellsHeadersAndWhereTheReaderStartsADialog)
{
    const Lines header {"\"KOVRIN_INFO_GRIDSIZE\"", "0", "\"###\""};
    const Lines control {"\"c\"", "\"###\""};
    Lines lines {"\"0.61\""};
    for (const auto &[dialog, part] :
         {std::pair {"A", header}, {"A", control}, {"A", header}, {"B", control}, {"A", control}}) {
        lines.push_back(std::string("\"") + dialog + "\"");
        lines.insert(lines.end(), part.begin(), part.end());
    }
    RecordScanner records(fileOf(lines));
    EXPECT_FALSE(records.olderFormat());
    EXPECT_EQ(scanned(records),
              (std::vector<Seen> {{"A", "KOVRIN_INFO_GRIDSIZE", 3, true, true},
                                  {"A", "c", 2, false, false},
                                  {"A", "KOVRIN_INFO_GRIDSIZE", 3, true, false},
                                  {"B", "c", 2, false, true},
                                  {"A", "c", 2, false, true}}));
    EXPECT_FALSE(records.endsInsideRecord());
}

TEST(RecordScanner, FieldsARecordDoesNotSupplyKeepTheirValues)
{
    RecordScanner records(fileOf(
        {"\"0.61\"", "\"A\"", "\"first\"", "7", "\"###\"", "\"A\"", "\"second\"", "\"###\""}));
    ASSERT_NE(records.next(), nullptr);
    const ScannedRecord *second = records.next();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->supplied, 2u);
    EXPECT_EQ(second->slots[design::IDC].text, "7");
    EXPECT_EQ(records.next(), nullptr);
}

TEST(RecordScanner, OlderFormatReadsThirtySixItemsAndKeepsAShortLastRecord)
{
    Lines lines = controlItems("b", "BUTTON");
    lines.insert(lines.begin(), "\"OLD\"");
    lines.pop_back(); // no line spacing
    lines.insert(lines.end(), {"\"OLD\"", "\"cut\""});
    RecordScanner records(fileOf(lines));
    EXPECT_TRUE(records.olderFormat());
    const ScannedRecord *first = records.next();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->supplied, design::kOlderFieldCount);
    EXPECT_EQ(first->slots[design::LineSpacing].text, "0");
    const ScannedRecord *cut = records.next();
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(cut->supplied, 2u);
    EXPECT_EQ(cut->slots[design::Name].text, "cut");
    EXPECT_EQ(records.next(), nullptr);
    EXPECT_FALSE(records.endsInsideRecord());
}
