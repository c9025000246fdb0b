// A cargo dialog of a logistics script: its numbers come from macros past 32767, one control is
// of a kind Kovrin has no drawing for, one value is not what its field takes.
#include "ui\base_classes.hpp"
#include "logistics\dlg_defines.hpp"

class LOG_dlg_CargoView
{
    idd = -1;
    controls[] = {LOG_dlg_CV_titre, LOG_dlg_CV_contents, LOG_dlg_CV_unload, LOG_dlg_CV_map};

    class LOG_dlg_CV_titre: MyText
    {
        idc = LOG_IDC_dlg_CV_titre;
        x = 0.3; y = 0.2; w = 0.4; h = 0.04;
        text = "Cargo";
    };
    class LOG_dlg_CV_contents: MyText
    {
        idc = LOG_IDC_dlg_CV_contents;
        x = 0.3; y = 0.25; w = 0.4; h = 0.3;
    };
    class LOG_dlg_CV_unload: MyButton
    {
        idc = LOG_IDC_dlg_CV_unload;
        x = 0.3; y = 0.56;
        text = "Unload";
        default = LOG_DEFAULT_ON;
    };
    class LOG_dlg_CV_map
    {
        type = LOG_CT_MAP;
        idc = LOG_IDC_dlg_CV_help;
    };
};
