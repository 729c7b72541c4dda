#include "StylesheetFixture.h"
#include "platform/Twips.h"
#include "stylesheet/CssDictionary.h"
#include "stylesheet/StyleRules.h"
#include "toolwindows/ColourPickerWindow.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/AdvancedPanelInputs.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// A dictionary whose last category is followed by no other.
const char* const Dictionary =
    "<T フォント>\r\n"
    "<S font-family>\r\n"
    "serif 明朝体\r\n"
    "フォント名 パソコンのフォント\r\n"
    "<説明>\r\n字体を決めます。\r\n</説明>\r\n"
    "<例>\r\nP { font-family: serif; }\r\n</例>\r\n"
    "<S font-size>\r\n"
    "pt ポイント\r\n"
    "large 大きい\r\n"
    "<説明>\r\n大きさを決めます。\r\n二行目です。\r\n</説明>\r\n"
    "<例>\r\nH1 { font-size: 20pt; }\r\n</例>\r\n"
    "<S font-weight>\r\n"
    "bold 太字\r\n"
    "<T 色と背景>\r\n"
    "<S color>\r\n"
    "#FFFFFF 16進数\r\n"
    "カラーネーム 名前\r\n"
    "#rgb 3けた\r\n"
    "rgb(n,n,n) 数\r\n"
    "rgb(n%,n%,n%) パーセント\r\n"
    "<説明>\r\n文字の色です。\r\n</説明>\r\n"
    "<S background-image>\r\n"
    "url 画像\r\n"
    "\r\n"
    "<説明>\r\n背景の画像です。\r\n</説明>\r\n";

} // namespace

class CssBuilderTest : public StylesheetFixture {
protected:
    MainWindow& open()
    {
        start();
        writeFile(path(u("resource/css.txt")), QByteArray(Dictionary));
        menu(stylesheet_menu::ShowCssBuilder);
        return w();
    }
    CssBuilder& builder() { return w().stylesheet.builder; }
    QListWidget* list(ControlId id) { return control<QListWidget>(id); }
    QComboBox* elements() { return control<QComboBox>(css_builder::ElementBox); }
    // The selector kind option by its number, 4 to 7.
    QRadioButton* kind(int option) { return w().controls.get<QRadioButton>(css_builder::SelectorKind, option - 4); }
    QString style() { return builder().styleText(); }
    // Selects an entry by its text, as a click does.
    void choose(ControlId listId, const QString& text)
    {
        const QList<QListWidgetItem*> found = list(listId)->findItems(text, Qt::MatchStartsWith);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        list(listId)->setCurrentItem(found.first());
    }
    // Chooses a value of a property and double-clicks it.
    void doubleClick(const QString& category, const QString& property, const QString& value)
    {
        choose(css_builder::CategoryList, category);
        choose(css_builder::PropertyList, property);
        choose(css_builder::ValueList, value);
        Q_EMIT list(css_builder::ValueList)->itemDoubleClicked(list(css_builder::ValueList)->currentItem());
    }
    void chooseElement(const QString& name)
    {
        const int i = elements()->findText(name);
        ASSERT_GE(i, 0);
        elements()->setCurrentIndex(i);
        Q_EMIT elements()->activated(i);
    }
    ColourPickerWindow& picker() { return w().colourPicker; }
};

TEST_F(CssBuilderTest, OpensWithTheDictionarysCategoriesAndTheElements)
{
    open();
    QWidget* frame = panel(css_builder::Panel);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(frame), twips::Top(frame), twips::Width(frame), twips::Height(frame)}),
              (std::vector<int>{1000, 1000, 8775, 7995}));
    EXPECT_EQ(entries(list(css_builder::CategoryList)), (QStringList{u("フォント"), u("色と背景")}));
    ASSERT_EQ(elements()->count(), css::builderElements().size());
    EXPECT_EQ(elements()->itemText(0), u("P"));
    EXPECT_TRUE(control<QLineEdit>(css_builder::SelectorBox)->text().isEmpty()) << "filling the element box builds no selector";

    // The shipped dictionary fills the list the same way.
    copyResource(u("css.txt"));
    menu(stylesheet_menu::ShowCssBuilder);
    EXPECT_EQ(entries(list(css_builder::CategoryList)), parseCssDictionary(QString::fromUtf8(shippedBytes(u("css.txt")))).categoryNames());
}

