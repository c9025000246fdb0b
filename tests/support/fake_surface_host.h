#pragma once
// A surface host for widget tests: a document, the armed kind, the copied control and scripted
// prompts, recording what the surface asked of its main window.

#include "scripted_prompts.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_view.h"

#include <QPoint>
#include <QStringList>

#include <optional>
#include <vector>

namespace kovrin {

class FakeSurfaceHost : public SurfaceHost
{
public:
    DialogSet set;
    std::optional<ControlKind> armed;
    ControlClipboard clip;
    bool snapping = false;
    QString status;
    ScriptedPrompts scripted;
    char separator = '.';
    bool grid = true;
    int toolboxDisarmed = 0;
    int changes = 0;
    QStringList stepNames; // the undo step each change asked for
    int renames = 0;
    struct MenuRequest
    {
        SurfaceView *view;
        bool onControl;
        QPoint globalPos;
    };
    std::vector<MenuRequest> menus;
    std::vector<std::size_t> editorsOpened;

    DialogSet &document() override { return set; }
    std::optional<ControlKind> armedKind() const override { return armed; }
    void disarmToolbox() override
    {
        armed.reset();
        ++toolboxDisarmed;
    }
    ControlClipboard &clipboard() override { return clip; }
    bool snapWhileDragging() const override { return snapping; }
    void showSurfaceStatus(const QString &text) override { status = text; }
    UserPrompts &prompts() override { return scripted; }
    char decimalSeparator() const override { return separator; }
    bool gridVisible() const override { return grid; }
    void showControlMenu(SurfaceView &view, bool onControl, const QPoint &globalPos) override
    {
        menus.push_back({&view, onControl, globalPos});
    }
    void openPropertyEditor(SurfaceView &, std::size_t recordIndex) override
    {
        editorsOpened.push_back(recordIndex);
    }
    void renameDialog(SurfaceView &) override { ++renames; }
    using SurfaceHost::documentChanged;
    void documentChanged(SurfaceView &, const QString &stepName) override
    {
        ++changes;
        stepNames << stepName;
    }
};

} // namespace kovrin
