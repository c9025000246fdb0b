// The newer game's controls: by their type numbers, by the game's type constants (this file
// defines only one of them and leaves the others to the game), and on the game's own classes;
// then controls of types Kovrin has no kind for, which come in as they were written.
#define CT_TREE 12

import RscStructuredText;
import RscButtonMenu;
import RscMapControl;
import RscListNBox;
import RscProgress;
import RscCheckBox;
import RscTextCheckBox;
import RscXSliderH;
import RscTree;
import RscToolbox;
import RscXListBox;
class RscText;

class NewerByNumber
{
    idd = 7100;
    controls[] = {Intro, Next, Terrain, Minimap, Roster, Loading, Agree, Options, Volume, Orbat, Modes};
    class Intro
    {
        type = 13;
        idc = 1;
        x = 0.1; y = 0.05; w = 0.8; h = 0.1;
        size = 0.035;
        text = "Welcome, <t color='#ffcc00'>soldier</t>";
        colorBackground[] = {0, 0, 0, 0.5};
        class Attributes
        {
            align = "center";
            font = "PuristaMedium";
        };
    };
    class Next
    {
        type = 16;
        idc = 2;
        x = 0.7; y = 0.85; w = 0.2; h = 0.05;
        text = "Next";
        action = "closeDialog 1";
        default = true;
        shortcuts[] = {28};
    };
    class Terrain
    {
        type = 100;
        idc = 3;
        x = 0.1; y = 0.2; w = 0.4; h = 0.4;
        colorBackground[] = {0.9, 0.9, 0.9, 1};
        scaleDefault = 0.16;
    };
    class Minimap
    {
        type = 101;
        idc = 4;
        x = 0.55; y = 0.2; w = 0.2; h = 0.2;
        showMarkers = 1;
    };
    class Roster
    {
        type = 102;
        idc = 5;
        x = 0.55; y = 0.45; w = 0.35; h = 0.15;
        rowHeight = 0.04;
        columns[] = {0, 0.4, 0.7};
        drawSideArrows = 0;
    };
    class Loading
    {
        type = 8;
        idc = 6;
        style = 0;
        x = 0.1; y = 0.65; w = 0.8; h = 0.02;
        texture = "#(argb,8,8,3)color(1,1,1,1)";
        colorBar[] = {0, 0.8, 0, 1};
        colorFrame[] = {0, 0, 0, 1};
    };
    class Agree
    {
        type = 77;
        idc = 7;
        x = 0.1; y = 0.7; w = 0.03; h = 0.04;
        checked = 1;
    };
    class Options
    {
        type = 7;
        idc = 8;
        style = 2;
        x = 0.15; y = 0.7; w = 0.4; h = 0.04;
        rows = 1;
        columns = 2;
        strings[] = {"Day", "Night"};
        colorText[] = {1, 1, 1, 1};
    };
    class Volume
    {
        type = 43;
        idc = 9;
        style = 0x400;
        x = 0.6; y = 0.7; w = 0.3; h = 0.03;
        arrowEmpty = "#(argb,8,8,3)color(1,1,1,1)";
    };
    class Orbat
    {
        type = CT_TREE;
        idc = 10;
        x = 0.1; y = 0.75; w = 0.3; h = 0.1;
        expandOnDoubleclick = 1;
    };
    class Modes
    {
        type = 6;
        idc = 11;
        x = 0.45; y = 0.75; w = 0.3; h = 0.04;
        strings[] = {"Easy", "Hard"};
    };
};

// The game's constants, none of them defined here but CT_TREE.
class NewerByName
{
    idd = 7200;
    controls[] = {Intro, Next, Terrain, Minimap, Roster, Loading, Agree, Options, Volume, Orbat, Modes};
    class Intro { type = CT_STRUCTURED_TEXT; idc = 1; text = "<t>Hello</t>"; };
    class Next { type = CT_SHORTCUTBUTTON; idc = 2; text = "Next"; };
    class Terrain { type = CT_MAP; idc = 3; };
    class Minimap { type = CT_MAP_MAIN; idc = 4; };
    class Roster { type = CT_LISTNBOX; idc = 5; };
    class Loading { type = CT_PROGRESS; idc = 6; };
    class Agree { type = CT_CHECKBOX; idc = 7; };
    class Options { type = CT_CHECKBOXES; idc = 8; };
    class Volume { type = CT_XSLIDER; idc = 9; };
    class Orbat { type = CT_TREE; idc = 10; };
    class Modes { type = CT_TOOLBOX; idc = 11; };
};

// On the game's classes: the type is the game's, the base stays in the code.
class NewerOnGameBases
{
    idd = 7300;
    controls[] = {Intro, Next, Minimap, Roster, Loading, Agree, Options, Volume, Orbat, Modes};
    class Intro: RscStructuredText { idc = 1; x = 0.1; y = 0.1; w = 0.5; h = 0.1; };
    class Next: RscButtonMenu { idc = 2; text = "Next"; };
    class Minimap: RscMapControl { idc = 4; };
    class Roster: RscListNBox { idc = 5; columns[] = {0, 0.5}; };
    class Loading: RscProgress { idc = 6; };
    class Agree: RscCheckBox { idc = 7; checked = 0; };
    class Options: RscTextCheckBox { idc = 8; strings[] = {"On"}; };
    class Volume: RscXSliderH { idc = 9; };
    class Orbat: RscTree { idc = 10; };
    class Modes: RscToolbox { idc = 11; };
};

// Types Kovrin has no kind for: each comes in with its place and IDC; its type, style and
// everything else are kept as written, so the code gives the game the same class again.
class GenericControls
{
    idd = 7400;
    controlsBackground[] = {Backdrop};
    controls[] = {Page, Shifted, Untyped, Wide, Panel};
    class Backdrop
    {
        type = 45; // an animated texture
        idc = 20;
        x = 0; y = 0; w = 1; h = 1;
        texture = "#(argb,8,8,3)color(0,0,0,1)";
    };
    class Page
    {
        type = 9; // a page of html
        idc = 21;
        style = 0;
        x = safezoneX + 0.1; y = 0.1; w = 0.5; h = 0.5;
        filename = "briefing.html";
        colorText[] = {1, 1, 1, 1};
    };
    class Shifted
    {
        style = ST_LEFT;
        type = CT_STATIC + 1;
        idc = 22;
        x = 0.65; y = 0.1; w = 0.2; h = 0.05;
    };
    class Untyped
    {
        idc = 23;
        x = 0.65; y = 0.2; w = 0.2; h = 0.05;
        text = "no type";
    };
    class Wide: RscXListBox
    {
        idc = 24;
        x = 0.65; y = 0.3; w = 0.2; h = 0.05;
    };
    class Panel
    {
        type = 15;
        idc = 25;
        x = 0.1; y = 0.65; w = 0.8; h = 0.3;
        class Controls
        {
            class Marker: RscText
            {
                type = 99;
                idc = 26;
                x = 0.05; y = 0.05; w = 0.1; h = 0.1;
            };
        };
    };
};
