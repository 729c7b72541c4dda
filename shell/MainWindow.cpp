#include "shell/MainWindow.h"

#include "editor/EditorMenus.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "platform/TextRules.h"
#include "platform/WebBrowser.h"
#include "shell/ShellMenus.h"
#include "shell/WindowPlacement.h"
#include "wizards/EasyMenu.h"
#include "workspace/PanelFitting.h"
#include "workspace/PathHelpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

MainWindow::MainWindow(ProgramState& programState, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , state(programState)
    , dlg(dialogs)
    , central_(new QWidget(this))
    , toolBar_(new QToolBar(central_))
    , documentTabs_(new TabStrip(central_))
    , statusLine_(new QStatusBar(central_))
    , statusText_(new QLabel(statusLine_))
    , ws(state, dlg, *documentTabs_)
    , files(ws)
    , panels(controls, ws, central_)
    , colour(ws)
    , undo(ws, colour)
    , insert(ws, undo)
    , regions(ws, colour)
    , fonts(ws, colour, controls)
    , editing{ws, undo, insert, colour, controls, commands}
    , pasteMode(editing)
    , colourLookup(editing)
    , search(editing, panels)
    , grammar(editing, panels, fonts)
    , editMenu(editing, pasteMode, search)
    , toolbar(editing, toolBar_, pasteMode, editMenu, files)
    , edit2(editing, toolbar, grammar, regions, fonts, panels)
    , popups(editing, editMenu, regions, central_)
    , dispatcher(ws, undo, controls)
    , help(state.settings)
    , helpPane(ws, panels, dispatcher, help.helpInBrowserWindow)
    , colourPicker(ws, colourLookup, helpPane, controls, this)
    , wizards(ws, undo, insert, colour, panels, controls, dispatcher, colourPicker, search)
    , preview(ws)
    , live(ws, panels, preview, undo, colour)
    , favourites(ws, panels, dispatcher, live, preview)
    , links(ws, panels, dispatcher, search, live, preview)
    , about(dlg, this)
    , stylesheet(ws, panels, dispatcher, undo, insert, colour, helpPane, colourPicker, wizards.advanced)
    , prep(ws)
    , autoCreate(state.settings)
    , autoSettings(panels, dispatcher, colourPicker)
    , autoRunner(ws, files, controls, undo, colour, autoCreate, autoSettings)
    , tagDictionary(ws, undo, insert, controls, this)
    , projects(ws, files)
    , fileMenu(ws, files, projects, autoCreate, colour, commands)
    , templates(ws, undo, fonts, panels, controls, dispatcher)
    , renaming(ws, panels, controls, dispatcher)
    , chosenListEntries(controls)
    , lesson(LessonContext{ws, files, controls, commands, dispatcher, wizards.generators, colour, panels, stylesheet,
                           colourPicker, this})
{
    setWindowTitle(QStringLiteral("HTMLペルモア"));
    setCentralWidget(central_);
    toolBar_->setMovable(false);
    statusLine_->setSizeGripEnabled(false);
    statusLine_->addWidget(statusText_, 1);
    connect(&ws, &Workspace::statusTextChanged, statusText_, &QLabel::setText);
    connectSubsystems();
    createMenus();

    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::createMenus()
{
    // Each owner puts its menu on the bar; the bar shows them in this order.
    commands.setMenuBar(menuBar());
    fileMenu.declareMenu();
    editMenu.declareMenu();
    edit2.declareMenu();
    templates.declareCommands(commands);
    renaming.declareCommands(commands);
    wizards.declareMenus(commands);
    stylesheet.menu.declareMenu(commands);
    autoCreate.declareMenu(commands, autoRunner, autoSettings);
    fonts.declareMenu(commands);
    live.declareMenu(commands, favourites, links);
    help.declareMenu(commands, helpPane);
    about.declareMenu(commands, help.menu());
}

void MainWindow::loadWindow()
{
    state.ini.readFile(state.iniPath());
    const Settings& settings = state.settings;
    placeWindow();
    help.helpInBrowserWindow.loadStored();
    files.loadRecentFiles();
    wizards.buttons.loadLineLength();

    int scheme = static_cast<int>(settings.get(setting::ColourScheme));
    if (scheme < 1 || scheme > 4)
        scheme = 1;
    colour.scheme.set(scheme);
    autoCreate.autoRun.loadStored();
    fonts.applyStoredFont();

    layOutWindow();
    ws.prepareFirstDocument();
    if (colour.checkedScheme() == 4)
        fonts.applyColourScheme(4);
}

void MainWindow::placeWindow()
{
    const Settings& settings = state.settings;
    const int left = static_cast<int>(settings.get(setting::MainLeft));
    const int top = static_cast<int>(settings.get(setting::MainTop));
    const int width = static_cast<int>(settings.get(setting::MainWidth));
    const int height = static_cast<int>(settings.get(setting::MainHeight));
    twips::SetWindowGeometry(this, left, top, width, height);
    const bool leftStored = settings.stored(setting::MainLeft);
    const bool topStored = settings.stored(setting::MainTop);
    const bool widthStored = settings.stored(setting::MainWidth);
    const bool heightStored = settings.stored(setting::MainHeight);
    if (leftStored && topStored && widthStored && heightStored)
        return;
    MainWindowPlacement placement;
    if (leftStored)
        placement.left = pos().x();
    if (topStored)
        placement.top = pos().y();
    if (widthStored)
        placement.width = size().width();
    if (heightStored)
        placement.height = size().height();
    placement.designed = size();
    placement.needed = sizeShowingAll();
    if (QScreen* s = screen())
        placement.available = s->availableGeometry();
    const QRect g = mainWindowGeometry(placement);
    // What was stored stays exactly as it was stored.
    twips::SetWindowGeometry(this, leftStored ? left : twips::fromPixels(g.x()), topStored ? top : twips::fromPixels(g.y()),
                             widthStored ? width : twips::fromPixels(g.width()), heightStored ? height : twips::fromPixels(g.height()));
}

QSize MainWindow::sizeShowingAll()
{
    // The window as it is now, laid out, tells how much room lies around the editor area.
    if (layout())
        layout()->activate();
    layOutWindow();
    const QRect area = panels.fitting().area();
    const int rightOfArea = central_->width() - (area.x() + area.width());
    const int belowArea = central_->height() - (area.y() + area.height());
    int width = toolBar_->sizeHint().width();
    int height = 0;
    for (const QGroupBox* panel : panels.panelsOverEditors()) {
        const QRect r = panel->geometry();
        if (r.isEmpty())
            continue;
        width = std::max(width, std::max(r.x(), area.x()) + r.width() + rightOfArea);
        height = std::max(height, std::max(r.y(), area.y()) + r.height() + belowArea);
    }
    return QSize(width, height) + (size() - central_->size());
}

void MainWindow::layOutWindow()
{
    if (layoutBusy_)
        return;
    layoutBusy_ = true;
    const int width = twips::fromPixels(central_->width());
    const int height = twips::fromPixels(central_->height());
    twips::SetGeometry(toolBar_, 0, 0, width, 400);
    twips::SetGeometry(documentTabs_, 0, 400, width, std::max(0, height - 700));
    twips::SetGeometry(statusLine_, 0, std::max(0, height - 300), width, 300);
    documentTabs_->layoutChildren();
    const QRect area = documentTabs_->displayArea()->rect();
    for (int i = 0; i < ws.documentCount(); ++i) {
        Document& d = ws.doc(i);
        d.sourceEditor->setGeometry(area);
        if (d.browser)
            d.browser->setGeometry(area);
    }
    live.layout();
    helpPane.layoutOnResize();
    layoutBusy_ = false;
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layOutWindow();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        ctrlDown = false;
        return false;
    }
    if (noteCtrlOrIndent(key->key(), key->modifiers())) {
        key->accept();
        return true;
    }
    return false;
}

bool MainWindow::noteCtrlOrIndent(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods == Qt::ControlModifier)
        ctrlDown = true;
    if (key != Qt::Key_Tab && key != Qt::Key_Backtab)
        return false;
    RichEdit* ed = ws.currentEditor();
    // Only while the editor itself has the focus: Tab elsewhere moves between controls.
    if (!ed->editorHasFocus() || ed->selectionLength() == 0)
        return false;
    const QString tab = QStringLiteral("\t");
    if (key == Qt::Key_Tab && mods == Qt::NoModifier) {
        QString s = tab + ed->selectedText();
        s.replace(CrLf, CrLf + tab);
        // Only the tab that the indent itself put after a final line break is dropped; a tab
        // the user typed at the end of the selection stays.
        if (s.endsWith(CrLf + tab))
            s.chop(1);
        ed->replaceSelection(s);
        return true;
    }
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && mods == Qt::ShiftModifier)) {
        QString s = ed->selectedText();
        if (s.startsWith(tab))
            s.remove(0, 1);
        s.replace(CrLf + tab, CrLf);
        ed->replaceSelection(s);
        return true;
    }
    return false;
}

