// A shop dialog: its idd, event handlers and the properties Kovrin has no field for come back
// with the dialog and its controls.
#include "kept_defines.hpp"

#define IDD_SHOP 65440
#define BUY_CODE "[] call shop_fnc_buy"

class Shop_Base
{
    idd = -1;
    movingEnable = 0;
    onUnload = "['close'] call shop_fnc_ui";
};
class ShopDialog: Shop_Base
{
    idd = IDD_SHOP;
    onLoad = "uiNamespace setVariable ['shop', _this select 0]";
    enableSimulation = 1;
    controlsBackground[] = {Back};
    controls[] = {Title, Buy};
    class Back: RscText
    {
        idc = 100;
        x = 0.2;
        y = 0.2;
        w = 0.6;
        h = 0.6;
        colorBackground[] = {0, 0, 0, 0.7};
    };
    class Title: RscText
    {
        idc = 101;
        text = "Shop";
        x = 0.2;
        y = 0.2;
        w = 0.6;
        h = 0.05;
        tooltip = "Prices in ""credits""";
    };
    class Buy: Shop_Button
    {
        idc = 102;
        text = "Buy";
        x = 0.6;
        y = 0.7;
        w = 0.15;
        h = 0.05;
        onButtonClick = BUY_CODE;
        class Attributes
        {
            color = "#ffffff";
        };
    };
};
