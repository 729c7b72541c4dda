#include "preview/HelpPane.h"

#include "platform/StateValue.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "preview/HelpPages.h"
#include "preview/PreviewControls.h"
#include "wizards/Dispatcher.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A help page in a window of its own, named after the page it shows.
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(const QUrl& page)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(QStringLiteral("HTMLペルモア ヘルプ"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        browser_ = new WebBrowser(this);
        layout->addWidget(browser_);
        QObject::connect(browser_, &WebBrowser::loadFinished, this, [this] {
            const QString name = browser_->locationName();
            if (!name.isEmpty())
                setWindowTitle(name);
        });
        browser_->navigate(page.toString());
    }

private:
    WebBrowser* browser_;
};

QWidget* control(PanelKit& panels, ControlId id)
{
    return panels.controls.get<QWidget>(id);
}

} // namespace

HelpPane::HelpPane(Workspace& workspace, PanelKit& panelKit, Dispatcher& dispatcher, const BoolState& inBrowserWindow)
    : ws(workspace)
    , panels(panelKit)
    , inBrowserWindow_(inBrowserWindow)
{
    build();
    dispatcher.setAction(ExecuteButton::ShowHelpContents, [this] { showHelpPage(HelpPage::Contents); });
    dispatcher.setAction(ExecuteButton::HelpPaneCloseBox, [this] {
        control(panels, help_pane::Panel)->hide();
        Q_EMIT closed();
    });
}

HelpPane::~HelpPane()
{
    for (const QPointer<QWidget>& w : windows_)
        delete w.data();
}

void HelpPane::build()
{
    QGroupBox* frame = panels.addPanel(help_pane::Panel, QStringLiteral("説明"));
    panels.addTitle(frame, help_pane::Title, QStringLiteral("説明"));
    auto* text = new QPlainTextEdit(frame);
    text->setReadOnly(true);
    panels.controls.add(help_pane::Explanation, text);
    auto* browser = new WebBrowser(frame);
    panels.controls.add(help_pane::Browser, browser);
    // The buttons lie on the title, in front of it.
    panels.addExecuteButton(frame, ExecuteButton::ShowHelpContents, QStringLiteral("目次に戻る"))->raise();
    QPushButton* close = panels.addExecuteButton(frame, ExecuteButton::HelpPaneCloseBox, QStringLiteral("×"));
    twips::SetWidth(close, 330);
    close->raise();
}

void HelpPane::layOutPane()
{
    QWidget* frame = control(panels, help_pane::Panel);
    QWidget* label = control(panels, help_pane::Title);
    QWidget* close = panels.controls.get<QWidget>(executeButton(ExecuteButton::HelpPaneCloseBox));
    QWidget* text = control(panels, help_pane::Explanation);
    QWidget* contents = panels.controls.get<QWidget>(executeButton(ExecuteButton::ShowHelpContents));

    frame->raise();
    // Over the tab strip's display area, in the coordinates of the panel's own parent.
    QWidget* area = ws.tabStrip().displayArea();
    frame->setGeometry(QRect(area->mapTo(frame->parentWidget(), QPoint(0, 0)), area->size()));

    twips::SetHeight(label, 285);
    twips::SetTop(label, 200);
    twips::SetLeft(label, 50);
    twips::SetWidth(label, std::abs(twips::Width(frame) - 100));
    twips::SetLeft(close, twips::Left(label) + twips::Width(label) - twips::Width(close));
    twips::SetTop(close, twips::Top(label));
    twips::SetHeight(close, twips::Height(label));
    twips::SetTop(text, twips::Top(label) + twips::Height(label) + 20);
    twips::SetWidth(text, twips::Width(label));
    twips::SetLeft(text, twips::Left(label));
    twips::SetHeight(text, std::abs(twips::Height(frame) - twips::Height(label) - 300));
    twips::SetTop(contents, twips::Top(label));
    twips::SetLeft(contents, twips::Left(label));
    twips::SetWidth(contents, 1185);
    twips::SetHeight(contents, twips::Height(label));
}

void HelpPane::placeBrowser()
{
    panels.controls.get<QWidget>(help_pane::Browser)->setGeometry(control(panels, help_pane::Explanation)->geometry());
}

void HelpPane::showHelpPage(HelpPage page)
{
    layOutPane();
    showPage(helpPagePath(ws.state.programFolder, helpPageFile(page)));
}

void HelpPane::showHelpIndex()
{
    layOutPane();
    showPage(helpPagePath(ws.state.programFolder, HelpIndexPage));
}

void HelpPane::showPage(const QString& path)
{
    placeBrowser();
    const QUrl page = QUrl::fromLocalFile(path);
    if (inBrowserWindow_.value()) {
        openWindow(page);
        return;
    }
    panels.controls.get<WebBrowser>(help_pane::Browser)->navigate(page.toString());
    QWidget* frame = control(panels, help_pane::Panel);
    frame->show();
    frame->raise();
}

void HelpPane::openWindow(const QUrl& page)
{
    auto* window = new HelpWindow(page);
    window->move(0, 0);
    window->resize(800, 600);
    window->show();
    windows_.removeAll(QPointer<QWidget>());
    windows_.append(window);
}

void HelpPane::layoutOnResize()
{
    layOutPane();
    QWidget* frame = control(panels, help_pane::Panel);
    if (frame->isVisible()) {
        frame->raise();
        placeBrowser();
    }
}

QList<QWidget*> HelpPane::helpWindows() const
{
    QList<QWidget*> open;
    for (const QPointer<QWidget>& w : windows_) {
        if (w)
            open << w.data();
    }
    return open;
}
