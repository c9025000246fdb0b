// Writing design files, and reading back what was written; the golden file holds every layout.
#include "../cli/cli_run.h"
#include "persist/design_writer.h"

#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;
using kovrin::test::dataBytes;

namespace {

// A record as loading gives it back: colour values compared, the fresh tag ignored; an unset
// colour comes back as four zeros.
void expectSameRecord(ControlRecord a, ControlRecord b)
{
    for (auto member :
         {&ControlRecord::ForeColor, &ControlRecord::BackColor, &ControlRecord::ActiveColor,
          &ControlRecord::SelectionColor, &ControlRecord::SelectionBGColor}) {
        const ColourValue expected = a.*member ? a.*member : colourOf(0, 0, 0, 0);
        ASSERT_TRUE(b.*member) << a.Name;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(componentValue((*(b.*member))[i]), componentValue((*expected)[i])) << a.Name;
        a.*member = b.*member = std::nullopt;
    }
    a.Tag = b.Tag = "";
    EXPECT_EQ(a, b) << a.Name;
}

} // namespace

TEST(DesignWriter, WriterReproducesTheGoldenFile)
{
    EXPECT_EQ(designBytes(mainMenuSet()).bytes, dataBytes("main_menu.kvx"));
    EXPECT_EQ(designBytes(DialogSet {}).bytes, "\"0.61\"\r\n");
}

// What the golden file does not hold: a bare line feed, digits a float or a double would round
// differently, foreign characters and texts that cannot be read back.
TEST(DesignWriter, ForeignCharactersAndTextsThatCannotReadBackAreReportedButWritten)
{
    DialogSet set;
    set.insertDialog();
    place(set, 0, ControlKind::Button, 1500, 900, [](ControlRecord &r) {
        r.Height = 1.0f / 3.0f;
        r.ForeColor = colourOf(1.0 / 3.0, 0, 0, 1);
        r.Name = "\xD0\x96uk"; // not in the code page
        r.Text = "say \"hi\"\nthere";
        r.Style = "###";
        r.Action = "hint(\"&quot\")"; // the entity itself would come back as a quote
    });
    const DesignBytes out = designBytes(set);
    const std::string control = "dialog \"DIALOG1\", control 1 (\"\xD0\x96uk\"), ";
    EXPECT_EQ(out.replacedTexts, std::vector<std::string> {control + "Name"});
    EXPECT_EQ(out.unreadableTexts,
              (std::vector<std::string> {control + "Style", control + "Text", control + "Action"}));
    const auto lines = crlfLines(out.bytes);
    ASSERT_EQ(lines.size(), 44u);
    EXPECT_EQ(lines[6], "\"?uk\"");
    EXPECT_EQ(lines[9], "0.3333333");
    EXPECT_EQ(lines[11], "0.333333333333333");
    EXPECT_EQ(lines[21], "\"say \"hi\"");
    EXPECT_EQ(lines[22], "there\"");
}

TEST(DesignRoundTrip, LoadGivesBackTheSameDialogsRecordsAndStackingOrder)
{
    DialogSet original = mainMenuSet();
    ControlRecord r = original.dialog(0).cControls.at(3);
    r.Action = "x = \"\"; hint \"a\"\"b\"";
    r.Text = "first line\r\nsecond line\r\n";
    original.writeRecord(0, 3, r);
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
        EXPECT_EQ(copy.dialog(0).drawn.stackingOrder().at(3).caption, r.Text);
    }
}
