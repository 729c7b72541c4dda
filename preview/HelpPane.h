#pragma once

#include "editor/HelpViewer.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

class BoolState;
class Dispatcher;
class PanelKit;
class WebBrowser;
class Workspace;

// The help pane "説明" (`Frame(39)`), laid over the document tabs: its title with the
// buttons 目次に戻る (ExecuteButton::ShowHelpContents) and × (ExecuteButton::HelpPaneCloseBox),
// the explanation box and the browser over it. While the switch "help in a
// browser window" is on, every page asked for opens in a browser window of its own instead
// (800 x 600 at the top left of the screen).
class HelpPane : public QObject, public HelpViewer {
    Q_OBJECT

public:
    HelpPane(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, const BoolState& inBrowserWindow);
    ~HelpPane() override;

    // Lays the pane out and shows the page.
    void showHelpPage(HelpPage page) override;
    // Lays the pane out over the tab strip and leaves it as it is, shown or hidden.
    void layOutPane();
    // The page that stands in for the help file, shown as the help pages are.
    void showHelpIndex();
    // The main window's layout: the pane follows the tab strip, its browser too while it shows.
    void layoutOnResize();

    // The browser windows opened so far that are still open.
    QList<QWidget*> helpWindows() const;

Q_SIGNALS:
    // The pane's close box hid it.
    void closed();

private:
    void build();
    void placeBrowser();
    void showPage(const QString& path);
    void openWindow(const QUrl& page);

    Workspace& ws;
    PanelKit& panels;
    const BoolState& inBrowserWindow_;
    QList<QPointer<QWidget>> windows_;
};
