#pragma once
// A read-only view of a long text in a fixed-pitch font, such as the generated code of a large
// design. The lines are indexed once and only the lines in sight are painted, so showing a text
// of hundreds of thousands of lines costs little more than a short one. It scrolls both ways and
// lets the user select any part with the mouse or the keyboard and copy it: Ctrl+A, Ctrl+C and
// a context menu with Copy and Select All.

#include "app/text_lines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

class QMenu;

namespace kovrin {

class CodeView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit CodeView(QWidget *parent = nullptr);

    void setPlainText(const QString &text);
    QString toPlainText() const { return m_lines.text(); }
    bool isReadOnly() const { return true; }

    // The selection runs from the anchor to the caret, in characters of the text.
    int selectionStart() const { return std::min(m_anchor, m_caret); }
    int selectionLength() const { return std::abs(m_caret - m_anchor); }
    bool hasSelection() const { return m_anchor != m_caret; }
    QString selectedText() const;
    // Selects `length` characters from `start`; the caret goes to their end.
    void setSelection(int start, int length);
    int caretPosition() const { return m_caret; }
    // Where the caret stands when at `position`, in viewport coordinates.
    QRect cursorRect(int position) const;

    // The menu the view shows on a right click: Copy and Select All.
    QMenu *createContextMenu(QWidget *parent);

public slots:
    void selectAll();
    void copy() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void measureFont();
    void updateScrollBars();
    int visibleLines() const;
    int firstLine() const;
    double columnX(int column) const;
    int positionAt(QPoint point) const;

    // Moves the caret; the anchor stays with the selection kept, or follows the caret.
    void moveCaret(int position, bool keepSelection);
    void moveByLines(int lines, bool keepSelection);
    void ensureVisible(int position);
    void selectWordAt(int position);
    void offerSelection() const;

    QPalette::ColorGroup colourGroup() const;
    QRectF selectionRect(int line, int top) const;
    void paintLine(QPainter &painter, int line, int top, int firstColumn, int lastColumn) const;

    TextLines m_lines;
    int m_anchor = 0;
    int m_caret = 0;
    int m_wantedColumn = -1; // kept while moving up and down
    double m_charWidth = 8;
    int m_lineHeight = 16;
    int m_ascent = 12;
    bool m_dragging = false;
    QPoint m_dragPoint;
    QBasicTimer m_autoScroll; // keeps a drag selecting beyond the edges
};

} // namespace kovrin
