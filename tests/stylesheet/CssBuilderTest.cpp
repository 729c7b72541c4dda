#include "StylesheetFixture.h"
#include "platform/Twips.h"
#include "stylesheet/CssDictionary.h"
#include "stylesheet/StyleRules.h"
#include "toolwindows/ColourPickerWindow.h"

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
    fomPelmor& open()
    {
        start();
        writeFile(path(u("resource/css.txt")), QByteArray(Dictionary));
        menu(10);
        return w();
    }
    CssBuilder& builder() { return w().stylesheet.builder; }
    QListWidget* list(int index) { return control<QListWidget>(u("List3"), index); }
    QComboBox* elements() { return control<QComboBox>(u("Combo2"), 0); }
    QRadioButton* kind(int index) { return control<QRadioButton>(u("OoptGif"), index); }
    QString style() { return builder().styleText(); }
    // Selects an entry by its text, as a click does.
    void choose(int listIndex, const QString& text)
    {
        const QList<QListWidgetItem*> found = list(listIndex)->findItems(text, Qt::MatchStartsWith);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        list(listIndex)->setCurrentItem(found.first());
    }
    // Chooses a value of a property and double-clicks it.
    void doubleClick(const QString& category, const QString& property, const QString& value)
    {
        choose(8, category);
        choose(6, property);
        choose(7, value);
        Q_EMIT list(7)->itemDoubleClicked(list(7)->currentItem());
    }
    void chooseElement(const QString& name)
    {
        const int i = elements()->findText(name);
        ASSERT_GE(i, 0);
        elements()->setCurrentIndex(i);
        Q_EMIT elements()->activated(i);
    }
    ColourPickerWindow& picker() { return w().colorPicker; }
};

TEST_F(CssBuilderTest, OpensWithTheDictionarysCategoriesAndTheElements)
{
    open();
    QWidget* frame = panel(u("Frame"), 40);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(frame), twips::Top(frame), twips::Width(frame), twips::Height(frame)}),
              (std::vector<int>{1000, 1000, 8775, 7995}));
    EXPECT_EQ(entries(list(8)), (QStringList{u("フォント"), u("色と背景")}));
    ASSERT_EQ(elements()->count(), css::builderElements().size());
    EXPECT_EQ(elements()->itemText(0), u("P"));
    EXPECT_TRUE(control<QLineEdit>(u("Text"), 50)->text().isEmpty()) << "filling the element box builds no selector";

    // The shipped dictionary fills the list the same way.
    copyResource(u("css.txt"));
    menu(10);
    EXPECT_EQ(entries(list(8)), parseCssDictionary(QString::fromUtf8(shippedBytes(u("css.txt")))).categoryNames());
}

TEST_F(CssBuilderTest, CategoryAndPropertyFillTheNextListAndTheTexts)
{
    open();
    choose(8, u("フォント"));
    EXPECT_EQ(entries(list(6)), (QStringList{u("font-family"), u("font-size"), u("font-weight")}));
    choose(6, u("font-size"));
    EXPECT_EQ(entries(list(7)), (QStringList{u("pt ポイント"), u("large 大きい")}));
    EXPECT_EQ(box(42), u("大きさを決めます。\r\n二行目です。"));
    EXPECT_EQ(box(43), u("H1 { font-size: 20pt; }"));

    // A property without texts leaves the last ones.
    choose(6, u("font-weight"));
    EXPECT_EQ(entries(list(7)), QStringList{u("bold 太字")});
    EXPECT_EQ(box(42), u("大きさを決めます。\r\n二行目です。"));

    // Another category empties the texts and the values; the last category lists its own.
    choose(8, u("色と背景"));
    EXPECT_EQ(entries(list(6)), (QStringList{u("color"), u("background-image")}));
    EXPECT_TRUE(box(42).isEmpty());
    EXPECT_TRUE(box(43).isEmpty());
    EXPECT_EQ(list(7)->count(), 0);
    // An empty line before the description is an empty last value.
    choose(6, u("background-image"));
    EXPECT_EQ(entries(list(7)), (QStringList{u("url 画像"), QString()}));
}

