#include "model/creation_defaults.h"

namespace kovrin {

ControlRecord defaultRecord(ControlKind kind)
{
    ControlRecord r;
    r.CtrlType = std::string(kindWord(kind));
    r.IDC = -1;
    switch (kind) {
    case ControlKind::Input:
        r.Width = 0.4f;
        r.Height = 0.04f;
        r.Style = "ST_LEFT";
        r.Font = "tahomaB36";
        r.FontSize = 0.02f;
        r.ForeColor = colourOf(0, 0, 0, 1);
        r.SelectionColor = colourOf(0.5, 0.5, 0.5, 1);
        break;
    case ControlKind::Text:
        r.Width = 0.2f;
        r.Height = 0.1f;
        r.Style = "ST_LEFT";
        r.Font = "tahomaB36";
        r.FontSize = 0.04f;
        r.ForeColor = colourOf(1, 1, 1, 1);
        r.BackColor = colourOf(0, 0, 0, 0);
        break;
    case ControlKind::Combo:
        r.Width = 0.2f;
        r.Height = 0.04f;
        r.Style = "ST_LEFT";
        r.Font = "CourierNewB64";
        r.FontSize = 0.025f;
        r.ForeColor = colourOf(0.2, 0.2, 0.2, 1);
        r.BackColor = colourOf(0.4, 0.4, 0.4, 1);
        r.SelectionColor = colourOf(0.4, 0.4, 0.4, 1);
        r.SelectionBGColor = colourOf(0.2, 0.2, 0.2, 1);
        r.RowHeight = 0.04f;
        r.WholeHeight = 0.3f;
        break;
    case ControlKind::Button:
        r.Width = 0.2f;
        r.Height = 0.04f;
        r.Style = "ST_CENTER";
        r.Font = "CourierNewB64";
        r.FontSize = 0.025f;
        r.ForeColor = colourOf(0, 0, 0, 1);
        r.Action.clear();
        r.Enter = 0;
        break;
    case ControlKind::Frame:
        r.Width = 0.6f;
        r.Height = 0.7f;
        r.Style = "ST_FRAME";
        r.FontSize = 0.025f;
        r.ForeColor = colourOf(0, 0, 0, 1);
        r.BackColor = colourOf(0.4, 0.4, 0.4, 0.75);
        break;
    case ControlKind::Link:
        r.Width = 0.2f;
        r.Height = 0.05f;
        r.Style = "ST_LEFT";
        r.Font = "tahomaB36";
        r.FontSize = 0.04f;
        r.ForeColor = colourOf(1, 1, 1, 1);
        r.ActiveColor = colourOf(1, 0, 0, 1);
        r.Action.clear();
        r.Enter = 0;
        break;
    case ControlKind::List:
        r.Width = 0.2f;
        r.Height = 0.15f;
        r.Style = "ST_LEFT";
        r.Font = "CourierNewB64";
        r.FontSize = 0.025f;
        r.ForeColor = colourOf(0.2, 0.2, 0.2, 1);
        r.BackColor = colourOf(0.4, 0.4, 0.4, 1);
        r.SelectionColor = colourOf(0.4, 0.4, 0.4, 1);
        r.SelectionBGColor = colourOf(0.2, 0.2, 0.2, 1);
        r.RowHeight = 0.04f;
        break;
    case ControlKind::Picture:
        r.Width = 0.2f;
        r.Height = 0.1f;
        r.Style = "ST_PICTURE";
        r.Font = "tahomaB36";
        r.FontSize = 0.04f;
        r.ForeColor = colourOf(1, 1, 1, 1);
        r.BackColor = colourOf(0, 0, 0, 0);
        break;
    case ControlKind::Slider:
        r.Width = 0.5f;
        r.Height = 0.04f;
        r.Style = "ST_HPOS";
        r.FontSize = 0.025f;
        r.ForeColor = colourOf(0.2, 0.2, 0.2, 1);
        break;
    case ControlKind::Group:
        // A group shows nothing of its own but what its controls draw.
        r.Width = 0.4f;
        r.Height = 0.3f;
        r.Style = "ST_LEFT"; // as its base class sets it
        r.BackColor = colourOf(0, 0, 0, 0);
        break;
    case ControlKind::StructuredText:
        r.Width = 0.3f;
        r.Height = 0.1f;
        r.Style = "ST_LEFT";
        r.FontSize = 0.04f; // written as its "size"
        r.BackColor = colourOf(0, 0, 0, 0);
        r.Text = SharedText("Structured <t color='#ffcc00'>text</t>");
        break;
    case ControlKind::ShortcutButton:
        r.Width = 0.2f;
        r.Height = 0.05f;
        r.Style = "ST_LEFT";
        r.Font = "tahomaB36";
        r.FontSize = 0.04f;
        r.Text = SharedText("Button");
        break;
    case ControlKind::Map:
        r.Width = 0.5f;
        r.Height = 0.5f;
        r.Style = "ST_LEFT";
        r.Font = "tahomaB36";
        r.FontSize = 0.04f;
        r.ForeColor = colourOf(0, 0, 0, 1);
        r.BackColor = colourOf(0.969, 0.957, 0.949, 1);
        break;
    case ControlKind::ColumnList:
        r.Width = 0.4f;
        r.Height = 0.2f;
        r.Style = "ST_LEFT";
        r.Font = "tahomaB36";
        r.FontSize = 0.04f;
        r.ForeColor = colourOf(1, 1, 1, 1);
        r.BackColor = colourOf(0, 0, 0, 0.5);
        r.SelectionColor = colourOf(0, 0, 0, 1);
        r.SelectionBGColor = colourOf(1, 1, 1, 0.5);
        r.RowHeight = 0.04f;
        break;
    case ControlKind::Progress:
        r.Width = 0.3f;
        r.Height = 0.02f;
        r.Style = "ST_LEFT";
        break;
    case ControlKind::CheckBox:
        r.Width = 0.04f;
        r.Height = 0.04f;
        r.Style = "ST_LEFT";
        break;
    case ControlKind::CheckBoxRow:
    case ControlKind::ToolboxRow:
        r.Width = 0.4f;
        r.Height = 0.04f;
        r.Style = "ST_CENTER";
        r.Font = "tahomaB36";
        r.FontSize = 0.03f;
        r.ForeColor = colourOf(1, 1, 1, 1);
        r.BackColor = colourOf(0, 0, 0, 0.5);
        break;
    case ControlKind::ExtSlider:
        r.Width = 0.3f;
        r.Height = 0.03f;
        r.Style = "SL_HORZ"; // across; the older slider's ST_HPOS would stand it upright
        break;
    case ControlKind::Tree:
        r.Width = 0.3f;
        r.Height = 0.4f;
        r.Style = "ST_LEFT";
        r.Font = "tahomaB36";
        r.FontSize = 0.04f;
        r.ForeColor = colourOf(1, 1, 1, 1);
        r.BackColor = colourOf(0, 0, 0, 0.5);
        break;
    case ControlKind::Generic:
        r.Width = 0.2f;
        r.Height = 0.1f;
        break;
    }
    return r;
}

std::string defaultName(ControlKind kind, std::size_t recordsBefore)
{
    return std::string(kindWord(kind)) + std::to_string(recordsBefore + 1);
}

} // namespace kovrin
