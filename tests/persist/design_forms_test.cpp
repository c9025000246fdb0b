// Position forms and dialog layouts in the design file: written after the definition's fields,
// read back whole, and harmless to a reader that drops what stands there.
#include "model/form_rules.h"
#include "persist/design_writer.h"

#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

// A safe-zone dialog whose controls took every field as a safe-zone fraction, and a screen
// dialog mixing screen, safe-zone and expression fields, with a control of no form between.
DialogSet mixedForms()
{
    DialogSet set;
    set.insertDialog();
    set.setLayout(0, DialogLayout::SafeZone);
    set.createControl(0, ControlKind::Button, 1200, 900, kSurface);
    set.createControl(0, ControlKind::Frame, 2400, 300, kSurface);
    set.insertDialog();
    place(set, 1, ControlKind::Text, 600, 600, [](ControlRecord &r) {
        r.Forms.set(FormField::Y, {PositionForm::Expression, 0, "(0.1 + 0.02) * \"1\""});
        r.Forms.set(FormField::FontSize, {PositionForm::Expression, 0, "0.04 * safezoneH"});
        followReferenceScreen(r, {}); // each expression at its value, as import and load give
    });
    set.createControl(1, ControlKind::Input, 3000, 3000, kSurface);
    set.convertForms(1, {0}, DialogLayout::SafeZone);
    place(set, 1, ControlKind::List, 900, 4000, [](ControlRecord &r) {
        r.Forms.set(FormField::Width, {PositionForm::Expression, 0, "0.3 - 2 * 0.01"});
        followReferenceScreen(r, {});
    });
    return set;
}

// The bytes an older reader reads: every record cut after field 36 (one item a line: no text
// here holds a line break).
std::string withoutAdditions(std::string_view bytes)
{
    Lines kept;
    std::size_t field = 0;
    for (const std::string &line : crlfLines(bytes)) {
        const bool endMark = line == "\"###\"";
        if (field <= 36 || endMark || kept.empty())
            kept.push_back(line);
        field = endMark || kept.size() == 1 ? 0 : field + 1;
    }
    return fileOf(kept);
}

} // namespace

TEST(DesignForms, MixedFormsAndLayoutsRoundTripByteForByte)
{
    const DialogSet set = mixedForms();
    ProblemList problems;
    const DialogSet back = loaded(designBytes(set).bytes, '.', &problems);
    EXPECT_TRUE(problems.empty()) << problemLines(problems.lines());
    // Number colours come back as texts once; from then on a save is what it loaded.
    const std::string bytes = designBytes(back).bytes;
    EXPECT_EQ(designBytes(loaded(bytes)).bytes, bytes);
    ASSERT_EQ(back.count(), 2u);
    EXPECT_EQ(back.dialog(0).Layout, DialogLayout::SafeZone);
    EXPECT_EQ(back.dialog(1).Layout, DialogLayout::Screen);
    for (std::size_t d = 0; d < 2; ++d) {
        for (std::size_t i = 0; i < set.dialog(d).cControls.size(); ++i) {
            const ControlRecord &was = set.dialog(d).cControls[i];
            const ControlRecord &is = back.dialog(d).cControls.at(i);
            EXPECT_EQ(is.Forms, was.Forms) << was.Name;
            for (FormField field : kAllFormFields)
                EXPECT_NEAR(screenValue(is, field), screenValue(was, field), 1e-6) << was.Name;
        }
    }
}

TEST(DesignForms, AnOlderReaderTakesTheScreenValues)
{
    const std::string bytes = designBytes(mixedForms()).bytes;
    const DialogSet set = loaded(bytes);
    const DialogSet older = loaded(withoutAdditions(bytes));
    for (std::size_t d = 0; d < 2; ++d) {
        EXPECT_EQ(older.dialog(d).Layout, DialogLayout::Screen);
        for (std::size_t i = 0; i < set.dialog(d).cControls.size(); ++i) {
            const ControlRecord &is = older.dialog(d).cControls.at(i);
            EXPECT_TRUE(is.Forms.allScreen());
            for (FormField field : kAllFormFields)
                EXPECT_EQ(screenValue(is, field), screenValue(set.dialog(d).cControls[i], field));
        }
    }
}

