// The dialog-name and grid-size prompts on their own, and the rename and grid-step commands
// that use them.
#include "../support/test_settings.h"
#include "app/dialog_name_prompt.h"
#include "app/file_commands.h"
#include "app/grid_size_prompt.h"
#include "app/qt_user_prompts.h"
#include "shell_fixture.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace kovrin;

namespace {

template<typename T> T *child(QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QLineEdit *nameField(QObject &prompt)
{
    return child<QLineEdit>(prompt, "txt_name");
}
QLineEdit *sizeField(QObject &prompt)
{
    return child<QLineEdit>(prompt, "txt_size");
}
void clickOk(QObject &prompt)
{
    child<QPushButton>(prompt, "cmd_OK")->click();
}

} // namespace

class PromptsTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void namePromptRefusesAnEmptyNameAndStopsAtThirtyCharacters()
    {
        ScriptedPrompts prompts;
        DialogNamePrompt prompt(prompts);
        QCOMPARE(prompt.objectName(), QStringLiteral("frm_DialogName"));
        QCOMPARE(prompt.windowTitle(), QStringLiteral("Enter dialog's name"));
        QVERIFY(prompt.findChild<QLabel *>()->text() == QStringLiteral("Dialog's Name"));
        QCOMPARE(nameField(prompt)->toolTip(),
                 QStringLiteral("Name for this dialog. The name you will use in your scripts to "
                                "refer to this dialog."));
        QCOMPARE(child<QPushButton>(prompt, "cmd_Cancel")->text(), QStringLiteral("Cancel"));
        prompt.show();

