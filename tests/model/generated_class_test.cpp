// What each kind's generated class writes: the table both the generator and the import read.
#include "model/generated_class.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace kovrin;

TEST(GeneratedClass, EachKindWritesItsOwnFieldsAndKeepsTheRestForCode)
{
    using enum CodeField;
    const struct
    {
        ClassShape shape;
        std::string_view name;
        bool written;
    } rows[] = {
        {{ControlKind::Button, "ST_CENTER"}, "colorText", true},
        {{ControlKind::Button, "ST_CENTER"}, "COLORBACKGROUND", false},
        {{ControlKind::Button, "ST_CENTER"}, "default", true}, // with the action
        {{ControlKind::Text, "ST_CENTER"}, "default", false},
        {{ControlKind::Text, "ST_LEFT + ST_MULTI"}, "lineSpacing", true},
        {{ControlKind::Text, "ST_LEFT"}, "lineSpacing", false},
        {{ControlKind::Text, "st_multi"}, "lineSpacing", false},
        {{ControlKind::Combo, "ST_LEFT"}, "wholeHeight", true},
        {{ControlKind::List, "ST_LEFT"}, "wholeHeight", false},
        {{ControlKind::Frame, "ST_FRAME"}, "font", false},
        {{ControlKind::Slider, "ST_HPOS"}, "idc", true},
        {{ControlKind::Slider, "ST_HPOS"}, "style", true},
        {{ControlKind::Slider, "ST_HPOS"}, "type", true}, // implied by Kovrin's base
        {{ControlKind::Slider, "ST_HPOS", true}, "type", false}, // not by the game's
        {{ControlKind::Input, "ST_LEFT"}, "onLoad", false},
        {{std::nullopt, ""}, "colorActive", true}, // no kind claims every field
        {{std::nullopt, ""}, "onLoad", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.name) + " " + std::string(row.shape.style));
        EXPECT_EQ(writesFieldName(row.shape, row.name), row.written);
    }
    for (ControlKind kind : kAllKinds) {
        // The preamble defines the definition's bases; the group's and the newer kinds' follow it
        // only in a design that uses them, and a generic control has none of Kovrin's.
        const bool definitionKind
            = std::find(kDefinitionKinds.begin(), kDefinitionKinds.end(), kind)
            != kDefinitionKinds.end();
        EXPECT_EQ(isPreambleClass(generatedBase(kind)), definitionKind);
        EXPECT_EQ(isGeneratedBaseName(generatedBase(kind)), kind != ControlKind::Generic);
        for (CodeField field : sectionFields(kind)) {
            EXPECT_EQ(codeFieldOfName(codeFieldName(field)), field);
            EXPECT_TRUE(writesField({kind, "ST_MULTI"}, field));
        }
    }
    EXPECT_EQ(generatedBase(ControlKind::Picture), "RscText");
    EXPECT_TRUE(isPreambleClass("rsclb_c"));
    EXPECT_FALSE(isPreambleClass("RscButtonMenu"));
    for (const auto &[name, isClass] : {std::pair {"RscButtonMenu", true},
                                        {"_a1", true},
                                        {"1a", false},
                                        {"", false},
                                        {"a b", false},
                                        {"a:b", false}})
        EXPECT_EQ(isClassName(name), isClass) << name;
}
