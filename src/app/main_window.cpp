#include "app/main_window.h"

#include "app/about_window.h"
#include "app/arrange_menu.h"
#include "app/autosave.h"
#include "app/backups.h"
#include "app/code_page_setting.h"
#include "app/control_menu.h"
#include "app/design_file_drop.h"
#include "app/dialog_name_prompt.h"
#include "app/dialog_sub_window.h"
#include "app/dialog_workspace.h"
#include "app/dock_layout_setting.h"
#include "app/file_commands.h"
#include "app/fs_path.h"
#include "app/generate_menu_command.h"
#include "app/grid_menu_commands.h"
#include "app/import_menu_command.h"
#include "app/include_folders_window.h"
#include "app/layout_menu.h"
#include "app/modal_focus_return.h"
#include "app/problems_dock.h"
#include "app/product.h"
#include "app/qt_user_prompts.h"
#include "app/readme_command.h"
#include "app/recent_files_menu.h"
#include "app/recovery_offer.h"
#include "app/recovery_slot.h"
#include "app/reference_screen_menu.h"
#include "app/toolbox.h"
#include "app/unsaved_work.h"
#include "app/view_grid_setting.h"
#include "app/window_menu.h"
#include "model/dialog_name_check.h"
#include "model/message_text.h"
#include "persist/file_io.h"
#include "props_window/property_editor_open.h"
#include "props_window/property_panel.h"
#include "surface_view/order_window_open.h"
#include "surface_view/surface_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QUndoStack>
#include <QUrl>

namespace kovrin {
namespace {

// The workspace behind the dialog windows: red, green and blue 64.
const QColor kWorkspaceGrey(64, 64, 64);

UserPrompts &promptsToUse(UserPrompts *given, std::unique_ptr<QtUserPrompts> &own, QWidget *parent)
{
    if (given)
        return *given;
    own = std::make_unique<QtUserPrompts>(parent);
    return *own;
}

} // namespace

MainWindow::MainWindow(UserPrompts *prompts, QWidget *parent)
    : QMainWindow(parent)
    , m_prompts(promptsToUse(prompts, m_ownPrompts, this))
{
    setObjectName(QStringLiteral("mdi_main"));
    setWindowTitle(mainWindowTitle());

    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("mdi_area"));
    m_area->setBackground(kWorkspaceGrey);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    // The pointer's readout is a permanent part of the status bar: a passing note (autosave)
    // shows beside it and never takes its place.
    m_surfaceStatus = new QLabel(this);
    m_surfaceStatus->setObjectName(QStringLiteral("lbl_surface_status"));
    statusBar()->addPermanentWidget(m_surfaceStatus);

    m_workspace = new DialogWorkspace(*this, m_prompts, *m_area, this);
    // Measured now, before any dialog window exists, so a later load does not disturb them.
    m_workspace->surfaceOuterSize();
    m_grid = std::make_unique<GridCommands>(*m_workspace, m_prompts, m_runner, this);
    m_files = std::make_unique<FileCommands>(*m_workspace, m_prompts, [this] {
        if (gridVisible())
            m_grid->buildAll();
    });

    m_autosave = std::make_unique<Autosave>(*m_workspace, [this](const QString &note) {
        // A passing note where the window has a status bar; none is made for it.
        if (auto *bar = findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly))
            bar->showMessage(note, 5000);
    });

    m_menus = buildMainMenus(*menuBar(), m_workspace->history());
    m_menus.visibleGrid->setChecked(readViewGrid());
    m_menus.snapWhileDragging->setChecked(readSnapWhileDragging());
    (readCodeEncoding() == CodeEncoding::Utf8 ? m_menus.codePageUtf8 : m_menus.codePageWindows1252)
        ->setChecked(true);
    m_arrange = new ArrangeMenu(
        *menuBar(),
        [this](ArrangeCommand command, const QString &stepName) {
            if (SurfaceView *view = m_workspace->currentView())
                view->arrange(command, stepName);
        },
        this);
    m_layout = new LayoutMenu(m_arrange->menu(), *m_workspace, *this, this);
    m_referenceScreen = new ReferenceScreenMenu(m_menus.referenceAspects, m_menus.referenceSizes,
                                                *m_workspace, this);
    m_recent = new RecentFilesMenu(m_menus.recentSeparator, m_menus.recentFiles, this);
    m_windowMenu = new WindowMenu(*m_menus.window, m_menus.cascade, m_menus.tile, *m_workspace,
                                  *m_area, this);
    connectMenus();
    m_controlMenu = new ControlMenu(this);

    buildDocks();

    connect(m_workspace, &DialogWorkspace::documentStateChanged, this,
            &MainWindow::showDocumentState);
    connect(m_workspace, &DialogWorkspace::fileUsed, m_recent, &RecentFilesMenu::use);
    connect(m_workspace, &DialogWorkspace::selectionChanged, this, &MainWindow::showSelectionState);
    connect(m_area, &QMdiArea::subWindowActivated, this, &MainWindow::showSelectionState);
    setAcceptDrops(true);

    m_toolbox = new Toolbox(this);
    // The toolbox floats beside the main window, never inside it.
    if (!m_toolbox->isWindow())
        m_toolbox->setWindowFlag(Qt::Tool);
    new ModalFocusReturn(*this);
}

