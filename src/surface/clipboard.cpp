#include "surface/clipboard.h"

namespace kovrin {

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
    record.LineSpacing = 0;
    return record;
}

} // namespace kovrin
