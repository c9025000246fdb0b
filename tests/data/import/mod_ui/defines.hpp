// Base classes of the terminal's controls, beside its dialogs.
#include "\x\tools\addons\main\script_macros.hpp"
#define GRID_W 0.025
#define GRID_X(col) ((col) * GRID_W)

class ToolsText
{
    type = 0;
    idc = -1;
    style = 0;
    font = "PuristaMedium";
    sizeEx = 0.03;
    colorText[] = {1, 1, 1, 1};
    colorBackground[] = {0, 0, 0, 0};
    text = "";
};
class ToolsButton: ToolsText
{
    type = 1;
    style = 2;
    colorBackground[] = {0.2, 0.2, 0.2, 1};
};
