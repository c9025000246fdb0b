#include "persist/design_loader.h"
#include "persist/design_writer.h"
#include "persist/file_io.h"

#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

std::string dataFile(const std::string &name)
{
    return std::string(KOVRIN_TEST_DATA) + "/" + name;
}

DialogSet loaded(std::string_view bytes, char separator = '.')
{
    DialogSet set;
    const Status status = loadIntoSet(set, parseDesign(bytes, separator), kSurface, "f.kvx");
    EXPECT_TRUE(status) << status.message;
    return set;
}

// The values of a colour, whichever form its components are held in.
std::vector<double> values(const ColourValue &colour)
{
    std::vector<double> out;
    if (colour) {
        for (const auto &component : *colour)
            out.push_back(componentValue(component));
    }
    return out;
}

// A record as loading gives it back: colour values compared, the fresh tag ignored; an unset
// colour comes back as four zeros.
void expectSameRecord(const ControlRecord &was, const ControlRecord &now)
{
    ControlRecord a = was;
    ControlRecord b = now;
    for (auto member :
         {&ControlRecord::ForeColor, &ControlRecord::BackColor, &ControlRecord::ActiveColor,
          &ControlRecord::SelectionColor, &ControlRecord::SelectionBGColor}) {
        const auto expected = (a.*member) ? values(a.*member) : std::vector<double>(4, 0.0);
        EXPECT_EQ(values(b.*member), expected) << a.Name;
        a.*member = b.*member = std::nullopt;
    }
    a.Tag = b.Tag = "";
    EXPECT_EQ(a, b) << a.Name;
}

} // namespace

TEST(DesignRoundTrip, WriterReproducesTheGoldenFile)
{
    const auto golden = readWholeFile(dataFile("main_menu.kvx"));
    ASSERT_TRUE(golden) << golden.message;
    EXPECT_EQ(designBytes(mainMenuSet()).bytes, *golden);
}

TEST(DesignRoundTrip, LoadGivesBackTheSameDialogsRecordsAndStackingOrder)
{
    const DialogSet original = mainMenuSet();
    for (char separator : {'.', ','}) {
        const DialogSet copy = loaded(designBytes(original).bytes, separator);
        ASSERT_EQ(copy.count(), original.count());
        for (std::size_t d = 0; d < original.count(); ++d) {
            const Dialog &was = original.dialog(d);
            const Dialog &now = copy.dialog(d);
            EXPECT_EQ(now.Tag, was.Tag);
            EXPECT_EQ(now.GridSize, was.GridSize);
            ASSERT_EQ(now.cControls.size(), was.cControls.size());
            for (std::size_t i = 0; i < was.cControls.size(); ++i) {
                expectSameRecord(was.cControls[i], now.cControls[i]);
                EXPECT_EQ(now.drawn.stackingOrder().at(i).tag, now.cControls[i].Tag);
            }
        }
    }
}

TEST(DesignRoundTrip, RepeatedSavesSettleAfterTheFirstLoad)
{
    DialogSet set = mainMenuSet();
    // Seven digits do not hold every 32-bit value: one sixth reads back two steps away, and
    // then stays.
    ControlRecord r = set.dialog(1).cControls.at(0);
    r.Width = 1.0f / 6.0f;
    r.X = 2.0f / 3.0f;
    set.writeRecord(1, 0, r);
    const std::string first = designBytes(set).bytes;
    const std::string second = designBytes(loaded(first)).bytes;
    const std::string third = designBytes(loaded(second)).bytes;
    EXPECT_EQ(second, third);
    // The only change is that number colour components come back as texts.
    EXPECT_NE(first, second);
    EXPECT_EQ(crlfLines(first).size(), crlfLines(second).size());
}

TEST(DesignRoundTrip, ScriptsAndMultiLineTextsSurvive)
{
    DialogSet set;
    set.insertDialog();
    const auto index = set.createControl(0, ControlKind::Button, 0, 0, kSurface);
    ControlRecord r = set.dialog(0).cControls.at(*index);
    r.Action = "x = \"\"; hint \"a\"\"b\"";
    r.Text = "first line\r\nsecond line\r\n";
    set.writeRecord(0, *index, r);
    const DialogSet copy = loaded(designBytes(set).bytes);
    EXPECT_EQ(copy.dialog(0).cControls.at(0).Action, r.Action);
    EXPECT_EQ(copy.dialog(0).cControls.at(0).Text, r.Text);
    EXPECT_EQ(copy.dialog(0).drawn.stackingOrder().at(0).caption, r.Text);
}

TEST(DesignRoundTrip, OlderFormatFileLoads)
{
    const auto bytes = readWholeFile(dataFile("older_format.kvx"));
    ASSERT_TRUE(bytes);
    const auto design = parseDesign(*bytes, '.');
    EXPECT_TRUE(design.olderFormat);
    EXPECT_TRUE(design.problems.empty());
    const DialogSet set = loaded(*bytes);
    ASSERT_EQ(set.count(), 2u);
    EXPECT_EQ(set.dialog(0).Tag, "OldMenu");
    EXPECT_EQ(set.dialog(0).GridSize, 0.0f);
    ASSERT_EQ(set.dialog(0).cControls.size(), 3u);
    const ControlRecord &title = set.dialog(0).cControls[0];
    EXPECT_EQ(title.Width, 0.4f);
    EXPECT_EQ(title.Y, 0.05f);
    EXPECT_EQ(title.LineSpacing, 0.0f);
    EXPECT_EQ(set.dialog(0).cControls[1].Action, "hint \"Go\"");
    EXPECT_EQ(set.dialog(0).cControls[2].RowHeight, 0.04f);
    EXPECT_EQ(set.dialog(1).cControls.at(0).Name, "edtName");
    EXPECT_EQ(set.NextTag, 4);
}

TEST(DesignRoundTrip, HandEditedFileLoadsAsWritten)
{
    const auto bytes = readWholeFile(dataFile("edited_by_hand.kvx"));
    ASSERT_TRUE(bytes);
    const auto design = parseDesign(*bytes, ',');
    EXPECT_TRUE(design.problems.empty());
    ASSERT_EQ(design.dialogs.size(), 2u);
    EXPECT_EQ(design.dialogs[0].gridSize, 0.1f);
    ASSERT_EQ(design.dialogs[0].controls.size(), 2u);
    const ControlRecord &two = design.dialogs[0].controls[1];
    EXPECT_EQ(two.Name, "btnTwo");
    EXPECT_EQ(two.IDC, 11);
    EXPECT_EQ(two.Width, 0.3f);
    EXPECT_EQ(two.Action, "hint \"one\""); // carried over from btnOne
    EXPECT_EQ(two.CtrlType, "BUTTON");
    EXPECT_EQ(design.dialogs[1].name, "Other");
    EXPECT_TRUE(design.dialogs[1].controls.empty());
}
