// The four buttons: the check, writing the record and the drawn control, and Delete.
#include "props_window/property_editor.h"

#include "model/dialog_set.h"
#include "model/drawn_detail.h"
#include "props/drawn_refresh.h"
#include "props/property_check.h"
#include "props/record_save.h"
#include "props_window/colour_group_box.h"
#include "props_window/number_field.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_view.h"
#include "surface_view/user_prompts.h"

namespace kovrin {
namespace {

Rgb8 bytesOf(const QColor &colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

} // namespace

std::optional<std::size_t> PropertyEditor::dialogIndex() const
{
    return m_host.document().indexOfFrmIndex(m_itemForm.frmIndex());
}

const ControlRecord *PropertyEditor::record() const
{
    const auto dialog = dialogIndex();
    if (!dialog)
        return nullptr;
    const auto &records = m_host.document().dialog(*dialog).cControls;
    return m_recordIndex < records.size() ? &records[m_recordIndex] : nullptr;
}

const DrawnControl *PropertyEditor::ItemCtrl() const
{
    const ControlRecord *current = record();
    if (!current)
        return nullptr;
    return m_host.document().drawnControls(*dialogIndex()).findByTag(current->Tag);
}

void PropertyEditor::reportMissingControl()
{
    m_host.prompts().message(QStringLiteral("WARNING"),
                             QStringLiteral("This control no longer exists; nothing was changed."),
                             UserPrompts::Icon::Warning);
    reject();
}

bool PropertyEditor::checkPasses()
{
    const std::string report = checkFields(fields(), m_kind);
    if (report.empty())
        return true;
    m_host.prompts().message(QStringLiteral("WARNING"), QString::fromStdString(report),
                             UserPrompts::Icon::Warning);
    return false;
}

bool PropertyEditor::SaveProperties()
{
    const auto dialog = dialogIndex();
    const ControlRecord *current = record();
    if (!dialog || !current) {
        reportMissingControl();
        return false;
    }
    const EditorFields now = fields();
    const ControlRecord written = savedRecord(*current, m_opened, now, m_kind);
    DialogSet &document = m_host.document();
    document.writeRecord(*dialog, m_recordIndex, written);

    const DrawnControl *drawn = document.drawnControls(*dialog).findByTag(written.Tag);
    if (drawn && m_kind) {
        EditorLook look {now.width,
                         now.height,
                         written.Text,
                         bytesOf(colourGroup(ColourGroup::Fore)->sampleColour()),
                         bytesOf(colourGroup(ColourGroup::Back)->sampleColour()),
                         drawnDetail(*m_kind, written)};
        takeSizesOfForms(look, document.dialog(*dialog).cControls[m_recordIndex]);
        DrawnControl refreshed = *drawn;
        refreshDrawnControl(refreshed, *m_kind, look, m_itemForm.outerSize());
        document.refreshDrawnControl(*dialog, refreshed);
    }
    m_opened = now;
    m_itemForm.refresh();
    m_host.documentChanged(m_itemForm, QStringLiteral("Control properties"));
    return true;
}

void PropertyEditor::cmd_OK_Click()
{
    if (checkPasses() && SaveProperties())
        accept();
}

void PropertyEditor::cmd_apply_Click()
{
    if (checkPasses())
        SaveProperties();
}

void PropertyEditor::cmd_Cancel_Click()
{
    reject();
}

void PropertyEditor::cmd_delete_Click()
{
    const auto dialog = dialogIndex();
    if (!dialog || !record()) {
        reportMissingControl();
        return;
    }
    m_host.document().removeRecord(*dialog, m_recordIndex); // hides the drawn control too
    m_itemForm.refresh();
    m_host.documentChanged(m_itemForm, QStringLiteral("Delete control"));
    done(Deleted);
}

} // namespace kovrin
