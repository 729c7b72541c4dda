#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

class Dispatcher;
class LiveBrowser;
class PanelKit;
class PreviewTab;
class QListWidget;
class RichEdit;
class Workspace;

// The favourites: the panel (`Frame(28)`) in which the user deletes, restores, reorders and saves
// the entries of the favourites file (list `List2`, buttons 88 to 93), and the loading of all
// favourites, one document each.
class FavouritesList : public QObject {
    Q_OBJECT

public:
    FavouritesList(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, LiveBrowser& live,
                   PreviewTab& preview);
    ~FavouritesList() override;

    // The entry "削除" took out last, for "戻す".
    QString deletedFavourite;

    void showPanel();
    // Opens every favourite in a document of its own, in browser mode: empty documents first,
    // then new ones, up to the most documents the window holds. One page at a time: the next is
    // opened when the page has loaded, or after PageWait at the latest.
    void loadEveryFavourite();
    bool loading() const { return loading_; }
    // How long a page may take before the next one is opened.
    QTimer pageWait;

private:
    void build(PanelKit& panels);
    void wireButtons(Dispatcher& dispatcher);
    void openNext();
    void pageDone();
    void finishLoading();

    Workspace& ws;
    PanelKit& panels;
    LiveBrowser& live;
    PreviewTab& preview;
    QListWidget* list_ = nullptr;

    // The loading of all favourites.
    bool loading_ = false;
    QStringList entries_;
    int next_ = 0;
    QString url_;
    QPointer<RichEdit> target_; // the editor of the document being loaded
    QMetaObject::Connection completion_;
};
