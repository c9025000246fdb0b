#include "app/code_view.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace kovrin {
namespace {

// Room between the frame and the text, as a text edit keeps it.
constexpr int kMargin = 4;
constexpr int kAutoScrollMs = 50;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Where the caret can be sent from the keyboard; each with the platform's keys that move it
// there and those that select up to there.
enum class Move {
    NextChar,
    PreviousChar,
    NextWord,
    PreviousWord,
    NextLine,
    PreviousLine,
    NextPage,
    PreviousPage,
    StartOfLine,
    EndOfLine,
    StartOfText,
    EndOfText,
};

struct MoveKeys
{
    Move move;
    QKeySequence::StandardKey moving;
    QKeySequence::StandardKey selecting;
};

constexpr MoveKeys kMoveKeys[] = {
    {Move::NextChar, QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar},
    {Move::PreviousChar, QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar},
    {Move::NextWord, QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord},
    {Move::PreviousWord, QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord},
    {Move::NextLine, QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine},
    {Move::PreviousLine, QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine},
    {Move::NextPage, QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage},
    {Move::PreviousPage, QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage},
    {Move::StartOfLine, QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine},
    {Move::EndOfLine, QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine},
    {Move::StartOfText, QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument},
    {Move::EndOfText, QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument},
};

} // namespace

CodeView::CodeView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    measureFont();
}

