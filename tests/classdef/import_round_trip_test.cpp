// Code Kovrin generates, imported again, generates the same bytes, in every position form and
// with controls groups nested and controls on the game's classes.
// The designs are random but stay within what the editor can make: names that are identifiers
// and apart in case, each kind's own styles and suffixes, texts without double quotes.
#include "classdef/dialog_import.h"
#include "classdef/import_into_set.h"
#include "codegen/generate_code.h"
#include "model/code_page.h"
#include "model/control_groups.h"
#include "model/control_kind.h"
#include "model/creation_defaults.h"
#include "model/line_breaks.h"
#include "props/field_table.h"
#include "props/style_text.h"

#include <gtest/gtest.h>

#include <random>

using namespace kovrin;

namespace {

constexpr SurfaceSize kSurface {12000, 9000};

// Values only an expression holds, as newer dialogs write them.
constexpr std::string_view kExpressions[] {"safezoneX + 0.01",
                                           "pixelW * 4",
                                           "safezoneY + safezoneH - 0.05",
                                           "16 * (0.025 * safezoneW)",
                                           "(profileNamespace getVariable ['GUI_W', 0.3])",
                                           "\"safezoneX + 0.1 * safezoneW - pixelW\""};

// Properties Kovrin has no field for, as the editor takes them; the first four only for dialogs.
const OtherProperty kOthers[] {
    {"idd", "65440"},
    {"movingEnable", "false"},
    {"onLoad", "\"uiNamespace setVariable ['d', _this select 0]\""},
    {"onUnload", "\"[] call f\""},
    {"onButtonClick", "\"hint \"\"a {b}\"\"\""},
    {"shadow", "0"},
    {"soundClick[]", "{\"\\a3\\ui_f\\click\", 0.09, 1}"},
    {"sliderRange[] +", "{0, 10}"},
    {"class Attributes", "{font = \"PuristaLight\"; class Inner {a[] = {1, {2}};};}"},
    {"class Sounds", ""},
    {"tooltip", "$STR_shop_tip"},
};

// Classes of the game or a mod a control may derive from, and the type each kind's own base would
// have implied, which such a control keeps among its other properties.
constexpr std::string_view kGameBases[] {"RscButtonMenu", "IGUIBack", "RscXSliderH", "Mod_Button"};

DialogSet randomDesign(unsigned seed)
{
    std::mt19937 random(seed);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    const auto any = [&pick](const auto &list) {
        return list[static_cast<std::size_t>(pick(0, static_cast<int>(std::size(list)) - 1))];
    };
    // A letter of either case, then letters, digits and "_"; the number keeps names apart in case.
    int names = 0;
    const auto name = [&] {
        static constexpr std::string_view kChars = "abcXYZ_0123456789";
        std::string out(1, any(kChars.substr(0, 6)));
        for (int i = pick(0, 6); i > 0; --i)
            out += any(kChars);
        return out + "_" + std::to_string(++names);
    };
    // Five decimals as a drag leaves them, or any 32-bit value as creation computes it.
    const auto fraction = [&] {
        return pick(0, 1) ? static_cast<float>(pick(0, 100000)) / 100000.0f
                          : std::uniform_real_distribution<float>(0.0f, 1.0f)(random);
    };
    const auto component = [&]() -> ColourComponent {
        switch (pick(0, 2)) {
        case 0:
            return static_cast<double>(pick(0, 1000)) / 1000.0;
        case 1:
            return std::to_string(pick(0, 1)) + "." + std::to_string(pick(0, 999)); // "0.50"
        default:
            return std::string(pick(0, 1) ? "1" : "0");
        }
    };
    // Letters, blanks, line breaks and the signs that mean something outside a string.
    const auto text = [&](bool quotes) {
        static const std::string kPieces[] {
            "a",       "Z",           " ",        "\r\n", "\n", "//",         "/*",
            "*/",      "#define X 1", "\\",       "{",    "};", "$STR_title", "class",
            "ST_LEFT", "\xC3\xA9",    "\xC3\xBC", ",",    "=",  "'",          "\t"};
        std::string out;
        for (int i = pick(0, 12); i > 0; --i)
            out += any(kPieces);
        return quotes && pick(0, 1) ? out + "hint \"a\"\"b\"" : out;
    };

    // A few of the properties, each once, in any order.
    const auto others = [&](std::size_t from) {
        std::vector<OtherProperty> list;
        for (std::size_t i = from; i < std::size(kOthers); ++i) {
            if (pick(0, 2) == 0)
                list.insert(list.begin() + pick(0, static_cast<int>(list.size())), kOthers[i]);
        }
        return OtherProperties(std::move(list));
    };

    DialogSet set;
    for (int d = pick(1, 4); d > 0; --d) {
        const std::size_t index = *set.appendDialog(name());
        set.setDialogProperties(index, others(0));
        std::vector<std::string> groups; // the tags of the groups made so far
        for (int c = pick(0, 12); c > 0; --c) {
            const ControlKind kind = any(kAllKinds);
            const auto made = set.createControl(index, kind, 0, 0, kSurface);
            ControlRecord r = set.dialog(index).cControls[*made];
            r.Name = name();
            r.IDC = static_cast<std::int16_t>(pick(-1, 999));
            for (float *value :
                 {&r.X, &r.Y, &r.Width, &r.Height, &r.FontSize, &r.RowHeight, &r.WholeHeight})
                *value = fraction();
            r.Style = buildStyle(any(styleChoices(kind)),
                                 isUsable(kind, KindField::Multiline) && pick(0, 1),
                                 isUsable(kind, KindField::Shadow) && pick(0, 1));
            for (auto member :
                 {&ControlRecord::ForeColor, &ControlRecord::BackColor, &ControlRecord::ActiveColor,
                  &ControlRecord::SelectionColor, &ControlRecord::SelectionBGColor}) {
                if (r.*member)
                    r.*member = Rgba {component(), component(), component(), component()};
            }
            if (!r.Font.empty())
                r.Font = any(kFontNames);
            r.Text = text(false);
            r.Action = text(true);
            r.Enter = static_cast<std::int16_t>(pick(-1, 1));
            r.LineSpacing = static_cast<float>(pick(0, 1000)) / 100.0f;
            r.Others = others(4);
            // In one of the groups made before it, or in the dialog's own list.
            if (!groups.empty() && pick(0, 1))
                r.Group = any(groups);
            if (kind == ControlKind::Group)
                groups.push_back(r.Tag);
            else if (gameType(kind) && pick(0, 3) == 0) {
                r.Base = any(kGameBases);
                std::vector<OtherProperty> list(r.Others.list().begin(), r.Others.list().end());
                list.insert(list.begin() + pick(0, static_cast<int>(list.size())),
                            {"type", std::to_string(*gameType(kind))});
                r.Others = OtherProperties(std::move(list));
            }
            set.writeRecord(index, *made, r);
            // Fields in the safe-zone form or kept as an expression. The screen values stay as
            // they are, so the forms are kept as given.
            for (FormField field : kAllFormFields) {
                const int form = pick(0, 2);
                if (form == 1)
                    r.Forms.set(field, {PositionForm::SafeZone, fraction() * 2 - 0.5f, {}});
                else if (form == 2)
                    r.Forms.set(field,
                                {PositionForm::Expression, 0, std::string(any(kExpressions))});
            }
            set.writeRecord(index, *made, r);
        }
    }
    return set;
}

} // namespace

