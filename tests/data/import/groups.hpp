// An inventory whose items scroll in controls groups three deep, placed on the safe zone; the
// groups derive from a template that no dialog lists.
#define CT_STATIC 0
#define CT_BUTTON 1
#define CT_CONTROLS_GROUP 15
#define ST_LEFT 0
#define ST_CENTER 2

class RscText
{
    type = CT_STATIC;
    idc = -1;
    style = ST_LEFT;
    colorBackground[] = {0, 0, 0, 0};
    colorText[] = {1, 1, 1, 1};
    font = "tahomaB36";
    sizeEx = 0.04;
    text = "";
};

class RscButton
{
    type = CT_BUTTON;
    idc = -1;
    style = ST_CENTER;
    colorText[] = {0, 0, 0, 1};
    font = "CourierNewB64";
    sizeEx = 0.025;
    text = "";
    action = "";
};

class RscControlsGroup
{
    type = CT_CONTROLS_GROUP;
    idc = -1;
    style = ST_LEFT;
    x = 0;
    y = 0;
    w = 1;
    h = 1;
    class VScrollbar
    {
        color[] = {1, 1, 1, 1};
        width = 0.021;
    };
    class HScrollbar
    {
        color[] = {1, 1, 1, 1};
        height = 0.028;
    };
    class Controls {};
};

class Inventory
{
    idd = 7100;
    movingEnable = false;
    class controls
    {
        class Title: RscText
        {
            x = 0.1 * safezoneW + safezoneX;
            y = 0.05 * safezoneH + safezoneY;
            w = 0.8 * safezoneW;
            h = 0.04 * safezoneH;
            text = "Inventory";
        };
        class Items: RscControlsGroup
        {
            idc = 7110;
            x = 0.1 * safezoneW + safezoneX;
            y = 0.1 * safezoneH + safezoneY;
            w = 0.5 * safezoneW;
            h = 0.7 * safezoneH;
            class Controls
            {
                class Heading: RscText
                {
                    x = 0.01 * safezoneW;
                    y = 0;
                    w = 0.3 * safezoneW;
                    h = 0.04 * safezoneH;
                    text = "Items";
                };
                class Shelf: RscControlsGroup
                {
                    x = 0;
                    y = 0.05 * safezoneH;
                    w = 0.48 * safezoneW;
                    h = 0.5 * safezoneH;
                    class VScrollbar
                    {
                        width = 0;
                    };
                    class HScrollbar
                    {
                        height = 0;
                    };
                    class Controls
                    {
                        class Slot1: RscButton
                        {
                            x = 0;
                            y = 0;
                            w = 0.1;
                            h = 0.05;
                            text = "1";
                        };
                        class Row: RscControlsGroup
                        {
                            idc = 7130;
                            type = CT_CONTROLS_GROUP;
                            x = 0.02;
                            y = 0.1;
                            w = 0.3;
                            h = 0.1;
                            class controls
                            {
                                class Slot2: RscButton
                                {
                                    x = 0.01;
                                    y = 0.01;
                                    w = 0.1;
                                    h = 0.05;
                                    text = "2";
                                };
                            };
                        };
                    };
                };
            };
        };
        class Close: RscButton
        {
            x = 0.7;
            y = 0.85;
            w = 0.1;
            h = 0.05;
            text = "Close";
            action = "closeDialog 0";
        };
    };
};
