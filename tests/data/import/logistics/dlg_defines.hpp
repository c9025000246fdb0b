// Control numbers of the logistics dialogs: large missions count them from 65000 up, so they
// never meet the numbers of the game's own dialogs.
#define LOG_IDD_CARGO            65430
#define LOG_IDC_START            65440
#define LOG_IDC_dlg_CV_titre     (LOG_IDC_START + 0)
#define LOG_IDC_dlg_CV_contents  (LOG_IDC_START + 1)
#define LOG_IDC_dlg_CV_unload    (LOG_IDC_START + 2)
#define LOG_IDC_dlg_CV_help      (LOG_IDC_START + 3)

#define LOG_DEFAULT_ON           2
#define LOG_CT_MAP               101
