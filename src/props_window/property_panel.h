#pragma once
// The Properties panel: the editor's text fields for the picked controls of one surface (or its
// focused control when none is picked), grouped as the editor groups them. A field typed in is
// written when it is left or Enter is pressed, through the editor's own check and record writing,
// as one undo step named after the field; Escape puts its value back. A field the picked controls
// do not share shows empty with "mixed" in grey, and a text typed there goes to all of them.

#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <span>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;

namespace kovrin {

struct ControlRecord;
struct FieldPlace;

class SurfaceHost;
class SurfaceView;

class PropertyPanel : public QWidget
{
    Q_OBJECT
public:
    explicit PropertyPanel(SurfaceHost &host, QWidget *parent = nullptr);
    ~PropertyPanel() override;

    // The controls to show: the view's picked ones, or its focused one; none without a view.
    void showControlsOf(SurfaceView *view);
    // The document changed: the fields show the records again, except one being typed in.
    void refill();
    // The first field (Name), focused with its text selected.
    void focusFirstField();

    // The field of the editor's widget name ("txt_width", "txt_fg_r"), for tests.
    QLineEdit *field(const QString &objectName) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row; // one field with its place, label and problem line
    void addRow(const FieldPlace &place, QLineEdit *edit, QWidget *label, QLabel *problem);
    void buildForm(char separator);
    Row *rowOf(const QObject *edit);
    void commit(Row &row);
    void restore(Row &row);
    // The form of a size over the picked records beside it; false when it takes no typing.
    bool showForm(QLabel &words, std::span<const ControlRecord *const> picked,
                  const FieldPlace &place) const;
    // The dialog's index and the records' indices of the controls shown; empty when gone.
    std::vector<std::size_t> recordIndices(std::size_t &dialog) const;

    SurfaceHost &m_host;
    char m_separator;
    QPointer<SurfaceView> m_view;
    std::vector<std::string> m_tags;
    QLabel *m_caption = nullptr;
    QWidget *m_form = nullptr;
    std::vector<Row> m_rows;
};

} // namespace kovrin
