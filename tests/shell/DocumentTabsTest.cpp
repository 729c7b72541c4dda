// The document tabs as the user sees them: each source tab names its document's whole file and
// its tooltip the document's path, and the selected tab, the pane on show and the status bar
// always belong to one document and one view, whichever command changed the documents.
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/WebBrowser.h"
#include "support/AppFixture.h"
#include "support/BrowserWaits.h"

#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTabBar>
#include <QToolTip>
#include <gtest/gtest.h>

class DocumentTabsTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        web = temp.path() + QStringLiteral("/web");
        QDir().mkpath(web);
    }

    TabStrip& strip() { return w().ws.tabStrip(); }
    QString status() { return w().findChild<QStatusBar*>()->findChild<QLabel*>()->text(); }
    QString pathOf(int n) { return w().ws.doc(n).folder + QLatin1Char('/') + w().ws.doc(n).fileName; }

    // Every source tab shows its document's file name whole; both tabs of a document give its
    // path as their tooltip.
    void expectTabsNameTheirDocuments()
    {
        for (int n = 0; n < w().ws.documentCount(); ++n) {
            SCOPED_TRACE(n);
            EXPECT_EQ(w().ws.sourceCaption(n), w().ws.doc(n).fileName);
            EXPECT_EQ(strip().tabToolTip(Workspace::sourceTab(n)), pathOf(n));
            EXPECT_EQ(strip().tabToolTip(Workspace::previewTab(n)), pathOf(n));
        }
    }

    // The selected tab, the pane on show and the status bar are of the same document and view:
    // a source tab shows that document's editor alone, a preview tab no editor and no other
    // document's browser.
    void expectOneDocumentOnShow()
    {
        const int tab = strip().currentIndex();
        const int n = Workspace::documentOfTab(tab);
        const bool preview = Workspace::isPreviewTab(tab);
        EXPECT_EQ(w().ws.currentIndex(), n) << "tab " << tab;
        for (int i = 0; i < w().ws.documentCount(); ++i) {
            const Document& d = w().ws.doc(i);
            EXPECT_EQ(d.sourceEditor->isVisible(), !preview && i == n) << "editor of document " << i << ", tab " << tab;
            if (d.browser && i != n)
                EXPECT_FALSE(d.browser->isVisible()) << "browser of document " << i << ", tab " << tab;
        }
        EXPECT_EQ(status(), pathOf(n)) << "tab " << tab;
    }

    // Documents 0 to count - 1 with a text each, saved under their own names in the web folder.
    void namedDocuments(int count)
    {
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                ASSERT_TRUE(w().ws.addDocument());
            Document& d = w().ws.doc(i);
            d.sourceEditor->setText(QStringLiteral("<P>document %1</P>").arg(i));
            d.fileName = QStringLiteral("document-number-%1.html").arg(i);
            d.folder = web;
            d.modified = false;
            w().ws.showDocumentName(i);
        }
    }

    QString web;
};

TEST_F(DocumentTabsTest, TabsShowWholeFileNamesAndThePathsInTheirTooltips)
{
    start();
    QTabBar* bar = strip().findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->elideMode(), Qt::ElideMiddle) << "a long name is shortened in its middle when the tabs are crowded";
    expectTabsNameTheirDocuments();

    // An opened file.
    const QString opened = web + QStringLiteral("/my-first-page.html");
    writeFile(opened, "<P>first</P>\r\n");
    dialogs.expectOpen(opened);
    w().fileMenu.openFile();
    EXPECT_EQ(w().ws.sourceCaption(0), QStringLiteral("my-first-page.html"));
    expectTabsNameTheirDocuments();

    // A new document, then its first save, which asks for a name.
    ASSERT_TRUE(w().ws.addDocument());
    EXPECT_EQ(w().ws.sourceCaption(1), QStringLiteral("$$$001.html"));
    expectTabsNameTheirDocuments();
    w().ws.sourceEditor(1)->setText(QStringLiteral("<P>second</P>"));
    dialogs.expectSave(web + QStringLiteral("/the-second-page.html"));
    ASSERT_TRUE(w().files.save());
    EXPECT_EQ(w().ws.sourceCaption(1), QStringLiteral("the-second-page.html"));
    expectTabsNameTheirDocuments();

    // Save as into another folder.
    const QString other = temp.path() + QStringLiteral("/other");
    QDir().mkpath(other);
    strip().setCurrentIndex(1);
    dialogs.expectSave(other + QStringLiteral("/renamed-first-page.html"));
    ASSERT_TRUE(w().files.saveAs());
    EXPECT_EQ(w().ws.sourceCaption(0), QStringLiteral("renamed-first-page.html"));
    expectTabsNameTheirDocuments();
    EXPECT_EQ(strip().tabToolTip(1), other + QStringLiteral("/renamed-first-page.html"));

    // The tab bar itself shows the tooltip of the tab under the pointer.
    const QPoint at = bar->tabRect(0).center();
    QHelpEvent help(QEvent::ToolTip, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &help);
    EXPECT_EQ(QToolTip::text(), other + QStringLiteral("/renamed-first-page.html"));
    QToolTip::hideText();
}

