#include "platform/WebBrowser.h"
#include "support/BrowserWaits.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

// The engine's view inside a browser, for the checks of its geometry, profile and focus.
QWebEngineView* viewOf(WebBrowser& b)
{
    // The view is made when the browser is first used.
    if (!b.hasView())
        b.runScript(QStringLiteral("0"), [](const QVariant&) {});
    return b.findChild<QWebEngineView*>();
}

} // namespace
#include <memory>

class WebBrowserTest : public ::testing::Test {
protected:
    QString page(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.path() + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    // Navigates and waits for the page; the address the browser reported, empty on failure.
    QUrl load(WebBrowser& b, const QString& pathOrUrl, const QString& encoding = QString())
    {
        QSignalSpy complete(&b, &WebBrowser::loadFinished);
        b.navigate(pathOrUrl, encoding);
        EXPECT_TRUE(b.isLoading());
        if (!complete.wait(BrowserTimeout))
            return QUrl();
        EXPECT_FALSE(b.isLoading());
        EXPECT_TRUE(complete.last().at(1).toBool());
        return complete.last().at(0).toUrl();
    }
    QTemporaryDir dir;
};

TEST_F(WebBrowserTest, ShowsFilesAndAddressesAndNamesThePage)
{
    const QString titled = page(QStringLiteral("titled page.html"),
                                "<HTML><HEAD><TITLE>The title</TITLE></HEAD><BODY>one</BODY></HTML>");
    const QString untitled = page(QStringLiteral("untitled.html"), "<P>two</P>");
    struct Case {
        QString navigate;
        QString encoding;
        QUrl url;
        QString name;
    };
    const Case cases[] = {
        {titled, QString(), QUrl::fromLocalFile(titled), QStringLiteral("The title")},
        {titled, QStringLiteral("UTF-8"), QUrl::fromLocalFile(titled), QStringLiteral("The title")},
        {QUrl::fromLocalFile(titled).toString(), QString(), QUrl::fromLocalFile(titled), QStringLiteral("The title")},
        {untitled, QStringLiteral("Shift_JIS"), QUrl::fromLocalFile(untitled), QUrl::fromLocalFile(untitled).toString()},
    };
    WebBrowser b;
    EXPECT_FALSE(b.hasView()) << "the engine's view waits for the first use";
    b.resize(320, 240);
    b.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.navigate.toStdString() + " " + c.encoding.toStdString());
        EXPECT_EQ(load(b, c.navigate, c.encoding), c.url);
        EXPECT_EQ(QUrl(b.url()), c.url);
        EXPECT_EQ(b.locationName(), c.name);
    }
    ASSERT_TRUE(b.hasView());
    EXPECT_EQ(viewOf(b)->geometry(), b.rect());
    b.resize(400, 300);
    EXPECT_EQ(viewOf(b)->geometry(), b.rect());
}

TEST_F(WebBrowserTest, ThePageScriptsReturnSourceTextAndLinks)
{
    const QString path = page(QStringLiteral("links.html"),
                              "<HTML><BODY><P id=\"p\">Some <B>text</B></P>"
                              "<A href=\"other.html#part\">rel</A> <A name=\"anchor\">no link</A> "
                              "<A href=\"https://example.invalid/x\">abs</A>"
                              "<MAP name=\"m\"><AREA href=\"area.html\"></MAP></BODY></HTML>");
    WebBrowser b;
    // The page's encoding goes through the program's own scheme; links still read as files.
    for (const QString& encoding : {QString(), QStringLiteral("UTF-8")}) {
        SCOPED_TRACE(encoding.toStdString());
        ASSERT_EQ(load(b, path, encoding), QUrl::fromLocalFile(path));
        EXPECT_TRUE(pageSource(&b).contains(QStringLiteral("<p id=\"p\">Some <b>text</b></p>")));
        EXPECT_TRUE(pageText(&b).startsWith(QStringLiteral("Some text")));
        EXPECT_EQ(pageLinks(&b), (QStringList{QUrl::fromLocalFile(dir.path() + QStringLiteral("/other.html")).toString()
                                                  + QStringLiteral("#part"),
                                              QStringLiteral("https://example.invalid/x")}));
    }
}

