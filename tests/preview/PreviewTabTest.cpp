#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/WebBrowser.h"
#include "support/AppFixture.h"
#include "support/BrowserWaits.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

QList<int> tabImages(TabStrip* strip)
{
    QList<int> images;
    for (int i = 1; i <= strip->count(); ++i)
        images << strip->tabImage(i);
    return images;
}

} // namespace

class PreviewTabTest : public AppFixture {
protected:
    // A new run in the same program folder, without the pages the last one left behind.
    MainWindow& restart()
    {
        stop();
        const QStringList pages = QDir(programFolder).entryList({QStringLiteral("$$$*.html")}, QDir::Files);
        for (const QString& page : pages)
            QFile::remove(path(page));
        return start();
    }

    QUrl tempUrl(int n) { return QUrl::fromLocalFile(w().ws.tempPagePath(n)); }

    // Selects the preview tab of document n and waits until its browser has loaded a page after
    // the tick. Null when no browser was created.
    WebBrowser* showPreview(int n)
    {
        Document& d = w().ws.doc(n);
        std::unique_ptr<QSignalSpy> complete;
        if (d.browser)
            complete = std::make_unique<QSignalSpy>(d.browser, &WebBrowser::loadFinished);
        w().ws.tabStrip().setCurrentIndex(2 * n + 2);
        EXPECT_TRUE(waitUntil([this] { return !w().preview.previewDelay.isActive(); }));
        WebBrowser* b = d.browser;
        if (!b)
            return nullptr;
        if (!complete)
            complete = std::make_unique<QSignalSpy>(b, &WebBrowser::loadFinished);
        if (b->isLoading())
            EXPECT_TRUE(complete->wait(BrowserTimeout)) << "the page did not finish loading";
        if (!complete->isEmpty()) {
            EXPECT_EQ(complete->last().at(0).toUrl(), tempUrl(n));
            EXPECT_TRUE(complete->last().at(1).toBool());
        }
        EXPECT_FALSE(b->isLoading());
        EXPECT_EQ(QUrl(b->url()), tempUrl(n));
        return b;
    }

    // Selects the preview tab and lets its tick run; for previews that load nothing.
    void selectPreviewAndTick(int n)
    {
        w().ws.tabStrip().setCurrentIndex(2 * n + 2);
        EXPECT_TRUE(waitUntil([this] { return !w().preview.previewDelay.isActive(); }));
        QApplication::processEvents();
    }

    bool browserShown(int n) { return w().ws.doc(n).browser && w().ws.doc(n).browser->isVisible(); }
};

