#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class Colouring;
class CommandRegistry;
class FavouritesList;
class LinkList;
class PanelKit;
class PreviewTab;
class QComboBox;
class QGroupBox;
class QToolBar;
class UndoRing;
class WebBrowser;
class Workspace;

// The live-browser mode of a document: its preview tab shows a web page instead of its temporary
// page, under the browser bar with the URL box and the browser toolbar; its source tab then
// shows that page's source. The browser menu "ﾌﾞﾗｳｻﾞｰ(&O)".
class LiveBrowser : public QObject {
    Q_OBJECT

public:
    LiveBrowser(Workspace& workspace, PanelKit& panels, PreviewTab& preview, UndoRing& undo, Colouring& colour);

    // True while the loading of all favourites waits for a page; any browser's completed page
    // clears it.
    bool browserLoading = false;

    QGroupBox* bar() const { return bar_; }
    QComboBox* urlBox() const { return combo_; }
    QToolBar* browserToolbar() const { return toolbar_; }

    void declareMenu(CommandRegistry& commands, FavouritesList& favourites, LinkList& links);

    void openBrowserMode();
    void releaseAllBrowsers();
    // The toolbar's buttons by their keys: "戻る", "進む", "更新", "登録", "読み込み", "終了".
    void pressToolbarButton(const QString& key);
    // Enter in the URL box: shows the address typed there.
    void showTypedAddress();
    // An entry chosen in the URL box.
    void showChosenEntry();
    // A page completed in any document's browser.
    void onPageCompleted();
    // Replaces the current document's text by the source of the page in its browser. The source
    // arrives later; it is put in only while the document is still current, still in browser
    // mode and still shows the same browser, and then `then` runs.
    void loadBrowserSource(std::function<void()> then = {});
    // Appends the URL box's text to the favourites file.
    void addFavourite();

    // ---- used by the tab switch and the favourites ----
    void showBar();
    void hideBar();
    // Shows document n's browser under the bar (its preview tab in browser mode).
    void showLivePage(int n);
    void placeForBrowserMode(WebBrowser* browser);
    void placeForPreview(WebBrowser* browser);
    // Shows an address as the user gives it (blank: the empty page).
    void navigate(WebBrowser* browser, const QString& address);
    // The URL box's list becomes the entries, its text the first one.
    void fillUrlBox(const QStringList& entries);
    // The URL box's text becomes its entry at n, or nothing when the list is shorter.
    void showEntryOf(int n);
    // Every browser of a document reports its completed pages here.
    void attachBrowser(WebBrowser* browser);
    // The window was resized: the bar and the live browsers follow the display area.
    void layout();

Q_SIGNALS:
    // A document's browser completed a page.
    void pageCompleted(WebBrowser* browser);

protected:
    // Enter in the URL box is its own: the box adds no entry of its own then.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(PanelKit& panels);
    void endBrowserMode();

    Workspace& ws;
    PreviewTab& preview;
    UndoRing& undo;
    Colouring& colour;
    FavouritesList* favourites_ = nullptr;
    LinkList* links_ = nullptr;
    QGroupBox* bar_ = nullptr;
    QComboBox* combo_ = nullptr;
    QToolBar* toolbar_ = nullptr;
};
