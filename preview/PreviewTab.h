#pragma once

#include <QString>
#include <QTimer>

class LinkList;
class LiveBrowser;
class WebBrowser;
class Workspace;

// Switching between a document's source tab and its preview tab. The preview is shown a moment
// after the tab is selected (previewDelay), so that the tab strip repaints first.
class PreviewTab {
public:
    explicit PreviewTab(Workspace& workspace);

    // The tab strip's click; also runs when code selects a tab. The one place that puts a
    // document's view on show and names it in the status bar.
    void showSelectedTab();
    // Shows the current document's temporary page in its browser.
    void showPreviewPage();
    // The browser of document n, created hidden in the display area when it has none.
    WebBrowser* ensureBrowser(int n);

    QTimer previewDelay;

    // The live browser and the link list follow the tab switch once they exist.
    void setLiveBrowser(LiveBrowser* live) { live_ = live; }
    void setLinkList(LinkList* links) { links_ = links; }

private:
    // The URL box and the link list after either kind of tab was selected.
    void afterSwitch(bool refreshLinks);
    // A page that uses a stylesheet shows the open stylesheet document's current text: that text
    // is written beside the first document.
    void writeOpenStylesheet(const QString& pageText);
    void hideAllViews();
    Workspace& ws;
    LiveBrowser* live_ = nullptr;
    LinkList* links_ = nullptr;
};
