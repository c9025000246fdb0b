#include "props/record_save.h"

#include "model/creation_defaults.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {
ControlRecord record(ControlKind kind)
{
    ControlRecord r = defaultRecord(kind);
    r.Name = std::string(kindWord(kind)) + "1";
    r.Tag = "7";
    r.X = 0.125f;
    r.Y = 0.1f;
    return r;
}

// What OK gives after the edit, starting from the fields opening fills in.
template<typename Edit>
ControlRecord saveAfter(const ControlRecord &r, Edit edit, char separator = '.')
{
    const EditorFields opened = fieldsFromRecord(r, separator);
    EditorFields now = opened;
    edit(now);
    return savedRecord(r, opened, now, kindFromWord(r.CtrlType));
}

Rgba texts(const char *r, const char *g, const char *b, const char *a)
{
    return Rgba {std::string(r), std::string(g), std::string(b), std::string(a)};
}
} // namespace

TEST(RecordSave, NothingChangedKeepsTheRecordExactly)
{
    ControlRecord r = record(ControlKind::Link);
    r.Width = 0.12345f;
    r.IDC = 1500;
    r.Font = "tahomaB36"; // the list spells it TahomaB36
    r.Style = "ST_LEFT + ST_SHADOW + ST_MULTI"; // not the order the editor writes
    r.Text = "a\nb"; // a lone line feed
    r.Enter = 5;
    r.LineSpacing = 0.3f;
    EXPECT_EQ(saveAfter(r, [](EditorFields &) {}), r); // BackColor stays unset, too
}

TEST(RecordSave, UntouchedFieldsKeepTheirValuesWhenOthersChange)
{
    ControlRecord r = record(ControlKind::Button);
    r.Width = 0.12345f;
    r.Height = 16777217.0f / 100000000.0f; // needs more than seven digits to read back exactly
    r.Font = "tahomaB36";
    const ControlRecord saved = saveAfter(r, [](EditorFields &f) { f.name = "btnOK"; });
    EXPECT_EQ(saved.Name, "btnOK");
    EXPECT_EQ(saved.Width, r.Width);
    EXPECT_EQ(saved.Height, r.Height);
    EXPECT_EQ(saved.Font, "tahomaB36");
    EXPECT_EQ(saved.ForeColor, r.ForeColor); // numbers stay numbers
}

TEST(RecordSave, UnsetColoursBecomeFourEmptyTextsOnceSomethingIsWritten)
{
    const ControlRecord r = record(ControlKind::Link);
    const ControlRecord saved = saveAfter(r, [](EditorFields &f) { f.text = "Go"; });
    EXPECT_EQ(saved.BackColor, texts("", "", "", ""));
    EXPECT_EQ(saved.SelectionColor, texts("", "", "", ""));
    EXPECT_EQ(saved.ActiveColor, r.ActiveColor);
    EXPECT_EQ(saved.Text, "Go");
}

TEST(RecordSave, ChangedNumbersAndColoursAreStoredAsTyped)
{
    const ControlRecord r = record(ControlKind::Text);
    const ControlRecord saved = saveAfter(
        r,
        [](EditorFields &f) {
            f.width = "0,5";
            f.idc = "125";
            f.colours[0] = {"0,2", "1", "0", "-"};
            f.fontSize = "-";
        },
        ',');
    EXPECT_EQ(saved.Width, 0.5f);
    EXPECT_EQ(saved.IDC, 125);
    EXPECT_EQ(saved.ForeColor, texts("0,2", "1", "0", "0")); // a lone "-" is stored as 0
    EXPECT_EQ(saved.FontSize, 0.0f);
    EXPECT_EQ(saved.BackColor, r.BackColor);
    EXPECT_EQ(saveAfter(r, [](EditorFields &f) { f.idc = "-"; }).IDC, 0);
}

TEST(RecordSave, StyleIsRebuiltWithBothSuffixesAndSettles)
{
    ControlRecord r = record(ControlKind::Text);
    r.LineSpacing = 0.7f;
    const EditorFields opened = fieldsFromRecord(r, '.');
    EditorFields now = opened;
    now.multiline = now.shadow = true;
    now.lineSpacing = "1.25";
    const ControlRecord first = savedRecord(r, opened, now, ControlKind::Text);
    EXPECT_EQ(first.Style, "ST_LEFT + ST_MULTI + ST_NO_RECT + ST_SHADOW");
    EXPECT_EQ(first.LineSpacing, 1.25f);
    // A second Apply goes on from the fields as the first one left them.
    EXPECT_EQ(savedRecord(first, now, now, ControlKind::Text), first);
    EditorFields renamed = now;
    renamed.name = "lbl";
    EXPECT_EQ(savedRecord(first, now, renamed, ControlKind::Text).Style, first.Style);

    // Unchecking multi-line drops the suffix and keeps the old line spacing.
    EditorFields single = now;
    single.multiline = false;
    const ControlRecord back = savedRecord(first, now, single, ControlKind::Text);
    EXPECT_EQ(back.Style, "ST_LEFT + ST_SHADOW");
    EXPECT_EQ(back.LineSpacing, 1.25f);
}

TEST(RecordSave, AStyleTheListDoesNotOfferKeepsItsBase)
{
    ControlRecord r = record(ControlKind::Text);
    r.Style = "ST_UPPERCASE";
    const ControlRecord saved = saveAfter(r, [](EditorFields &f) { f.shadow = true; });
    EXPECT_EQ(saved.Style, "ST_UPPERCASE + ST_SHADOW");
    const ControlRecord chosen = saveAfter(r, [](EditorFields &f) { f.style = 2; });
    EXPECT_EQ(chosen.Style, "ST_RIGHT");
}

TEST(RecordSave, FontAndEnterOnlyWhereTheKindUsesThem)
{
    ControlRecord frame = record(ControlKind::Frame);
    frame.Font = "tahomaB36";
    frame.Enter = 1;
    const ControlRecord keptFrame = saveAfter(frame, [](EditorFields &f) {
        f.font = 0;
        f.enter = false;
    });
    EXPECT_EQ(keptFrame.Font, "tahomaB36");
    EXPECT_EQ(keptFrame.Enter, 1);

    const ControlRecord button = saveAfter(record(ControlKind::Button), [](EditorFields &f) {
        f.font = 0;
        f.enter = true;
    });
    EXPECT_EQ(button.Font, "AudreysHandB48");
    EXPECT_EQ(button.Enter, 1);
}

TEST(RecordSave, MultiLineTextsAreStoredWithCarriageReturns)
{
    const ControlRecord r = record(ControlKind::Button);
    const ControlRecord saved = saveAfter(r, [](EditorFields &f) {
        f.text = "one\ntwo";
        f.action = "a;\nb;";
    });
    EXPECT_EQ(saved.Text, "one\r\ntwo");
    EXPECT_EQ(saved.Action, "a;\r\nb;");
}
