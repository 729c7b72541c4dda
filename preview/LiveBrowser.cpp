#include "preview/LiveBrowser.h"
#include "preview/PreviewControls.h"

#include "editor/Colouring.h"
#include "editor/UndoRing.h"
#include "platform/CommandRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "preview/Favourites.h"
#include "preview/FavouritesList.h"
#include "preview/LinkList.h"
#include "preview/PreviewTab.h"
#include "workspace/PanelKit.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QToolBar>

namespace {

// The bar's height, and the gap a live browser leaves below it at the bottom, in twips.
constexpr int BarHeight = 480;
constexpr int BottomGap = 50;

struct ToolbarButton {
    const char* key;
    const char* tooltip;
};

const ToolbarButton ToolbarButtons[] = {
    {"戻る", "前のURLへ"},
    {"進む", "次のＵＲＬへ"},
    {"更新", "ブラウザーの更新"},
    {"登録", "お気に入りに登録"},
    {"読み込み", "ＨＴＭＬを読み込む"},
    {"終了", "ブラウザーモードを終了します。"},
};

} // namespace

LiveBrowser::LiveBrowser(Workspace& workspace, PanelKit& panels, PreviewTab& previewTab, UndoRing& undoRing,
                         Colouring& colouring)
    : ws(workspace)
    , preview(previewTab)
    , undo(undoRing)
    , colour(colouring)
{
    build(panels);
    preview.setLiveBrowser(this);
}

void LiveBrowser::build(PanelKit& panels)
{
    QWidget* area = ws.tabStrip().displayArea();
    bar_ = panels.addPanel(live_browser::Bar, QString(), area);
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(2, 1, 2, 1);
    combo_ = panels.add<QComboBox>(bar_, live_browser::UrlBox);
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    // The box itself has the focus and hands its keys to its line edit directly, past any filter
    // of the line edit's: Enter is caught on both.
    combo_->lineEdit()->installEventFilter(this);
    combo_->installEventFilter(this);
    connect(combo_, &QComboBox::activated, this, [this] { showChosenEntry(); });
    row->addWidget(combo_, 1);
    toolbar_ = panels.add<QToolBar>(bar_, live_browser::Toolbar);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ToolbarButton& b : ToolbarButtons) {
        const QString key = QString::fromUtf8(b.key);
        QAction* a = toolbar_->addAction(key);
        a->setObjectName(key);
        a->setToolTip(QString::fromUtf8(b.tooltip));
        connect(a, &QAction::triggered, this, [this, key] { pressToolbarButton(key); });
    }
    row->addWidget(toolbar_);
    layout();
}

void LiveBrowser::declareMenu(CommandRegistry& commands, FavouritesList& favourites, LinkList& links)
{
    commands.addMenuBarMenu(browser_menu::Menu, QStringLiteral("ﾌﾞﾗｳｻﾞｰ(&O)"));
    favourites_ = &favourites;
    links_ = &links;
    const auto switchToBrowser = [this] {
        if (!ws.current().browserMode)
            openBrowserMode();
    };
    const auto loadAll = [this] {
        if (favourites_)
            favourites_->loadEveryFavourite();
    };
    const auto organiseFavourites = [this] {
        if (favourites_)
            favourites_->showPanel();
    };
    const auto listLinks = [this] {
        if (links_)
            links_->showPanel();
    };
    const auto item = [](int index, const char* caption, CommandId id, std::function<void()> handler) {
        CommandItem c{index, QString::fromUtf8(caption)};
        c.handler = std::move(handler);
        c.id = id;
        return c;
    };
    commands.define(browser_menu::Menu, {
                                            item(0, "プリビュアーをブラウザーに変更", browser_menu::SwitchToBrowser, switchToBrowser),
                                            item(1, "ブラウザーの一斉読み込み", browser_menu::LoadAllBrowsers, loadAll),
                                            item(2, "ブラウザーの一斉解除", browser_menu::ReleaseAllBrowsers, [this] { releaseAllBrowsers(); }),
                                            {3, QStringLiteral("-")},
                                            item(4, "お気に入りの整理", browser_menu::OrganiseFavourites, organiseFavourites),
                                            {5, QStringLiteral("-")},
                                            item(6, "リンク先の列記", browser_menu::ListLinks, listLinks),
                                        });
}

// ---- geometry ----

void LiveBrowser::layout()
{
    const QWidget* area = ws.tabStrip().displayArea();
    twips::SetGeometry(bar_, 0, 0, twips::fromPixels(area->width()), BarHeight);
    for (int i = 0; i < ws.documentCount(); ++i) {
        const Document& d = ws.doc(i);
        if (d.browserMode && d.browser)
            placeForBrowserMode(d.browser);
    }
}

void LiveBrowser::placeForBrowserMode(WebBrowser* browser)
{
    const QWidget* area = ws.tabStrip().displayArea();
    const int height = twips::fromPixels(area->height()) - (BarHeight + BottomGap);
    twips::SetGeometry(browser, 0, BarHeight, twips::fromPixels(area->width()), std::max(0, height));
}

void LiveBrowser::placeForPreview(WebBrowser* browser)
{
    browser->setGeometry(ws.tabStrip().displayArea()->rect());
}

void LiveBrowser::showBar()
{
    layout();
    bar_->show();
    bar_->raise();
}

void LiveBrowser::hideBar()
{
    bar_->hide();
}

