#include "surface/clipboard.h"

namespace kovrin {

void ControlClipboard::copyOne(const ControlRecord &source)
{
    copyControlRecord(source, m_copyCtrl);
    m_group.clear();
}

void ControlClipboard::copyGroup(std::vector<CopiedControl> copied)
{
    if (copied.empty())
        return;
    copyOne(copied.front().record);
    if (copied.size() >= 2)
        m_group = std::move(copied);
}

std::vector<CopiedControl> ControlClipboard::pasteList() const
{
    if (holdsGroup())
        return m_group;
    if (empty())
        return {};
    return {{m_copyCtrl, 0, 0}};
}

void copyControlRecord(const ControlRecord &source, ControlRecord &copyCtrl)
{
    const float keptSpacing = copyCtrl.LineSpacing;
    copyCtrl = source;
    copyCtrl.LineSpacing = keptSpacing;
}

ControlRecord pastedRecord(const ControlRecord &copyCtrl, std::size_t recordsBefore,
                           std::string tag)
{
    ControlRecord record = copyCtrl;
    record.Name = copyCtrl.Name + "_" + std::to_string(recordsBefore + 1);
    record.Tag = std::move(tag);
    record.X = 0;
    record.Y = 0;
    record.Group.clear();
    record.LineSpacing = 0;
    return record;
}

} // namespace kovrin