MainWindow::~MainWindow()
{
    // The dialog windows and the toolbox call this window as their host, also while they go (a
    // surface losing the keyboard focus repaints from the document): they go while it is whole,
    // not after its own part is gone, as QWidget would delete them.
    delete m_toolbox;
    delete m_area;
    m_area = nullptr;
}

void MainWindow::connectMenus()
{
    const auto on = [this](QAction *action, void (MainWindow::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    };
    on(m_menus.newDialog, &MainWindow::newDialog);
    on(m_menus.load, &MainWindow::load);
    on(m_menus.save, &MainWindow::save);
    on(m_menus.saveAs, &MainWindow::saveAs);
    on(m_menus.importCode, &MainWindow::importCode);
    on(m_menus.generate, &MainWindow::generate);
    on(m_menus.quit, &MainWindow::quit);
    on(m_menus.openBackups, &MainWindow::openBackupFolder);
    on(m_menus.includeFolders, &MainWindow::editIncludeFolders);
    on(m_menus.insertDialog, &MainWindow::insertDialog);
    on(m_menus.removeDialog, &MainWindow::removeCurrentDialog);
    on(m_menus.organizeOrder, &MainWindow::organizeControlOrder);
    on(m_menus.gridSize, &MainWindow::changeGridSize);
    on(m_menus.showToolbar, &MainWindow::showToolbox);
    on(m_menus.viewReadme, &MainWindow::viewReadme);
    on(m_menus.about, &MainWindow::showAbout);
    on(m_menus.selectAll, &MainWindow::selectAll);
    connect(m_menus.visibleGrid, &QAction::triggered, this, &MainWindow::setGridVisible);
    connect(m_menus.snapWhileDragging, &QAction::triggered, this,
            &MainWindow::setSnapWhileDragging);
    connect(m_recent, &RecentFilesMenu::chosen, this, &MainWindow::openRecentFile);
    connect(m_menus.codePageWindows1252, &QAction::triggered, this,
            [] { writeCodeEncoding(CodeEncoding::Windows1252); });
    connect(m_menus.codePageUtf8, &QAction::triggered, this,
            [] { writeCodeEncoding(CodeEncoding::Utf8); });
}

void MainWindow::buildDocks()
{
    m_problems = new ProblemsDock(*m_workspace, this);
    addDock(m_problems, Qt::BottomDockWidgetArea, m_menus.problems);
    m_problems->hide();

    m_panel = new PropertyPanel(*this);
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_panel);
    scroll->setWidgetResizable(true);
    // Wide enough for a colour's four fields and a name of some length side by side; the
    // scroll area alone would ask only for its scroll bars' room.
    scroll->setMinimumWidth(scroll->fontMetrics().averageCharWidth() * 42);
    m_properties = new QDockWidget(QStringLiteral("Properties"), this);
    m_properties->setObjectName(QStringLiteral("dock_properties"));
    m_properties->setWidget(scroll);
    addDock(m_properties, Qt::LeftDockWidgetArea, m_menus.propertiesPanel);
    connect(m_properties, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (shown)
            showPanelControls();
    });

    if (const QByteArray layout = readDockLayout(); !layout.isEmpty())
        restoreState(layout);
    m_menus.problems->setChecked(!m_problems->isHidden());
    m_menus.propertiesPanel->setChecked(!m_properties->isHidden());

    connect(&m_workspace->history(), &QUndoStack::indexChanged, this,
            &MainWindow::documentWasChanged);
    connect(m_workspace, &DialogWorkspace::documentStateChanged, this,
            &MainWindow::documentWasChanged);
    connect(m_workspace, &DialogWorkspace::contentRecorded, this, &MainWindow::documentWasChanged);
    connect(m_workspace, &DialogWorkspace::selectionChanged, this, &MainWindow::showPanelControls);
    connect(m_panel, &PropertyPanel::dialogRenamed, m_workspace, &DialogWorkspace::renameDialog);
    connect(m_panel, &PropertyPanel::layoutChosen, m_workspace, &DialogWorkspace::setLayout);
    connect(m_panel, &PropertyPanel::dialogPropertiesTyped, m_workspace,
            &DialogWorkspace::setDialogProperties);
    connect(m_panel, &PropertyPanel::gridStepTyped, this,
            [this](std::int16_t frmIndex, const QString &step) {
                if (DialogSubWindow *window = m_workspace->windowOf(frmIndex))
                    m_grid->enterGridSize(*window->view(), step, gridVisible());
            });
    connect(m_area, &QMdiArea::subWindowActivated, this, &MainWindow::showPanelControls);

    auto *focusPanel = new QAction(this);
    focusPanel->setObjectName(QStringLiteral("act_focuspanel"));
    focusPanel->setShortcut(QKeySequence(Qt::Key_F4));
    connect(focusPanel, &QAction::triggered, this, &MainWindow::focusPropertyPanel);
    addAction(focusPanel);
}