TEST_F(CssBuilderTest, ValuesBecomeDeclarationsAndNumbersFillTheirUnit)
{
    open();
    doubleClick(u("フォント"), u("font-weight"), u("bold"));
    EXPECT_EQ(style(), u("font-weight:bold;"));

    doubleClick(u("フォント"), u("font-size"), u("pt"));
    EXPECT_EQ(style(), u("font-weight:bold;\r\nfont-size:pt;"));
    QWidget* numbers = panel(u("framesub"), 35);
    EXPECT_TRUE(numbers->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(numbers), twips::Top(numbers), twips::Width(numbers), twips::Height(numbers)}),
              (std::vector<int>{3870, 3960, 1875, 1110}));
    EXPECT_EQ(control<QLabel>(u("Label10"), 36)->text(), u("pt"));
    line(53)->setText(u("12"));
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
    EXPECT_FALSE(panel(u("framesub"), 32)->isVisible());

    doubleClick(u("フォント"), u("font-family"), u("フォント名"));
    EXPECT_EQ(style(), u("font-family:serif,serif,フォント名;"));
    EXPECT_TRUE(panel(u("framesub"), 32)->isVisible());
    ASSERT_GT(list(9)->count(), 0) << "the screen fonts";
    const QString font = list(9)->item(0)->text();
    list(9)->setCurrentRow(0);
    EXPECT_EQ(style(), u("font-family:serif,serif,\"") + font + u("\";"));
    press(ExecuteButton::CloseCssFontPanel);
    EXPECT_FALSE(panel(u("framesub"), 32)->isVisible());
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
        EXPECT_EQ(picker().ColorTarget.value(), 130);
        EXPECT_EQ(builder().CssColorForm, u(c.notation));
        // Red among the basic colours.
        picker().insertBasicColour(6);
        EXPECT_EQ(style(), u(c.written)) << c.notation;
        EXPECT_EQ(picker().ColorTarget.value(), 0);
    }
}

TEST_F(CssBuilderTest, UrlTakesItsPictureFromTheImagePanel)
{
    open();
    doubleClick(u("色と背景"), u("background-image"), u("url"));
    EXPECT_EQ(style(), u("background-image:url;"));
    QWidget* image = panel(u("Frame"), 3);
    ASSERT_TRUE(image->isVisible());
    EXPECT_TRUE(w().controls.get<QWidget>(executeButton(ExecuteButton::InsertImage))->isVisible())
        << "the picture can be inserted";
    control<QLineEdit>(u("TxtSoutai"))->setText(u("kabe.gif"));
    press(ExecuteButton::InsertImage);
    EXPECT_EQ(style(), u("background-image:url(kabe.gif);"));
    EXPECT_FALSE(image->isVisible());
}

TEST_F(CssBuilderTest, SelectorKindsAndTheRule)
{
    open();
    QLineEdit* selector = control<QLineEdit>(u("Text"), 50);
    QLabel* label = control<QLabel>(u("Label10"), 27);
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
        ed()->SetSelStart(3);
        builder().setStyleText(u("  P{\r\ncolor:red;\r\n} "));
        press(c.button);
        EXPECT_EQ(ed()->Text(), u(c.result)) << buttonNumber(c.button);
    }
}

TEST_F(CssBuilderTest, APreviewTabHidesTheBuilderUntilTheSourceTabIsBack)
{
    open();
    QWidget* frame = panel(u("Frame"), 40);
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
    menu(10);
    EXPECT_TRUE(panel(u("Frame"), 40)->isVisible());
    EXPECT_EQ(list(8)->count(), 0);
}

TEST_F(CssBuilderTest, EveryEntryOfTheShippedDictionaryIsShownWholeAndTheListsStaySideBySideInThePanel)
{
    start();
    copyResource(u("css.txt"));
    menu(10);
    QWidget* frame = panel(u("Frame"), 40);
    const auto whole = [](QListWidget* l) {
        for (int i = 0; i < l->count(); ++i) {
            const QRect item = l->visualItemRect(l->item(i));
            const int text = l->fontMetrics().horizontalAdvance(l->item(i)->text());
            EXPECT_LE(text, item.width()) << l->item(i)->text().toStdString();
            EXPECT_LE(item.right(), l->viewport()->rect().right()) << l->item(i)->text().toStdString() << " is cut";
        }
        EXPECT_EQ(l->horizontalScrollBar()->maximum(), 0);
    };
    whole(list(8));
    ASSERT_GT(list(8)->count(), 3);
    for (int c = 0; c < list(8)->count(); ++c) {
        SCOPED_TRACE(list(8)->item(c)->text().toStdString());
        list(8)->setCurrentRow(c);
        ASSERT_GT(list(6)->count(), 0);
        whole(list(6));
    }
    // Categories, properties and values from left to right, apart, inside the panel.
    EXPECT_LT(list(8)->geometry().right(), list(6)->geometry().left());
    EXPECT_LT(list(6)->geometry().right(), list(7)->geometry().left());
    for (int i : {8, 6, 7})
        EXPECT_TRUE(frame->rect().contains(list(i)->geometry())) << i;
    EXPECT_GE(list(7)->width(), twips::toPixels(2000)) << "the value list keeps room for its values";
}
