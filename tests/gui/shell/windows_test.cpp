// The code window and Generate, the About window, and the readme command.
#include "../support/test_settings.h"
#include "app/about_window.h"
#include "app/code_view.h"
#include "app/code_window.h"
#include "app/product.h"
#include "app/readme_command.h"
#include "codegen/generate_code.h"
#include "shell_fixture.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace kovrin;

namespace {

CodeView *codeArea(QObject &window)
{
    return window.findChild<CodeView *>(QStringLiteral("txt_code"));
}

bool wholeTextSelected(CodeView *area)
{
    return area->selectionStart() == 0 && area->selectionLength() == area->toPlainText().size();
}

} // namespace

// Stands in for the system's text viewer.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class WindowsTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void codeWindowShowsTheCodeReadOnlyInAFixedFont()
    {
        CodeWindow window(QStringLiteral("class A\r\n{\r\n};\r\n"));
        QCOMPARE(window.objectName(), QStringLiteral("frm_generator"));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Code to include in your mission's .ext file"));
        QVERIFY(window.findChild<QLabel *>()->text().startsWith(
            QStringLiteral("Copy the following code into your mission's DESCRIPTION.EXT file.")));
        QCOMPARE(codeArea(window)->toPlainText(), QStringLiteral("class A\n{\n};\n"));
        QVERIFY(QFontInfo(codeArea(window)->font()).fixedPitch());
        QCOMPARE(window.findChild<QPushButton *>("cmd_close")->text(), "Close Window");
    }

    void eachCrLfOfTheCodeIsShownAsOneLineFeed()
    {
        CodeWindow window(QStringLiteral("a\r\n\r\nb\rc\n\r\n"));
        QCOMPARE(codeArea(window)->toPlainText(), QStringLiteral("a\n\nb\rc\n\n"));
    }

    void codeIsSelectedWholeWheneverItsAreaTakesTheFocus()
    {
        CodeWindow window(QStringLiteral("line one\r\nline two\r\n"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), codeArea(window));
        QVERIFY(wholeTextSelected(codeArea(window)));

        codeArea(window)->setSelection(0, 0);
        window.findChild<QPushButton *>("cmd_close")->setFocus();
        codeArea(window)->setFocus(Qt::TabFocusReason);
        QVERIFY(wholeTextSelected(codeArea(window)));
    }

    void escapeComingUpAndCloseWindowCloseTheCodeWindow()
    {
        CodeWindow escape(QStringLiteral("x"));
        escape.show();
        QTest::keyPress(codeArea(escape), Qt::Key_Escape);
        QVERIFY(escape.isVisible());
        QTest::keyRelease(codeArea(escape), Qt::Key_Escape);
        QVERIFY(escape.isHidden());

        CodeWindow button(QStringLiteral("x"));
        button.show();
        button.findChild<QPushButton *>("cmd_close")->click();
        QVERIFY(button.isHidden());
    }

    void copyToClipboardTakesTheWholeCode()
    {
        CodeWindow window(QStringLiteral("class A\r\n{\r\n};\r\n"));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QPushButton *copy = window.findChild<QPushButton *>("cmd_copy");
        QCOMPARE(copy->text(), QStringLiteral("Copy to Clipboard"));
        copy->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("class A\n{\n};\n"));
    }

    void generateWarnsWithoutDialogsAndShowsFreshCodeEachTime()
    {
        ShellFixture f;
        f.window->menus().generate->trigger();
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.prompts.shown[0].title, QStringLiteral("WARNING"));
        QCOMPARE(f.prompts.shown[0].text, QStringLiteral("No dialogs to generate."));
        QCOMPARE(f.prompts.shown[0].icon, UserPrompts::Icon::Warning);
        QVERIFY(f.windows.shown.isEmpty());

        f.window->insertDialog();
        QStringList codes;
        const auto readCode = [&codes](QDialog &window) {
            codes << codeArea(window)->toPlainText();
            window.accept();
        };
        f.windows.steps = {readCode, readCode};
        f.window->generate();
        f.set().renameDialog(0, "RENAMED");
        f.window->generate();
        QCOMPARE(f.windows.shown, QStringList({"frm_generator", "frm_generator"}));
        QCOMPARE(codes.size(), 2);
        QString expected = QString::fromStdString(generateCode(f.set()));
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(codes[1], expected);
        QVERIFY(codes[0].contains(QStringLiteral("DIALOG1")));
        QVERIFY(!codes[1].contains(QStringLiteral("DIALOG1")));
    }

    void aboutShowsNameAndVersionAndClosesOnCharacterKeysOnly()
    {
        for (int opening = 0; opening < 2; ++opening) {
            AboutWindow about;
            QCOMPARE(about.findChild<QLabel *>("lblProductName")->text(), QStringLiteral("Kovrin"));
            QCOMPARE(about.findChild<QLabel *>("lblVersion")->text(), QStringLiteral("v0.61 BETA"));
            QCOMPARE(about.findChild<QLabel *>("lblVersion")->font().family(), "Arial");
            QVERIFY(!about.findChild<QLabel *>("imgLogo")->pixmap().isNull());
        }
        const QList<Qt::Key> closing {Qt::Key_Escape, Qt::Key_Return, Qt::Key_A, Qt::Key_5,
                                      Qt::Key_Backspace};
        for (Qt::Key key : closing) {
            AboutWindow about;
            about.show();
            QTest::keyClick(&about, key);
            QVERIFY2(about.isHidden(), qPrintable(QKeySequence(key).toString()));
        }
        AboutWindow about;
        about.show();
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_F1, Qt::Key_Shift})
            QTest::keyClick(&about, key);
        QVERIFY(about.isVisible());
        QTest::mouseClick(about.findChild<QWidget *>("Frame1"), Qt::LeftButton);
        QVERIFY(about.isHidden());
    }

    void aboutOpensModallyFromItsMenuEntry()
    {
        ShellFixture f;
        f.window->menus().about->trigger();
        QCOMPARE(f.windows.shown, QStringList {"frm_About"});
    }

    void readmeIsFoundBesideTheProgramOrInTheDataFolder()
    {
        QTemporaryDir program, data;
        QCOMPARE(findReadme({program.path(), data.path()}), QString());
        QFile(data.filePath("readme.txt")).open(QIODevice::WriteOnly);
        QCOMPARE(findReadme({program.path(), data.path()}), data.filePath("readme.txt"));
        QFile(program.filePath("readme.txt")).open(QIODevice::WriteOnly);
        QCOMPARE(findReadme({program.path(), data.path()}), program.filePath("readme.txt"));

        UrlCatcher viewer;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "open");
        ScriptedPrompts prompts;
        viewReadme(prompts, {program.path()});
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(viewer.opened, QList<QUrl> {QUrl::fromLocalFile(program.filePath("readme.txt"))});
        QVERIFY(prompts.shown.isEmpty());
    }

    void aMissingReadmeIsReportedClearly()
    {
        QTemporaryDir empty;
        ScriptedPrompts prompts;
        viewReadme(prompts, {empty.path()});
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].title, QStringLiteral("WARNING"));
        QVERIFY(prompts.shown[0].text.contains(QStringLiteral("readme.txt")));
        QVERIFY(prompts.shown[0].text.contains(QDir::toNativeSeparators(empty.path())));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