void CodeView::setPlainText(const QString &text)
{
    m_lines.index(text);
    m_anchor = m_caret = 0;
    m_wantedColumn = -1;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

QString CodeView::selectedText() const
{
    return m_lines.text().mid(selectionStart(), selectionLength());
}

void CodeView::setSelection(int start, int length)
{
    const int size = static_cast<int>(m_lines.text().size());
    m_anchor = std::clamp(start, 0, size);
    m_caret = std::clamp(start + length, 0, size);
    m_wantedColumn = -1;
    viewport()->update();
}

void CodeView::selectAll()
{
    setSelection(0, static_cast<int>(m_lines.text().size()));
}

void CodeView::copy() const
{
    if (hasSelection())
        QApplication::clipboard()->setText(selectedText());
}

QRect CodeView::cursorRect(int position) const
{
    const int line = m_lines.lineOf(position);
    const int x = static_cast<int>(std::floor(columnX(m_lines.columnOf(position))));
    const int y = kMargin + (line - firstLine()) * m_lineHeight;
    return QRect(x, y, 1, m_lineHeight);
}

QMenu *CodeView::createContextMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    QAction *copyAction = menu->addAction(tr("&Copy"), this, &CodeView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(hasSelection());
    menu->addSeparator();
    QAction *all = menu->addAction(tr("Select &All"), this, &CodeView::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!m_lines.text().isEmpty());
    return menu;
}

// --- layout ----------------------------------------------------------------------------------

void CodeView::measureFont()
{
    // The advance in fractions, so that column n of a long line stands where the font puts it.
    m_charWidth = std::max(1.0, QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')));
    const QFontMetrics metrics(font());
    m_lineHeight = std::max({1, metrics.lineSpacing(), metrics.height()});
    m_ascent = metrics.ascent();
}

int CodeView::visibleLines() const
{
    return std::max(1, (viewport()->height() - kMargin) / m_lineHeight);
}

int CodeView::firstLine() const
{
    return verticalScrollBar()->value();
}

double CodeView::columnX(int column) const
{
    return kMargin + column * m_charWidth - horizontalScrollBar()->value();
}

void CodeView::updateScrollBars()
{
    QScrollBar *vertical = verticalScrollBar();
    vertical->setRange(0, std::max(0, m_lines.count() - visibleLines()));
    vertical->setPageStep(visibleLines());
    vertical->setSingleStep(1);
    // One column more than the widest line, so a caret at its end stays in sight.
    const int width
        = static_cast<int>(std::ceil((m_lines.widestColumns() + 1) * m_charWidth)) + 2 * kMargin;
    QScrollBar *horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, width - viewport()->width()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(static_cast<int>(std::ceil(m_charWidth)));
}

int CodeView::positionAt(QPoint point) const
{
    const int row = static_cast<int>(std::floor((point.y() - kMargin) / double(m_lineHeight)));
    const int line = std::clamp(firstLine() + row, 0, m_lines.count() - 1);
    const double column = (point.x() - columnX(0)) / m_charWidth;
    return m_lines.positionAt(line, column);
}

// --- moving and selecting --------------------------------------------------------------------

void CodeView::moveCaret(int position, bool keepSelection)
{
    m_caret = std::clamp(position, 0, static_cast<int>(m_lines.text().size()));
    if (!keepSelection)
        m_anchor = m_caret;
    ensureVisible(m_caret);
    viewport()->update();
}

void CodeView::moveByLines(int lines, bool keepSelection)
{
    if (m_wantedColumn < 0)
        m_wantedColumn = m_lines.columnOf(m_caret);
    const int line = std::clamp(m_lines.lineOf(m_caret) + lines, 0, m_lines.count() - 1);
    const int wanted = m_wantedColumn;
    moveCaret(m_lines.positionAt(line, wanted), keepSelection);
    m_wantedColumn = wanted;
}

void CodeView::ensureVisible(int position)
{
    const int line = m_lines.lineOf(position);
    QScrollBar *vertical = verticalScrollBar();
    if (line < vertical->value())
        vertical->setValue(line);
    else if (line >= vertical->value() + visibleLines())
        vertical->setValue(line - visibleLines() + 1);

    QScrollBar *horizontal = horizontalScrollBar();
    const double x = kMargin + m_lines.columnOf(position) * m_charWidth;
    const int room = viewport()->width() - 2 * kMargin;
    if (x - kMargin < horizontal->value())
        horizontal->setValue(static_cast<int>(x) - kMargin);
    else if (x + m_charWidth > horizontal->value() + room)
        horizontal->setValue(static_cast<int>(std::ceil(x + m_charWidth)) - room);
}

void CodeView::selectWordAt(int position)
{
    const QString &text = m_lines.text();
    int start = position;
    int end = position;
    while (start > 0 && isWordCharacter(text[start - 1]))
        --start;
    while (end < text.size() && isWordCharacter(text[end]))
        ++end;
    if (start == end && end < text.size())
        ++end; // not in a word: the one character
    m_anchor = start;
    moveCaret(end, true);
}

// On systems with a selection clipboard, what is selected with the mouse is offered there.
void CodeView::offerSelection() const
{
    QClipboard *clipboard = QApplication::clipboard();
    if (hasSelection() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

// --- events ----------------------------------------------------------------------------------

void CodeView::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::SelectAll) {
        selectAll();
        return;
    }
    if (event == QKeySequence::Copy) {
        copy();
        return;
    }
    const QString &text = m_lines.text();
    for (const MoveKeys &keys : kMoveKeys) {
        const bool selecting = event->matches(keys.selecting);
        if (!selecting && !event->matches(keys.moving))
            continue;
        const int line = m_lines.lineOf(m_caret);
        int position = m_caret;
        switch (keys.move) {
        case Move::NextChar:
            position = !selecting && hasSelection() ? std::max(m_anchor, m_caret) : m_caret + 1;
            break;
        case Move::PreviousChar:
            position = !selecting && hasSelection() ? selectionStart() : m_caret - 1;
            break;
        case Move::NextWord:
            while (position < text.size() && isWordCharacter(text[position]))
                ++position;
            while (position < text.size() && !isWordCharacter(text[position]))
                ++position;
            break;
        case Move::PreviousWord:
            while (position > 0 && !isWordCharacter(text[position - 1]))
                --position;
            while (position > 0 && isWordCharacter(text[position - 1]))
                --position;
            break;
        case Move::NextLine:
        case Move::PreviousLine:
            moveByLines(keys.move == Move::NextLine ? 1 : -1, selecting);
            return;
        case Move::NextPage:
        case Move::PreviousPage:
            moveByLines(keys.move == Move::NextPage ? visibleLines() : -visibleLines(), selecting);
            return;
        case Move::StartOfLine:
            position = m_lines.start(line);
            break;
        case Move::EndOfLine:
            position = m_lines.end(line);
            break;
        case Move::StartOfText:
            position = 0;
            break;
        case Move::EndOfText:
            position = static_cast<int>(text.size());
            break;
        }
        m_wantedColumn = -1;
        moveCaret(position, selecting);
        return;
    }
    // Nothing else has a meaning here; the window may act on it.
    event->ignore();
}

void CodeView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_dragging = true;
    m_dragPoint = event->position().toPoint();
    m_wantedColumn = -1;
    moveCaret(positionAt(m_dragPoint), event->modifiers() & Qt::ShiftModifier);
}

void CodeView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    m_dragPoint = event->position().toPoint();
    moveCaret(positionAt(m_dragPoint), true);
    // Beyond an edge the view keeps scrolling and selecting while the button is held.
    if (viewport()->rect().contains(m_dragPoint))
        m_autoScroll.stop();
    else if (!m_autoScroll.isActive())
        m_autoScroll.start(kAutoScrollMs, this);
}