bool MainWindow::confirmQuitting()
{
    // Asked only while some document holds changes that are not on disk.
    bool unsavedChanges = false;
    for (int i = 0; i < ws.documentCount() && !unsavedChanges; ++i)
        unsavedChanges = ws.hasUnsavedChanges(i);
    if (ws.askBeforeQuitting && unsavedChanges
        && dlg.message(QStringLiteral("保存されていないデータｰが有ります、終了しますか?"), MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    return true;
}

bool MainWindow::unload()
{
    for (int i = 0; i < ws.documentCount(); ++i) {
        if (!ws.hasUnsavedChanges(i))
            continue;
        const QString question = textrules::numberWithSignSpace(static_cast<long long>(i + 1))
            + QStringLiteral("番目のファイルが保存されていません、保存せずに終了しますか？");
        if (dlg.message(question, MsgButtons::YesNo) != MsgResult::Yes)
            return false;
    }
    const bool written = state.ini.writeFile(state.iniPath());
    lesson.close();
    const QString currentFolder = ws.current().folder;
    // Only the pages this run wrote or took over; another instance's stay.
    ws.pages.deleteAllOwnPages();
    if (!isMinimized()) {
        Settings& settings = state.settings;
        settings.set(setting::MainLeft, twips::WindowLeft(this));
        settings.set(setting::MainTop, twips::WindowTop(this));
        settings.set(setting::MainWidth, twips::WindowWidth(this));
        settings.set(setting::MainHeight, twips::WindowHeight(this));
        settings.set(setting::DataPath, currentFolder);
    }
    if (!state.ini.writeFile(state.iniPath()) && !written)
        dlg.message(QStringLiteral("設定ファイルが書き込めませんでした。設定は保存されません。") + CrLf + state.iniPath());
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closing_ || unloaded_) {
        event->accept();
        return;
    }
    closing_ = true;
    const bool ok = confirmQuitting() && unload();
    closing_ = false;
    if (!ok) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    event->accept();
}
