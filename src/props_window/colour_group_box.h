#pragma once
// One colour group of the editor: its label, the red, green, blue and alpha fields and the sample
// button painted in the colour the red, green and blue fields give.

#include "model/colour_value.h"
#include "props/colour_groups.h"
#include "props/colour_sample.h"

#include <QColor>
#include <QWidget>

#include <array>

class QPushButton;

namespace kovrin {

class NumberField;

class ColourGroupBox : public QWidget
{
    Q_OBJECT
public:
    ColourGroupBox(ColourGroup group, char separator, QWidget *parent = nullptr);

    ColourGroup group() const { return m_group; }
    NumberField *component(std::size_t index) const { return m_fields.at(index); }
    QPushButton *sampleButton() const { return m_sample; }

    // The fields and the sample share the width the group is given, down to a value's width
    // (the docked panel is narrower than the editor).
    void shareWidth();

    // Fills the four fields with stored texts, shown whole.
    void showTexts(const ColourTexts &texts);
    ColourTexts texts() const;

    // Enables or disables the four fields and the sample together; a disabled group is grey.
    void setUsable(bool usable);
    bool isUsable() const;

    // Paints the sample from the red, green and blue fields.
    void paintSample();
    // Shows no colour: the platform's own button face (the panel's picked controls differ).
    void showNoColour();
    // The sample's current background: painted, grey while disabled, or the platform's own.
    QColor sampleColour() const { return m_sampleColour; }

    // Puts a picked colour into the red, green and blue fields as if typed; alpha stays.
    void applyPick(Rgb8 picked, char separator);

signals:
    // The text of a component field changed; the name is the field's own (txt_fg_r ...).
    void componentChanged(const QString &fieldName);
    void pickRequested(kovrin::ColourGroup group);

private:
    void setSampleColour(const QColor &colour);

    ColourGroup m_group;
    std::array<NumberField *, 4> m_fields {};
    QPushButton *m_sample = nullptr;
    QColor m_sampleColour;
};

} // namespace kovrin