        clickOk(prompt);
        QVERIFY(prompt.isVisible());
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].title, QStringLiteral("WARNING"));
        QCOMPARE(prompts.shown[0].text,
                 QStringLiteral("- You must enter a name for the dialog!\r\n"));
        QCOMPARE(prompts.shown[0].icon, UserPrompts::Icon::Warning);

        QTest::keyClicks(nameField(prompt), QString(35, QLatin1Char('N')));
        QCOMPARE(nameField(prompt)->text(), QString(30, QLatin1Char('N')));

        nameField(prompt)->setText(QStringLiteral("   ")); // blanks are a name
        clickOk(prompt);
        QVERIFY(prompt.isHidden());
        QCOMPARE(prompt.result(), int(QDialog::Accepted));
        QVERIFY(!prompt.Cancelled);
        QCOMPARE(prompts.shown.size(), 1);
    }

    void namePromptShowsALongerStoredNameWhole()
    {
        ScriptedPrompts prompts;
        DialogNamePrompt prompt(prompts);
        const QString longName(40, QLatin1Char('L'));
        prompt.setName(longName);
        QCOMPARE(prompt.name(), longName);
    }

    void namePromptAnswersEnterAndEscapeWhenTheKeyComesUp()
    {
        ScriptedPrompts prompts;
        DialogNamePrompt enter(prompts);
        enter.setName(QStringLiteral("MENU"));
        enter.show();
        QTest::keyPress(nameField(enter), Qt::Key_Return);
        QVERIFY(enter.isVisible());
        QTest::keyRelease(nameField(enter), Qt::Key_Return);
        QVERIFY(enter.isHidden());
        QVERIFY(!enter.Cancelled);
        QCOMPARE(enter.name(), QStringLiteral("MENU"));

        DialogNamePrompt escape(prompts);
        escape.setName(QStringLiteral("MENU"));
        escape.show();
        QWidget *okButton = child<QPushButton>(escape, "cmd_OK");
        QTest::keyPress(okButton, Qt::Key_Escape);
        QVERIFY(escape.isVisible());
        QTest::keyRelease(okButton, Qt::Key_Escape);
        QVERIFY(escape.isHidden());
        QVERIFY(escape.Cancelled);

        // The Enter that closed a message box comes up here without having gone down here.
        DialogNamePrompt stray(prompts);
        stray.show();
        QTest::keyRelease(nameField(stray), Qt::Key_Return);
        QVERIFY(stray.isVisible());
        QVERIFY(prompts.shown.isEmpty());
    }

    void renameGoesThroughThePrompt()
    {
        ShellFixture f;
        f.window->insertDialog();
        f.window->insertDialog();
        QString offered;
        f.windows.steps.push_back([&offered](QDialog &prompt) {
            offered = nameField(prompt)->text();
            nameField(prompt)->setText(QStringLiteral("MAIN MENU"));
            QTest::keyPress(nameField(prompt), Qt::Key_Return);
            QTest::keyRelease(nameField(prompt), Qt::Key_Return);
        });
        f.window->renameDialog(*f.workspace().currentView());
        QCOMPARE(f.windows.shown, QStringList {"frm_DialogName"});
        QCOMPARE(offered, QStringLiteral("DIALOG2"));
        QCOMPARE(f.names(), (std::vector<std::string> {"DIALOG1", "MAIN MENU"}));
        QCOMPARE(f.windowTitles(), QStringList({"DIALOG1", "MAIN MENU"}));

        f.windows.steps.push_back([](QDialog &prompt) {
            nameField(prompt)->setText(QStringLiteral("OTHER"));
            child<QPushButton>(prompt, "cmd_Cancel")->click();
        });
        f.window->renameDialog(*f.workspace().currentView());
        QCOMPARE(f.names().back(), "MAIN MENU");
    }

    void renameRefusesNamesTheFileOrTheCodeCannotKeep_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("double quote") << "A\"B";
        QTest::newRow("record end mark") << "###";
        QTest::newRow("another dialog's name") << "DIALOG1";
    }
    void renameRefusesNamesTheFileOrTheCodeCannotKeep()
    {
        QFETCH(QString, name);
        ShellFixture f;
        f.window->insertDialog();
        f.window->insertDialog();
        bool stayedOpen = false;
        f.windows.steps.push_back([&](QDialog &prompt) {
            nameField(prompt)->setText(name);
            clickOk(prompt);
            stayedOpen = prompt.result() != QDialog::Accepted;
            child<QPushButton>(prompt, "cmd_Cancel")->click();
        });
        f.window->renameDialog(*f.workspace().currentView());
        QVERIFY(stayedOpen);
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.prompts.shown[0].title, QStringLiteral("WARNING"));
        QVERIFY(f.prompts.shown[0].text.startsWith(QStringLiteral("- ")));
        QVERIFY(f.prompts.shown[0].text.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(f.names(), (std::vector<std::string> {"DIALOG1", "DIALOG2"}));
    }

    void gridPromptGuardsTheFieldWhileTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("shown");
        QTest::newRow("above one") << "1.5" << '.' << "1";
        QTest::newRow("fifth decimal") << "0.123456" << '.' << "0.1234";
        QTest::newRow("letters") << "abc" << '.' << "";
        QTest::newRow("a sign being typed") << "-" << '.' << "-";
        QTest::newRow("point under a comma locale") << "0.5" << ',' << "0,5";
    }
    void gridPromptGuardsTheFieldWhileTyping()
    {
        QFETCH(QString, typed);
        QFETCH(char, separator);
        QFETCH(QString, shown);
        ScriptedPrompts prompts;
        GridSizePrompt prompt(prompts, separator);
        QCOMPARE(prompt.objectName(), QStringLiteral("frm_GridSize"));
        QCOMPARE(prompt.windowTitle(), QStringLiteral("Grid Size for current dialog"));
        QTest::keyClicks(sizeField(prompt), typed);
        QCOMPARE(prompt.sizeText(), shown);
    }

    void gridPromptRefusesAnEmptyFieldAndAnswersKeysWhenTheyGoDown()
    {
        ScriptedPrompts prompts;
        GridSizePrompt empty(prompts, '.');
        empty.show();
        QTest::keyPress(sizeField(empty), Qt::Key_Return);
        QVERIFY(empty.isVisible());
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].title, QStringLiteral("WARNING"));
        QCOMPARE(prompts.shown[0].text, QStringLiteral("- You must enter a grid size!"));
        QCOMPARE(prompts.shown[0].icon, UserPrompts::Icon::Warning);

        GridSizePrompt enter(prompts, '.');
        enter.setSizeText(QStringLiteral("0.05"));
        enter.show();
        QTest::keyPress(sizeField(enter), Qt::Key_Return);
        QVERIFY(enter.isHidden());
        QVERIFY(!enter.Cancelled);

        GridSizePrompt escape(prompts, '.');
        escape.setSizeText(QStringLiteral("0.05"));
        escape.show();
        QTest::keyPress(child<QPushButton>(escape, "cmd_Cancel"), Qt::Key_Escape);
        QVERIFY(escape.isHidden());
        QVERIFY(escape.Cancelled);
        QCOMPARE(prompts.shown.size(), 1);
    }

    void gridStepCommandOffersTheStepInTheUsersFormAndKeepsItForNoStep()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        ShellFixture f;
        f.window->insertDialog();
        f.workspace().setGridSize(f.set().dialog(0).FrmIndex, 0.05f);
        const auto answer = [&f](const QString &text, QString *offered = nullptr) {
            f.windows.steps.push_back([text, offered](QDialog &prompt) {
                if (offered)
                    *offered = sizeField(prompt)->text();
                if (text.isNull()) {
                    child<QPushButton>(prompt, "cmd_Cancel")->click();
                    return;
                }
                sizeField(prompt)->setText(text);
                clickOk(prompt);
            });
            f.window->menus().gridSize->trigger();
        };
        QString offered;
        answer(QStringLiteral("-"), &offered);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(offered, QStringLiteral("0,05"));
        QCOMPARE(f.set().dialog(0).GridSize, 0.05f);
        answer(QStringLiteral("0"));
        QCOMPARE(f.set().dialog(0).GridSize, 0.05f);
        answer(QString());
        QCOMPARE(f.set().dialog(0).GridSize, 0.05f);
        answer(QStringLiteral("0.25"));
        QCOMPARE(f.set().dialog(0).GridSize, 0.25f);
        QCOMPARE(f.windows.shown.size(), 4);
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void saveQuestionButtonsEachCarryAnAccessKey()
    {
        QtUserPrompts prompts(nullptr);
        QStringList texts;
        QTimer::singleShot(0, [&texts] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *button : box->buttons())
                texts << button->text();
            box->button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(prompts.askSaveDiscardCancel(QStringLiteral("WARNING"), QStringLiteral("Save?")),
                 UserPrompts::Choice::Cancel);
        texts.sort();
        QCOMPARE(texts, QStringList({"&Cancel", "&Discard", "&Save"}));
    }

    void fileDialogShowsTheFilterInCapitalsAndListsDesignFilesInAnyCase()
    {
        QTemporaryDir folder;
        for (const char *name : {"a.kvx", "B.KVX", "c.Kvx", "d.txt"}) {
            QFile file(folder.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QtUserPrompts prompts(nullptr);
        QStringList filters;
        QStringList listed;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            filters = dialog->nameFilters();
            auto *model = dialog->findChild<QFileSystemModel *>();
            const QModelIndex root = model->index(folder.path());
            if (!QTest::qWaitFor([&] { return model->rowCount(root) >= 3; }))
                listed << QStringLiteral("(the folder was not read)");
            for (int row = 0; row < model->rowCount(root); ++row)
                listed << model->index(row, 0, root).data().toString();
            dialog->reject();
        });
        QCOMPARE(prompts.openFileName(folder.path(), QStringLiteral("Load Dialog"),
                                      QStringLiteral("kvx"), FileCommands::fileFilter()),
                 QString());
        QCOMPARE(filters, QStringList {"ZTK Dialog (*.KVX)"});
        listed.sort(Qt::CaseInsensitive);
        QCOMPARE(listed, QStringList({"a.kvx", "B.KVX", "c.Kvx"}));
    }
};

QTEST_MAIN(PromptsTest)
#include "prompts_test.moc"
