#include "defines.hpp"

class MyText
{
    type = CT_STATIC;
    idc = -1;
    style = ST_LEFT;
    colorText[] = COLOR_WHITE;
    colorBackground[] = {0, 0, 0, 0};
    font = FONT_MAIN;
    sizeEx = 0.03;
    text = "";
    shadow = 1;
};

class MyPicture: MyText
{
    style = ST_PICTURE;
    colorText[] = COLOR_WHITE;
};

// Buttons: the base sets sounds and colours, the variants only what differs.
class MyButtonBase
{
    type = CT_BUTTON;
    idc = -1;
    style = ST_CENTER;
    colorText[] = COLOR_BLACK;
    font = FONT_FIXED;
    sizeEx = 0.025;
    soundPush[] = {"", 0.2, 1};
    soundClick[] = {"ui\ui_ok", 0.2, 1};
    default = false;
};

class MyButton: MyButtonBase
{
    w = GRID_W * 6;
    h = GRID_H;
};

class MyButtonOk: MyButton
{
    text = $STR_ui_ok;
    action = "closeDialog 1";
    default = true;
};

class MyLink
{
    type = CT_ACTIVETEXT;
    idc = -1;
    style = ST_LEFT;
    color[] = COLOR_WHITE;
    colorActive[] = COLOR_HOVER;
    font = FONT_MAIN;
    sizeEx = 0.03;
    onButtonClick = "";
};

class MyEdit
{
    type = CT_EDIT;
    idc = -1;
    style = ST_LEFT;
    font = FONT_FIXED;
    sizeEx = 0.025;
    colorText[] = COLOR_BLACK;
    colorSelection[] = {0.5, 0.5, 0.5, 1};
    autocomplete = "";
};

class MyList
{
    type = CT_LISTBOX;
    idc = -1;
    style = ST_LEFT;
    font = FONT_FIXED;
    sizeEx = 0.025;
    rowHeight = 0.04;
    colorText[] = COLOR_WHITE;
    colorBackground[] = COLOR_PANEL;
    colorSelect[] = COLOR_BLACK;
    colorSelectBackground[] = COLOR_HOVER;
};