TEST(ImportRoundTrip, GeneratedCodeImportsToTheSameTextsAndCode)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        const DialogSet original = randomDesign(seed);
        const std::string code = encodeCp1252(generateCode(original)).bytes;
        const DialogImport imported
            = importDialogs("dialogs.hpp", memorySourceLoader({{"dialogs.hpp", code}}), '.');
        // The game's classes the controls derive from are reported, and nothing else.
        const std::size_t gameClasses
            = imported.counts[static_cast<std::size_t>(ReadCause::GameClass)];
        ASSERT_EQ(imported.problems.size(), gameClasses)
            << testing::PrintToString(imported.problemLines());
        // Texts come back with CR LF line breaks, where the kind has a text.
        ASSERT_EQ(imported.dialogs.size(), original.count());
        // They come in the order the code writes them: each group's controls after it.
        for (std::size_t d = 0; d < original.count(); ++d) {
            const auto &was = original.dialog(d).cControls;
            const auto order = treeOrder(was);
            ASSERT_EQ(imported.dialogs[d].controls.size(), was.size());
            for (std::size_t i = 0; i < was.size(); ++i) {
                const ControlRecord &from = was[order[i].index];
                EXPECT_TRUE(!isUsable(kindFromWord(from.CtrlType), KindField::Text)
                            || imported.dialogs[d].controls[i].Text
                                == withCrlfLineBreaks(from.Text));
            }
        }
        DialogSet copy;
        ASSERT_TRUE(addImportedDialogs(copy, imported.dialogs, kSurface).status);
        ASSERT_EQ(encodeCp1252(generateCode(copy)).bytes, code);
    }
}

// Imported dialogs whose names the set holds, in any case, take the next free suffix.
TEST(FreeDialogNames, TheNameItselfOrTheNextFreeSuffixIgnoringCase)
{
    DialogSet set;
    set.insertDialog();
    set.renameDialog(0, "Menu");
    FreeDialogNames names(set);
    EXPECT_EQ(names.take("MENU"), "MENU_2");
    EXPECT_EQ(names.take("menu"), "menu_3");
    EXPECT_EQ(names.take("Menu_4"), "Menu_4");
    EXPECT_EQ(names.take("Menu"), "Menu_5");
    EXPECT_EQ(names.take("Other"), "Other");
}