void LiveBrowser::showLivePage(int n)
{
    WebBrowser* b = preview.ensureBrowser(n);
    placeForBrowserMode(b);
    b->show();
    b->raise();
    showBar();
}

// ---- the URL box ----

void LiveBrowser::fillUrlBox(const QStringList& entries)
{
    combo_->clear();
    combo_->addItems(entries);
    combo_->setEditText(entries.isEmpty() ? QString() : entries.first());
}

void LiveBrowser::showEntryOf(int n)
{
    combo_->setEditText(n >= 0 && n < combo_->count() ? combo_->itemText(n) : QString());
}

void LiveBrowser::navigate(WebBrowser* browser, const QString& address)
{
    browser->navigate(addressUrl(address, ws.state.programFolder).toString());
}

bool LiveBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == combo_->lineEdit() || watched == combo_) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            showTypedAddress();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void LiveBrowser::showTypedAddress()
{
    navigate(preview.ensureBrowser(ws.currentIndex()), combo_->currentText());
}

void LiveBrowser::showChosenEntry()
{
    navigate(preview.ensureBrowser(ws.currentIndex()), combo_->currentText());
    if (links_ && links_->panelVisible())
        links_->showPanel();
}

// ---- the browsers ----

void LiveBrowser::attachBrowser(WebBrowser* browser)
{
    connect(browser, &WebBrowser::loadFinished, this, [this, browser] {
        onPageCompleted();
        Q_EMIT pageCompleted(browser);
    });
}

void LiveBrowser::onPageCompleted()
{
    // The box names the page of the current document's browser, whichever browser finished.
    if (const WebBrowser* b = ws.current().browser)
        combo_->setEditText(b->url());
    browserLoading = false;
}

void LiveBrowser::openBrowserMode()
{
    Document& d = ws.current();
    const FavouritesRead read = readFavourites(favouritesPath(ws.state.programFolder));
    // Without the file the box starts empty; the user can still type an address.
    if (!read.ok)
        ws.dlg.message(read.error);
    fillUrlBox(read.entries);
    showBar();
    WebBrowser* b = preview.ensureBrowser(ws.currentIndex());
    placeForBrowserMode(b);
    b->show();
    b->raise();
    navigate(b, combo_->currentText());
    d.browserMode = true;
    ws.selectPreviewTab(ws.currentIndex());
}

void LiveBrowser::endBrowserMode()
{
    Document& d = ws.current();
    d.browserMode = false;
    hideBar();
    if (d.browser) {
        placeForPreview(d.browser);
        d.browser->show();
        d.browser->raise();
    }
    ws.selectSourceTab(ws.currentIndex());
}

void LiveBrowser::releaseAllBrowsers()
{
    const int shown = ws.previewTabSelected() ? ws.selectedDocument() : -1;
    for (int i = 0; i < ws.documentCount(); ++i) {
        Document& d = ws.doc(i);
        if (!d.browserMode)
            continue;
        if (d.browser) {
            placeForPreview(d.browser);
            // Only the page of the tab on show is seen; the others stay behind their tabs.
            if (i == shown)
                d.browser->show();
        }
        d.browserMode = false;
    }
    hideBar();
    TabStrip& strip = ws.tabStrip();
    for (int p = 1; p <= strip.count(); ++p) {
        if (Workspace::isPreviewTab(p))
            strip.setTabText(p, QString());
        else if (strip.tabText(p).isEmpty())
            strip.setTabText(p, tempPageName(p / 2));
    }
}

void LiveBrowser::pressToolbarButton(const QString& key)
{
    WebBrowser* b = ws.current().browser;
    if (key == QStringLiteral("戻る")) {
        if (b)
            b->back();
    } else if (key == QStringLiteral("進む")) {
        if (b)
            b->forward();
    } else if (key == QStringLiteral("更新")) {
        if (b)
            b->reload();
    } else if (key == QStringLiteral("登録")) {
        addFavourite();
    } else if (key == QStringLiteral("終了")) {
        endBrowserMode();
    }
    // "読み込み" has nothing to do: the source reaches the editor on the source tab.
}

void LiveBrowser::addFavourite()
{
    const QString path = favouritesPath(ws.state.programFolder);
    const FavouritesRead read = readFavourites(path);
    if (!read.ok && !read.missing) {
        ws.dlg.message(read.error);
        return;
    }
    // The whole list is written again, so that an entry never joins a last line that had no
    // line end.
    const QString error = writeFavourites(path, read.entries + QStringList{combo_->currentText()});
    if (!error.isEmpty())
        ws.dlg.message(error);
}

void LiveBrowser::loadBrowserSource(std::function<void()> then)
{
    Document& d = ws.current();
    if (!d.browser)
        return;
    QPointer<RichEdit> editor = d.sourceEditor;
    QPointer<WebBrowser> browser = d.browser;
    d.browser->pageSource([this, editor, browser, then = std::move(then)](const QString& html) {
        if (!editor || !browser)
            return;
        const int n = ws.indexOf(editor);
        if (n < 0 || n != ws.currentIndex())
            return;
        Document& doc = ws.doc(n);
        if (!doc.browserMode || doc.browser != browser)
            return;
        // The user's own text can be brought back with undo.
        if (!editor->text().isEmpty())
            undo.takeSnapshot();
        editor->setText(toCrLf(html));
        colour.recolour(editor);
        ws.showDocumentName(n);
        if (then)
            then();
    });
}
