#include "classdef/game_classes.h"

#include "model/ignoring_case.h"

#include <array>

namespace kovrin {
namespace {

// Types: 0 static, 1 button, 2 edit, 3 slider, 4 combo, 5 list box, 6 toolbox, 7 row of check
// boxes, 8 progress bar, 11 active text, 12 tree, 13 structured text, 15 controls group,
// 16 shortcut button, 42 extended list box, 43 extended slider, 77 check box, 101 main map,
// 102 list with columns. Styles: 0x02 centred, 0x30 picture, 0x40 frame, 0x800 keeping the
// aspect.
constexpr std::array kGameClasses {
    GameClass {"RscText", 0, 0x00},
    GameClass {"RscTitle", 0, 0x00},
    GameClass {"RscTextMulti", 0, 0x10},
    GameClass {"RscStructuredText", 13, 0x00},
    GameClass {"RscPicture", 0, 0x30},
    GameClass {"RscPictureKeepAspect", 0, 0x830},
    GameClass {"RscFrame", 0, 0x40},
    GameClass {"IGUIBack", 0, 0x80},
    GameClass {"RscBackground", 0, 0x00},
    GameClass {"RscEdit", 2, 0x40},
    GameClass {"RscEditMulti", 2, 0x50},
    GameClass {"RscCombo", 4, 0x10},
    GameClass {"RscListBox", 5, 0x10},
    GameClass {"RscListNBox", 102, 0x10},
    GameClass {"RscXListBox", 42, 0x10},
    GameClass {"RscButton", 1, 0x02},
    GameClass {"RscButtonMenu", 16, 0x00},
    GameClass {"RscButtonMenuOK", 16, 0x00},
    GameClass {"RscButtonMenuCancel", 16, 0x00},
    GameClass {"RscShortcutButton", 16, 0x00},
    GameClass {"RscShortcutButtonMain", 16, 0x00},
    GameClass {"RscActiveText", 11, 0x02},
    GameClass {"RscActivePicture", 11, 0x30},
    GameClass {"RscActivePictureKeepAspect", 11, 0x830},
    GameClass {"RscSlider", 3, 0x400},
    GameClass {"RscXSliderH", 43, 0x400},
    GameClass {"RscToolbox", 6, 0x02},
    GameClass {"RscTextCheckBox", 7, 0x00},
    GameClass {"RscProgress", 8, 0x00},
    GameClass {"RscTree", 12, 0x00},
    GameClass {"RscCheckBox", 77, 0x00},
    GameClass {"RscMapControl", 101, 0x30},
    GameClass {"RscControlsGroup", 15, 0x10},
    GameClass {"RscControlsGroupNoScrollbars", 15, 0x10},
    GameClass {"RscControlsGroupNoHScrollbars", 15, 0x10},
    GameClass {"RscControlsGroupNoVScrollbars", 15, 0x10},
};

} // namespace

const GameClass *findGameClass(std::string_view name)
{
    for (const GameClass &known : kGameClasses) {
        if (equalIgnoringCase(known.name, name))
            return &known;
    }
    return nullptr;
}

} // namespace kovrin
