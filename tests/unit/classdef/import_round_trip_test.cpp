// Code Kovrin generates, imported again, generates the same bytes. The designs are random but
// stay within what the editor can make: names that are identifiers, each kind's styles from its
// own list, the multi-line and shadow suffixes on texts only, texts without double quotes.
//
// What a file made by hand cannot get back, and why:
// - layout, comments, macros of its own and the order of properties: the code is written anew;
// - numbers beyond 7 significant digits: the fields are 32-bit;
// - colour components written as arithmetic: they come back as their value;
// - properties Kovrin has no field for (sounds, event handlers, shadow...), a dialog's idd,
//   movingEnable and objects: they are reported and the code does without them;
// - the background class DLG_BACKn: Kovrin writes it from the first frame;
// - a static control among the background controls that is no frame: it comes back a frame;
// - a text holding a double quote: Kovrin writes texts as they are, so "" would not come back;
// - two dialogs or two controls of one dialog whose names differ at most in case, and names
//   equal to a macro of the preamble: a class name must be unique in its class, whatever the
//   case, and is expanded like any other word;
// - a 32-bit value that 7 digits do not hold exactly: it comes back as the value of its text,
//   which gives the same text again.

#include "classdef/dialog_import.h"
#include "classdef/import_into_set.h"
#include "codegen/generate_code.h"
#include "model/code_page.h"
#include "model/creation_defaults.h"
#include "model/line_breaks.h"
#include "model/number_text.h"
#include "props/field_table.h"
#include "props/style_text.h"

#include "import_support.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

constexpr SurfaceSize kSurface {12000, 9000};

class RandomDesign
{
public:
    explicit RandomDesign(unsigned seed)
        : m_random(seed)
    {
    }

    DialogSet make()
    {
        DialogSet set;
        const int dialogs = pick(1, 4);
        for (int d = 0; d < dialogs; ++d) {
            const std::size_t index = *set.appendDialog(uniqueName());
            const int controls = pick(0, 12);
            for (int c = 0; c < controls; ++c) {
                const ControlKind kind = kAllKinds[static_cast<std::size_t>(pick(0, 8))];
                const auto made = set.createControl(index, kind, 0, 0, kSurface);
                set.writeRecord(index, *made, fill(set.dialog(index).cControls[*made], kind));
            }
        }
        return set;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }

    std::string uniqueName()
    {
        static constexpr std::string_view kLetters
            = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        static constexpr std::string_view kMore = "0123456789_";
        for (;;) {
            std::string name(1, kLetters[static_cast<std::size_t>(pick(0, 51))]);
            const int length = pick(1, 10);
            for (int i = 0; i < length; ++i) {
                const std::size_t at = static_cast<std::size_t>(pick(0, 62));
                name += at < kLetters.size() ? kLetters[at] : kMore[at - kLetters.size()];
            }
            // The game compares class names without regard to case.
            std::string key = name;
            for (char &c : key)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (m_names.insert(key).second)
                return name;
        }
    }

    // Five decimals as a drag leaves them, or any 32-bit value as creation computes it.
    float fraction()
    {
        if (pick(0, 1))
            return static_cast<float>(pick(0, 100000)) / 100000.0f;
        return std::uniform_real_distribution<float>(0.0f, 1.0f)(m_random);
    }

    ColourComponent component()
    {
        switch (pick(0, 2)) {
        case 0:
            return static_cast<double>(pick(0, 1000)) / 1000.0;
        case 1:
            return std::to_string(pick(0, 1)) + "." + std::to_string(pick(0, 999)); // "0.50"
        default:
            return std::string(pick(0, 1) ? "1" : "0");
        }
    }

    ColourValue colour() { return Rgba {component(), component(), component(), component()}; }

