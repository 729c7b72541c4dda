// The browser engine is a module of its own that the first browser loads: a start that shows no
// page maps none of the engine's libraries, and the preview still shows the page.
#include "platform/TabStrip.h"
#include "platform/WebBrowser.h"
#include "support/AppFixture.h"
#include "support/BrowserWaits.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

bool mapped(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

} // namespace

class BrowserEngineLoadingTest : public AppFixture {};

TEST_F(BrowserEngineLoadingTest, TheFirstPreviewLoadsTheEngine)
{
    // The tests of one process share the engine once it is loaded; ctest runs each on its own.
    if (mapped("libpelmor_browser"))
        GTEST_SKIP() << "an earlier test of this process loaded the engine";
    writeFile(path(QStringLiteral("page.html")), "<HTML><BODY><P>\x93\xfa\x96\x7b\x8c\xea</P></BODY></HTML>\r\n");
    MainWindow& win = start(path(QStringLiteral("page.html")));
    EXPECT_FALSE(mapped("libQt6WebEngineCore")) << "the start maps the engine";
    EXPECT_FALSE(mapped("libpelmor_browser"));

    win.ws.tabStrip().setCurrentIndex(2);
    WebBrowser* browser = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        browser = win.findChild<WebBrowser*>();
        return browser && browser->hasView();
    }));
    ASSERT_TRUE(waitUntil([&] { return !browser->isLoading(); }));
    EXPECT_TRUE(mapped("libpelmor_browser"));
    EXPECT_TRUE(mapped("libQt6WebEngineCore"));
    EXPECT_NE(WebBrowser::sharedProfile(), nullptr);

    QString text;
    browser->pageText([&](const QString& t) { text = t; });
    ASSERT_TRUE(waitUntil([&] { return !text.isEmpty(); }));
    EXPECT_EQ(text, QStringLiteral("日本語"));
}