TEST(DesignForms, ADamagedAdditionIsReportedAndLosesNothingElse)
{
    struct Row
    {
        Lines additions;
        PositionForm x; // the form X is read in
    };
    const Row rows[] = {
        {{"\"KOVRIN_FORMS\"", "3", "\"X\"", "\"SAFEZONE\"", "abc"}, PositionForm::Screen},
        {{"\"KOVRIN_FORMS\"", "many"}, PositionForm::Screen},
        {{"\"KOVRIN_FORMS\"", "9", "\"X\"", "\"SAFEZONE\"", "0.5"}, PositionForm::Screen},
        {{"\"KOVRIN_FORMS\"", "6", "\"X\"", "\"SAFEZONE\"", "0.5", "\"Q\"", "\"SAFEZONE\"", "1"},
         PositionForm::SafeZone},
        {{"\"KOVRIN_FORMS\"", "4", "\"X\"", "\"EXPRESSION\"", "\"0.125\"", "\"Y\""},
         PositionForm::Expression},
        {{"\"KOVRIN_NEWER\"", "1", "\"a\"", "\"KOVRIN_FORMS\"", "3", "\"X\"", "\"SAFEZONE\"",
          "0.5"},
         PositionForm::SafeZone},
        {{"\"KOVRIN_FORMS\"", "3", "\"X\"", "\"SOMEWHERE\"", "0.5"}, PositionForm::Screen},
        {{"\"KOVRIN_IDC\"", "1", "65440.5"}, PositionForm::Screen},
        {{"\"KOVRIN_IDC\"", "1", "2147483648"}, PositionForm::Screen},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.additions.at(1));
        Lines record = control("D", "T1");
        record.insert(record.end() - 1, row.additions.begin(), row.additions.end());
        ProblemList problems;
        const DialogSet set = loaded(
            fileOf(current({header("D", "0"), record, control("D", "T2")})), '.', &problems);
        EXPECT_EQ(problems.count(), 1u) << problemLines(problems.lines());
        const auto &controls = set.dialog(0).cControls;
        ASSERT_EQ(controls.size(), 2u);
        EXPECT_EQ(controls[0].Forms[FormField::X].form, row.x);
        if (row.x != PositionForm::SafeZone) {
            EXPECT_EQ(controls[0].X, 0.125f);
        }
        EXPECT_EQ(controls[0].Text, "hello");
        EXPECT_TRUE(controls[1].Forms.allScreen()); // additions are never kept over
    }
}

// An IDC past the definition's 16-bit field: the field holds -1, which an older reader takes, and
// the addition the whole value; one the field holds is written as it always was.
TEST(DesignForms, AnIdcPastSixteenBitsIsKeptInAnAddition)
{
    const std::string plain = designBytes(mixedForms()).bytes;
    for (const std::int32_t idc : {-1, 32767, -32768, 32768, 65440, -40000, 2147483647}) {
        SCOPED_TRACE(idc);
        DialogSet set = mixedForms();
        ControlRecord record = set.dialog(1).cControls.at(1);
        record.IDC = idc;
        set.writeRecord(1, 1, record);
        const std::string bytes = designBytes(set).bytes;
        const bool wide = idc < -32768 || idc > 32767;
        EXPECT_EQ(bytes.find("\"KOVRIN_IDC\"\r\n1\r\n" + std::to_string(idc) + "\r\n")
                      != std::string::npos,
                  wide);
        ProblemList problems;
        EXPECT_EQ(loaded(bytes, '.', &problems).dialog(1).cControls.at(1).IDC, idc);
        EXPECT_TRUE(problems.empty()) << problemLines(problems.lines());
        EXPECT_EQ(loaded(withoutAdditions(bytes)).dialog(1).cControls.at(1).IDC, wide ? -1 : idc);
        if (idc == -1) {
            EXPECT_EQ(bytes, plain);
        }
    }
}
