// Base classes shared by the mission's dialogs. Most come from the game; the file only declares
// them, and refers to them in any case.
#define CT_STATIC 0
#define CT_BUTTON 1

import RscText;
import RscPicture;
class RscButton;
class RscControlsGroup;

class MyText: RSCText
{
    type = CT_STATIC;
    sizeEx = 0.03;
};

class MyButton: rscbutton
{
    w = 0.1;
    h = 0.04;
};

// A template of a controls group: no idd, only derived from by a control.
class MyGroupBase: RscControlsGroup
{
    class Controls
    {
        class Caption: MyText
        {
            text = "caption";
        };
    };
};

// The frame of every dialog of the mission, with no idd of its own.
class MyPanel
{
    class controls
    {
        class BACKGROUND: RscText
        {
            x = 0.1; y = 0.1; w = 0.8; h = 0.8;
        };
        class Title: MyText
        {
            x = 0.12; y = 0.12; w = 0.5; h = 0.04;
            text = "Panel";
        };
        class Close: MyButton
        {
            x = 0.78; y = 0.84;
            text = "Close";
        };
    };
};
