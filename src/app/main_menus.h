#pragma once
// The main window's menu bar: File, Edit, View, Window and Help with every entry, access key,
// shortcut and separator. The main window connects the entries to its commands.

#include <QList>

class QAction;
class QMenu;
class QMenuBar;
class QUndoStack;

namespace kovrin {

struct MainMenus
{
    // &File
    QAction *newDialog = nullptr;
    QAction *load = nullptr;
    QAction *save = nullptr;
    QAction *saveAs = nullptr;
    QAction *importCode = nullptr;
    QAction *generate = nullptr;
    QAction *quit = nullptr;
    QAction *openBackups = nullptr; // the folder of the versions saves replaced
    QAction *includeFolders = nullptr; // where imports may take included files from
    // "Code page of the generated code": two checkable choices, one of them checked
    QAction *codePageWindows1252 = nullptr;
    QAction *codePageUtf8 = nullptr;
    QAction *recentSeparator = nullptr; // hidden while no file is listed
    QList<QAction *> recentFiles; // the five places of the recent files, hidden while unused
    // &Edit
    QAction *insertDialog = nullptr;
    QAction *removeDialog = nullptr;
    QAction *organizeOrder = nullptr;
    QAction *gridSize = nullptr;
    QAction *undo = nullptr; // named after the step they undo or redo
    QAction *redo = nullptr;
    QAction *selectAll = nullptr; // every control of the current dialog picked
    // &View
    QAction *showToolbar = nullptr;
    QAction *visibleGrid = nullptr; // the grid switch, checkable
    QAction *snapWhileDragging = nullptr; // checkable, kept between runs
    QAction *problems = nullptr; // the Problems dock, checkable
    QAction *propertiesPanel = nullptr; // the Properties dock, checkable
    // "Reference &screen": the aspects (in the order of kAllAspects), then the interface sizes
    // (kAllInterfaceSizes), one of each checked
    QMenu *referenceScreen = nullptr;
    QList<QAction *> referenceAspects;
    QList<QAction *> referenceSizes;
    // &Window: the two commands; the list of dialogs follows them (see WindowMenu)
    QMenu *window = nullptr;
    QAction *cascade = nullptr;
    QAction *tile = nullptr;
    // &Help
    QAction *viewReadme = nullptr;
    QAction *about = nullptr;
};

// Undo and redo follow the history.
MainMenus buildMainMenus(QMenuBar &bar, QUndoStack &history);

} // namespace kovrin
