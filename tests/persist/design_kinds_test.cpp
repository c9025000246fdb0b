// The newer game's kinds and the generic control in the design file: their words in the kind
// field, their own values among the other properties after it, all read back as written.
#include "persist/design_writer.h"

#include "model/creation_defaults.h"
#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

OtherProperties othersOf(std::vector<OtherProperty> list)
{
    return OtherProperties(std::move(list));
}

// One control of every kind, the newer ones with the values the game names for them, a generic
// control keeping its type and class as it came, and a newer kind inside the group.
DialogSet everyKind()
{
    std::vector<ControlRecord> records;
    for (ControlKind kind : kAllKinds) {
        ControlRecord r = defaultRecord(kind);
        r.Name = "c" + std::to_string(records.size());
        r.Tag = std::to_string(records.size() + 1);
        r.X = 0.05f * static_cast<float>(records.size() % 10);
        records.push_back(std::move(r));
    }
    const auto of = [&records](ControlKind kind) -> ControlRecord & {
        return records[kindIndex(kind)];
    };
    of(ControlKind::Map).Others = othersOf({{"type", "100"}});
    of(ControlKind::ColumnList).Others = othersOf({{"columns[]", "{0, 0.3, 0.6}"}});
    of(ControlKind::Progress).Others = othersOf(
        {{"texture", "\"#(argb,8,8,3)color(1,1,1,1)\""}, {"colorBar[]", "{1, 0, 0, 1}"}});
    of(ControlKind::CheckBox).Others = othersOf({{"checked", "1"}});
    of(ControlKind::CheckBoxRow).Others
        = othersOf({{"rows", "1"}, {"columns", "2"}, {"strings[]", "{\"a\", \"b\"}"}});
    of(ControlKind::StructuredText).Others
        = othersOf({{"class Attributes", "{align = \"center\";}"}});
    of(ControlKind::Tree).Group = of(ControlKind::Group).Tag;
    ControlRecord &generic = of(ControlKind::Generic);
    generic.Name = "Compass";
    generic.Base = "RscObject";
    generic.Others = othersOf(
        {{"type", "82"}, {"style", "0"}, {"model", "\"\\a3\\compass.p3d\""}, {"class Areas", ""}});
    DialogSet set;
    set.insertDialog();
    EXPECT_TRUE(set.adoptControls(0, std::move(records), kSurface));
    return set;
}

} // namespace

TEST(DesignKinds, EveryKindAndItsOwnValuesRoundTripByteForByte)
{
    const DialogSet set = everyKind();
    const std::string bytes = designBytes(set).bytes;
    ProblemList problems;
    const DialogSet back = loaded(bytes, '.', &problems);
    EXPECT_TRUE(problems.empty()) << problemLines(problems.lines());
    ASSERT_EQ(back.count(), 1u);
    const auto &written = set.dialog(0).cControls;
    const auto &read = back.dialog(0).cControls;
    ASSERT_EQ(read.size(), kAllKinds.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(written[i].CtrlType);
        EXPECT_EQ(read[i].CtrlType, written[i].CtrlType);
        EXPECT_EQ(read[i].Others, written[i].Others);
        EXPECT_EQ(read[i].Base, written[i].Base);
        EXPECT_EQ(read[i].Group, written[i].Group);
        EXPECT_EQ(read[i].Text, written[i].Text);
    }
    // A colour made as a number reads back as its text: from the first load on, the bytes hold.
    const std::string again = designBytes(back).bytes;
    EXPECT_EQ(designBytes(loaded(again)).bytes, again);
    for (ControlKind kind : kAllKinds)
        EXPECT_NE(bytes.find("\r\n\"" + std::string(kindWord(kind)) + "\"\r\n"), std::string::npos)
            << kindWord(kind);
}