// Japanese text in pages that do not declare their encoding: the preview reads each in the
// encoding its document is written in.
TEST_F(PreviewTabTest, ThePreviewShowsTheTemporaryPageInTheDocumentsEncoding)
{
    struct Case {
        const char* name;
        TextEncoding encoding;
        QByteArray firstBytes; // the temporary page on disk
    };
    const Case cases[] = {
        {"code page 932", TextEncoding::Cp932, QByteArray("<HTML><BODY><P>\x8a\xbf\x8e\x9a</P></BODY></HTML>\r\n")},
        {"UTF-8", TextEncoding::Utf8, QStringLiteral("<HTML><BODY><P>漢字</P></BODY></HTML>\r\n").toUtf8()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow& win = restart();
        EXPECT_EQ(win.ws.doc(0).browser, nullptr) << "no browser before the first preview";
        win.ws.doc(0).encoding = c.encoding;
        // Short texts that the engine's own guess reads wrongly.
        win.ws.sourceEditor(0)->setText(QStringLiteral("<HTML><BODY><P>漢字</P></BODY></HTML>"));

        WebBrowser* b = showPreview(0);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(readFile(win.ws.tempPagePath(0)), c.firstBytes);
        EXPECT_TRUE(b->isVisible());
        EXPECT_FALSE(win.ws.sourceEditor(0)->isVisible());
        EXPECT_EQ(b->parentWidget(), win.ws.tabStrip().displayArea());
        EXPECT_EQ(b->geometry(), win.ws.tabStrip().displayArea()->rect());
        EXPECT_EQ(pageText(b), QStringLiteral("漢字"));

        // An edit in the source shows on the next preview, also when the editor does not have
        // the focus to lose (clicking a tab leaves the focus where it is).
        win.ws.tabStrip().setCurrentIndex(1);
        win.ws.sourceEditor(0)->clearFocus();
        win.ws.sourceEditor(0)->setText(QStringLiteral("<HTML><BODY><P>ﾃﾞｰﾀ</P></BODY></HTML>"));
        EXPECT_EQ(showPreview(0), b) << "the document keeps its browser";
        EXPECT_TRUE(b->isVisible());
        EXPECT_EQ(pageText(b), QStringLiteral("ﾃﾞｰﾀ"));
        stop();
    }
}

TEST_F(PreviewTabTest, AnUnchangedDocumentIsNotLoadedAgainUnlessTheBrowserLeftItsPage)
{
    MainWindow& win = start();
    win.ws.sourceEditor(0)->setText(QStringLiteral("<P>first</P>"));
    WebBrowser* b = showPreview(0);
    ASSERT_NE(b, nullptr);

    QSignalSpy complete(b, &WebBrowser::loadFinished);
    win.ws.tabStrip().setCurrentIndex(1);
    selectPreviewAndTick(0);
    EXPECT_FALSE(b->isLoading());
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(complete.count(), 0);

    // After following a link elsewhere, the preview goes back to the document.
    const QString other = temp.path() + QStringLiteral("/other.html");
    writeFile(other, "<P>elsewhere</P>");
    b->navigate(other);
    ASSERT_TRUE(complete.wait(BrowserTimeout));
    EXPECT_EQ(pageText(b), QStringLiteral("elsewhere"));
    win.ws.tabStrip().setCurrentIndex(1);
    EXPECT_EQ(showPreview(0), b);
    EXPECT_EQ(QUrl(b->url()), tempUrl(0));
    EXPECT_EQ(pageText(b), QStringLiteral("first"));
}

TEST_F(PreviewTabTest, ABlankDocumentShowsNoPreview)
{
    MainWindow& win = start();
    // Never written: there is no page to show.
    win.ws.sourceEditor(0)->setText(QStringLiteral("  "));
    selectPreviewAndTick(0);
    EXPECT_FALSE(browserShown(0));
    EXPECT_FALSE(QFile::exists(win.ws.tempPagePath(0)));

    // Emptied after a preview: the old page is not shown either.
    win.ws.tabStrip().setCurrentIndex(1);
    win.ws.sourceEditor(0)->setText(QStringLiteral("<P>text</P>"));
    ASSERT_NE(showPreview(0), nullptr);
    EXPECT_TRUE(browserShown(0));
    win.ws.tabStrip().setCurrentIndex(1);
    win.ws.sourceEditor(0)->setText(QString());
    showPreview(0);
    EXPECT_FALSE(browserShown(0));
    EXPECT_FALSE(win.ws.sourceEditor(0)->isVisible());
}

TEST_F(PreviewTabTest, AStylesheetDocumentHasNoPreview)
{
    // Whatever the case of the name: a temporary page may well exist for the second one.
    for (const QString& name : {QStringLiteral("style.css"), QStringLiteral("Style.CSS ")}) {
        SCOPED_TRACE(name.toStdString());
        MainWindow& win = restart();
        ASSERT_TRUE(win.ws.addDocument());
        win.ws.doc(1).fileName = name;
        win.ws.sourceEditor(1)->setText(QStringLiteral("P { color: red; }"));
        selectPreviewAndTick(1);
        EXPECT_FALSE(browserShown(1));
        EXPECT_EQ(win.ws.currentIndex(), 1);
        EXPECT_EQ(win.ws.tabStrip().tabImage(4), 14);
        stop();
    }
}

TEST_F(PreviewTabTest, ThePreviewUsesTheStylesheetBeingEdited)
{
    MainWindow& win = start();
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.doc(1).fileName = QStringLiteral("look.css");
    win.ws.sourceEditor(1)->setText(QStringLiteral(".gone { display: none; }"));
    win.ws.sourceEditor(0)->setText(QStringLiteral("<HTML><HEAD><LINK rel=\"stylesheet\" href=\"look.css\"></HEAD>"
                                          "<BODY><P>shown</P><P class=\"gone\">hidden</P></BODY></HTML>"));
    WebBrowser* b = showPreview(0);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(pageText(b), QStringLiteral("shown"));
}

// A page that uses a stylesheet previews with the stylesheet document's current text, written
// into the first document's folder.
TEST_F(PreviewTabTest, TheOpenStylesheetIsWrittenBesideThePageBeforeThePreview)
{
    struct Case {
        const char* name;
        QString page;
        QString sheetName;
        bool sheetFromOtherFolder;
        QString sheetText;
        TextEncoding sheetEncoding;
        std::optional<QByteArray> before; // style.css in the first document's folder
        std::optional<QByteArray> after;
    };
    const QString css = QStringLiteral("style.css");
    const QString linked = QStringLiteral("<HEAD><LINK rel=\"StyleSheet\" href=\"style.css\"></HEAD><P>x</P>");
    const Case cases[] = {
        {"its own file is brought up to date", linked, css, false, QStringLiteral("P { color: red; }"),
         TextEncoding::Cp932, QByteArray("old"), QByteArray("P { color: red; }\r\n")},
        {"a missing file is written for a sheet from elsewhere", linked, css, true,
         QStringLiteral("/* 赤 */ P { color: red; }"), TextEncoding::Cp932, std::nullopt,
         QByteArray("/* \x90\xd4 */ P { color: red; }\r\n")},
        {"in UTF-8 for a UTF-8 sheet, whatever the case of its name", linked, QStringLiteral("Site.CSS"), true, QStringLiteral("/* 赤 */"), TextEncoding::Utf8,
         std::nullopt, QStringLiteral("/* 赤 */\r\n").toUtf8()},
        {"an unrelated file of the same name stays", linked, css, true, QStringLiteral("P { color: red; }"),
         TextEncoding::Cp932, QByteArray("unrelated"), QByteArray("unrelated")},
        {"a blank sheet writes nothing", linked, css, false, QStringLiteral("  "), TextEncoding::Cp932,
         std::nullopt, std::nullopt},
        {"a page that names no stylesheet writes nothing", QStringLiteral("<P>style.css</P>"), css, false,
         QStringLiteral("P { color: red; }"), TextEncoding::Cp932, std::nullopt, std::nullopt},
        {"a character the sheet's encoding cannot hold writes nothing", linked, css, false,
         QStringLiteral("/* \U0001F600 */"), TextEncoding::Cp932, QByteArray("old"), QByteArray("old")},
    };
    const QString elsewhere = temp.path() + QStringLiteral("/elsewhere");
    QDir().mkpath(elsewhere);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow& win = restart();
        const QString target = win.ws.doc(0).folder + QLatin1Char('/') + c.sheetName;
        QFile::remove(target);
        if (c.before)
            writeFile(target, *c.before);
        ASSERT_TRUE(win.ws.addDocument());
        win.ws.doc(1).fileName = c.sheetName;
        if (c.sheetFromOtherFolder)
            win.ws.doc(1).folder = elsewhere;
        win.ws.doc(1).encoding = c.sheetEncoding;
        win.ws.sourceEditor(1)->setText(c.sheetText);
        win.ws.sourceEditor(0)->setText(c.page);

        win.ws.tabStrip().setCurrentIndex(2);
        if (c.after)
            EXPECT_EQ(readFile(target), *c.after);
        else
            EXPECT_FALSE(QFile::exists(target));
        EXPECT_TRUE(waitUntil([&] { return !win.preview.previewDelay.isActive(); }));
        stop();
    }
}

