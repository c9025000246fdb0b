#include "persist/design_writer.h"

#include "model/number_text.h"
#include "persist/design_fields.h"
#include "persist/file_io.h"
#include "persist/item_writer.h"

namespace kovrin {
namespace {

using namespace design;

// Every double quote of an Action is stored as "&quot", so the script stays one text item.
std::string escapedAction(std::string_view action)
{
    std::string out;
    out.reserve(action.size());
    for (char c : action) {
        if (c == '"')
            out += kQuoteEntity;
        else
            out += c;
    }
    return out;
}

void writeNumber(ItemWriter &out, float value)
{
    out.number(singleText(value, '.'));
}

void writeControl(ItemWriter &out, const Dialog &dialog, std::size_t number, const ControlRecord &r)
{
    const auto where = [&](std::size_t field) {
        return placeText(dialog.Tag, number, r.Name, fieldName(field));
    };
    out.text(dialog.Tag, placeText(dialog.Tag, 0, {}, "name"));
    out.text(r.Name, where(Name));
    // A control named like the grid key would be read back as a dialog header.
    if (r.Name == kGridKey)
        out.noteUnreadable(where(Name));
    out.number(std::to_string(r.IDC));
    writeNumber(out, r.Width);
    writeNumber(out, r.Height);
    out.text(r.Style, where(Style));
    out.colour(r.ForeColor, where(ForeColor));
    out.colour(r.BackColor, where(BackColor));
    out.text(r.Font, where(Font));
    writeNumber(out, r.FontSize);
    out.text(r.Text, where(Text));
    out.colour(r.ActiveColor, where(ActiveColor));
    out.colour(r.SelectionColor, where(SelectionColor));
    out.colour(r.SelectionBGColor, where(SelectionBGColor));
    out.text(escapedAction(r.Action), where(Action));
    // A "&quot" typed into the script would come back as a double quote.
    if (r.Action.find(kQuoteEntity) != std::string::npos)
        out.noteUnreadable(where(Action));
    out.number(std::to_string(r.Enter));
    writeNumber(out, r.RowHeight);
    writeNumber(out, r.WholeHeight);
    out.text(r.CtrlType, where(CtrlType));
    writeNumber(out, r.X);
    writeNumber(out, r.Y);
    writeNumber(out, r.LineSpacing);
    out.mark(kEndMark);
}

} // namespace

DesignBytes designBytes(const DialogSet &set)
{
    ItemWriter out;
    out.mark(kVersion);
    for (const Dialog &dialog : set.cForms()) {
        out.text(dialog.Tag, placeText(dialog.Tag, 0, {}, "name"));
        out.mark(kGridKey);
        writeNumber(out, dialog.GridSize);
        out.mark(kEndMark);
        for (std::size_t i = 0; i < dialog.cControls.size(); ++i)
            writeControl(out, dialog, i + 1, dialog.cControls[i]);
    }
    DesignBytes result;
    result.replacedTexts = out.replacedTexts();
    result.unreadableTexts = out.unreadableTexts();
    result.bytes = out.takeBytes();
    return result;
}

WriteOutcome writeDesign(const DialogSet &set, const std::filesystem::path &path)
{
    DesignBytes design = designBytes(set);
    WriteOutcome outcome;
    outcome.status = writeFileAtomically(path, design.bytes);
    outcome.replacedTexts = std::move(design.replacedTexts);
    outcome.unreadableTexts = std::move(design.unreadableTexts);
    return outcome;
}

} // namespace kovrin