    std::string text(bool quotes)
    {
        // Letters, blanks, line breaks and the signs that mean something outside a string.
        static const std::vector<std::string> kPieces {
            "a",       "Z",           " ",        "\r\n", "\n", "//",         "/*",
            "*/",      "#define X 1", "\\",       "{",    "};", "$STR_title", "class",
            "ST_LEFT", "\xC3\xA9",    "\xC3\xBC", ",",    "=",  "'",          "\t"};
        std::string out;
        const int count = pick(0, 12);
        for (int i = 0; i < count; ++i)
            out += kPieces[static_cast<std::size_t>(pick(0, static_cast<int>(kPieces.size()) - 1))];
        if (quotes && pick(0, 1))
            out += "hint \"a\"\"b\"";
        return out;
    }

    ControlRecord fill(ControlRecord r, ControlKind kind)
    {
        r.Name = uniqueName();
        r.IDC = static_cast<std::int16_t>(pick(-1, 999));
        r.X = fraction();
        r.Y = fraction();
        r.Width = fraction();
        r.Height = fraction();
        const auto styles = styleChoices(kind);
        const bool multiline = isUsable(kind, KindField::Multiline) && pick(0, 1);
        const bool shadow = isUsable(kind, KindField::Shadow) && pick(0, 1);
        r.Style = buildStyle(
            styles[static_cast<std::size_t>(pick(0, static_cast<int>(styles.size()) - 1))],
            multiline, shadow);
        for (auto member :
             {&ControlRecord::ForeColor, &ControlRecord::BackColor, &ControlRecord::ActiveColor,
              &ControlRecord::SelectionColor, &ControlRecord::SelectionBGColor}) {
            if (r.*member)
                r.*member = colour();
        }
        if (!r.Font.empty())
            r.Font = kFontNames[static_cast<std::size_t>(pick(0, 9))];
        r.FontSize = fraction();
        r.Text = text(false);
        r.Action = text(true);
        r.Enter = static_cast<std::int16_t>(pick(-1, 1));
        r.RowHeight = fraction();
        r.WholeHeight = fraction();
        r.LineSpacing = static_cast<float>(pick(0, 1000)) / 100.0f;
        return r;
    }

    std::mt19937 m_random;
    std::set<std::string> m_names;
};

std::string codeBytes(const DialogSet &set)
{
    return encodeCp1252(generateCode(set)).bytes;
}

} // namespace

TEST(ImportRoundTrip, GeneratedCodeImportsToTheSameCode)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        const DialogSet original = RandomDesign(seed).make();
        const std::string code = codeBytes(original);
        MemoryFiles files;
        files.bytes["dialogs.hpp"] = code;
        const DialogImport imported = importDialogs("dialogs.hpp", files.loader(), '.');
        ASSERT_TRUE(imported.whole()) << "seed " << seed << "\n" << problemsOf(imported);
        DialogSet copy;
        ASSERT_TRUE(addImportedDialogs(copy, imported.dialogs, kSurface).status);
        ASSERT_EQ(codeBytes(copy), code) << "seed " << seed;
    }
}

TEST(ImportRoundTrip, ImportedRecordsEqualTheOriginalsButForWhatTheCodeDoesNotHold)
{
    const DialogSet original = RandomDesign(7).make();
    MemoryFiles files;
    files.bytes["d.ext"] = codeBytes(original);
    const DialogImport imported = importDialogs("d.ext", files.loader(), '.');
    ASSERT_EQ(imported.dialogs.size(), original.count());
    for (std::size_t d = 0; d < original.count(); ++d) {
        const auto &was = original.dialog(d).cControls;
        const auto &now = imported.dialogs[d].controls;
        ASSERT_EQ(now.size(), was.size());
        for (std::size_t i = 0; i < was.size(); ++i) {
            EXPECT_EQ(now[i].Name, was[i].Name);
            EXPECT_EQ(now[i].CtrlType, was[i].CtrlType);
            if (isUsable(kindFromWord(was[i].CtrlType), KindField::Text)) {
                EXPECT_EQ(now[i].Text, withCrlfLineBreaks(was[i].Text));
            }
            EXPECT_EQ(now[i].Style, was[i].Style);
            EXPECT_EQ(now[i].IDC, was[i].IDC);
        }
    }
}