void MainWindow::showPanelControls()
{
    if (!m_properties->isHidden())
        m_panel->showControlsOf(m_workspace->currentView());
}

void MainWindow::documentWasChanged()
{
    m_problems->scheduleRefresh();
    if (!m_properties->isHidden())
        m_panel->scheduleRefill();
}

void MainWindow::focusPropertyPanel()
{
    if (m_properties->isHidden())
        m_menus.propertiesPanel->trigger();
    showPanelControls();
    m_panel->focusFirstField();
}

void MainWindow::addDock(QDockWidget *dock, Qt::DockWidgetArea area, QAction *entry)
{
    addDockWidget(area, dock);
    connect(entry, &QAction::triggered, dock, [dock](bool shown) {
        dock->setVisible(shown);
        if (shown)
            dock->raise();
    });
    connect(dock, &QDockWidget::visibilityChanged, entry,
            [dock, entry] { entry->setChecked(!dock->isHidden()); });
}

void MainWindow::showDocumentState()
{
    const std::filesystem::path &file = document().CurrentFile;
    const QString name = file.empty() ? QString() : QFileInfo(file).fileName();
    setWindowTitle(mainWindowTitle(name, m_workspace->isModified()));
}

void MainWindow::showSelectionState()
{
    const SurfaceView *view = m_workspace->currentView();
    m_arrange->enableFor(view ? view->selection().size() : 0);
}

// --- the surface host ----------------------------------------------------------------------

DialogSet &MainWindow::document()
{
    return m_workspace->set();
}

std::optional<ControlKind> MainWindow::armedKind() const
{
    return m_toolbox ? m_toolbox->armedKind() : std::nullopt;
}

void MainWindow::disarmToolbox()
{
    if (m_toolbox)
        m_toolbox->disarm();
}

char MainWindow::decimalSeparator() const
{
    // The core knows "." and ","; a locale with any other mark gets the point.
    return QLocale().decimalPoint() == QLatin1String(",") ? ',' : '.';
}

bool MainWindow::gridVisible() const
{
    return m_menus.visibleGrid->isChecked();
}

void MainWindow::showControlMenu(SurfaceView &view, bool onControl, const QPoint &globalPos)
{
    m_controlMenu->popUpFor(view, onControl, globalPos);
}

void MainWindow::openPropertyEditor(SurfaceView &view, std::size_t recordIndex)
{
    kovrin::openPropertyEditor(*this, view, recordIndex, this);
}

void MainWindow::renameDialog(SurfaceView &view)
{
    const auto index = m_workspace->indexOf(view);
    if (!index)
        return;
    const std::int16_t frmIndex = view.frmIndex();
    DialogNamePrompt prompt(
        m_prompts,
        [this, frmIndex](const QString &name) {
            return QString::fromStdString(
                dialogNameProblems(name.toStdString(), document(), frmIndex));
        },
        this);
    prompt.setName(QString::fromStdString(document().dialog(*index).Tag));
    m_runner.run(prompt);
    if (prompt.Cancelled || prompt.result() != QDialog::Accepted)
        return;
    m_workspace->renameDialog(frmIndex, prompt.name());
}

void MainWindow::documentChanged(SurfaceView &view, const QString &stepName)
{
    m_workspace->recordSurfaceChange(view, stepName);
}

void MainWindow::documentChangedInRun(SurfaceView &view, const QString &stepName, int run)
{
    m_workspace->recordSurfaceChange(view, stepName, run);
}

bool MainWindow::snapWhileDragging() const
{
    return m_menus.snapWhileDragging->isChecked();
}

void MainWindow::showSurfaceStatus(const QString &text)
{
    m_surfaceStatus->setText(text);
}

// --- the menu commands ---------------------------------------------------------------------

void MainWindow::newDialog()
{
    // With unsaved work the save question is the only one: its Discard already says "discard".
    const bool confirmed = m_workspace->isModified()
        ? settleUnsavedWork(*m_workspace, m_prompts, *m_files)
        : m_prompts.askYesNo(QStringLiteral("WARNING"),
                             QStringLiteral("Are you sure you want to discard the current dialog "
                                            "and start a new one?"),
                             UserPrompts::Icon::Warning);
    if (confirmed)
        m_workspace->discardAll();
}

