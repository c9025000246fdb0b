#include "codegen/dialog_class.h"

#include "codegen/code_values.h"
#include "codegen/control_class.h"

namespace kovrin {
namespace {

bool isFrame(const ControlRecord &record)
{
    return record.CtrlType == "FRAME";
}

void appendBackgroundClass(std::string &out, const ControlRecord &frame, const std::string &name)
{
    appendLine(out, {});
    appendLine(out, {"  class ", name, ": RscText"});
    appendLine(out, {"  {"});
    appendLine(out, {"     colorBackground[] = {", colourList(frame.BackColor), "};"});
    appendLine(out, {"     text = ;"});
    appendLine(out, {"     x = ", numberText(frame.X), ";"});
    appendLine(out, {"     y = ", numberText(frame.Y), ";"});
    appendLine(out, {"     w = ", numberText(frame.Width), ";"});
    appendLine(out, {"     h = ", numberText(frame.Height), ";"});
    appendLine(out, {"  };"});
}

} // namespace

std::string dialogClassText(const Dialog &dialog, std::size_t position)
{
    const std::string backgroundName = "DLG_BACK" + std::to_string(position);
    const ControlRecord *firstFrame = nullptr;
    std::string backgrounds;
    std::string controls;
    bool firstControl = true;
    for (const ControlRecord &record : dialog.cControls) {
        if (isFrame(record)) {
            if (!firstFrame) {
                firstFrame = &record;
                backgrounds = backgroundName;
            }
            backgrounds += ", " + rawText(record.Name);
        } else if (hasControlClass(record)) {
            if (!firstControl)
                controls += ", ";
            controls += rawText(record.Name);
            firstControl = false;
        }
    }

    std::string out;
    appendLine(out, {"class ", rawText(dialog.Tag)});
    appendLine(out, {"{"});
    appendLine(out, {"  idd = -1;"});
    appendLine(out, {"  movingEnable = true;"});
    appendLine(out, {"  controlsBackground[] = {", backgrounds, "};"});
    appendLine(out, {"  objects[] = { };"});
    appendLine(out, {"  controls[] = {", controls, "};"});
    if (firstFrame)
        appendBackgroundClass(out, *firstFrame, backgroundName);
    for (const ControlRecord &record : dialog.cControls)
        out += controlClassText(record);
    appendLine(out, {"};"});
    return out;
}

} // namespace kovrin
