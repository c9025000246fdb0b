#include "codegen/kind_bases.h"

#include "codegen/code_values.h"
#include "model/generated_class.h"
#include "model/ignoring_case.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>

namespace kovrin {
namespace {

// Written as tables, like the preamble, so the lines stand as the game reads them. Textures are
// procedural ("#(argb,8,8,3)color(r,g,b,a)"), so no file of the game's is needed; sounds are
// silent. Fonts and sizes the records write stand here too, for a class that leaves them out.

constexpr std::string_view kStructuredText[] = {
    "#define CT_STRUCTURED_TEXT 13",
    "",
    "class KovrinStructuredText",
    "{",
    "        type = CT_STRUCTURED_TEXT;",
    "        idc = -1;",
    "        style = ST_LEFT;",
    "        colorText[] = {1, 1, 1, 1};",
    "        colorBackground[] = {0, 0, 0, 0};",
    "        size = 0.04;",
    "        text = \"\";",
    "        shadow = 1;",
    "        class Attributes",
    "        {",
    "                font = FontM;",
    "                color = \"#ffffff\";",
    "                colorLink = \"#d09b43\";",
    "                align = \"left\";",
    "                shadow = 1;",
    "        };",
    "};",
    "",
};

constexpr std::string_view kShortcutButton[] = {
    "#define CT_SHORTCUTBUTTON 16",
    "",
    "class KovrinShortcutButton",
    "{",
    "        type = CT_SHORTCUTBUTTON;",
    "        idc = -1;",
    "        style = ST_LEFT;",
    "        font = FontM;",
    "        fontSecondary = FontM;",
    "        size = 0.04;",
    "        sizeEx = 0.04;",
    "        sizeExSecondary = 0.04;",
    "        text = \"\";",
    "        textSecondary = \"\";",
    "        action = \"\";",
    "        default = 0;",
    "        url = \"\";",
    "        shadow = 1;",
    "        color[] = {1, 1, 1, 1};",
    "        color2[] = {0.95, 0.95, 0.95, 1};",
    "        colorFocused[] = {1, 1, 1, 1};",
    "        colorDisabled[] = {1, 1, 1, 0.25};",
    "        colorSecondary[] = {1, 1, 1, 1};",
    "        color2Secondary[] = {0.95, 0.95, 0.95, 1};",
    "        colorFocusedSecondary[] = {1, 1, 1, 1};",
    "        colorDisabledSecondary[] = {1, 1, 1, 0.25};",
    "        colorBackground[] = {0.13, 0.54, 0.21, 1};",
    "        colorBackground2[] = {1, 1, 1, 1};",
    "        colorBackgroundFocused[] = {0.13, 0.54, 0.21, 1};",
    "        animTextureNormal = \"#(argb,8,8,3)color(0.2,0.2,0.2,1)\";",
    "        animTextureDisabled = \"#(argb,8,8,3)color(0.2,0.2,0.2,0.5)\";",
    "        animTextureOver = \"#(argb,8,8,3)color(0.35,0.35,0.35,1)\";",
    "        animTextureFocused = \"#(argb,8,8,3)color(0.3,0.3,0.3,1)\";",
    "        animTexturePressed = \"#(argb,8,8,3)color(0.1,0.1,0.1,1)\";",
    "        animTextureDefault = \"#(argb,8,8,3)color(0.2,0.2,0.2,1)\";",
    "        textureNoShortcut = \"#(argb,8,8,3)color(0,0,0,0)\";",
    "        period = 0.4;",
    "        periodFocus = 1.2;",
    "        periodOver = 0.8;",
    "        shortcuts[] = {};",
    "        soundEnter[] = {\"\", 0.09, 1};",
    "        soundPush[] = {\"\", 0.09, 1};",
    "        soundClick[] = {\"\", 0.09, 1};",
    "        soundEscape[] = {\"\", 0.09, 1};",
    "        class HitZone",
    "        {",
    "                left = 0;",
    "                top = 0;",
    "                right = 0;",
    "                bottom = 0;",
    "        };",
    "        class ShortcutPos",
    "        {",
    "                left = 0;",
    "                top = 0;",
    "                w = 0;",
    "                h = 0;",
    "        };",
    "        class TextPos",
    "        {",
    "                left = 0.01;",
    "                top = 0;",
    "                right = 0.01;",
    "                bottom = 0;",
    "        };",
    "        class Attributes",
    "        {",
    "                font = FontM;",
    "                color = \"#e5e5e5\";",
    "                align = \"left\";",
    "                shadow = \"true\";",
    "        };",
    "        class AttributesImage",
    "        {",
    "                font = FontM;",
    "                color = \"#e5e5e5\";",
    "                align = \"left\";",
    "        };",
    "};",
    "",
};

// The map draws an icon class for each kind of object, mark and task it shows; the game asks for
// every one of them when the map opens.
constexpr std::string_view kMap[] = {
    "#define CT_MAP_MAIN 101",
    "",
    "class KovrinMap",
    "{",
    "        type = CT_MAP_MAIN;",
    "        idc = -1;",
    "        style = ST_PICTURE;",
    "        text = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        font = FontM;",
    "        sizeEx = 0.04;",
    "        shadow = 0;",
    "        moveOnEdges = 1;",
    "        scaleMin = 0.001;",
    "        scaleMax = 1;",
    "        scaleDefault = 0.16;",
    "        maxSatelliteAlpha = 0.85;",
    "        alphaFadeStartScale = 2;",
    "        alphaFadeEndScale = 2;",
    "        showCountourInterval = 0;",
    "        showMarkers = 1;",
    "        idcMarkerColor = -1;",
    "        idcMarkerIcon = -1;",
    "        textureComboBoxColor = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        widthRailWay = 4;",
    "        ptsPerSquareSea = 5;",
    "        ptsPerSquareTxt = 20;",
    "        ptsPerSquareCLn = 10;",
    "        ptsPerSquareExp = 10;",
    "        ptsPerSquareCost = 10;",
    "        ptsPerSquareFor = 9;",
    "        ptsPerSquareForEdge = 9;",
    "        ptsPerSquareRoad = 6;",
    "        ptsPerSquareObj = 9;",
    "        stickX[] = {0.2, {\"Gamma\", 1, 1.5}};",
    "        stickY[] = {0.2, {\"Gamma\", 1, 1.5}};",
    "        colorBackground[] = {0.969, 0.957, 0.949, 1};",
    "        colorText[] = {0, 0, 0, 1};",
    "        colorOutside[] = {0, 0, 0, 1};",
    "        colorSea[] = {0.467, 0.631, 0.851, 0.5};",
    "        colorForest[] = {0.624, 0.78, 0.388, 0.5};",
    "        colorForestBorder[] = {0, 0, 0, 0};",
    "        colorRocks[] = {0, 0, 0, 0.3};",
    "        colorRocksBorder[] = {0, 0, 0, 0};",
    "        colorLevels[] = {0.286, 0.177, 0.094, 0.5};",
    "        colorMainCountlines[] = {0.572, 0.354, 0.188, 0.5};",
    "        colorCountlines[] = {0.572, 0.354, 0.188, 0.25};",
    "        colorMainCountlinesWater[] = {0.491, 0.577, 0.702, 0.6};",
    "        colorCountlinesWater[] = {0.491, 0.577, 0.702, 0.3};",
    "        colorPowerLines[] = {0.1, 0.1, 0.1, 1};",
    "        colorRailWay[] = {0.8, 0.2, 0, 1};",
    "        colorNames[] = {0.1, 0.1, 0.1, 0.9};",
    "        colorInactive[] = {1, 1, 1, 0.5};",
    "        colorGrid[] = {0.1, 0.1, 0.1, 0.6};",
    "        colorGridMap[] = {0.1, 0.1, 0.1, 0.6};",
    "        colorMainRoads[] = {0.9, 0.5, 0.3, 1};",
    "        colorMainRoadsFill[] = {1, 0.6, 0.4, 1};",
    "        colorRoads[] = {0.7, 0.7, 0.7, 1};",
    "        colorRoadsFill[] = {1, 1, 1, 1};",
    "        colorTracks[] = {0.84, 0.76, 0.65, 0.15};",
    "        colorTracksFill[] = {0.84, 0.76, 0.65, 1};",
    "        colorTrails[] = {0.84, 0.76, 0.65, 0.15};",
    "        colorTrailsFill[] = {0.84, 0.76, 0.65, 0.65};",
    "        fontLabel = FontM;",
    "        sizeExLabel = 0.034;",
    "        fontGrid = FontM;",
    "        sizeExGrid = 0.02;",
    "        fontUnits = FontM;",
    "        sizeExUnits = 0.034;",
    "        fontNames = FontM;",
    "        sizeExNames = 0.056;",
    "        fontInfo = FontM;",
    "        sizeExInfo = 0.034;",
    "        fontLevel = FontM;",
    "        sizeExLevel = 0.02;",
    "        class Legend",
    "        {",
    "                x = 0.03;",
    "                y = 0.83;",
    "                w = 0.25;",
    "                h = 0.14;",
    "                font = FontM;",
    "                sizeEx = 0.034;",
    "                colorBackground[] = {1, 1, 1, 0.5};",
    "                color[] = {0, 0, 0, 1};",
    "        };",
    "        class ActiveMarker {color[] = {0.3, 0.1, 0.9, 1}; size = 50;};",
    "        class LineMarker {lineDistanceMin = 3e-005; lineLengthMin = 5; "
    "lineWidthThick = 0.014; lineWidthThin = 0.008; "
    "textureComboBoxColor = \"#(argb,8,8,3)color(1,1,1,1)\";};",
    "        class Task",
    "        {",
    "                icon = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "                iconCreated = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "                iconCanceled = \"#(argb,8,8,3)color(0.7,0.7,0.7,1)\";",
    "                iconDone = \"#(argb,8,8,3)color(0.7,1,0.3,1)\";",
    "                iconFailed = \"#(argb,8,8,3)color(1,0.3,0.2,1)\";",
    "                color[] = {0, 1, 1, 0.8};",
    "                colorCreated[] = {1, 1, 1, 1};",
    "                colorCanceled[] = {0.7, 0.7, 0.7, 1};",
    "                colorDone[] = {0.7, 1, 0.3, 1};",
    "                colorFailed[] = {1, 0.3, 0.2, 1};",
    "                taskNone = \"#(argb,8,8,3)color(0,0,0,0)\";",
    "                taskCreated = \"#(argb,8,8,3)color(0,0,0,1)\";",
    "                taskAssigned = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "                taskSucceeded = \"#(argb,8,8,3)color(0,1,0,1)\";",
    "                taskFailed = \"#(argb,8,8,3)color(1,0,0,1)\";",
    "                taskCanceled = \"#(argb,8,8,3)color(1,0.5,0,1)\";",
    "                size = 27;",
    "                importance = 1;",
    "                coefMin = 1;",
    "                coefMax = 1;",
    "        };",
    "        class Waypoint {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 18; importance = 1; coefMin = 1; coefMax = 1;};",
    "        class WaypointCompleted {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 18; importance = 1; coefMin = 1; coefMax = 1;};",
    "        class CustomMark {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 18; importance = 1; coefMin = 1; coefMax = 1;};",
    "        class Command {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 18; importance = 1; coefMin = 1; coefMax = 1;};",
    "        class Bush {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0.45, 0.64, 0.33, 0.4}; size = 7; importance = 0.007; coefMin = 0.25; coefMax = "
    "4;};",
    "        class SmallTree {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0.45, 0.64, 0.33, 0.4}; size = 12; importance = 0.36; coefMin = 0.25; coefMax = "
    "4;};",
    "        class Tree {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0.45, 0.64, 0.33, 0.4}; size = 12; importance = 0.72; coefMin = 0.25; coefMax = "
    "4;};",
    "        class Rock {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0.1, 0.1, 0.1, 0.8}; size = 12; importance = 0.3; coefMin = 0.25; coefMax = 4;};",
    "        class Bunker {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 14; importance = 1.05; coefMin = 0.25; coefMax = 4;};",
    "        class Fortress {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 16; importance = 1.6; coefMin = 0.25; coefMax = 4;};",
    "        class Fountain {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 11; importance = 0.6; coefMin = 0.25; coefMax = 4;};",
    "        class Ruin {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 16; importance = 0.96; coefMin = 1; coefMax = 4;};",
    "        class Stack {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 16; importance = 1.6; coefMin = 0.4; coefMax = 2;};",
    "        class Tourism {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 16; importance = 0.8; coefMin = 0.7; coefMax = 4;};",
    "        class ViewTower {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 16; importance = 2; coefMin = 0.5; coefMax = 4;};",
    "        class BusStop {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Chapel {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Church {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Cross {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Fuelstation {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Hospital {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Lighthouse {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Quay {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Shipwreck {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {0, 0, 0, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Transmitter {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class Watertower {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class power {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class powersolar {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class powerwave {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "        class powerwind {icon = \"#(argb,8,8,3)color(1,1,1,1)\"; "
    "color[] = {1, 1, 1, 1}; size = 24; importance = 1; coefMin = 0.85; coefMax = 1;};",
    "};",
    "",
};

// The scroll bars lists and trees show, one line each: a column list has both, a tree the one.
constexpr std::string_view kScrollBar
    = "        class ScrollBar {color[] = {1, 1, 1, 0.6}; colorActive[] = {1, 1, 1, 1}; "
      "colorDisabled[] = {1, 1, 1, 0.3}; thumb = \"#(argb,8,8,3)color(1,1,1,1)\"; "
      "arrowFull = \"#(argb,8,8,3)color(1,1,1,1)\"; "
      "arrowEmpty = \"#(argb,8,8,3)color(1,1,1,0.5)\"; "
      "border = \"#(argb,8,8,3)color(1,1,1,0.5)\"; width = 0; height = 0; "
      "scrollSpeed = 0.06; autoScrollEnabled = 0; autoScrollSpeed = -1; "
      "autoScrollDelay = 5; autoScrollRewind = 0; shadow = 0;};";
constexpr std::string_view kListScrollBar
    = "        class ListScrollBar {color[] = {1, 1, 1, 0.6}; colorActive[] = {1, 1, 1, 1}; "
      "colorDisabled[] = {1, 1, 1, 0.3}; thumb = \"#(argb,8,8,3)color(1,1,1,1)\"; "
      "arrowFull = \"#(argb,8,8,3)color(1,1,1,1)\"; "
      "arrowEmpty = \"#(argb,8,8,3)color(1,1,1,0.5)\"; "
      "border = \"#(argb,8,8,3)color(1,1,1,0.5)\"; width = 0; height = 0; "
      "scrollSpeed = 0.06; autoScrollEnabled = 0; autoScrollSpeed = -1; "
      "autoScrollDelay = 5; autoScrollRewind = 0; shadow = 0;};";

// A column list and a tree draw their scroll bars from these, written whole since a mission file
// holds no class of the game's to derive them from.
constexpr std::string_view kColumnList[] = {
    "#define CT_LISTNBOX 102",
    "",
    "class KovrinColumnList",
    "{",
    "        type = CT_LISTNBOX;",
    "        idc = -1;",
    "        style = ST_LEFT;",
    "        font = FontM;",
    "        sizeEx = 0.04;",
    "        rowHeight = 0.04;",
    "        shadow = 0;",
    "        columns[] = {0};",
    "        drawSideArrows = 0;",
    "        idcLeft = -1;",
    "        idcRight = -1;",
    "        arrowEmpty = \"#(argb,8,8,3)color(1,1,1,0.5)\";",
    "        arrowFull = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        color[] = {0.95, 0.95, 0.95, 1};",
    "        colorText[] = {1, 1, 1, 1};",
    "        colorBackground[] = {0, 0, 0, 0.5};",
    "        colorDisabled[] = {1, 1, 1, 0.25};",
    "        colorScrollbar[] = {0.95, 0.95, 0.95, 1};",
    "        colorSelect[] = {0, 0, 0, 1};",
    "        colorSelect2[] = {0, 0, 0, 1};",
    "        colorSelectBackground[] = {0.95, 0.95, 0.95, 1};",
    "        colorSelectBackground2[] = {1, 1, 1, 0.5};",
    "        colorPicture[] = {1, 1, 1, 1};",
    "        colorPictureSelected[] = {1, 1, 1, 1};",
    "        colorPictureDisabled[] = {1, 1, 1, 0.25};",
    "        colorTextRight[] = {1, 1, 1, 1};",
    "        colorSelectRight[] = {0, 0, 0, 1};",
    "        colorSelect2Right[] = {0, 0, 0, 1};",
    "        colorPictureRight[] = {1, 1, 1, 1};",
    "        colorPictureRightSelected[] = {1, 1, 1, 1};",
    "        colorPictureRightDisabled[] = {1, 1, 1, 0.25};",
    "        period = 1.2;",
    "        maxHistoryDelay = 1;",
    "        autoScrollSpeed = -1;",
    "        autoScrollDelay = 5;",
    "        autoScrollRewind = 0;",
    "        soundSelect[] = {\"\", 0.1, 1};",
    kListScrollBar,
    kScrollBar,
    "};",
    "",
};

constexpr std::string_view kProgress[] = {
    "#define CT_PROGRESS 8",
    "",
    "class KovrinProgress",
    "{",
    "        type = CT_PROGRESS;",
    "        idc = -1;",
    "        style = ST_LEFT;",
    "        shadow = 0;",
    "        texture = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        colorBar[] = {0.13, 0.54, 0.21, 0.8};",
    "        colorFrame[] = {0, 0, 0, 1};",
    "};",
    "",
};

constexpr std::string_view kCheckBox[] = {
    "#define CT_CHECKBOX 77",
    "",
    "class KovrinCheckBox",
    "{",
    "        type = CT_CHECKBOX;",
    "        idc = -1;",
    "        style = ST_LEFT;",
    "        checked = 0;",
    "        color[] = {1, 1, 1, 0.7};",
    "        colorFocused[] = {1, 1, 1, 1};",
    "        colorHover[] = {1, 1, 1, 1};",
    "        colorPressed[] = {1, 1, 1, 1};",
    "        colorDisabled[] = {1, 1, 1, 0.2};",
    "        colorBackground[] = {0, 0, 0, 0};",
    "        colorBackgroundFocused[] = {0, 0, 0, 0};",
    "        colorBackgroundHover[] = {0, 0, 0, 0};",
    "        colorBackgroundPressed[] = {0, 0, 0, 0};",
    "        colorBackgroundDisabled[] = {0, 0, 0, 0};",
    "        textureChecked = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        textureUnchecked = \"#(argb,8,8,3)color(1,1,1,0.2)\";",
    "        textureFocusedChecked = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        textureFocusedUnchecked = \"#(argb,8,8,3)color(1,1,1,0.2)\";",
    "        textureHoverChecked = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        textureHoverUnchecked = \"#(argb,8,8,3)color(1,1,1,0.3)\";",
    "        texturePressedChecked = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        texturePressedUnchecked = \"#(argb,8,8,3)color(1,1,1,0.2)\";",
    "        textureDisabledChecked = \"#(argb,8,8,3)color(1,1,1,0.5)\";",
    "        textureDisabledUnchecked = \"#(argb,8,8,3)color(1,1,1,0.1)\";",
    "        soundEnter[] = {\"\", 0.1, 1};",
    "        soundPush[] = {\"\", 0.1, 1};",
    "        soundClick[] = {\"\", 0.1, 1};",
    "        soundEscape[] = {\"\", 0.1, 1};",
    "};",
    "",
};

constexpr std::string_view kCheckBoxRow[] = {
    "#define CT_CHECKBOXES 7",
    "",
    "class KovrinCheckBoxRow",
    "{",
    "        type = CT_CHECKBOXES;",
    "        idc = -1;",
    "        style = ST_CENTER;",
    "        font = FontM;",
    "        sizeEx = 0.03;",
    "        rows = 1;",
    "        columns = 1;",
    "        strings[] = {\"Option\"};",
    "        checked_strings[] = {\"Option\"};",
    "        color[] = {1, 1, 1, 1};",
    "        colorText[] = {1, 1, 1, 1};",
    "        colorTextSelect[] = {0, 0.8, 0, 1};",
    "        colorTextDisable[] = {0.4, 0.4, 0.4, 1};",
    "        colorBackground[] = {0, 0, 0, 0.5};",
    "        colorSelect[] = {0, 0, 0, 1};",
    "        colorSelectedBg[] = {0.13, 0.54, 0.21, 1};",
    "        colorDisable[] = {0.4, 0.4, 0.4, 1};",
    "};",
    "",
};

// The game lays this slider out across only with SL_HORZ among its style bits, and upright
// without it; the block defines both names for the styles the editor offers.
constexpr std::string_view kExtSlider[] = {
    "#define CT_XSLIDER 43",
    "#define SL_VERT 0",
    "#define SL_HORZ 0x400",
    "",
    "class KovrinXSlider",
    "{",
    "        type = CT_XSLIDER;",
    "        idc = -1;",
    "        style = SL_HORZ;",
    "        shadow = 0;",
    "        color[] = {1, 1, 1, 0.6};",
    "        colorActive[] = {1, 1, 1, 1};",
    "        colorDisable[] = {1, 1, 1, 0.4};",
    "        colorDisabled[] = {1, 1, 1, 0.2};",
    "        arrowEmpty = \"#(argb,8,8,3)color(1,1,1,0.5)\";",
    "        arrowFull = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        border = \"#(argb,8,8,3)color(1,1,1,0.5)\";",
    "        thumb = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "};",
    "",
};

constexpr std::string_view kTree[] = {
    "#define CT_TREE 12",
    "",
    "class KovrinTree",
    "{",
    "        type = CT_TREE;",
    "        idc = -1;",
    "        style = ST_LEFT;",
    "        font = FontM;",
    "        sizeEx = 0.04;",
    "        rowHeight = 0.044;",
    "        shadow = 0;",
    "        borderSize = 0;",
    "        expandOnDoubleclick = 1;",
    "        multiselectEnabled = 0;",
    "        maxHistoryDelay = 1;",
    "        expandedTexture = \"#(argb,8,8,3)color(1,1,1,1)\";",
    "        hiddenTexture = \"#(argb,8,8,3)color(1,1,1,0.5)\";",
    "        colorText[] = {1, 1, 1, 1};",
    "        colorBackground[] = {0, 0, 0, 0.5};",
    "        colorArrow[] = {1, 1, 1, 1};",
    "        colorBorder[] = {0, 0, 0, 0};",
    "        colorLines[] = {0, 0, 0, 0};",
    "        colorDisabled[] = {1, 1, 1, 0.25};",
    "        colorSelect[] = {1, 1, 1, 0.7};",
    "        colorSelectText[] = {0, 0, 0, 1};",
    "        colorSelectBackground[] = {0, 0, 0, 0.5};",
    "        colorMarked[] = {0.2, 0.3, 0.7, 1};",
    "        colorMarkedText[] = {0, 0, 0, 1};",
    "        colorMarkedSelected[] = {0, 0.5, 0.5, 1};",
    "        colorSearch[] = {0.13, 0.54, 0.21, 0.8};",
    "        colorPicture[] = {1, 1, 1, 1};",
    "        colorPictureSelected[] = {0, 0, 0, 1};",
    "        colorPictureDisabled[] = {1, 1, 1, 0.25};",
    "        colorPictureRight[] = {1, 1, 1, 1};",
    "        colorPictureRightSelected[] = {0, 0, 0, 1};",
    "        colorPictureRightDisabled[] = {1, 1, 1, 0.25};",
    kScrollBar,
    "};",
    "",
};

constexpr std::string_view kToolboxRow[] = {
    "#define CT_TOOLBOX 6",
    "",
    "class KovrinToolbox",
    "{",
    "        type = CT_TOOLBOX;",
    "        idc = -1;",
    "        style = ST_CENTER;",
    "        font = FontM;",
    "        sizeEx = 0.03;",
    "        shadow = 0;",
    "        rows = 1;",
    "        columns = 2;",
    "        strings[] = {\"One\", \"Two\"};",
    "        color[] = {0.95, 0.95, 0.95, 1};",
    "        colorText[] = {0.95, 0.95, 0.95, 1};",
    "        colorTextSelect[] = {0.95, 0.95, 0.95, 1};",
    "        colorTextDisable[] = {0.4, 0.4, 0.4, 1};",
    "        colorBackground[] = {0, 0, 0, 0.5};",
    "        colorSelect[] = {0.95, 0.95, 0.95, 1};",
    "        colorSelectedBg[] = {0.13, 0.54, 0.21, 0.5};",
    "        colorDisable[] = {0.4, 0.4, 0.4, 1};",
    "};",
    "",
};

struct KindBase
{
    ControlKind kind;
    std::span<const std::string_view> lines;
};

// In the kind table's order, one for each of the newer kinds.
constexpr KindBase kKindBases[] = {
    {ControlKind::StructuredText, kStructuredText},
    {ControlKind::ShortcutButton, kShortcutButton},
    {ControlKind::Map, kMap},
    {ControlKind::ColumnList, kColumnList},
    {ControlKind::Progress, kProgress},
    {ControlKind::CheckBox, kCheckBox},
    {ControlKind::CheckBoxRow, kCheckBoxRow},
    {ControlKind::ExtSlider, kExtSlider},
    {ControlKind::Tree, kTree},
    {ControlKind::ToolboxRow, kToolboxRow},
};

constexpr bool followsTheKindTable()
{
    if (std::size(kKindBases) != kNewerKinds.size())
        return false;
    for (std::size_t i = 0; i < kNewerKinds.size(); ++i) {
        if (kKindBases[i].kind != kNewerKinds[i])
            return false;
    }
    return true;
}
static_assert(followsTheKindTable());

std::span<const std::string_view> linesOf(ControlKind kind)
{
    const auto *found = std::find_if(std::begin(kKindBases), std::end(kKindBases),
                                     [kind](const KindBase &base) { return base.kind == kind; });
    return found == std::end(kKindBases) ? std::span<const std::string_view>() : found->lines;
}

} // namespace

KindsDerived kindsDerivedFromBases(const DialogSet &set)
{
    KindsDerived derived {};
    for (const Dialog &dialog : set.cForms()) {
        for (const ControlRecord &record : dialog.cControls) {
            const auto kind = kindFromWord(record.CtrlType);
            if (kind && !linesOf(*kind).empty()
                && (record.Base.empty() || equalIgnoringCase(record.Base, generatedBase(*kind))))
                derived[kindIndex(*kind)] = true;
        }
    }
    return derived;
}

void appendKindBase(CodeOut &out, ControlKind kind)
{
    for (std::string_view line : linesOf(kind))
        appendLine(out, {line});
}

std::string kindBaseText(ControlKind kind)
{
    std::string text;
    TextSink sink(text);
    CodeOut out(sink);
    appendKindBase(out, kind);
    out.flush();
    return text;
}

void appendKindBases(CodeOut &out, const DialogSet &set)
{
    const KindsDerived derived = kindsDerivedFromBases(set);
    for (const KindBase &base : kKindBases) {
        if (derived[kindIndex(base.kind)])
            appendKindBase(out, base.kind);
    }
}

std::size_t kindBasesBytes(const DialogSet &set)
{
    const KindsDerived derived = kindsDerivedFromBases(set);
    std::size_t bytes = 0;
    for (const KindBase &base : kKindBases) {
        if (!derived[kindIndex(base.kind)])
            continue;
        for (std::string_view line : base.lines)
            bytes += line.size() + 2;
    }
    return bytes;
}

} // namespace kovrin
