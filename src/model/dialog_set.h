#pragma once
// The document: the ordered set of dialogs (cForms) and the run values kept beside it. Every
// change of the document goes through the named operations below, so that one place can record
// them for undo and for the modified state.

#include "model/control_kind.h"
#include "model/dialog.h"
#include "model/dialog_content.h"
#include "model/reference_screen.h"
#include "model/status.h"
#include "model/twip_rect.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

class DialogSet
{
public:
    // --- reading -------------------------------------------------------------------------
    const std::vector<Dialog> &cForms() const { return m_forms; }
    std::size_t count() const { return m_forms.size(); }
    const Dialog &dialog(std::size_t index) const { return m_forms.at(index); }
    const DrawnControls &drawnControls(std::size_t index) const { return dialog(index).drawn; }
    std::optional<std::size_t> indexOfFrmIndex(std::int16_t frmIndex) const;

    std::int16_t DialogCounter = 0; // number of the most recently created dialog
    std::int16_t NextTag = 0; // the most recently issued control tag
    bool CloseScratch = false; // true only while discard-all runs
    std::filesystem::path CurrentFile; // empty until the set was saved or loaded
    // The screen the safe-zone fields' screen values are taken on (the shell sets it).
    const ReferenceScreen &referenceScreen() const { return m_referenceScreen; }

    // --- dialogs -------------------------------------------------------------------------
    // Insert new dialog: DIALOGn at the end, grid step copied from the previously last dialog.
    Result<std::size_t> insertDialog();
    // A dialog of a given name with grid step 0, as Load makes them.
    Result<std::size_t> appendDialog(std::string name);
    void renameDialog(std::size_t index, std::string name);
    void setGridSize(std::size_t index, float gridSize);
    void setLayout(std::size_t index, DialogLayout layout);
    void setDialogProperties(std::size_t index, OtherProperties others);
    // Removes the dialog whose FrmIndex is given; false when there is none.
    bool removeDialog(std::int16_t frmIndex);
    // Puts a removed dialog back at its index (used by undo).
    void restoreDialog(std::size_t index, Dialog dialog);
    // Empties the set and resets CurrentFile, NextTag and DialogCounter.
    void discardAll();

    // --- undo ----------------------------------------------------------------------------
    // The dialog's grid step, records and drawn controls as they stand.
    DialogContent content(std::size_t index) const;
    // Puts content kept earlier back; the dialog's name and number stay. Its records take their
    // values on the reference screen.
    void restoreContent(std::size_t index, DialogContent content);

    // --- controls ------------------------------------------------------------------------
    // Raises NextTag and returns its text; refused at the 16-bit limit.
    Result<std::string> issueTag();
    bool canIssueTags(std::size_t howMany) const;

    // Creation at a point (twips, relative to the surface) on a surface of the given outer size
    // (a size's frame is never read: the dialog's is used):
    // a new record with the kind's defaults and its drawn control in front. Returns the record's
    // index.
    Result<std::size_t> createControl(std::size_t dialogIndex, ControlKind kind, double x, double y,
                                      SurfaceSize size);

    // Appends a record as it is (its Tag must be set) and, for one of the nine kinds, its drawn
    // control at (left, top) in front of the others, sized and coloured from the record. Used by
    // load and paste. Returns the record's index.
    Result<std::size_t> addControl(std::size_t dialogIndex, ControlRecord record, double left,
                                   double top, SurfaceSize size);

    // Load: records taken whole, their Tags set, each placed at its fractions of a surface of the
    // given size with its drawn control as addControl makes it. The set holds the records the
    // reader made rather than copies of them. Refused like addControl, all or nothing.
    Status adoptControls(std::size_t dialogIndex, std::vector<ControlRecord> records,
                         SurfaceSize size);

    // Whether a record of the kind word can be added now (a tag and, for one of the nine kinds,
    // an element number are free); the failure says why not. Checked before a tag is issued.
    Status canAddControl(std::size_t dialogIndex, std::string_view ctrlType) const;

    // Replaces every field of a record (the property editor): forms follow the screen values it
    // changed.
    void writeRecord(std::size_t dialogIndex, std::size_t recordIndex, ControlRecord record);
    // Removes a record; its drawn control is hidden, as delete does. A group's own controls go
    // to the list that held it, where they stand (a delete that takes them too removes them
    // first: contentOf of model/control_groups.h lists them).
    ControlRecord removeRecord(std::size_t dialogIndex, std::size_t recordIndex);
    // Puts a record at an index without touching drawn controls (undo of a removal).
    void insertRecord(std::size_t dialogIndex, std::size_t recordIndex, ControlRecord record);
    // Moves a record within cControls (front/back, control order).
    void moveRecord(std::size_t dialogIndex, std::size_t from, std::size_t to);

    // A move, resize, snap or keyboard step: the drawn control of the tag takes the new place
    // and size, and the record of the tag the fractions (X and Y, and Width and Height when the
    // place holds them); its forms follow them.
    // The place is the control's on the screen: a record inside a controls group takes it as the
    // offset from its group's corner. Moving a group moves the drawn controls inside it (their
    // records keep their offsets); resizing one moves nothing inside.
    void setControlGeometry(std::size_t dialogIndex, std::string_view tag, const TwipRect &rect,
                            const RecordPlace &place);

    // Puts the record of a tag into the list of the controls group of groupTag ("" for the
    // dialog's own list), where it stands on the screen: its X and Y become offsets from the new
    // holder's corner and its forms follow; its drawn control stays. False when nothing changed:
    // no such record, already there, or groupTag is no group, the record itself or inside it.
    bool setControlGroup(std::size_t dialogIndex, std::string_view tag, std::string_view groupTag);

    enum class StackEnd { Front, Back };
    // Front/back: the drawn control of drawnTag ("" for none) to the front or the back of its
    // list's place in the stacking order, its content with it, and record recordIndex (0-based)
    // to the end or the start of its list in cControls (model/list_stacking.h).
    void restackControl(std::size_t dialogIndex, std::string_view drawnTag, std::size_t recordIndex,
                        StackEnd end);

    // The records of the indices (0-based) into the layout's form, each where it stands on the
    // reference screen. True when anything changed.
    bool convertForms(std::size_t dialogIndex, const std::vector<std::size_t> &recordIndices,
                      DialogLayout to);

    // Another reference screen: safe-zone fields take the screen values their F gives on it,
    // expressions their values on it, and their drawn controls (on surfaces of the given outer
    // size) follow, as does every surface that shows the safe zone. True when a record changed.
    bool setReferenceScreen(const ReferenceScreen &screen, SurfaceSize size);

    // A dialog's surface shows the screen area, or the reference screen's safe zone once the
    // dialog uses it (surfaceFrameOf). When that changed since its drawn controls were laid out
    // (its layout, a control's forms, undo), they are laid out again from their records on a
    // surface of the given outer size. True when so. The sized operations above do it
    // themselves; after the others the shell does it before it records the change.
    bool followSurfaceFrame(std::size_t dialogIndex, SurfaceSize size);

    // The property editor's OK: the drawn control of control.tag takes the size, caption and
    // colours given; its place, kind and element stay.
    void refreshDrawnControl(std::size_t dialogIndex, const DrawnControl &control);

private:
    // The drawn control of a record of one of the nine kinds, in front of the others.
    static Status drawRecord(Dialog &dialog, const ControlRecord &record, double left, double top,
                             const SurfaceSize &surface);
    Dialog &mutableDialog(std::size_t index) { return m_forms.at(index); }
    std::vector<Dialog> m_forms;
    ReferenceScreen m_referenceScreen;
};

} // namespace kovrin