TEST_F(CssBuilderTest, CategoryAndPropertyFillTheNextListAndTheTexts)
{
    open();
    choose(css_builder::CategoryList, u("フォント"));
    EXPECT_EQ(entries(list(css_builder::PropertyList)), (QStringList{u("font-family"), u("font-size"), u("font-weight")}));
    choose(css_builder::PropertyList, u("font-size"));
    EXPECT_EQ(entries(list(css_builder::ValueList)), (QStringList{u("pt ポイント"), u("large 大きい")}));
    EXPECT_EQ(box(css_builder::Description), u("大きさを決めます。\r\n二行目です。"));
    EXPECT_EQ(box(css_builder::Example), u("H1 { font-size: 20pt; }"));

    // A property without texts leaves the last ones.
    choose(css_builder::PropertyList, u("font-weight"));
    EXPECT_EQ(entries(list(css_builder::ValueList)), QStringList{u("bold 太字")});
    EXPECT_EQ(box(css_builder::Description), u("大きさを決めます。\r\n二行目です。"));

    // Another category empties the texts and the values; the last category lists its own.
    choose(css_builder::CategoryList, u("色と背景"));
    EXPECT_EQ(entries(list(css_builder::PropertyList)), (QStringList{u("color"), u("background-image")}));
    EXPECT_TRUE(box(css_builder::Description).isEmpty());
    EXPECT_TRUE(box(css_builder::Example).isEmpty());
    EXPECT_EQ(list(css_builder::ValueList)->count(), 0);
    // An empty line before the description is an empty last value.
    choose(css_builder::PropertyList, u("background-image"));
    EXPECT_EQ(entries(list(css_builder::ValueList)), (QStringList{u("url 画像"), QString()}));
}

TEST_F(CssBuilderTest, ValuesBecomeDeclarationsAndNumbersFillTheirUnit)
{
    open();
    doubleClick(u("フォント"), u("font-weight"), u("bold"));
    EXPECT_EQ(style(), u("font-weight:bold;"));

    doubleClick(u("フォント"), u("font-size"), u("pt"));
    EXPECT_EQ(style(), u("font-weight:bold;\r\nfont-size:pt;"));
    QWidget* numbers = panel(css_builder::NumberPanel);
    EXPECT_TRUE(numbers->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(numbers), twips::Top(numbers), twips::Width(numbers), twips::Height(numbers)}),
              (std::vector<int>{3870, 3960, 1875, 1110}));
    EXPECT_EQ(control<QLabel>(css_builder::UnitLabel)->text(), u("pt"));
    line(css_builder::NumberBox)->setText(u("12"));
    press(ExecuteButton::PutValueIntoStyleText);
    EXPECT_EQ(style(), u("font-weight:bold;\r\nfont-size:12pt;"));
    EXPECT_FALSE(numbers->isVisible());

    // Nothing typed: the placeholder stays and the panel closes.
    doubleClick(u("フォント"), u("font-size"), u("pt"));
    press(ExecuteButton::PutValueIntoStyleText);
    EXPECT_EQ(style(), u("font-weight:bold;\r\nfont-size:12pt;\r\nfont-size:pt;"));
    EXPECT_FALSE(numbers->isVisible());

    // In a rule the declaration goes before the brace.
    builder().setStyleText(u("P{\r\n}"));
    doubleClick(u("フォント"), u("font-size"), u("large"));
    EXPECT_EQ(style(), u("P{\r\nfont-size:large;\r\n}"));
}

TEST_F(CssBuilderTest, FontFamiliesAndAFontFromTheList)
{
    open();
    doubleClick(u("フォント"), u("font-family"), u("serif"));
    doubleClick(u("フォント"), u("font-family"), u("serif"));
    EXPECT_EQ(style(), u("font-family:serif,serif;"));
    EXPECT_FALSE(panel(css_builder::FontPanel)->isVisible());

    doubleClick(u("フォント"), u("font-family"), u("フォント名"));
    EXPECT_EQ(style(), u("font-family:serif,serif,フォント名;"));
    EXPECT_TRUE(panel(css_builder::FontPanel)->isVisible());
    ASSERT_GT(list(css_builder::FontList)->count(), 0) << "the screen fonts";
    const QString font = list(css_builder::FontList)->item(0)->text();
    list(css_builder::FontList)->setCurrentRow(0);
    EXPECT_EQ(style(), u("font-family:serif,serif,\"") + font + u("\";"));
    press(ExecuteButton::CloseCssFontPanel);
    EXPECT_FALSE(panel(css_builder::FontPanel)->isVisible());
}

