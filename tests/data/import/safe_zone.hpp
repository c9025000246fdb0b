// A menu laid out on the visible screen, as newer missions write them: the safe-zone form in
// several spellings, through macros, and values only an expression can hold.
#define GUI_GRID_W (0.025 * safezoneW)
#define X_AT(N) ((N) * safezoneW + safezoneX)

class SafeZoneMenu
{
    idd = -1;
    movingEnable = true;
    controls[] = {Title, Close, Status};
    class Title
    {
        type = 0; idc = -1; style = 0;
        x = X_AT(0.3);
        y = "safeZoneY + 0.1 * safeZoneH";
        w = 16 * GUI_GRID_W;
        h = safezoneH * 0.05;
        sizeEx = 0.03 * SAFEZONEH;
        text = "Menu";
    };
    class Close
    {
        type = 1; idc = 2; style = 2;
        x = SafeZoneX + SafeZoneW * 0.65;
        y = 0.5; w = 0.1; h = 0.04;
        text = "Close";
        action = "closeDialog 0";
    };
    class Status
    {
        type = 0; idc = 3; style = 0;
        x = safezoneX + 10 * pixelW;
        y = safezoneY + safezoneH - 0.05;
        w = (profileNamespace getVariable ['GUI_W', 0.3]);
        h = 0.04;
        text = "Ready";
    };
};
