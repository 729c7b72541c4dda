#include "preview/FavouritesList.h"
#include "preview/PreviewControls.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "preview/Favourites.h"
#include "preview/LiveBrowser.h"
#include "preview/PanelTexts.h"
#include "preview/PreviewTab.h"
#include "wizards/Dispatcher.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

FavouritesList::FavouritesList(Workspace& workspace, PanelKit& panelKit, Dispatcher& dispatcher, LiveBrowser& liveBrowser,
                               PreviewTab& previewTab)
    : ws(workspace)
    , panels(panelKit)
    , live(liveBrowser)
    , preview(previewTab)
{
    build(panels);
    wireButtons(dispatcher);
    pageWait.setInterval(3000);
    pageWait.setSingleShot(true);
    connect(&pageWait, &QTimer::timeout, this, [this] { pageDone(); });
}

FavouritesList::~FavouritesList()
{
    if (loading_)
        QApplication::restoreOverrideCursor();
}

void FavouritesList::build(PanelKit& kit)
{
    QGroupBox* frame = kit.addPanel(favourites_panel::Panel, QStringLiteral("お気に入り"));
    twips::SetGeometry(kit.addTitle(frame, favourites_panel::Title, QStringLiteral("お気に入りの整理")), 50, 180, 4910, 285);
    QPushButton* closeBox = kit.addExecuteButton(frame, ExecuteButton::FavouritesPanelCloseBox, QStringLiteral("×"));
    twips::SetGeometry(closeBox, 4960, 180, 330, 285);
    twips::SetGeometry(kit.addExplanation(frame, favourites_panel::Explanation), 100, 550, 5140, 1300);
    list_ = kit.add<QListWidget>(frame, favourites_panel::List);
    twips::SetGeometry(list_, 100, 1950, 3700, 2600);
    const struct {
        ExecuteButton button;
        const char* caption;
    } buttons[] = {
        {ExecuteButton::RemoveFavourite, "削除"},
        {ExecuteButton::RestoreRemovedFavourite, "戻す"},
        {ExecuteButton::MoveFavouriteToTop, "先頭に"},
        {ExecuteButton::SaveFavourites, "保存"},
        {ExecuteButton::CloseFavouritesPanel, "閉じる"},
    };
    int top = 1950;
    for (const auto& b : buttons) {
        twips::SetGeometry(kit.addExecuteButton(frame, b.button, QString::fromUtf8(b.caption)), 3900, top, 1340, 420);
        top += 500;
    }
}

void FavouritesList::wireButtons(Dispatcher& dispatcher)
{
    dispatcher.setAction(ExecuteButton::RemoveFavourite, [this] {
        const int row = list_->currentRow();
        if (row < 0)
            return;
        deletedFavourite = list_->item(row)->text();
        delete list_->takeItem(row);
    });
    dispatcher.setAction(ExecuteButton::RestoreRemovedFavourite, [this] {
        if (!deletedFavourite.isEmpty())
            list_->addItem(deletedFavourite);
    });
    dispatcher.setAction(ExecuteButton::MoveFavouriteToTop, [this] {
        const int row = list_->currentRow();
        if (row < 0)
            return;
        list_->insertItem(0, list_->takeItem(row));
        list_->setCurrentRow(0);
    });
    dispatcher.setAction(ExecuteButton::SaveFavourites, [this] {
        QStringList entries;
        for (int i = 0; i < list_->count(); ++i)
            entries << list_->item(i)->text();
        const QString error = writeFavourites(favouritesPath(ws.state.programFolder), entries);
        if (!error.isEmpty())
            ws.dlg.message(error);
    });
    dispatcher.setClose(ExecuteButton::CloseFavouritesPanel, favourites_panel::Panel);
    dispatcher.setClose(ExecuteButton::FavouritesPanelCloseBox, favourites_panel::Panel);
}

void FavouritesList::showPanel()
{
    const FavouritesRead read = readFavourites(favouritesPath(ws.state.programFolder));
    // A file that is there but cannot be read is not replaced by an empty list.
    if (!read.ok && !read.missing) {
        ws.dlg.message(read.error);
        return;
    }
    panels.openPanel(PanelPlace{.explanation = favouritesExplanation(), .top = 1500, .left = 1500, .width = 5340,
                           .height = 4740, .panel = favourites_panel::Panel, .explanationBox = favourites_panel::Explanation});
    list_->clear();
    list_->addItems(read.entries);
    if (read.missing)
        ws.dlg.message(read.error);
}

void FavouritesList::loadEveryFavourite()
{
    if (loading_)
        return;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    live.urlBox()->clear();
    const FavouritesRead read = readFavourites(favouritesPath(ws.state.programFolder));
    if (!read.ok) {
        QApplication::restoreOverrideCursor();
        ws.dlg.message(read.missing ? FavouritesFileMissing : read.error);
        return;
    }
    loading_ = true;
    live.fillUrlBox(read.entries);
    live.showBar();
    entries_ = read.entries;
    next_ = 0;
    openNext();
}

void FavouritesList::openNext()
{
    if (next_ >= entries_.size()) {
        finishLoading();
        return;
    }
    url_ = entries_[next_];
    int target = -1;
    for (int j = 0; j < ws.documentCount(); ++j) {
        const Document& d = ws.doc(j);
        if (d.sourceEditor->text().isEmpty() && !d.browserMode) {
            target = j;
            break;
        }
    }
    if (target >= 0) {
        ws.setCurrentIndex(target);
    } else if (!ws.addDocument()) {
        // The window holds no more documents; the user has been told.
        finishLoading();
        return;
    }
    const int n = ws.currentIndex();
    target_ = ws.sourceEditor(n);
    live.browserLoading = true;
    WebBrowser* b = preview.ensureBrowser(n);
    live.placeForBrowserMode(b);
    b->show();
    b->raise();
    completion_ = connect(b, &WebBrowser::loadFinished, this, [this] { pageDone(); });
    pageWait.start();
    live.navigate(b, url_);
    if (panels.controls.has(link_list::Address))
        panels.controls.get<QLabel>(link_list::Address)->setText(url_);
    live.urlBox()->setEditText(url_);
}

void FavouritesList::pageDone()
{
    if (!loading_ || !completion_)
        return;
    disconnect(completion_);
    completion_ = {};
    pageWait.stop();
    // The document may have been closed while its page loaded.
    const int n = ws.indexOf(target_);
    if (n >= 0) {
        ws.doc(n).browserMode = true;
        QString url = url_;
        ws.tabStrip().setTabText(Workspace::previewTab(n), ShortUrl(url));
        ws.setSourceCaption(n, QString());
    }
    ++next_;
    // The next page is opened from the event loop, not from inside this page's signal.
    QTimer::singleShot(0, this, [this] { openNext(); });
}

void FavouritesList::finishLoading()
{
    loading_ = false;
    const int last = ws.indexOf(target_);
    live.showBar();
    ws.selectPreviewTab(last >= 0 ? last : ws.currentIndex());
    QApplication::restoreOverrideCursor();
}
