#include "editor_fixture.h"
#include "property_editor_test.h"

#include "props_window/property_editor_open.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace kovrin;

void PropertyEditorTest::enterReleaseRunsOkEvenInMultiLineFields()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Button);
    auto editor = f.open(i);
    auto *action = field<QPlainTextEdit>(editor.get(), "txt_action");
    action->setPlainText(QStringLiteral("closeDialog 1;"));
    // A release whose press went elsewhere (the box a failed check showed) does nothing.
    QTest::keyRelease(action, Qt::Key_Return);
    QTest::keyRelease(action, Qt::Key_Escape);
    QVERIFY(editor->isVisible());
    QTest::keyPress(action, Qt::Key_Return);
    QVERIFY(editor->isVisible()); // the press alone does nothing
    QCOMPARE(action->toPlainText(), QStringLiteral("closeDialog 1;"));
    QTest::keyRelease(action, Qt::Key_Return);
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QVERIFY(!editor->isVisible());
    QCOMPARE(f.record(i).Action, std::string("closeDialog 1;"));

    // Every element does the same, buttons and lists included (the keypad's Enter too).
    for (const char *name : {"txt_name", "cmb_font", "cmd_fgsample", "cmd_Cancel", "chk_enter"}) {
        auto other = f.open(i);
        QTest::keyClick(other->findChild<QWidget *>(QString::fromLatin1(name)), Qt::Key_Enter);
        QVERIFY2(!other->isVisible(), name);
        QCOMPARE(other->result(), int(QDialog::Accepted));
    }
    QCOMPARE(f.host.scripted.shown.size(), 0);
}

void PropertyEditorTest::escapeReleaseRunsCancel()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    const ControlRecord before = f.record(i);
    for (const char *name : {"txt_name", "txt_text", "txt_fg_r", "cmb_style", "cmd_OK"}) {
        auto editor = f.open(i);
        typeInto(field(editor.get(), "txt_name"), QStringLiteral("changed"));
        QWidget *element = editor->findChild<QWidget *>(QString::fromLatin1(name));
        QTest::keyPress(element, Qt::Key_Escape);
        QVERIFY2(editor->isVisible(), name);
        QTest::keyRelease(element, Qt::Key_Escape);
        QVERIFY2(!editor->isVisible(), name);
        QCOMPARE(editor->result(), int(QDialog::Rejected));
    }
    QVERIFY(f.record(i) == before);
}

void PropertyEditorTest::modifiedEnterTypesALineBreak()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    auto editor = f.open(i);
    auto *text = field<QPlainTextEdit>(editor.get(), "txt_text");
    QTest::keyClicks(text, QStringLiteral("one"));
    QTest::keyPress(text, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyRelease(text, Qt::Key_Return); // Shift let go first: still no OK
    QTest::keyClicks(text, QStringLiteral("two"));
    QVERIFY(editor->isVisible());
    QTest::keyClick(text, Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    QCOMPARE(f.record(i).Text, std::string("one\r\ntwo"));
}

void PropertyEditorTest::openerShowsTheEditorModallyOnlyForARecord()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    QString seen;
    QTimer::singleShot(0, [&seen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) { // fail rather than hang
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *dialog = qobject_cast<QDialog *>(top))
                    dialog->reject();
            }
            return;
        }
        seen = modal->objectName() + QLatin1Char('|') + modal->windowTitle();
        QWidget *name = modal->findChild<QWidget *>(QStringLiteral("txt_name"));
        QTest::keyClick(name, Qt::Key_Escape);
    });
    openPropertyEditor(f.host, *f.view, i, nullptr);
    QCOMPARE(seen, QStringLiteral("frm_Options|Control Properties"));

    openPropertyEditor(f.host, *f.view, 5, nullptr); // no such record: a message, no editor
    QCOMPARE(f.messages(), QStringList({"WARNING|This control no longer exists."}));
}
