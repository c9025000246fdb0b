// The dialog-name and grid-size prompts on their own and through the rename and grid-step
// commands, and the program's message boxes and file dialog.
#include "app/dialog_name_prompt.h"
#include "app/file_commands.h"
#include "app/grid_size_prompt.h"
#include "app/qt_user_prompts.h"
#include "shell_fixture.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>

#include <functional>

using namespace kovrin;

namespace {

template<typename T = QPushButton> T *child(QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QLineEdit *field(QObject &prompt)
{
    QLineEdit *name = prompt.findChild<QLineEdit *>(QStringLiteral("txt_name"));
    return name ? name : child<QLineEdit>(prompt, "txt_size");
}

// Runs `drive` on the program's message box or file dialog once its modal loop has started.
template<typename Box> void whenShown(std::function<void(Box &)> drive)
{
    QTimer::singleShot(0, [drive] {
        if (auto *box = qobject_cast<Box *>(QApplication::activeModalWidget()))
            drive(*box);
    });
}

} // namespace

class PromptsTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void namePromptRefusesAnEmptyNameStopsAtThirtyAndShowsALongerNameWhole()
    {
        ScriptedPrompts prompts;
        DialogNamePrompt prompt(prompts);
        prompt.show();
        child(prompt, "cmd_OK")->click();
        QVERIFY(prompt.isVisible());
        QCOMPARE(prompts.titles(), QStringList {"WARNING"});
        QCOMPARE(prompts.shown[0].text,
                 QStringLiteral("- You must enter a name for the dialog!\r\n"));
        QCOMPARE(prompts.shown[0].icon, UserPrompts::Icon::Warning);

        QTest::keyClicks(field(prompt), QString(35, QLatin1Char('N')));
        QCOMPARE(field(prompt)->text(), QString(30, QLatin1Char('N')));
        field(prompt)->setText(QStringLiteral("   ")); // blanks are a name
        child(prompt, "cmd_OK")->click();
        QVERIFY(prompt.isHidden());
        QCOMPARE(prompt.result(), int(QDialog::Accepted));
        QVERIFY(!prompt.Cancelled);
        QCOMPARE(prompts.shown.size(), 1);

        const QString longName(40, QLatin1Char('L'));
        prompt.setName(longName);
        QCOMPARE(prompt.name(), longName);
    }

