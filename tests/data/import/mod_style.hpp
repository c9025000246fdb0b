// A mod's terminal: names, texts and scripts made by the mod's macros, which come from the
// unpacked mod files by the game's absolute path (kovrin import -I game_files).
#include "\x\tools\addons\main\script_macros.hpp"
#include "Mod_UI\Defines.HPP"

#define IDC_BASE 9100
__EXEC(_sector = "North"; _row = 2)

class GVAR(Terminal)
{
    idd = -1;
    movingEnable = true;
    class controls
    {
        class GVAR(Title): ToolsText
        {
            idc = __EVAL(IDC_BASE + 1);
            x = GRID_X(2); y = 0.1; w = 0.5; h = 0.05;
            text = QGVAR(Title);
        };
        class CTRL(Close): ToolsButton
        {
            idc = IDC_BASE + 2;
            x = GRID_X(30); y = 0.8; w = 0.2; h = 0.05;
            text = "Close";
            action = QUOTE(closeDialog 0; [] call FUNC(closed));
        };
        class CTRL(Sector): ToolsText
        {
            idc = IDC_BASE + 3;
            x = GRID_X(2); y = __EVAL(_row * 0.1); w = 0.3; h = 0.04;
            text = __EVAL("Sector " + _sector);
        };
    };
};