TEST_F(WebBrowserTest, ALinkOnAPageShownInItsEncodingOpensTheLinkedFile)
{
    const QString first = page(QStringLiteral("first.html"), "<P>\x8a\xbf\x8e\x9a</P><A href=\"sub/../second.html\">next</A>");
    const QString second = page(QStringLiteral("second.html"), "<P>second</P>");
    WebBrowser b;
    ASSERT_EQ(load(b, dir.path() + QStringLiteral("/./first.html"), QStringLiteral("Shift_JIS")), QUrl::fromLocalFile(first));
    EXPECT_TRUE(pageText(&b).startsWith(QStringLiteral("漢字")));
    QSignalSpy complete(&b, &WebBrowser::loadFinished);
    b.runScript(QStringLiteral("document.links[0].click()"), [](const QVariant&) {});
    ASSERT_TRUE(complete.wait(BrowserTimeout));
    EXPECT_EQ(complete.last().at(0).toUrl(), QUrl::fromLocalFile(second));
    EXPECT_EQ(pageText(&b), QStringLiteral("second"));
    EXPECT_EQ(b.locationName(), QStringLiteral("second.html"));
}

TEST_F(WebBrowserTest, AnswersDoNotReachABrowserThatIsGone)
{
    const QString path = page(QStringLiteral("p.html"), "<P>text</P>");
    auto b = std::make_unique<WebBrowser>();
    WebBrowser witness;
    ASSERT_FALSE(load(*b, path).isEmpty());
    ASSERT_FALSE(load(witness, path).isEmpty());
    auto called = std::make_shared<int>(0);
    b->pageText([called](const QString&) { ++*called; });
    b->pageSource([called](const QString&) { ++*called; });
    b->pageLinks([called](const QStringList&) { ++*called; });
    // Asked after them, so answered after theirs would have been.
    auto witnessed = std::make_shared<QString>();
    witness.pageText([witnessed](const QString& text) { *witnessed = text; });
    b.reset();
    ASSERT_TRUE(waitUntil([&] { return !witnessed->isEmpty(); }));
    EXPECT_EQ(*witnessed, QStringLiteral("text"));
    EXPECT_EQ(*called, 0);
}

TEST_F(WebBrowserTest, EveryBrowserUsesTheSameProfileThatKeepsNothingOnDisk)
{
    WebBrowser a;
    WebBrowser b;
    QWebEngineProfile* profile = WebBrowser::sharedProfile();
    EXPECT_EQ(viewOf(a)->page()->profile(), profile);
    EXPECT_EQ(viewOf(b)->page()->profile(), profile);
    EXPECT_TRUE(profile->isOffTheRecord());
}

TEST_F(WebBrowserTest, FilesDraggedOverThePageAreRefused)
{
    const QString first = page(QStringLiteral("first.html"), "<P>first</P>");
    const QString dropped = page(QStringLiteral("dropped.html"), "<P>dropped</P>");
    WebBrowser b;
    b.resize(320, 240);
    b.show();
    ASSERT_FALSE(load(b, first).isEmpty());
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(dropped)});
    const QPoint pos(50, 50);
    // The engine's widget inside the view receives what is dragged over the page.
    for (QWidget* target : {viewOf(b)->focusProxy(), static_cast<QWidget*>(viewOf(b))}) {
        ASSERT_NE(target, nullptr);
        SCOPED_TRACE(target->metaObject()->className());
        QDragEnterEvent enter(pos, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(pos, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        EXPECT_FALSE(move.isAccepted());
        QDropEvent drop(pos, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_FALSE(drop.isAccepted());
        // The page answers a script after the drop: it is still the first one, and nothing loads.
        EXPECT_EQ(pageText(&b), QStringLiteral("first"));
        EXPECT_FALSE(b.isLoading());
        EXPECT_EQ(QUrl(b.url()), QUrl::fromLocalFile(first));
    }
}