TEST_F(CssBuilderTest, ColoursComeFromThePickerInTheChosenNotation)
{
    open();
    struct Case {
        const char* notation;
        const char* written;
    } cases[] = {
        {"#FFFFFF", "color:#ff0000;"},
        {"カラーネーム", "color:red;"},
        {"#rgb", "color:#F00;"},
        {"rgb(n,n,n)", "color:rgb(255,0,0);"},
        {"rgb(n%,n%,n%)", "color:rgb(100%,0%,0%);"},
    };
    for (const Case& c : cases) {
        builder().setStyleText(QString());
        doubleClick(u("色と背景"), u("color"), u(c.notation));
        EXPECT_EQ(style(), u("color:") + u(c.notation) + u(";"));
        EXPECT_TRUE(picker().isVisible());
        EXPECT_TRUE(picker().hasRequest());
        EXPECT_EQ(builder().colourNotation, u(c.notation));
        // Red among the basic colours.
        picker().insertBasicColour(6);
        EXPECT_EQ(style(), u(c.written)) << c.notation;
        EXPECT_FALSE(picker().hasRequest());
    }
}

TEST_F(CssBuilderTest, UrlTakesItsPictureFromTheImagePanel)
{
    open();
    doubleClick(u("色と背景"), u("background-image"), u("url"));
    EXPECT_EQ(style(), u("background-image:url;"));
    QWidget* image = panel(image_panel::Panel);
    ASSERT_TRUE(image->isVisible());
    EXPECT_TRUE(w().controls.get<QWidget>(executeButton(ExecuteButton::InsertImage))->isVisible())
        << "the picture can be inserted";
    control<QLineEdit>(image_panel::RelativePathBox)->setText(u("kabe.gif"));
    press(ExecuteButton::InsertImage);
    EXPECT_EQ(style(), u("background-image:url(kabe.gif);"));
    EXPECT_FALSE(image->isVisible());
}

TEST_F(CssBuilderTest, SelectorKindsAndTheRule)
{
    open();
    QLineEdit* selector = control<QLineEdit>(css_builder::SelectorBox);
    QLabel* label = control<QLabel>(css_builder::KindLabel);
    builder().setStyleText(u("color:red;"));

    kind(6)->setChecked(true);
    EXPECT_EQ(label->text(), u("クラス"));
    EXPECT_FALSE(elements()->isVisible());
    EXPECT_EQ(selector->text(), u("."));
    dialogs.expectMsg(u("クラスの名前を入れて下さい。"));
    press(ExecuteButton::MakeRuleWithSelector);
    EXPECT_EQ(style(), u("color:red;"));

    kind(7)->setChecked(true);
    EXPECT_EQ(selector->text(), u("#"));
    dialogs.expectMsg(u("IDの名前を入れて下さい。"));
    press(ExecuteButton::MakeRuleWithSelector);

    kind(5)->setChecked(true);
    EXPECT_TRUE(elements()->isVisible());
    chooseElement(u("P"));
    EXPECT_EQ(selector->text(), u("P."));
    chooseElement(u("DIV"));
    EXPECT_EQ(selector->text(), u("DIV."));

    kind(4)->setChecked(true);
    EXPECT_EQ(label->text(), u("要素"));
    EXPECT_TRUE(selector->text().isEmpty());
    chooseElement(u("P"));
    chooseElement(u("A"));
    // A program that only selects an entry builds nothing.
    elements()->setCurrentIndex(elements()->findText(u("EM")));
    EXPECT_EQ(selector->text(), u("P A"));
    press(ExecuteButton::MakeRuleWithSelector);
    EXPECT_EQ(style(), u("P A{\r\ncolor:red;\r\n}"));

    press(ExecuteButton::ClearSelector);
    EXPECT_TRUE(selector->text().isEmpty());
    press(ExecuteButton::ClearStyleText);
    selector->setText(u("H1"));
    press(ExecuteButton::MakeRuleWithSelector);
    EXPECT_EQ(style(), u("H1{\r\n}"));
}