TEST_F(PreviewTabTest, ASourceTabShowsTheFocusedEditorAndNamesTheFileInTheStatusBar)
{
    MainWindow& win = start();
    ASSERT_TRUE(win.ws.addDocument());
    const QString site = temp.path() + QStringLiteral("/site");
    QDir().mkpath(site);
    win.ws.doc(1).fileName = QStringLiteral("page.html");
    win.ws.doc(1).folder = site;
    win.ws.sourceEditor(1)->setText(QStringLiteral("<P>one</P>"));
    ASSERT_NE(showPreview(1), nullptr);
    EXPECT_TRUE(browserShown(1));

    win.ws.tabStrip().setCurrentIndex(3);
    EXPECT_FALSE(win.preview.previewDelay.isActive());
    EXPECT_EQ(win.ws.statusText(), site + QStringLiteral("/page.html"));
    EXPECT_TRUE(win.ws.sourceEditor(1)->isVisible());
    EXPECT_FALSE(win.ws.sourceEditor(0)->isVisible());
    EXPECT_FALSE(browserShown(1));
    EXPECT_TRUE(win.ws.sourceEditor(1)->editorHasFocus());

    win.ws.tabStrip().setCurrentIndex(1);
    EXPECT_EQ(win.ws.currentIndex(), 0);
    EXPECT_EQ(win.ws.statusText(), win.ws.doc(0).folder + QStringLiteral("/$$$000.html"));
    EXPECT_TRUE(win.ws.sourceEditor(0)->isVisible());
    EXPECT_FALSE(win.ws.sourceEditor(1)->isVisible());
    EXPECT_TRUE(win.ws.sourceEditor(0)->editorHasFocus());
}

TEST_F(PreviewTabTest, TabImagesMarkTheSelectedTab)
{
    MainWindow& win = start();
    ASSERT_TRUE(win.ws.addDocument());
    const struct {
        int select;
        QList<int> images;
    } cases[] = {
        {2, {11, 14, 11, 13}},
        {4, {11, 13, 11, 14}},
        {3, {11, 13, 12, 13}},
        {1, {12, 13, 11, 13}},
    };
    for (const auto& c : cases) {
        win.ws.tabStrip().setCurrentIndex(c.select);
        EXPECT_EQ(tabImages(&win.ws.tabStrip()), c.images) << "tab " << c.select;
        EXPECT_EQ(win.ws.currentIndex(), (c.select - 1) / 2);
    }
}

TEST_F(PreviewTabTest, ADocumentInBrowserModeShowsItsBrowserAtOnce)
{
    MainWindow& win = start();
    win.ws.doc(0).browserMode = true;
    win.ws.sourceEditor(0)->setText(QStringLiteral("<P>source of a live page</P>"));
    win.ws.tabStrip().setCurrentIndex(2);
    EXPECT_TRUE(browserShown(0));
    EXPECT_FALSE(win.ws.sourceEditor(0)->isVisible());
    EXPECT_FALSE(win.preview.previewDelay.isActive());
}
