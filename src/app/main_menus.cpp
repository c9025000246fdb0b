#include "app/main_menus.h"

#include "model/recent_files.h"
#include "model/reference_screen.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace kovrin {
namespace {

QMenu *addMenu(QMenuBar &bar, const char *name, const QString &title)
{
    QMenu *menu = bar.addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction *addEntry(QMenu &menu, const char *name, const QString &text, const QString &tip,
                  const QKeySequence &shortcut = {})
{
    QAction *action = menu.addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(tip);
    action->setShortcut(shortcut);
    return action;
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One exclusive, checkable choice per item, named prefix1, prefix2, ...
template<typename Items, typename Name>
QList<QAction *> addChoices(QMenu &menu, const char *prefix, const Items &items, Name name,
                            const QString &tip)
{
    QList<QAction *> entries;
    auto *group = new QActionGroup(&menu);
    for (const auto item : items) {
        QAction *entry = menu.addAction(fromView(name(item)));
        entry->setObjectName(QLatin1String(prefix) + QString::number(entries.size() + 1));
        entry->setStatusTip(tip);
        entry->setCheckable(true);
        group->addAction(entry);
        entries << entry;
    }
    return entries;
}

} // namespace

MainMenus buildMainMenus(QMenuBar &bar, QUndoStack &history)
{
    MainMenus menus;

    QMenu *file = addMenu(bar, "mnu_file", QStringLiteral("&File"));
    menus.newDialog = addEntry(*file, "mnu_new", QStringLiteral("&New Dialog"),
                               QStringLiteral("Discard every dialog and start anew."),
                               QKeySequence(Qt::CTRL | Qt::Key_N));
    menus.load = addEntry(*file, "mnu_load", QStringLiteral("&Load Dialogs..."),
                          QStringLiteral("Replace the dialogs with those of a design file."),
                          QKeySequence(Qt::CTRL | Qt::Key_L));
    menus.save = addEntry(*file, "mnu_save", QStringLiteral("&Save Dialogs"),
                          QStringLiteral("Save the dialogs to their design file."),
                          QKeySequence(Qt::CTRL | Qt::Key_S));
    menus.saveAs = addEntry(*file, "mnu_saveas", QStringLiteral("Save Dialogs &As..."),
                            QStringLiteral("Save the dialogs to a design file of a new name."));
    menus.importCode
        = addEntry(*file, "mnu_import", QStringLiteral("&Import dialog code..."),
                   QStringLiteral("Add the dialogs of a mission's class definitions to the set."));
    file->addSeparator();
    menus.generate = addEntry(*file, "mnu_generate", QStringLiteral("&Generate .ext code"),
                              QStringLiteral("Show the code to paste into DESCRIPTION.EXT."),
                              QKeySequence(Qt::CTRL | Qt::Key_G));
    file->addSeparator();
    menus.quit
        = addEntry(*file, "mnu_quit", QStringLiteral("&Quit"), QStringLiteral("End the program."));
    file->addSeparator();
    menus.openBackups = addEntry(
        *file, "mnu_backups", QStringLiteral("&Open backup folder"),
        QStringLiteral("Show the earlier versions of design files that saves replaced."));
    menus.includeFolders
        = addEntry(*file, "mnu_includefolders", QStringLiteral("Include &Folders for Import..."),
                   QStringLiteral("Choose the folders imported code may include files from."));
    QMenu *codePage = file->addMenu(QStringLiteral("Code &page of the generated code"));
    codePage->setObjectName(QStringLiteral("mnu_codepage"));
    menus.codePageWindows1252
        = addEntry(*codePage, "mnu_codepage_1252", QStringLiteral("&Windows-1252"),
                   QStringLiteral("Generate code in the code page of the design file."));
    menus.codePageUtf8
        = addEntry(*codePage, "mnu_codepage_utf8", QStringLiteral("&UTF-8"),
                   QStringLiteral("Generate code in UTF-8, for texts Windows-1252 cannot hold."));
    auto *choices = new QActionGroup(codePage);
    for (QAction *choice : {menus.codePageWindows1252, menus.codePageUtf8}) {
        choice->setCheckable(true);
        choices->addAction(choice);
    }
    menus.recentSeparator = file->addSeparator();
    menus.recentSeparator->setObjectName(QStringLiteral("mnu_recent_sep"));
    menus.recentSeparator->setVisible(false);
    for (std::size_t i = 1; i <= RecentFiles::kMaxCount; ++i) {
        QAction *entry = file->addAction(QString());
        entry->setObjectName(QStringLiteral("mnu_recent%1").arg(i));
        entry->setVisible(false);
        menus.recentFiles << entry;
    }

    QMenu *edit = addMenu(bar, "mnu_edit", QStringLiteral("&Edit"));
    menus.insertDialog = addEntry(*edit, "mnu_insert", QStringLiteral("&Insert new dialog"),
                                  QStringLiteral("Add an empty dialog to the set."));
    menus.removeDialog = addEntry(*edit, "mnu_remove", QStringLiteral("&Remove current dialog"),
                                  QStringLiteral("Erase the current dialog and its controls."));
    edit->addSeparator();
    menus.organizeOrder
        = addEntry(*edit, "mnu_order", QStringLiteral("&Organize control order for current dialog"),
                   QStringLiteral("Arrange which control of the current dialog lies over which."));
    menus.gridSize
        = addEntry(*edit, "mnu_gridsize", QStringLiteral("Change &Grid Size for current dialog"),
                   QStringLiteral("Set the grid step of the current dialog."));
    edit->addSeparator();
    menus.undo = history.createUndoAction(edit, QStringLiteral("&Undo"));
    menus.undo->setObjectName(QStringLiteral("mnu_undo"));
    menus.undo->setStatusTip(QStringLiteral("Take back the last change."));
    menus.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addAction(menus.undo);
    // The R belongs to "&Remove current dialog".
    menus.redo = history.createRedoAction(edit, QStringLiteral("Re&do"));
    menus.redo->setObjectName(QStringLiteral("mnu_redo"));
    menus.redo->setStatusTip(QStringLiteral("Make the last change taken back again."));
    menus.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addAction(menus.redo);
    edit->addSeparator();
    menus.selectAll = addEntry(*edit, "mnu_selectall", QStringLiteral("Select &All"),
                               QStringLiteral("Pick every control of the current dialog."),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));

    QMenu *view = addMenu(bar, "mnu_view", QStringLiteral("&View"));
    menus.showToolbar = addEntry(*view, "mnu_toolbar", QStringLiteral("Show &Toolbar"),
                                 QStringLiteral("Show the Controls Toolbox again."),
                                 QKeySequence(Qt::CTRL | Qt::Key_T));
    menus.visibleGrid = addEntry(*view, "mnu_viewgrid", QStringLiteral("Visible &grid"),
                                 QStringLiteral("Show or hide the grid lines of every dialog."));
    menus.visibleGrid->setCheckable(true);
    menus.snapWhileDragging
        = addEntry(*view, "mnu_snapdrag", QStringLiteral("Snap to grid while &dragging"),
                   QStringLiteral("End every move and resize on the nearest grid point."));
    menus.snapWhileDragging->setCheckable(true);
    menus.problems
        = addEntry(*view, "mnu_problems", QStringLiteral("P&roblems"),
                   QStringLiteral("List what would break in the game or not load back the same."));
    menus.problems->setCheckable(true);
    menus.propertiesPanel
        = addEntry(*view, "mnu_propertiespanel", QStringLiteral("&Properties panel"),
                   QStringLiteral("Show the fields of the picked controls beside the dialogs."));
    menus.propertiesPanel->setCheckable(true);
    menus.referenceScreen = view->addMenu(QStringLiteral("Reference &screen"));
    menus.referenceScreen->setObjectName(QStringLiteral("mnu_refscreen"));
    menus.referenceAspects = addChoices(
        *menus.referenceScreen, "mnu_refaspect", kAllAspects, aspectName,
        QStringLiteral("Show the safe zone of the dialogs on a monitor of this shape."));
    menus.referenceScreen->addSeparator();
    menus.referenceSizes = addChoices(
        *menus.referenceScreen, "mnu_refsize", kAllInterfaceSizes, interfaceSizeName,
        QStringLiteral("Show the safe zone of the dialogs at this interface size of the game."));

    menus.window = addMenu(bar, "mnu_window", QStringLiteral("&Window"));
    menus.cascade = addEntry(*menus.window, "mnu_cascade", QStringLiteral("&Cascade"),
                             QStringLiteral("Lay the dialog windows over each other, each title "
                                            "in sight."));
    menus.tile = addEntry(*menus.window, "mnu_tile", QStringLiteral("&Tile"),
                          QStringLiteral("Lay the dialog windows side by side."));

    QMenu *help = addMenu(bar, "mnu_help", QStringLiteral("&Help"));
    menus.viewReadme = addEntry(*help, "mnu_readme", QStringLiteral("View &readme.txt"),
                                QStringLiteral("Open readme.txt in the text viewer."));
    help->addSeparator();
    menus.about = addEntry(*help, "mnu_about", QStringLiteral("&About KOVRIN"),
                           QStringLiteral("Show the product name and version."));
    return menus;
}

} // namespace kovrin
