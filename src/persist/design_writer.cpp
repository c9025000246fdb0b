#include "persist/design_writer.h"

#include "persist/design_fields.h"
#include "persist/file_io.h"
#include "persist/group_addition.h"
#include "persist/item_writer.h"
#include "persist/record_additions.h"

namespace kovrin {
namespace {

using namespace design;

// A control's record takes some 230 bytes in the file besides its texts and its dialog's name.
// Sized at once, a file of a huge text is held once while it is written, not regrown.
std::size_t expectedSize(const DialogSet &set)
{
    std::size_t bytes = 64;
    for (const Dialog &dialog : set.cForms()) {
        bytes += 96 + dialog.Tag.size() + dialog.Others.textBytes();
        for (const ControlRecord &record : dialog.cControls)
            bytes += 256 + dialog.Tag.size() + textBytes(record);
    }
    return bytes;
}

void writeControl(ItemWriter &out, const Dialog &dialog, std::size_t number, const ControlRecord &r,
                  std::string_view groupName)
{
    const auto where = [&](std::size_t field) {
        return Place {dialog.Tag, number, r.Name, fieldName(field)};
    };
    out.text(dialog.Tag, Place {dialog.Tag, 0, {}, "name"});
    out.text(r.Name, where(Name));
    // A control named like the grid key would be read back as a dialog header.
    if (r.Name == kGridKey)
        out.noteUnreadable(where(Name));
    out.number(idcField(r.IDC));
    out.number(r.Width);
    out.number(r.Height);
    out.text(r.Style, where(Style));
    out.colour(r.ForeColor, where(ForeColor));
    out.colour(r.BackColor, where(BackColor));
    out.text(r.Font, where(Font));
    out.number(r.FontSize);
    out.text(r.Text, where(Text));
    out.colour(r.ActiveColor, where(ActiveColor));
    out.colour(r.SelectionColor, where(SelectionColor));
    out.colour(r.SelectionBGColor, where(SelectionBGColor));
    out.text(withQuoteEntities(r.Action), where(Action));
    // A "&quot" typed into the script would come back as a double quote.
    if (r.Action.find(kQuoteEntity) != std::string::npos)
        out.noteUnreadable(where(Action));
    out.number(r.Enter);
    out.number(r.RowHeight);
    out.number(r.WholeHeight);
    out.text(r.CtrlType, where(CtrlType));
    out.number(r.X);
    out.number(r.Y);
    out.number(r.LineSpacing);
    writeControlAdditions(out, r, Place {dialog.Tag, number, r.Name, {}});
    if (!groupName.empty())
        writeGroupAddition(out, groupName, Place {dialog.Tag, number, r.Name, {}});
    out.mark(kEndMark);
}

} // namespace

DesignBytes designBytes(const DialogSet &set)
{
    ItemWriter out;
    out.reserve(expectedSize(set));
    out.mark(kVersion);
    for (const Dialog &dialog : set.cForms()) {
        out.text(dialog.Tag, Place {dialog.Tag, 0, {}, "name"});
        out.mark(kGridKey);
        out.number(dialog.GridSize);
        writeHeaderAdditions(out, dialog);
        out.mark(kEndMark);
        const auto groupNames = groupNamesByTag(dialog.cControls);
        for (std::size_t i = 0; i < dialog.cControls.size(); ++i) {
            const ControlRecord &record = dialog.cControls[i];
            const auto group
                = record.Group.empty() ? groupNames.end() : groupNames.find(record.Group);
            writeControl(out, dialog, i + 1, record,
                         group == groupNames.end() ? std::string_view {} : group->second);
        }
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