TEST_F(DocumentTabsTest, ACrowdedStripScrollsBeforeItsCaptionsBecomeUnreadable)
{
    start();
    namedDocuments(15);
    QTabBar* bar = strip().findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_GT(bar->sizeHint().width(), bar->width()) << "the strip is not crowded";
    // Some ten characters of each name stay in view, beside the tab's picture.
    const int readable = bar->fontMetrics().horizontalAdvance(QString(10, QLatin1Char('x'))) + bar->iconSize().width();
    for (int n = 0; n < w().ws.documentCount(); ++n)
        EXPECT_GE(bar->tabRect(Workspace::sourceTab(n) - 1).width(), readable) << n;
}

TEST_F(DocumentTabsTest, EveryTabSwitchNamesTheDocumentOnShow)
{
    start();
    namedDocuments(3);
    // From one document's source to another's preview, as the lesson does, and back.
    for (int tab : {3, 2, 5, 6, 4, 1}) {
        SCOPED_TRACE(tab);
        strip().setCurrentIndex(tab);
        expectOneDocumentOnShow();
    }
}

TEST_F(DocumentTabsTest, ARecentFileOpenedFromThePreviewShowsItsSource)
{
    start();
    const QString page = web + QStringLiteral("/recent.html");
    writeFile(page, "<P>recent</P>\r\n");
    w().state.ini.setValue(QString(), QString(), QStringLiteral("RemFile0"), page);
    w().files.loadRecentFiles();
    // The empty document's preview is on show; the file goes into that document.
    strip().setCurrentIndex(2);
    ASSERT_TRUE(waitUntil([this] { return !w().preview.previewDelay.isActive(); }));
    w().fileMenu.openRecent(0);
    ASSERT_EQ(w().ws.documentCount(), 1);
    EXPECT_EQ(w().ws.sourceEditor(0)->text(), QStringLiteral("<P>recent</P>\r\n"));
    EXPECT_EQ(strip().currentIndex(), 1);
    expectOneDocumentOnShow();
    EXPECT_EQ(status(), page);
}

TEST_F(DocumentTabsTest, AfterAClosingTheViewAndTheStatusBarAreOfADocumentThatIsLeft)
{
    start();
    namedDocuments(5);
    struct Case {
        const char* what;
        int shownTab; // the tab on show before the close
        int closed;   // the document closed
    };
    const Case cases[] = {
        {"the current document, from its preview", 4, 1},
        {"the last document", 7, 3},
        {"a document before the current one", 5, 0},
        {"a document behind the current one", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The documents a close moved count as changed; none has anything to save here.
        for (int i = 0; i < w().ws.documentCount(); ++i)
            w().ws.doc(i).modified = false;
        strip().setCurrentIndex(c.shownTab);
        const QString closedPath = pathOf(c.closed);
        RichEdit* shown = w().ws.currentEditor();
        const bool closesTheShownOne = Workspace::documentOfTab(c.shownTab) == c.closed;
        const int before = w().ws.documentCount();
        if (closesTheShownOne) {
            // The toolbar's close button closes the document on show, whichever of its tabs.
            w().toolbar.pressButton(QStringLiteral("閉じる"));
        } else {
            w().ws.removeDocument(c.closed);
        }
        ASSERT_EQ(w().ws.documentCount(), before - 1);
        expectOneDocumentOnShow();
        EXPECT_NE(status(), closedPath) << "the status bar names a closed document";
        if (closesTheShownOne) {
            EXPECT_FALSE(Workspace::isPreviewTab(strip().currentIndex())) << "a preview was put on show";
        } else {
            EXPECT_EQ(w().ws.currentEditor(), shown) << "another document was put on show";
            EXPECT_EQ(Workspace::isPreviewTab(strip().currentIndex()), Workspace::isPreviewTab(c.shownTab));
        }
    }
    // Down to one document: the last close leaves its source on show.
    ASSERT_EQ(w().ws.documentCount(), 1);
    expectOneDocumentOnShow();
}