TEST_F(CssBuilderTest, TheStyleTextGoesIntoTheDocumentInThreeWays)
{
    open();
    struct Case {
        ExecuteButton button;
        const char* result;
    } cases[] = {
        {ExecuteButton::InsertStyleText, "ab P{\r\ncolor:red;\r\n}cd"},
        {ExecuteButton::InsertStyleTextInline, "ab P{color:red;}cd"},
        {ExecuteButton::InsertStyleTextInBraces, "ab {\r\nP{\r\ncolor:red;\r\n}\r\n}cd"},
    };
    for (const Case& c : cases) {
        setDocument(0, u("index.html"), u("ab cd"));
        ed()->setSelectionStart(3);
        builder().setStyleText(u("  P{\r\ncolor:red;\r\n} "));
        press(c.button);
        EXPECT_EQ(ed()->text(), u(c.result)) << buttonNumber(c.button);
    }
}

TEST_F(CssBuilderTest, APreviewTabHidesTheBuilderUntilTheSourceTabIsBack)
{
    open();
    QWidget* frame = panel(css_builder::Panel);
    w().ws.selectPreviewTab(0);
    EXPECT_FALSE(frame->isVisible());
    w().ws.selectSourceTab(0);
    EXPECT_TRUE(frame->isVisible());

    press(ExecuteButton::CssBuilderCloseBox);
    EXPECT_FALSE(frame->isVisible());
    w().ws.selectPreviewTab(0);
    w().ws.selectSourceTab(0);
    EXPECT_FALSE(frame->isVisible()) << "closed by its button, it stays closed";
}

TEST_F(CssBuilderTest, AMissingDictionaryIsReported)
{
    start();
    dialogs.expectMsg(u("css.txtが読めません"));
    menu(stylesheet_menu::ShowCssBuilder);
    EXPECT_TRUE(panel(css_builder::Panel)->isVisible());
    EXPECT_EQ(list(css_builder::CategoryList)->count(), 0);
}

TEST_F(CssBuilderTest, EveryEntryOfTheShippedDictionaryIsShownWholeAndTheListsStaySideBySideInThePanel)
{
    start();
    copyResource(u("css.txt"));
    menu(stylesheet_menu::ShowCssBuilder);
    QWidget* frame = panel(css_builder::Panel);
    const auto whole = [](QListWidget* l) {
        for (int i = 0; i < l->count(); ++i) {
            const QRect item = l->visualItemRect(l->item(i));
            const int text = l->fontMetrics().horizontalAdvance(l->item(i)->text());
            EXPECT_LE(text, item.width()) << l->item(i)->text().toStdString();
            EXPECT_LE(item.right(), l->viewport()->rect().right()) << l->item(i)->text().toStdString() << " is cut";
        }
        EXPECT_EQ(l->horizontalScrollBar()->maximum(), 0);
    };
    whole(list(css_builder::CategoryList));
    ASSERT_GT(list(css_builder::CategoryList)->count(), 3);
    for (int c = 0; c < list(css_builder::CategoryList)->count(); ++c) {
        SCOPED_TRACE(list(css_builder::CategoryList)->item(c)->text().toStdString());
        list(css_builder::CategoryList)->setCurrentRow(c);
        ASSERT_GT(list(css_builder::PropertyList)->count(), 0);
        whole(list(css_builder::PropertyList));
    }
    // Categories, properties and values from left to right, apart, inside the panel.
    EXPECT_LT(list(css_builder::CategoryList)->geometry().right(), list(css_builder::PropertyList)->geometry().left());
    EXPECT_LT(list(css_builder::PropertyList)->geometry().right(), list(css_builder::ValueList)->geometry().left());
    for (ControlId id : {css_builder::CategoryList, css_builder::PropertyList, css_builder::ValueList})
        EXPECT_TRUE(frame->rect().contains(list(id)->geometry())) << id.key;
    EXPECT_GE(list(css_builder::ValueList)->width(), twips::toPixels(2000)) << "the value list keeps room for its values";
}
