#pragma once

#include <QString>
#include <functional>

class Dispatcher;
class LiveBrowser;
class PanelKit;
class PreviewTab;
class SearchPanels;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;
class Workspace;

// The link list "リンクの列挙" (`Frame(31)`): the link targets of the current document's source (in
// browser mode, of the live page) in its list, the address they were listed from and the link
// last followed. A click on a target follows it in the
// preview, or marks where it stands in the source while the source tab is shown.
class LinkList {
public:
    LinkList(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, SearchPanels& search, LiveBrowser& live,
             PreviewTab& preview);

    // Lists the links when the URL box names another page than the list does, and shows the
    // panel. In browser mode an empty editor first receives the page's source, which arrives
    // later; `then` runs once the list is shown.
    void showPanel(std::function<void()> then = {});
    void collectLinks();
    // A click on an entry of the list: the current entry is followed.
    void followChosenEntry();
    // The chosen entry runs as a click on it does; nothing without a chosen entry.
    void runChosenEntry();
    // The tab switch: the list follows the URL box while the panel is shown.
    void tabSwitched();
    bool panelVisible() const;

private:
    void build(PanelKit& panels);
    void wireButtons(Dispatcher& dispatcher);
    void listShown(std::function<void()> then);
    // The URL box names another page than the list was built for.
    bool listIsStale() const;
    void clearList();
    void searchFor(const QString& link);

    Workspace& ws;
    PanelKit& panels;
    SearchPanels& search;
    LiveBrowser& live;
    PreviewTab& preview;
    QWidget* frame_ = nullptr;
    QLabel* address_ = nullptr;
    QLineEdit* followed_ = nullptr;
    QListWidget* list_ = nullptr;
};
