// Base classes as a mission keeps them beside its dialogs.
#define CT_STATIC 0
#define CT_BUTTON 1
#define ST_LEFT 0
#define ST_CENTER 2
#define GUI_ALPHA 0.5

class RscText
{
    type = CT_STATIC;
    idc = -1;
    style = ST_LEFT;
    x = 0;
    y = 0;
    w = 0.1;
    h = 0.04;
    colorBackground[] = {0, 0, 0, 0};
    colorText[] = {1, 1, 1, 1};
    font = "PuristaMedium";
    sizeEx = 0.04;
    text = "";
    shadow = 1;
    tooltipColorText[] = {1, 1, 1, 1};
};
class RscButton
{
    type = CT_BUTTON;
    idc = -1;
    style = ST_CENTER;
    x = 0;
    y = 0;
    w = 0.1;
    h = 0.04;
    colorText[] = {1, 1, 1, 1};
    colorBackground[] = {0, 0, 0, 1};
    font = "PuristaMedium";
    sizeEx = 0.04;
    text = "";
    action = "";
    borderSize = 0;
    soundClick[] = {"\A3\ui_f\data\sound\RscButton\soundClick", 0.09, 1};
};
// The mission's own button: what it sets beyond the game's base comes with every control of it.
class Shop_Button: RscButton
{
    shadow = 0;
    colorShadow[] = {0, 0, 0, GUI_ALPHA};
    soundClick[] += {"extra"};
    class Attributes
    {
        font = "PuristaLight";
        align = "center";
    };
};
