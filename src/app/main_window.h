#pragma once
// The main window, mdi_main: the workspace of dialog windows on dark grey, the menu bar and its
// commands, the "Control Manager" context menu, the toolbox and the grid switch kept between
// runs. It is the host every design surface talks to.

#include "app/main_menus.h"
#include "app/modal_runner.h"
#include "app/toolbox.h"
#include "model/control_record.h"
#include "surface_view/surface_host.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QDockWidget;
class QLabel;
class QMdiArea;

namespace kovrin {

class ArrangeMenu;
class LayoutMenu;
class Autosave;
class ProblemsDock;
class PropertyPanel;
class ControlMenu;
class DialogWorkspace;
class FileCommands;
class GridCommands;
class QtUserPrompts;
class RecentFilesMenu;
class ReferenceScreenMenu;
class WindowMenu;

class MainWindow : public QMainWindow, public SurfaceHost
{
    Q_OBJECT
public:
    // Every question goes through prompts; without one the window shows Qt's own dialogs.
    explicit MainWindow(UserPrompts *prompts = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    // --- the surface host ----------------------------------------------------------------
    DialogSet &document() override;
    std::optional<ControlKind> armedKind() const override;
    void disarmToolbox() override;
    ControlClipboard &clipboard() override { return m_clipboard; }
    UserPrompts &prompts() override { return m_prompts; }
    char decimalSeparator() const override;
    bool gridVisible() const override;
    void showControlMenu(SurfaceView &view, bool onControl, const QPoint &globalPos) override;
    void openPropertyEditor(SurfaceView &view, std::size_t recordIndex) override;
    void renameDialog(SurfaceView &view) override;
    using SurfaceHost::documentChanged;
    void documentChanged(SurfaceView &view, const QString &stepName) override;
    void documentChangedInRun(SurfaceView &view, const QString &stepName, int run) override;
    bool snapWhileDragging() const override;
    void showSurfaceStatus(const QString &text) override;

    // --- the menu commands ---------------------------------------------------------------
    void newDialog();
    void load();
    void save();
    void saveAs();
    void importCode();
    void generate();
    void quit();
    void insertDialog();
    void removeCurrentDialog();
    void organizeControlOrder();
    void changeGridSize();
    void showToolbox();
    void setGridVisible(bool visible);
    void setSnapWhileDragging(bool on);
    void selectAll();
    void viewReadme();
    void showAbout();
    // "&Open backup folder": the folder of the versions saves replaced, in the file manager.
    void openBackupFolder();
    // File > "Include &Folders for Import...": the folders an #include may read from.
    void editIncludeFolders();
    // At start: temporary files of saves whose program is gone are removed from the program's
    // own folders, and work a run that did not end cleanly left behind is offered back; true when
    // it was recovered.
    bool recoverUnsavedWork();
    // At start with a design file named on the command line (or none): the recovery question
    // comes first; recovered work is saved, or discarded by a question that says so, before the
    // named file replaces it.
    void startWith(const QString &path);
    // Load a design file as Load does, without the file dialog (the command line, a dropped
    // file): the unsaved-work question first.
    void openFile(const QString &path);
    // An entry of the recent files: a file that has gone is taken off the list with a message.
    void openRecentFile(const QString &path);

    // --- parts, for main() and tests -----------------------------------------------------
    DialogWorkspace &workspace() { return *m_workspace; }
    const MainMenus &menus() const { return m_menus; }
    ControlMenu &controlMenu() { return *m_controlMenu; }
    RecentFilesMenu &recentFiles() { return *m_recent; }
    ArrangeMenu &arrangeMenu() { return *m_arrange; }
    LayoutMenu &layoutMenu() { return *m_layout; }
    Autosave &autosave() { return *m_autosave; }
    WindowMenu &windowMenu() { return *m_windowMenu; }
    Toolbox *toolbox() const { return m_toolbox; }
    ProblemsDock &problemsDock() { return *m_problems; }
    PropertyPanel &propertyPanel() { return *m_panel; }
    // F4: the Properties panel shown, its Name field focused.
    void focusPropertyPanel();
    // How the program's own modal windows run; tests replace it.
    ModalRunner &modalRunner() { return m_runner; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void connectMenus();
    void showDocumentState();
    // The Arrange entries follow the picked controls of the current dialog.
    void showSelectionState();
    // A dock shown and hidden by its View entry, whose check mark follows it.
    void addDock(QDockWidget *dock, Qt::DockWidgetArea area, QAction *entry);
    void buildDocks();
    // The Properties panel follows the current dialog's picked or focused controls.
    void showPanelControls();
    void documentWasChanged();

    std::unique_ptr<QtUserPrompts> m_ownPrompts;
    UserPrompts &m_prompts;
    ModalRunner m_runner;
    QMdiArea *m_area = nullptr;
    DialogWorkspace *m_workspace = nullptr;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<GridCommands> m_grid;
    std::unique_ptr<Autosave> m_autosave;
    MainMenus m_menus;
    ControlMenu *m_controlMenu = nullptr;
    RecentFilesMenu *m_recent = nullptr;
    ReferenceScreenMenu *m_referenceScreen = nullptr;
    ArrangeMenu *m_arrange = nullptr;
    LayoutMenu *m_layout = nullptr;
    QLabel *m_surfaceStatus = nullptr;
    WindowMenu *m_windowMenu = nullptr;
    ProblemsDock *m_problems = nullptr;
    QDockWidget *m_properties = nullptr;
    PropertyPanel *m_panel = nullptr;
    QPointer<Toolbox> m_toolbox;
    bool m_toolboxShownOnce = false;

    ControlClipboard m_clipboard;
};

} // namespace kovrin
