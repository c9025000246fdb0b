// The read-only code view: selecting with the mouse and the keyboard, copying, scrolling both
// ways, the context menu, and the line index beneath it.
#include "app/code_view.h"
#include "app/text_lines.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest>

using namespace kovrin;

namespace {

// A view as the code window makes it, shown at a fixed size.
struct ShownView
{
    CodeView view;

    explicit ShownView(const QString &text, QSize size = QSize(400, 200))
    {
        view.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        view.setPlainText(text);
        view.resize(size);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    // Inside the character cell that starts at `position`, a little right of its left edge.
    QPoint at(int position) const
    {
        const QRect caret = view.cursorRect(position);
        return QPoint(caret.left() + 2, caret.center().y());
    }

    void mouse(QEvent::Type type, QPoint point, Qt::MouseButtons held,
               Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent event(type, QPointF(point), QPointF(view.viewport()->mapToGlobal(point)),
                          button, held, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    }

    void drag(int from, int to)
    {
        mouse(QEvent::MouseButtonPress, at(from), Qt::LeftButton);
        mouse(QEvent::MouseMove, at(to), Qt::LeftButton, Qt::NoButton);
        mouse(QEvent::MouseButtonRelease, at(to), Qt::NoButton);
    }

    // Whether anything but the background was painted inside the rectangle.
    bool paintedIn(const QRect &area)
    {
        const QImage image = view.viewport()->grab().toImage();
        const QRgb background = view.viewport()->palette().color(QPalette::Base).rgb();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.rect().contains(x, y) && image.pixel(x, y) != background)
                    return true;
            }
        }
        return false;
    }
};

QString numberedLines(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    return text;
}

} // namespace

class CodeViewTest : public QObject
{
    Q_OBJECT

private slots:
    void linesAreIndexedOnceWithTabsRunningToTheNextEighthColumn()
    {
        TextLines lines;
        lines.index(QStringLiteral("ab\tc\n\nlast"));
        QCOMPARE(lines.count(), 3);
        QCOMPARE(lines.start(1), 5);
        QCOMPARE(lines.end(0), 4);
        QCOMPARE(lines.end(2), 10);
        QCOMPARE(lines.lineOf(4), 0); // the line feed belongs to its line
        QCOMPARE(lines.lineOf(5), 1);
        QCOMPARE(lines.lineOf(10), 2);
        QCOMPARE(lines.columnOf(3), 8); // "c" after the tab
        QCOMPARE(lines.widestColumns(), 9);
        QCOMPARE(lines.positionAt(0, 4.0), 2); // inside the tab, nearer its start
        QCOMPARE(lines.positionAt(0, 6.0), 3); // nearer its end
        QCOMPARE(lines.positionAt(2, 99.0), 10);
        QCOMPARE(lines.positionAt(2, -3.0), 6);
    }

    void aMouseDragSelectsPartOfALineAndCtrlCCopiesItExactly()
    {
        ShownView shown(QStringLiteral("alpha beta gamma\nsecond line\n"));
        shown.drag(6, 10);
        QCOMPARE(shown.view.selectedText(), QStringLiteral("beta"));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(&shown.view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("beta"));

        // Dragged backwards and across a line end.
        shown.drag(21, 11);
        QCOMPARE(shown.view.selectedText(), QStringLiteral("gamma\nseco"));
        QCOMPARE(shown.view.selectionStart(), 11);
        // A double click selects a word.
        ShownView word(QStringLiteral("  colorText[] = {1, 1};"));
        word.mouse(QEvent::MouseButtonDblClick, word.at(4), Qt::LeftButton);
        QCOMPARE(word.view.selectedText(), QStringLiteral("colorText"));
    }

    void ctrlASelectsEverythingAndShiftWithArrowsExtendsTheSelection()
    {
        ShownView shown(QStringLiteral("one\ntwo\nthree"));
        QVERIFY(!shown.view.hasSelection());
        QTest::keyClick(&shown.view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(shown.view.selectionStart(), 0);
        QCOMPARE(shown.view.selectedText(), shown.view.toPlainText());
        QTest::keyClick(&shown.view, Qt::Key_Home, Qt::ControlModifier);
        QVERIFY(!shown.view.hasSelection());
        QTest::keyClick(&shown.view, Qt::Key_Right);
        QTest::keyClick(&shown.view, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(&shown.view, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(shown.view.selectedText(), QStringLiteral("ne\ntwo"));
        QTest::keyClick(&shown.view, Qt::Key_Left);
        QCOMPARE(shown.view.caretPosition(), 1); // to the start of what was selected
        QVERIFY(!shown.view.hasSelection());
    }

    void scrollingToTheEndShowsTheLastLineAndALongLineScrollsSideways()
    {
        ShownView shown(numberedLines(5000));
        const int lastLine = shown.view.toPlainText().lastIndexOf(QStringLiteral("line 5000"));
        QVERIFY(!shown.view.viewport()->rect().contains(shown.view.cursorRect(lastLine)));
        QTest::keyClick(&shown.view, Qt::Key_End, Qt::ControlModifier);
        QScrollBar *bar = shown.view.verticalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());
        const QRect last = shown.view.cursorRect(lastLine).adjusted(0, 0, 60, 0);
        QVERIFY(shown.view.viewport()->rect().contains(last));
        QVERIFY(shown.paintedIn(last));
        // Up from the empty line after the last line feed, then selected to its end: exactly the
        // last line's text.
        QTest::keyClick(&shown.view, Qt::Key_Up);
        QTest::keyClick(&shown.view, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(shown.view.selectedText(), QStringLiteral("line 5000"));

        const QString longLine = "controls[] = {" + QString(400, QLatin1Char('x')) + "};";
        ShownView wide(longLine);
        bar = wide.view.horizontalScrollBar();
        QVERIFY(bar->maximum() > 0 && bar->value() == 0);
        QTest::keyClick(&wide.view, Qt::Key_End);
        QVERIFY(bar->value() > 0);
        QVERIFY(wide.view.viewport()->rect().contains(wide.view.cursorRect(longLine.size())));
        QVERIFY(wide.paintedIn(wide.view.cursorRect(longLine.size() - 2).adjusted(0, 0, 10, 0)));
    }

    void theContextMenuCopiesAndSelectsAll()
    {
        ShownView shown(QStringLiteral("first\nsecond"));
        std::unique_ptr<QMenu> menu(shown.view.createContextMenu(nullptr));
        QCOMPARE(menu->actions().size(), 3); // Copy, a separator, Select All
        QVERIFY(!menu->actions()[0]->isEnabled()); // nothing selected
        menu->actions()[2]->trigger();
        QCOMPARE(shown.view.selectedText(), QStringLiteral("first\nsecond"));
        menu.reset(shown.view.createContextMenu(nullptr));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        menu->actions()[0]->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("first\nsecond"));
    }

    void keysWithoutAMeaningHerePassOnToTheWindow()
    {
        CodeView view;
        view.setPlainText(QStringLiteral("text"));
        for (Qt::Key key : {Qt::Key_X, Qt::Key_Escape, Qt::Key_Return, Qt::Key_F1}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&view, &press);
            QVERIFY2(!press.isAccepted(), qPrintable(QKeySequence(key).toString()));
        }
        QCOMPARE(view.toPlainText(), QStringLiteral("text")); // read-only: typing changes nothing
    }
};

QTEST_MAIN(CodeViewTest)
#include "code_view_test.moc"
