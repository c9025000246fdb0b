#include "codegen/dialog_class.h"

#include "codegen/code_values.h"
#include "codegen/control_class.h"
#include "codegen/group_class.h"
#include "model/control_groups.h"
#include "model/generated_class.h"

namespace kovrin {
namespace {

bool isFrame(const ControlRecord &record)
{
    return record.CtrlType == "FRAME";
}

void appendBackgroundName(CodeOut &out, std::size_t position)
{
    out += "DLG_BACK";
    out += std::to_string(position);
}

// The records of the dialog's own list: all of them unless groups hold some.
std::vector<const ControlRecord *> ownControls(const Dialog &dialog)
{
    std::vector<const ControlRecord *> own;
    if (!holdsGroups(dialog.cControls)) {
        own.reserve(dialog.cControls.size());
        for (const ControlRecord &record : dialog.cControls)
            own.push_back(&record);
        return own;
    }
    for (std::size_t index : controlsOf(dialog.cControls, {}))
        own.push_back(&dialog.cControls[index]);
    return own;
}

const ControlRecord *firstFrameOf(const std::vector<const ControlRecord *> &own)
{
    for (const ControlRecord *record : own) {
        if (isFrame(*record))
            return record;
    }
    return nullptr;
}

// The background list: the background class, then every frame.
void appendBackgroundList(CodeOut &out, const std::vector<const ControlRecord *> &own,
                          std::size_t position)
{
    bool first = true;
    for (const ControlRecord *held : own) {
        const ControlRecord &record = *held;
        if (!isFrame(record))
            continue;
        if (first)
            appendBackgroundName(out, position);
        first = false;
        out += ", ";
        appendRawText(out, record.Name);
    }
}

// The control list: every other control of a known kind.
void appendControlList(CodeOut &out, const std::vector<const ControlRecord *> &own)
{
    bool first = true;
    for (const ControlRecord *held : own) {
        const ControlRecord &record = *held;
        if (isFrame(record) || !hasControlClass(record))
            continue;
        if (!first)
            out += ", ";
        first = false;
        appendRawText(out, record.Name);
    }
}

// The dialog's own line of a value Kovrin writes, in the kept form when the dialog keeps one.
void appendFixedLine(CodeOut &out, const Dialog &dialog, std::string_view name,
                     std::string_view fixed)
{
    const OtherProperty *kept = dialog.Others.find(name);
    if (kept && isClassEntry(*kept))
        kept = nullptr;
    if (!kept) {
        appendLine(out, {fixed});
        return;
    }
    out += "  ";
    appendRawText(out, otherPropertyLine(*kept));
    appendLine(out, {";"});
}

constexpr std::string_view kFixedNames[] = {"idd", "movingEnable", "objects"};

void appendBackgroundClass(CodeOut &out, const ControlRecord &frame, std::size_t position)
{
    endLine(out);
    out += "  class ";
    appendBackgroundName(out, position);
    appendLine(out, {": ", generatedBase(ControlKind::Frame)}); // the frame's own base
    appendLine(out, {"  {"});
    out += "     colorBackground[] = {";
    appendColourList(out, frame.BackColor);
    appendLine(out, {"};"});
    appendLine(out, {"     text = ;"});
    const std::pair<std::string_view, FormField> places[] = {
        {"     x = ", FormField::X},
        {"     y = ", FormField::Y},
        {"     w = ", FormField::Width},
        {"     h = ", FormField::Height},
    };
    for (const auto &[head, field] : places) {
        out += head;
        appendFormValue(out, frame, field);
        appendLine(out, {";"});
    }
    appendLine(out, {"  };"});
}

} // namespace

void appendDialogClass(CodeOut &out, const Dialog &dialog, std::size_t position)
{
    out += "class ";
    appendRawText(out, dialog.Tag);
    endLine(out);
    appendLine(out, {"{"});
    appendFixedLine(out, dialog, kFixedNames[0], "  idd = -1;");
    appendFixedLine(out, dialog, kFixedNames[1], "  movingEnable = true;");
    const std::vector<const ControlRecord *> own = ownControls(dialog);
    out += "  controlsBackground[] = {";
    appendBackgroundList(out, own, position);
    appendLine(out, {"};"});
    appendFixedLine(out, dialog, kFixedNames[2], "  objects[] = { };");
    out += "  controls[] = {";
    appendControlList(out, own);
    appendLine(out, {"};"});
    appendOtherProperties(out, dialog.Others, kFixedNames);
    if (const ControlRecord *frame = firstFrameOf(own))
        appendBackgroundClass(out, *frame, position);
    if (holdsGroups(dialog.cControls)) {
        appendControlTree(out, dialog);
    } else {
        for (const ControlRecord &record : dialog.cControls)
            appendControlClass(out, record);
    }
    appendLine(out, {"};"});
}

std::string dialogClassText(const Dialog &dialog, std::size_t position)
{
    std::string text;
    TextSink sink(text);
    CodeOut out(sink);
    appendDialogClass(out, dialog, position);
    out.flush();
    return text;
}

} // namespace kovrin
