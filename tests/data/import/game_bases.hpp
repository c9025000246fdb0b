// A menu on the game's own classes: its controls derive from them directly or through the
// mission's classes, keep the game's base in the code, and keep as code the values their kind
// never writes.
import RscButtonMenu;
import IGUIBack;
class RscText;
class RscEdit;

class Menu_Button: RscButtonMenu
{
    type = 1;
    colorBackground[] = {0, 0, 0, 0.8};
    sizeEx = 0.03;
    colorSelect[] = {1, 1, 0, 1};
};
class MenuDialog
{
    idd = 4000;
    controlsBackground[] = {Back};
    controls[] = {Title, Ok, PlayerName};
    class Back: IGUIBack
    {
        x = 0.1;
        y = 0.1;
        w = 0.8;
        h = 0.8;
        font = "PuristaLight";
    };
    class Title: RscText
    {
        idc = 10;
        text = "Menu";
        lineSpacing = 1.2;
        colorActive[] = {1, 0, 0, 1};
        x = 0.1;
        y = 0.1;
        w = 0.8;
        h = 0.05;
        default = true;
    };
    class Ok: Menu_Button
    {
        idc = 11;
        text = "OK";
        action = "closeDialog 1";
        x = 0.7;
        y = 0.8;
        w = 0.15;
        h = 0.05;
        onButtonClick = "hint 'ok'";
    };
    class PlayerName: RscEdit
    {
        idc = 12;
        text = "player";
        colorBackground[] = {0.1, 0.1, 0.1, 1};
        x = 0.2;
        y = 0.3;
        w = 0.4;
        h = 0.05;
    };
};
