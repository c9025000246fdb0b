#pragma once
// A dialog with real records on a fake host, and the editor opened on one of them, for the
// property editor's widget tests.

#include "../support/fake_surface_host.h"
#include "model/dialog_set.h"
#include "props_window/property_editor.h"
#include "surface_view/surface_view.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace kovrin {

class EditorFixture
{
public:
    explicit EditorFixture(char separator = '.')
    {
        host.separator = separator;
        host.set.insertDialog();
        view = std::make_unique<SurfaceView>(host, host.set.dialog(0).FrmIndex);
    }

    // Creates a control as a click on the surface does; returns its record index.
    std::size_t add(ControlKind kind, double x = 1500, double y = 900)
    {
        return *host.set.createControl(0, kind, x, y, view->outerSize());
    }

    const ControlRecord &record(std::size_t index)
    {
        return host.set.dialog(0).cControls.at(index);
    }
    // A record changed as a design file could hold it.
    template<typename Edit> void editRecord(std::size_t index, Edit edit)
    {
        ControlRecord changed = record(index);
        edit(changed);
        host.set.writeRecord(0, index, std::move(changed));
    }
    const DrawnControl *drawn(std::size_t index)
    {
        return host.set.drawnControls(0).findByTag(record(index).Tag);
    }

    std::unique_ptr<PropertyEditor> open(std::size_t index)
    {
        auto editor = std::make_unique<PropertyEditor>(host, *view, index);
        editor->show();
        return editor;
    }

    // The texts of the message boxes shown so far.
    QStringList messages() const
    {
        QStringList out;
        for (const auto &shown : host.scripted.shown) {
            if (shown.kind == QLatin1String("message"))
                out << shown.title + QLatin1Char('|') + shown.text;
        }
        return out;
    }

    FakeSurfaceHost host;
    std::unique_ptr<SurfaceView> view;
};

template<typename Widget = QLineEdit> Widget *field(QWidget *editor, const char *name)
{
    return editor->findChild<Widget *>(QString::fromLatin1(name));
}

// Replaces the field's text as the user would: select all, then type.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

inline void click(QWidget *editor, const char *button)
{
    QTest::mouseClick(field<QPushButton>(editor, button), Qt::LeftButton);
}

inline void toggle(QWidget *editor, const char *box)
{
    auto *check = field<QCheckBox>(editor, box);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
}

inline Rgba texts(const char *r, const char *g, const char *b, const char *a)
{
    return Rgba {std::string(r), std::string(g), std::string(b), std::string(a)};
}

// Empties a field as the user would.
inline void empty(QLineEdit *edit)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
}

} // namespace kovrin
