#include "StylesheetFixture.h"
#include "platform/WebBrowser.h"
#include "support/BrowserWaits.h"

#include <QComboBox>
#include <QFileInfo>
#include <QRadioButton>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// Pages built with the stylesheet tools, shown in the preview: the browser engine's computed
// style says whether the rules took effect.
class StyledPreviewTest : public StylesheetFixture {
protected:
    void build()
    {
        start();
        copyResource(u("css.txt"));
        setDocument(0, u("index.html"), pageWithHead(u("<H1>Title</H1>\r\n<P class=\"note\">Text</P>\r\n<P>Other</P>\r\n")),
                    path(u("web")));
        menu(stylesheet_menu::ShowCssBuilder);
    }
    void choose(ControlId list, const QString& text)
    {
        auto* l = control<QListWidget>(list);
        const QList<QListWidgetItem*> found = l->findItems(text, Qt::MatchStartsWith);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        l->setCurrentItem(found.first());
    }
    void value(const QString& category, const QString& property, const QString& entry)
    {
        choose(css_builder::CategoryList, category);
        choose(css_builder::PropertyList, property);
        choose(css_builder::ValueList, entry);
        w().stylesheet.builder.writeChosenValue();
    }
    void element(const QString& name)
    {
        auto* box = control<QComboBox>(css_builder::ElementBox);
        const int i = box->findText(name);
        ASSERT_GE(i, 0);
        box->setCurrentIndex(i);
        Q_EMIT box->activated(i);
    }

    // Shows document n's preview and waits for its page.
    WebBrowser* preview(int n)
    {
        w().ws.selectPreviewTab(n);
        EXPECT_TRUE(waitUntil([this] { return !w().preview.previewDelay.isActive(); }));
        WebBrowser* b = w().ws.doc(n).browser;
        if (!b)
            return nullptr;
        const QUrl page = QUrl::fromLocalFile(QFileInfo(w().ws.tempPagePath(n)).absoluteFilePath());
        EXPECT_TRUE(waitUntil([b, page] { return !b->isLoading() && QUrl(b->url()) == page; }));
        return b;
    }
    // The computed value of a property of the first element that the selector finds.
    static QString computed(WebBrowser* b, const QString& selector, const QString& property)
    {
        auto result = std::make_shared<std::optional<QString>>();
        const QString script = QStringLiteral("(function(){var e=document.querySelector('%1');"
                                              "return e ? getComputedStyle(e).getPropertyValue('%2') : '(no element)';})()")
                                   .arg(selector, property);
        b->runScript(script, [result](const QVariant& v) { *result = v.toString(); });
        waitUntil([&] { return result->has_value(); });
        return result->value_or(u("(the page did not answer)"));
    }
};

TEST_F(StyledPreviewTest, ARuleOfThePagesStyleBlockShowsInThePreview)
{
    build();
    menu(stylesheet_menu::InsertPageStyle);
    const int inside = static_cast<int>(ed()->text().indexOf(u("<!--\r\n"))) + 6;

    value(u("色と背景"), u("color"), u("#rgb"));
    w().colourPicker.insertBasicColour(6);
    value(u("テキスト"), u("text-align"), u("center"));
    control<QRadioButton>(css_builder::SelectorKind, 0)->setChecked(true);
    element(u("H1"));
    press(ExecuteButton::MakeRuleWithSelector);
    ASSERT_EQ(w().stylesheet.builder.styleText(), u("H1{\r\ncolor:#F00;\r\ntext-align:center;\r\n}"));
    ed()->setSelectionStart(inside);
    press(ExecuteButton::InsertStyleText);

    WebBrowser* b = preview(0);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(computed(b, u("h1"), u("color")), u("rgb(255, 0, 0)"));
    EXPECT_EQ(computed(b, u("h1"), u("text-align")), u("center"));
    EXPECT_EQ(computed(b, u("p"), u("color")), u("rgb(0, 0, 0)")) << "only the selector's elements";
}

TEST_F(StyledPreviewTest, ARuleOfALinkedStylesheetShowsInThePreview)
{
    build();
    control<QLineEdit>(stylesheet_name_panel::NameBox)->setText(u("site"));
    dialogs.expectMsg(u("全てのHTMLのテキストにスタイルシートをリンクさせますか？"), MsgResult::Yes);
    w().stylesheet.menu.createStylesheet();
    ASSERT_EQ(w().ws.currentIndex(), 1);

    control<QRadioButton>(css_builder::SelectorKind, 2)->setChecked(true);
    line(css_builder::SelectorBox)->setText(line(css_builder::SelectorBox)->text() + u("note"));
    value(u("フォント"), u("font-size"), u("px"));
    line(css_builder::NumberBox)->setText(u("20"));
    press(ExecuteButton::PutValueIntoStyleText);
    value(u("ボックスと余白"), u("margin-left"), u("em"));
    line(css_builder::NumberBox)->setText(u("3"));
    press(ExecuteButton::PutValueIntoStyleText);
    press(ExecuteButton::MakeRuleWithSelector);
    press(ExecuteButton::InsertStyleText);
    EXPECT_EQ(ed()->text(), u("\r\n.note{\r\nfont-size:20px;\r\nmargin-left:3em;\r\n}"));

    WebBrowser* b = preview(0);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(computed(b, u("p.note"), u("font-size")), u("20px"));
    EXPECT_EQ(computed(b, u("p.note"), u("margin-left")), u("60px"));
    EXPECT_NE(computed(b, u("p:not(.note)"), u("font-size")), u("20px"));
}
