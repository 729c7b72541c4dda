#include "preview/LinkList.h"
#include "preview/PreviewControls.h"

#include "editor/SearchPanels.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "preview/LinkScan.h"
#include "preview/LiveBrowser.h"
#include "preview/PreviewTab.h"
#include "wizards/Dispatcher.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

LinkList::LinkList(Workspace& workspace, PanelKit& panelKit, Dispatcher& dispatcher, SearchPanels& searchPanels,
                   LiveBrowser& liveBrowser, PreviewTab& previewTab)
    : ws(workspace)
    , panels(panelKit)
    , search(searchPanels)
    , live(liveBrowser)
    , preview(previewTab)
{
    build(panels);
    wireButtons(dispatcher);
    preview.setLinkList(this);
}

void LinkList::build(PanelKit& kit)
{
    QGroupBox* frame = kit.addPanel(link_list::Panel, QStringLiteral("リンクの列挙"));
    frame_ = frame;
    twips::SetGeometry(frame, 3500, 3000, 5550, 5145);
    QLabel* title = kit.addTitle(frame, link_list::Title, QStringLiteral("リンクを列挙しよう"));
    twips::SetGeometry(title, 50, 180, 5450, 285);
    QPushButton* close = kit.addExecuteButton(frame, ExecuteButton::LinkListPanelCloseBox, QStringLiteral("×"));
    twips::SetGeometry(close, 5170, 180, 330, 285);
    address_ = kit.add<QLabel>(frame, link_list::Address);
    twips::SetGeometry(address_, 100, 600, 5350, 285);
    followed_ = kit.add<QLineEdit>(frame, link_list::Followed);
    twips::SetGeometry(followed_, 100, 950, 5350, 330);
    list_ = kit.add<QListWidget>(frame, link_list::List);
    twips::SetGeometry(list_, 100, 1350, 5350, 2950);
    twips::SetGeometry(kit.addExecuteButton(frame, ExecuteButton::CloseLinkListPanel, QStringLiteral("閉じる")), 100, 4450, 1000, 420);
    twips::SetGeometry(kit.addExecuteButton(frame, ExecuteButton::ShowListedPage, QStringLiteral("先頭を表示")), 1200, 4450, 1500, 420);
    twips::SetGeometry(kit.addExecuteButton(frame, ExecuteButton::ListLinksOfShownPage, QStringLiteral("現在のＵＲＬを先頭に")), 2800, 4450, 2650, 420);
    // Clicking the entry that is already chosen follows it again.
    QObject::connect(list_, &QListWidget::itemClicked, list_, [this] { followChosenEntry(); });
}

void LinkList::wireButtons(Dispatcher& dispatcher)
{
    auto closePanel = [this] {
        ws.linkListUrl.clear();
        followed_->clear();
        clearList();
        frame_->hide();
    };
    dispatcher.setAction(ExecuteButton::CloseLinkListPanel, closePanel);
    dispatcher.setAction(ExecuteButton::LinkListPanelCloseBox, closePanel);
    dispatcher.setAction(ExecuteButton::ShowListedPage, [this] {
        live.urlBox()->setEditText(address_->text());
        live.showChosenEntry();
    });
    dispatcher.setAction(ExecuteButton::ListLinksOfShownPage, [this] {
        address_->setText(live.urlBox()->currentText());
        ws.linkListUrl.clear();
        followed_->clear();
        clearList();
        showPanel();
    });
}

bool LinkList::listIsStale() const
{
    // An empty address stands for a list that was not built (or was emptied), also while the
    // URL box is empty itself.
    return ws.linkListUrl.isEmpty() || live.urlBox()->currentText() != ws.linkListUrl;
}

bool LinkList::panelVisible() const
{
    return frame_->isVisible();
}

void LinkList::clearList()
{
    list_->clear();
}

void LinkList::showPanel(std::function<void()> then)
{
    const Document& d = ws.current();
    if (d.browserMode && d.browser && d.sourceEditor->text().isEmpty()) {
        ws.linkListUrl.clear();
        live.loadBrowserSource([this, then] { listShown(then); });
        return;
    }
    listShown(then);
}

void LinkList::listShown(std::function<void()> then)
{
    if (listIsStale()) {
        address_->setText(live.urlBox()->currentText());
        ws.linkListUrl = address_->text();
        clearList();
        collectLinks();
    }
    panels.openPanel(PanelPlace{.top = 3000, .left = 3500, .width = 5550, .height = 5145, .panel = link_list::Panel});
    if (then)
        then();
}

void LinkList::collectLinks()
{
    list_->addItems(::collectLinks(ws.currentEditor()->text()));
}

void LinkList::tabSwitched()
{
    if (!panelVisible())
        return;
    if (listIsStale()) {
        address_->setText(live.urlBox()->currentText());
        followed_->clear();
        clearList();
        showPanel([this] {
            ws.linkListUrl = address_->text();
            frame_->raise();
        });
        return;
    }
    frame_->raise();
}

void LinkList::followChosenEntry()
{
    const QListWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    const QString link = item->text();
    if (ws.tabStrip().currentIndex() == Workspace::sourceTab(ws.currentIndex())) {
        searchFor(link);
        return;
    }
    ws.linkListUrl.clear();
    // Listed while the URL box was empty: the links are the document's, from its own folder.
    QString base = address_->text();
    if (base.trimmed().isEmpty())
        base = QUrl::fromLocalFile(ws.tempPagePath(ws.currentIndex())).toString();
    const QString target = resolveLink(base, link, ws.state.programFolder).toString();
    live.navigate(preview.ensureBrowser(ws.currentIndex()), target);
    frame_->raise();
    followed_->setText(target);
    live.urlBox()->setEditText(target);
}

void LinkList::runChosenEntry()
{
    if (list_->currentItem())
        Q_EMIT list_->itemClicked(list_->currentItem());
}

void LinkList::searchFor(const QString& link)
{
    // The search panel marks every occurrence ("全て検索").
    search.searchEveryOccurrenceOf(link);
}
