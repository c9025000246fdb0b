#include "props_window/property_editor_open.h"

#include "props_window/property_editor.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_view.h"
#include "surface_view/user_prompts.h"

namespace kovrin {

void openPropertyEditor(SurfaceHost &host, SurfaceView &itemForm, std::size_t recordIndex,
                        QWidget *parent)
{
    const auto dialog = host.document().indexOfFrmIndex(itemForm.frmIndex());
    if (!dialog || recordIndex >= host.document().dialog(*dialog).cControls.size()) {
        host.prompts().message(QStringLiteral("WARNING"),
                               QStringLiteral("This control no longer exists."),
                               UserPrompts::Icon::Warning);
        return;
    }
    PropertyEditor editor(host, itemForm, recordIndex, parent);
    editor.exec();
}

} // namespace kovrin
