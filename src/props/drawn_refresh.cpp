#include "props/drawn_refresh.h"

#include "model/form_rules.h"
#include "model/number_text.h"

namespace kovrin {

DrawnRefresh drawnRefreshOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Input:
        return {false, true, false};
    case ControlKind::Text:
        return {true, true, true};
    case ControlKind::Combo:
        return {false, true, true};
    case ControlKind::Button:
        return {true, false, false};
    case ControlKind::Frame:
        return {true, true, true};
    case ControlKind::Link:
        return {true, true, true};
    case ControlKind::List:
        return {false, true, true};
    case ControlKind::Group:
        return {false, false, true};
    case ControlKind::StructuredText:
        return {true, false, true};
    case ControlKind::ShortcutButton:
        return {true, false, false};
    case ControlKind::Map:
        return {false, false, true};
    case ControlKind::ColumnList:
    case ControlKind::CheckBoxRow:
    case ControlKind::Tree:
    case ControlKind::ToolboxRow:
        return {false, true, true};
    case ControlKind::Picture:
    case ControlKind::Slider:
    case ControlKind::Progress:
    case ControlKind::CheckBox:
    case ControlKind::ExtSlider:
    case ControlKind::Generic:
        break;
    }
    return {};
}

void takeSizesOfForms(EditorLook &look, const ControlRecord &held)
{
    const auto take = [&held](FormField field, std::string &text) {
        if (held.Forms[field].form != PositionForm::Screen)
            text = singleText(screenValue(held, field), '.');
    };
    take(FormField::Width, look.widthText);
    take(FormField::Height, look.heightText);
}

void refreshDrawnControl(DrawnControl &control, ControlKind kind, const EditorLook &look,
                         SurfaceSize surface)
{
    control.width = twipsFromScreen(parseTypedNumber(look.widthText).value_or(0.0),
                                    PositionAxis::Width, surface);
    control.height = twipsFromScreen(parseTypedNumber(look.heightText).value_or(0.0),
                                     PositionAxis::Height, surface);
    const DrawnRefresh refresh = drawnRefreshOf(kind);
    if (refresh.text)
        control.caption = look.caption;
    if (refresh.textColour)
        control.textColour = look.foreSample;
    if (refresh.backColour)
        control.backColour = look.backSample;
    control.detail = look.detail;
}

} // namespace kovrin
