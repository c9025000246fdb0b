#include "defines.hpp"

// Takes the panel's controls as they are.
class StatusDialog: MyPanel
{
    idd = 5100;
};

// Overrides two of the panel's controls and adds one.
class OrdersDialog: MyPanel
{
    idd = 5200;
    class controls
    {
        class BACKGROUND: BACKGROUND
        {
            h = 0.6;
        };
        class Title: Title
        {
            text = "Orders";
        };
        class Portrait: RscPicture
        {
            x = 0.12; y = 0.2; w = 0.2; h = 0.2;
            text = "pics\officer.paa";
        };
        class Accept: MyButton
        {
            x = 0.6; y = 0.84;
            text = "Accept";
        };
    };
};

// Derives from a dialog again, its controls class extending the base's.
class OrdersDialogWide: OrdersDialog
{
    idd = 5201;
    class controls: controls
    {
        class Accept: Accept
        {
            w = 0.15;
        };
        class Group: MyGroupBase
        {
            x = 0.4; y = 0.2; w = 0.3; h = 0.3;
        };
    };
};

// A list of names whose classes a base without idd holds.
class ListBase
{
    controls[] = {Caption, Ok};
    class Caption: MyText
    {
        x = 0.3; y = 0.3; w = 0.4; h = 0.04;
    };
    class Ok: MyButton
    {
        x = 0.45; y = 0.4;
        text = "OK";
    };
};
class ListedDialog: ListBase
{
    idd = 5300;
    class Ok: Ok
    {
        text = "Fine";
    };
};

// A title shown over the game, with nothing in it yet.
class RscTitles
{
    class Splash
    {
        idd = -1;
        duration = 3;
    };
};
