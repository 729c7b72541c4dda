#include "platform/RichEdit.h"
#include "wizards/EasyPanelControls.h"
#include "platform/TabStrip.h"
#include "platform/WebBrowser.h"
#include "support/AppFixture.h"
#include "wizards/EasyMenu.h"
#include "support/BrowserWaits.h"
#include "wizards/EasyPanelInputs.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

class FivePanelPageTest : public AppFixture {
protected:
    RichEdit* ed() { return w().ws.currentEditor(); }
    void set(ControlRef id, const QString& text)
    {
        if (auto* line = qobject_cast<QLineEdit*>(w().controls.find(id)))
            line->setText(text);
        else
            w().controls.get<QPlainTextEdit>(id)->setPlainText(text);
    }
    void select(const QString& part)
    {
        const int at = static_cast<int>(ed()->text().indexOf(part));
        ASSERT_GE(at, 0) << part.toStdString();
        ed()->select(at, static_cast<int>(part.size()));
    }
    // A script's answer from the page shown in the browser.
    QVariant evaluate(WebBrowser* b, const QString& script)
    {
        auto answer = std::make_shared<std::optional<QVariant>>();
        b->runScript(script, [answer](const QVariant& v) { *answer = v; });
        EXPECT_TRUE(waitUntil([&] { return answer->has_value(); }));
        return answer->value_or(QVariant());
    }
};

TEST_F(FivePanelPageTest, APageBuiltWithFivePanelsShowsWhatThePanelsSaid)
{
    start();
    w().commands.invoke(easy_menu::InsertPageSkeleton);

    // Title.
    set(title_panel::TitleBox, QStringLiteral("五つのパネルのページ"));
    w().dispatcher.press(ExecuteButton::InsertTitle);
    // Body colours.
    set(body_colours_panel::TextColourBox, QStringLiteral("#000080"));
    set(body_colours_panel::BackgroundBox, QStringLiteral("#FFFFE0"));
    w().dispatcher.press(ExecuteButton::SetBodyColours);
    // Three lines of text typed into the body.
    ed()->setSelectionStart(static_cast<int>(ed()->text().indexOf(QStringLiteral("</BODY>"))));
    ed()->replaceSelection(QStringLiteral("ようこそ\r\n赤い文字\r\nかくれた注釈\r\n"));
    // A heading, a font colour and a comment over them.
    select(QStringLiteral("ようこそ"));
    set(heading_panel::LevelBox, QStringLiteral("1"));
    w().dispatcher.press(ExecuteButton::InsertHeading);
    select(QStringLiteral("赤い文字"));
    set(font_colour_panel::ColourBox, QStringLiteral("#FF0000"));
    w().dispatcher.press(ExecuteButton::InsertFontColour);
    select(QStringLiteral("かくれた注釈\r\n"));
    w().dispatcher.press(ExecuteButton::InsertComment);
    // A table from the table panel's data, in front of the body's end.
    ed()->setSelectionStart(static_cast<int>(ed()->text().indexOf(QStringLiteral("</BODY>"))));
    set(table_panel::DataBox, QStringLiteral("果物,値段\r\nりんご,100"));
    w().dispatcher.press(ExecuteButton::InsertTable);

    // The preview of the document.
    w().ws.tabStrip().setCurrentIndex(2);
    ASSERT_TRUE(waitUntil([this] { return !w().preview.previewDelay.isActive(); }));
    WebBrowser* b = w().ws.doc(0).browser;
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(waitUntil([b] { return !b->isLoading() && b->url().endsWith(QStringLiteral("$$$000.html")); }));
    ASSERT_TRUE(waitUntil([&] { return evaluate(b, QStringLiteral("document.readyState")).toString() == QStringLiteral("complete"); }));

    const QString script = QStringLiteral(R"(JSON.stringify({
        title: document.title,
        bgcolor: document.body.getAttribute('bgcolor'),
        text: document.body.getAttribute('text'),
        heading: document.querySelector('h1') ? document.querySelector('h1').textContent.trim() : null,
        red: document.querySelector('font[color]') ? document.querySelector('font[color]').getAttribute('color') : null,
        redText: document.querySelector('font[color]') ? document.querySelector('font[color]').textContent.trim() : null,
        hidden: document.body.innerText.indexOf('かくれた注釈') >= 0,
        rows: document.querySelectorAll('table tr').length,
        headers: Array.from(document.querySelectorAll('table th')).map(c => c.textContent.trim()).join('|'),
        cells: Array.from(document.querySelectorAll('table td')).map(c => c.textContent.trim()).join('|')
    }))");
    const QJsonObject page = QJsonDocument::fromJson(evaluate(b, script).toString().toUtf8()).object();
    EXPECT_EQ(page.value(QStringLiteral("title")).toString(), QStringLiteral("五つのパネルのページ"));
    EXPECT_EQ(page.value(QStringLiteral("bgcolor")).toString(), QStringLiteral("#FFFFE0"));
    EXPECT_EQ(page.value(QStringLiteral("text")).toString(), QStringLiteral("#000080"));
    EXPECT_EQ(page.value(QStringLiteral("heading")).toString(), QStringLiteral("ようこそ"));
    EXPECT_EQ(page.value(QStringLiteral("red")).toString(), QStringLiteral("#FF0000"));
    EXPECT_EQ(page.value(QStringLiteral("redText")).toString(), QStringLiteral("赤い文字"));
    EXPECT_FALSE(page.value(QStringLiteral("hidden")).toBool()) << "the comment is not shown";
    EXPECT_EQ(page.value(QStringLiteral("rows")).toInt(), 2);
    EXPECT_EQ(page.value(QStringLiteral("headers")).toString(), QStringLiteral("果物|値段"));
    EXPECT_EQ(page.value(QStringLiteral("cells")).toString(), QStringLiteral("りんご|100"));
}