void MainWindow::load()
{
    if (settleUnsavedWork(*m_workspace, m_prompts, *m_files))
        m_files->load(decimalSeparator());
}

void MainWindow::importCode()
{
    ImportCommand(*m_workspace, m_prompts, m_runner, this).run(decimalSeparator());
}

void MainWindow::openFile(const QString &path)
{
    if (settleUnsavedWork(*m_workspace, m_prompts, *m_files))
        m_files->loadFile(path, decimalSeparator());
}

void MainWindow::openRecentFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_recent->remove(path);
        m_prompts.message(QStringLiteral("WARNING"),
                          QStringLiteral("The design file %1 no longer exists. It was taken off "
                                         "the list of recent files.")
                              .arg(QDir::toNativeSeparators(path)),
                          UserPrompts::Icon::Warning);
        return;
    }
    openFile(path);
}

void MainWindow::save()
{
    m_files->save();
}

void MainWindow::saveAs()
{
    m_files->saveAs();
}

void MainWindow::generate()
{
    generateCodeCommand(document(), readCodeEncoding(), m_prompts, m_runner, this);
}

void MainWindow::quit()
{
    close();
}

void MainWindow::insertDialog()
{
    m_workspace->insertDialog();
}

void MainWindow::removeCurrentDialog()
{
    m_workspace->removeCurrentDialog();
}

void MainWindow::organizeControlOrder()
{
    SurfaceView *view = m_workspace->currentView();
    if (document().count() == 0 || !view)
        return;
    openOrderWindow(*this, *view, this);
}

void MainWindow::changeGridSize()
{
    m_grid->changeGridSize(decimalSeparator(), gridVisible());
}

void MainWindow::showToolbox()
{
    if (!m_toolbox)
        return;
    m_toolbox->show();
    m_toolbox->raise();
}

void MainWindow::setGridVisible(bool visible)
{
    m_menus.visibleGrid->setChecked(visible);
    m_grid->showGrid(visible);
}

void MainWindow::setSnapWhileDragging(bool on)
{
    m_menus.snapWhileDragging->setChecked(on);
    writeSnapWhileDragging(on);
}

void MainWindow::selectAll()
{
    if (SurfaceView *view = m_workspace->currentView())
        view->selectAll();
}

void MainWindow::viewReadme()
{
    kovrin::viewReadme(m_prompts);
}

void MainWindow::showAbout()
{
    AboutWindow about(this);
    m_runner.run(about);
}

void MainWindow::editIncludeFolders()
{
    IncludeFoldersWindow window(this);
    m_runner.run(window);
}

void MainWindow::openBackupFolder()
{
    const QString folder = backupFolder();
    if (QDir().mkpath(folder) && QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return;
    m_prompts.message(QStringLiteral("WARNING"),
                      QStringLiteral("The backup folder could not be shown. It is:\r\n%1")
                          .arg(QDir::toNativeSeparators(folder)),
                      UserPrompts::Icon::Warning);
}

// --- start and close -----------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_toolboxShownOnce) {
        m_toolboxShownOnce = true;
        showToolbox();
    }
}

bool MainWindow::recoverUnsavedWork()
{
    removeLeftTemporaries(toFsPath(RecoverySlot::folder()));
    removeLeftTemporaries(toFsPath(backupFolder()));
    return offerRecovery(m_prompts, *m_files, *m_autosave, decimalSeparator());
}

void MainWindow::startWith(const QString &path)
{
    if (!recoverUnsavedWork() || !m_workspace->isModified()) {
        if (!path.isEmpty())
            openFile(path);
        return;
    }
    if (path.isEmpty())
        return;
    const QString name = QString::fromStdString(quotedPath(toFsPath(path)));
    switch (m_prompts.askSaveDiscardCancel(
        QStringLiteral("WARNING"),
        QStringLiteral("The recovered work is not saved yet. Save it before opening %1?\r\n"
                       "Discard deletes the recovered work and opens %1; Cancel keeps the "
                       "recovered work and does not open it.")
            .arg(name))) {
    case UserPrompts::Choice::Save:
        if (m_files->save())
            m_files->loadFile(path, decimalSeparator());
        break;
    case UserPrompts::Choice::Discard:
        m_files->loadFile(path, decimalSeparator()); // a file that cannot be read keeps the work
        break;
    case UserPrompts::Choice::Cancel:
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!settleUnsavedWork(*m_workspace, m_prompts, *m_files)) {
        event->ignore();
        return;
    }
    m_autosave->endCleanly();
    // Every dialog closes without a question, then the grid switch is kept, then the toolbox
    // goes.
    m_workspace->closeForShutdown();
    writeViewGrid(gridVisible());
    writeDockLayout(saveState());
    if (m_toolbox)
        m_toolbox->close();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedDesignFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedDesignFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openFile(path);
}

} // namespace kovrin