void CodeView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    m_autoScroll.stop();
    offerSelection();
}

void CodeView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    selectWordAt(positionAt(event->position().toPoint()));
    offerSelection();
}

void CodeView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_autoScroll.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    const QRect area = viewport()->rect();
    if (m_dragPoint.y() < area.top())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (m_dragPoint.y() > area.bottom())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (m_dragPoint.x() < area.left())
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (m_dragPoint.x() > area.right())
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    moveCaret(positionAt(m_dragPoint), true);
}

void CodeView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CodeView::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update(); // the caret and the active selection colour
}

void CodeView::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void CodeView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CodeView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureFont();
        updateScrollBars();
        viewport()->update();
    }
}

void CodeView::scrollContentsBy(int, int)
{
    viewport()->update();
}

// --- painting --------------------------------------------------------------------------------

void CodeView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const QRect dirty = event->rect();
    const int first = firstLine();
    const int firstColumn
        = std::max(0, static_cast<int>((dirty.left() - columnX(0)) / m_charWidth) - 1);
    const int lastColumn = static_cast<int>((dirty.right() - columnX(0)) / m_charWidth) + 1;
    // Every selection background first, so no line's background covers the line above.
    for (const bool text : {false, true}) {
        for (int row = std::max(0, (dirty.top() - kMargin) / m_lineHeight);; ++row) {
            const int line = first + row;
            const int top = kMargin + row * m_lineHeight;
            if (line >= m_lines.count() || top > dirty.bottom())
                break;
            if (text)
                paintLine(painter, line, top, firstColumn, lastColumn);
            else
                painter.fillRect(selectionRect(line, top),
                                 palette().color(colourGroup(), QPalette::Highlight));
        }
    }
    if (hasFocus()) {
        const QRect caret = cursorRect(m_caret);
        if (caret.intersects(dirty))
            painter.fillRect(caret, palette().color(QPalette::Text));
    }
}

QPalette::ColorGroup CodeView::colourGroup() const
{
    return hasFocus() ? QPalette::Active : QPalette::Inactive;
}

// The selected part of a line; empty when none of it is selected.
QRectF CodeView::selectionRect(int line, int top) const
{
    const int start = m_lines.start(line);
    const int end = m_lines.end(line);
    const int selectionFrom = selectionStart();
    const int selectionTo = selectionFrom + selectionLength();
    if (selectionFrom > end || selectionTo <= start)
        return {};
    const int fromColumn = m_lines.columnOf(std::max(selectionFrom, start));
    // A selection that runs on past the line feed shows it as one more column.
    const int toColumn
        = selectionTo > end ? m_lines.columnOf(end) + 1 : m_lines.columnOf(selectionTo);
    return QRectF(columnX(fromColumn), top, (toColumn - fromColumn) * m_charWidth, m_lineHeight);
}

// The characters of one line between two columns, in runs drawn at their grid place; the
// selected part is drawn again in the selection's colour.
void CodeView::paintLine(QPainter &painter, int line, int top, int firstColumn,
                         int lastColumn) const
{
    const QString &text = m_lines.text();
    const int start = m_lines.start(line);
    const int end = m_lines.end(line);
    const QRectF selected = selectionRect(line, top);
    const QPalette::ColorGroup group = colourGroup();

    struct Run
    {
        int from;
        int to;
        int column;
    };
    std::vector<Run> runs;
    int position = start;
    int column = 0;
    if (!m_lines.hasTabs()) {
        position = std::min(end, start + firstColumn);
        column = position - start;
    }
    while (position < end && column <= lastColumn) {
        const QChar c = text[position];
        const int next = nextColumn(c, column);
        if (c != QLatin1Char('\t') && next > firstColumn) {
            if (!runs.empty() && runs.back().to == position)
                runs.back().to = position + 1;
            else
                runs.push_back({position, position + 1, column});
        }
        column = next;
        ++position;
    }
    const int baseline = top + m_ascent;
    const auto drawRuns = [&] {
        for (const Run &run : runs)
            painter.drawText(QPointF(columnX(run.column), baseline),
                             text.mid(run.from, run.to - run.from));
    };
    painter.setPen(palette().color(group, QPalette::Text));
    drawRuns();
    if (!selected.isEmpty()) {
        painter.save();
        painter.setClipRect(selected);
        painter.setPen(palette().color(group, QPalette::HighlightedText));
        drawRuns();
        painter.restore();
    }
}

} // namespace kovrin
