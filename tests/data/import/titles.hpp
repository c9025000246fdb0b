#include "ui/base_classes.hpp"

class RscTitles
{
    // A display shown over the game; it becomes a dialog with what Kovrin can hold of it.
    class HudClock
    {
        idd = 9100;
        duration = 1e+06;
        fadeIn = 0;
        controls[] = {Clock, Map, Ticker, Missing};
        class Clock: MyText
        {
            x = safezoneX + 0.01; // kept as written, placed on the reference screen
            y = 0.01; w = 0.2; h = 0.04;
            colorBackground[] = {0, 0, 0, "0.5 * 0.8"};
            colorText[] = {1, 1, 1};
            idc = 70000;
        };
        class Map
        {
            type = 101;
            idc = 51;
        };
        class Ticker: MyLink
        {
            x = 0.3; y = 0.01; w = 0.4; h = 0.04;
            text = 42;
            default = maybe;
        };
    };
};
