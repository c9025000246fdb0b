#pragma once
// CopyCtrl, the clipboard shared by all dialogs: the last control copied, and with it the picked
// controls when several were copied together.

#include "model/control_record.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

struct CopiedControl
{
    ControlRecord record; // a snapshot, as the one-control copy takes it
    double dx = 0; // from the first control's top-left corner, in twips
    double dy = 0;
};

class ControlClipboard
{
public:
    // Nothing was copied yet: CopyCtrl has no kind.
    bool empty() const { return m_copyCtrl.CtrlType.empty(); }
    const ControlRecord &copyCtrl() const { return m_copyCtrl; }

    // A copy of one control: every field but LineSpacing, which CopyCtrl keeps; a group copied
    // before is forgotten.
    void copyOne(const ControlRecord &source);
    // The picked controls copied together; the first also becomes CopyCtrl as copyOne makes it.
    // A group of one is a copy of one.
    void copyGroup(std::vector<CopiedControl> copied);
    bool holdsGroup() const { return !m_group.empty(); }

    // What a paste puts down, the first at the paste point: the group, or CopyCtrl alone; nothing
    // when the clipboard is empty.
    std::vector<CopiedControl> pasteList() const;

private:
    ControlRecord m_copyCtrl;
    std::vector<CopiedControl> m_group;
};

// Every field of source into copyCtrl but LineSpacing, which copyCtrl keeps.
void copyControlRecord(const ControlRecord &source, ControlRecord &copyCtrl);
// A pasted record: CopyCtrl's fields with the name "<Name>_<recordsBefore + 1>", the given tag
// and LineSpacing 0. X, Y and Group are left for the caller, who knows the paste point.
ControlRecord pastedRecord(const ControlRecord &copyCtrl, std::size_t recordsBefore,
                           std::string tag);

} // namespace kovrin
