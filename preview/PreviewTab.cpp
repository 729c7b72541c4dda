#include "preview/PreviewTab.h"

#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/TextRules.h"
#include "platform/WebBrowser.h"
#include "preview/LinkList.h"
#include "preview/LiveBrowser.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool isStylesheetName(const QString& fileName)
{
    return textrules::asciiLower(textrules::trimBlanks(fileName).right(3)) == QStringLiteral("css");
}

// Both folders name the same place on disk.
bool sameFolder(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    const QString cb = QFileInfo(b).canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

QString browserEncoding(TextEncoding encoding)
{
    return encodingDisplayName(encoding);
}

} // namespace

PreviewTab::PreviewTab(Workspace& workspace)
    : ws(workspace)
{
    previewDelay.setInterval(5);
    previewDelay.setSingleShot(true);
    QObject::connect(&previewDelay, &QTimer::timeout, &previewDelay, [this] { showPreviewPage(); });
}

void PreviewTab::hideAllViews()
{
    for (int i = 0; i < ws.documentCount(); ++i) {
        Document& d = ws.doc(i);
        d.sourceEditor->hide();
        if (d.browser)
            d.browser->hide();
    }
}

void PreviewTab::showSelectedTab()
{
    TabStrip& strip = ws.tabStrip();
    for (int p = 1; p <= strip.count(); ++p)
        strip.setTabImage(p, Workspace::isPreviewTab(p) ? 13 : 11);
    if (live_)
        live_->hideBar();
    const int tab = strip.currentIndex();
    if (tab < 1)
        return;
    ws.setCurrentIndex(Workspace::documentOfTab(tab));
    Document& d = ws.current();
    // Whichever view is put on show, the status bar names its document.
    ws.refreshStatus();

    if (Workspace::isPreviewTab(tab)) {
        strip.setTabImage(tab, 14);
        hideAllViews();
        if (!d.browserMode) {
            const QString text = d.header.isEmpty() ? d.sourceEditor->text() : fullText(d);
            writeOpenStylesheet(text);
            // Clicking a tab leaves the focus in the editor, so its focus loss has not
            // written the page yet.
            ws.writeCurrentTempPage();
            previewDelay.start();
        } else if (live_) {
            live_->showLivePage(ws.currentIndex());
        } else {
            WebBrowser* b = ensureBrowser(ws.currentIndex());
            b->show();
            b->raise();
        }
        afterSwitch(true);
        return;
    }

    previewDelay.stop();
    strip.setTabImage(tab, 12);
    hideAllViews();
    // The live page's source arrives later; the link list is brought up to date with it.
    const bool pullSource = d.browserMode && live_;
    if (pullSource)
        live_->loadBrowserSource([this] {
            if (links_)
                links_->tabSwitched();
        });
    d.sourceEditor->show();
    d.sourceEditor->raise();
    d.sourceEditor->setFocus();
    afterSwitch(!pullSource);
}

void PreviewTab::afterSwitch(bool refreshLinks)
{
    if (live_)
        live_->showEntryOf(ws.currentIndex());
    if (links_ && refreshLinks)
        links_->tabSwitched();
}

void PreviewTab::writeOpenStylesheet(const QString& pageText)
{
    if (!textrules::asciiLower(pageText).contains(QStringLiteral("stylesheet")))
        return;
    int sheet = -1;
    for (int i = 0; i < ws.documentCount(); ++i) {
        if (isStylesheetName(ws.doc(i).fileName)) {
            sheet = i;
            break;
        }
    }
    if (sheet < 0)
        return;
    const Document& s = ws.doc(sheet);
    const QString text = s.sourceEditor->text();
    if (textrules::trimBlanks(text).isEmpty())
        return;
    QString folder = ws.doc(0).folder;
    if (folder.isEmpty())
        folder = ws.state.programFolder;
    const QString ownFolder = s.folder.isEmpty() ? ws.state.programFolder : s.folder;
    const QString target = folder + QLatin1Char('/') + s.fileName;
    // Another file of the same name that the stylesheet document did not come from stays.
    if (QFileInfo::exists(target) && !sameFolder(folder, ownFolder))
        return;
    // A character the document's encoding cannot hold leaves the file as it was.
    writeTextFile(target, text + CrLf, s.encoding, false);
}

void PreviewTab::showPreviewPage()
{
    Document& d = ws.current();
    // A stylesheet has no preview of its own.
    if (textrules::asciiLower(textrules::trimBlanks(d.fileName).right(4)) == QStringLiteral(".css"))
        return;
    previewDelay.stop();
    const QString text = d.sourceEditor->text();
    const QString path = ws.tempPagePath(ws.currentIndex());
    const QUrl page = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    const bool showsPage = d.browser && d.browser->hasView()
        && QUrl(d.browser->url()).adjusted(QUrl::RemoveFragment) == page;
    if (text != d.lastPreviewText || !showsPage) {
        if (!QFileInfo::exists(path))
            return;
        ensureBrowser(ws.currentIndex())->navigate(path, browserEncoding(d.encoding));
    }
    if (!textrules::trimBlanks(text).isEmpty() && d.browser) {
        d.browser->show();
        d.browser->raise();
    }
    d.lastPreviewText = text;
}

WebBrowser* PreviewTab::ensureBrowser(int n)
{
    Document& d = ws.doc(n);
    if (!d.browser) {
        QWidget* area = ws.tabStrip().displayArea();
        d.browser = new WebBrowser(area);
        d.browser->setGeometry(area->rect());
        d.browser->hide();
        if (live_)
            live_->attachBrowser(d.browser);
    }
    return d.browser;
}