    void namePromptAnswersEnterAndEscapeWhenTheKeyComesUp_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("enter") << Qt::Key_Return << false;
        QTest::newRow("escape") << Qt::Key_Escape << true;
    }
    void namePromptAnswersEnterAndEscapeWhenTheKeyComesUp()
    {
        QFETCH(Qt::Key, key);
        QFETCH(bool, cancelled);
        ScriptedPrompts prompts;
        DialogNamePrompt prompt(prompts);
        prompt.show();
        // The key that closed a message box comes up here without having gone down here.
        QTest::keyRelease(field(prompt), key);
        QVERIFY(prompt.isVisible());
        prompt.setName(QStringLiteral("MENU"));
        QWidget *target = key == Qt::Key_Escape ? static_cast<QWidget *>(child(prompt, "cmd_OK"))
                                                : field(prompt);
        QTest::keyPress(target, key);
        QVERIFY(prompt.isVisible());
        QTest::keyRelease(target, key);
        QVERIFY(prompt.isHidden());
        QCOMPARE(prompt.Cancelled, cancelled);
        QCOMPARE(prompt.name(), QStringLiteral("MENU"));
        QVERIFY(prompts.shown.isEmpty());
    }

    void renameGoesThroughThePrompt()
    {
        ShellFixture f;
        f.insert(2);
        QString offered;
        f.windows.steps.push_back([&offered](QDialog &prompt) {
            offered = field(prompt)->text();
            field(prompt)->setText(QStringLiteral("MAIN MENU"));
            QTest::keyPress(field(prompt), Qt::Key_Return);
            QTest::keyRelease(field(prompt), Qt::Key_Return);
        });
        f.window->renameDialog(*f.viewOf(0)); // not the current dialog
        QCOMPARE(f.windows.shown, QStringList {"frm_DialogName"});
        QCOMPARE(offered, QStringLiteral("DIALOG1"));
        QCOMPARE(f.names(), (Names {"MAIN MENU", "DIALOG2"}));
        QCOMPARE(f.windowTitles(), QStringList({"MAIN MENU", "DIALOG2"}));

        f.windows.fill("txt_name", "OTHER", "cmd_Cancel");
        f.window->renameDialog(*f.viewOf(0));
        QCOMPARE(f.names().front(), "MAIN MENU");
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
        f.insert(2);
        bool stayedOpen = false;
        f.windows.steps.push_back([&](QDialog &prompt) {
            field(prompt)->setText(name);
            child(prompt, "cmd_OK")->click();
            stayedOpen = prompt.result() != QDialog::Accepted;
            child(prompt, "cmd_Cancel")->click();
        });
        f.window->renameDialog(*f.workspace().currentView());
        QVERIFY(stayedOpen);
        QCOMPARE(f.prompts.titles(), QStringList {"WARNING"});
        QVERIFY(f.last().text.startsWith(QStringLiteral("- ")));
        QVERIFY(f.last().text.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(f.names(), (Names {"DIALOG1", "DIALOG2"}));
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
        QTest::keyClicks(field(prompt), typed);
        QCOMPARE(prompt.sizeText(), shown);
    }

    void gridPromptRefusesAnEmptyFieldAndAnswersKeysWhenTheyGoDown()
    {
        ScriptedPrompts prompts;
        GridSizePrompt empty(prompts, '.');
        empty.show();
        QTest::keyPress(field(empty), Qt::Key_Return);
        QVERIFY(empty.isVisible());
        QCOMPARE(prompts.titles(), QStringList {"WARNING"});
        QCOMPARE(prompts.shown[0].text, QStringLiteral("- You must enter a grid size!"));
        QCOMPARE(prompts.shown[0].icon, UserPrompts::Icon::Warning);

        for (const auto &[key, button] :
             {std::pair(Qt::Key_Return, "cmd_OK"), std::pair(Qt::Key_Escape, "cmd_Cancel")}) {
            GridSizePrompt prompt(prompts, '.');
            prompt.setSizeText(QStringLiteral("0.05"));
            prompt.show();
            QTest::keyPress(key == Qt::Key_Return ? static_cast<QWidget *>(field(prompt))
                                                  : child(prompt, button),
                            key);
            QVERIFY(prompt.isHidden());
            QCOMPARE(prompt.Cancelled, key == Qt::Key_Escape);
        }
        QCOMPARE(prompts.shown.size(), 1);
    }

    void gridStepCommandOffersTheStepInTheUsersFormAndKeepsItForNoStep()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        ShellFixture f;
        f.insert();
        f.workspace().setGridSize(f.set().dialog(0).FrmIndex, 0.05f);
        QString offered;
        f.windows.steps.push_back([&offered](QDialog &prompt) {
            offered = field(prompt)->text();
            field(prompt)->setText(QStringLiteral("-"));
            child(prompt, "cmd_OK")->click();
        });
        f.menus().gridSize->trigger();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(offered, QStringLiteral("0,05"));
        QCOMPARE(f.set().dialog(0).GridSize, 0.05f);
        for (const char *answer : {"0", "", "0.25"}) {
            f.windows.fill("txt_size", answer, *answer ? "cmd_OK" : "cmd_Cancel");
            f.menus().gridSize->trigger();
        }
        QCOMPARE(f.set().dialog(0).GridSize, 0.25f);
        QCOMPARE(f.workspace().history().count(), 3); // insert, the step set here, 0.25
        QCOMPARE(f.windows.shown.size(), 4);
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void aLongMessageFitsTheScreenWithTheWholeTextInItsDetails()
    {
        QStringList problems;
        for (int i = 0; i < 500; ++i)
            problems << QStringLiteral(
                            "- dialog \"D\", control %1 (\"c\"), IDC: %2 is not a number")
                            .arg(i)
                            .arg(QString(200, QLatin1Char('9')) + QStringLiteral(" x"));
        problems << QStringLiteral("- the terminal's escape \x1b[2J is spelt out");
        int height = 0;
        QString shown, details;
        whenShown<QMessageBox>([&](QMessageBox &box) {
            for (QPushButton *button : box.findChildren<QPushButton *>()) {
                if (button->text().startsWith(QStringLiteral("Show Details")))
                    button->click();
            }
            QApplication::processEvents();
            height = box.sizeHint().height();
            shown = box.text();
            details = box.detailedText();
            box.accept();
        });
        QtUserPrompts(nullptr).message(QStringLiteral("WARNING"),
                                       problems.join(QStringLiteral("\r\n")),
                                       UserPrompts::Icon::Warning);
        QVERIFY(height > 0);
        QVERIFY2(height <= QGuiApplication::primaryScreen()->availableGeometry().height(),
                 qPrintable(QString::number(height)));
        QVERIFY(shown.contains(QStringLiteral("more lines under Show Details")));
        QCOMPARE(details.count(QLatin1Char('\n')), 500);
        QVERIFY(details.endsWith(QStringLiteral("escape \\x1b[2J is spelt out")));
    }

    void saveQuestionButtonsEachCarryAnAccessKey()
    {
        QStringList texts;
        whenShown<QMessageBox>([&texts](QMessageBox &box) {
            for (QAbstractButton *button : box.buttons())
                texts << button->text();
            box.button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(QtUserPrompts(nullptr).askSaveDiscardCancel(QStringLiteral("WARNING"),
                                                             QStringLiteral("Save?")),
                 UserPrompts::Choice::Cancel);
        texts.sort();
        QCOMPARE(texts, QStringList({"&Cancel", "&Discard", "&Save"}));
    }

    void fileDialogShowsTheFilterInCapitalsAndListsDesignFilesInAnyCase()
    {
        QTemporaryDir folder;
        for (const char *name : {"a.kvx", "B.KVX", "c.Kvx", "d.txt"})
            QVERIFY(writeFile(folder.filePath(QLatin1String(name))));
        QStringList filters, listed;
        whenShown<QFileDialog>([&](QFileDialog &dialog) {
            filters = dialog.nameFilters();
            auto *model = dialog.findChild<QFileSystemModel *>();
            const QModelIndex root = model->index(folder.path());
            if (!QTest::qWaitFor([&] { return model->rowCount(root) >= 3; }))
                listed << QStringLiteral("(the folder was not read)");
            for (int row = 0; row < model->rowCount(root); ++row)
                listed << model->index(row, 0, root).data().toString();
            dialog.reject();
        });
        QCOMPARE(QtUserPrompts(nullptr).openFileName(folder.path(), QStringLiteral("Load Dialog"),
                                                     QStringLiteral("kvx"),
                                                     FileCommands::fileFilter()),
                 QString());
        QCOMPARE(filters, QStringList {"ZTK Dialog (*.KVX)"});
        listed.sort(Qt::CaseInsensitive);
        QCOMPARE(listed, QStringList({"a.kvx", "B.KVX", "c.Kvx"}));
    }
};

QTEST_MAIN(PromptsTest)
#include "prompts_test.moc"
