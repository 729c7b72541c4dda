// The shipped lesson, step by step with ▶: what each command word leaves in the main window, the
// colour picker and the lesson window.
#include "LessonFixture.h"
#include "editor/EditorMenus.h"

#include "platform/TabStrip.h"
#include "toolwindows/ColourPickerWindow.h"
#include "workspace/Workspace.h"
#include "wizards/AdvancedPanelInputs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRadioButton>

namespace {

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QString chosen(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

} // namespace

class ShippedLesson : public LessonFixture {
protected:
    void SetUp() override
    {
        LessonFixture::SetUp();
        startLesson();
        openLesson();
    }
    QListWidget* list(ControlId id) { return w().controls.get<QListWidget>(id); }
    QString selected(int n) { return w().ws.sourceEditor(n)->selectedText(); }
    QByteArray lessonFile(const char* name) { return readFile(lessonFolder() + u("/") + u(name)); }
};

TEST_F(ShippedLesson, OpeningShowsTheWelcomeAndTheFirstStepPreparesThePage)
{
    EXPECT_EQ(lesson().explanation(), u("ようこそ「HTMLペルモア」スタイルシート\r\nペルモリアルへ。\r\n真中のボタンを押すとペルモアの\r\n"
                                        "ステップが一つずつ実行されます。\r\n<< ボタンは最初に戻ります\r\n"
                                        ">>　ボタンは一挙に最後まで実行します\r\n<　ボタンは一つ戻しです。（時間が掛かります）\r\n"));
    EXPECT_EQ(caption(), u("ＣＳＳペルモア"));
    EXPECT_EQ(stepLine(), QString());
    // A stylesheet an earlier lesson left behind goes.
    QDir().mkpath(lessonFolder());
    writeFile(lessonFolder() + u("/Kaisetu.css"), "old");

    stepPast("<初期化>");
    EXPECT_FALSE(QFile::exists(lessonFolder() + u("/Kaisetu.css")));
    ASSERT_EQ(w().ws.documentCount(), 1);
    EXPECT_TRUE(text(0).startsWith(u("<!DOCTYPE HTML PUBLIC")));
    EXPECT_EQ(w().ws.doc(0).fileName, u("$$$000.html"));
    EXPECT_EQ(w().ws.doc(0).folder, lessonFolder());
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 1);
    EXPECT_TRUE(lesson().explanation().startsWith(u("スタイルシート（CSS）のレッスンへようこそ。\r\n")));
    // The first step shows no line yet: none had begun before it.
    EXPECT_EQ(caption(), u("CSSペルモア  実行行 = "));
    EXPECT_EQ(lesson().lineNo, 8);

    stepPast("<書き込み>");
    EXPECT_TRUE(text(0).contains(u("<BODY>\r\n\t<H1>ペルモア日記</H1>\r\n\t<P>今日は")));
    EXPECT_TRUE(text(0).contains(u("選べます。</P>\r\n \r\n</BODY>")));
    EXPECT_EQ(own<QLineEdit>(lesson_window::CurrentLine)->text(), u("<書き込み>"));
    EXPECT_EQ(caption(), u("CSSペルモア  実行行 = 8"));
    EXPECT_EQ(stepLine(), u("8"));

    stepPast("<TABSEL>");
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 2);
    EXPECT_TRUE(readFile(w().ws.tempPagePath(0)).contains("<H1>"));
    EXPECT_TRUE(w().ws.tempPagePath(0).startsWith(lessonFolder() + u("/")));
    stepPast("<TABSEL>");
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 1);
}

TEST_F(ShippedLesson, TheStylesheetIsMadeAndLinked)
{
    stepPast("<TABSEL>");
    stepPast("<TABSEL>");
    stepPast("<メニュー>"); // css
    EXPECT_TRUE(w().commands.menu(stylesheet_menu::Menu)->isVisible());
    stepPast("<メニュー>"); // the name panel
    EXPECT_FALSE(w().commands.menu(stylesheet_menu::Menu)->isVisible()) << "the next step closes the popup";
    EXPECT_TRUE(shown(stylesheet_name_panel::Panel));

    stepPast("<タブ名変更>");
    ASSERT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.doc(1).fileName, u("Kaisetu.css"));
    EXPECT_EQ(w().ws.doc(1).folder, lessonFolder());
    EXPECT_EQ(w().ws.currentIndex(), 1);
    EXPECT_FALSE(shown(stylesheet_name_panel::Panel));

    stepPast("<メニュー>"); // リンク
    EXPECT_TRUE(shown(stylesheet_link_panel::Panel));
    EXPECT_EQ(line(stylesheet_link_panel::FileBox), u("Kaisetu.css"));
    stepPast("<TABSEL>");
    stepPast("<リンク>");
    EXPECT_TRUE(text(0).contains(u("<LINK REL=stylesheet TYPE=\"text/css\" HREF=\"Kaisetu.css\">\r\n</HEAD>")));
    EXPECT_FALSE(shown(stylesheet_link_panel::Panel));

    QAction* item = w().commands.action(stylesheet_menu::InsertSampleStylesheet);
    EXPECT_FALSE(item->isChecked());
    stepPast("<メニュー>"); // SELMENU
    EXPECT_TRUE(item->isChecked());

    stepPast("<メニュー>"); // プロパティ
    EXPECT_TRUE(shown(css_builder::Panel));
    EXPECT_TRUE(entries(list(css_builder::CategoryList)).contains(u("フォント")));

    // A click on the marked item runs it and leaves the mark.
    useShippedResource(u("csssample.txt"));
    item->trigger();
    EXPECT_EQ(w().ws.current().fileName, u("csssample.css"));
    EXPECT_TRUE(item->isChecked());
}

TEST_F(ShippedLesson, TheBuilderComposesTheFirstRule)
{
    stepPast("<要素選択>");
    EXPECT_EQ(w().ws.currentIndex(), 1);
    EXPECT_TRUE(w().controls.get<QRadioButton>(css_builder::SelectorKind, 0)->isChecked());
    auto* elements = w().controls.get<QComboBox>(css_builder::ElementBox);
    stepPast("<要素プルダウン>");
    EXPECT_TRUE(elements->view()->isVisible());
    stepPast("<要素プルダウン選択>");
    EXPECT_FALSE(elements->view()->isVisible());
    EXPECT_EQ(elements->currentText(), u("H1"));
    EXPECT_EQ(line(css_builder::SelectorBox), u("H1"));

    stepPast("<項目選択>");
    EXPECT_EQ(chosen(list(css_builder::CategoryList)), u("フォント"));
    EXPECT_TRUE(entries(list(css_builder::PropertyList)).contains(u("font-size")));
    stepPast("<プロパティ選択>");
    EXPECT_EQ(chosen(list(css_builder::PropertyList)), u("font-size"));
    EXPECT_TRUE(entries(list(css_builder::ValueList)).contains(u("pt ポイント（1ポイントは約0.35ミリ）")));
    stepPast("<バリュー選択>");
    EXPECT_EQ(style(), u("font-size:pt;"));
    EXPECT_TRUE(shown(css_builder::NumberPanel));
    stepPast("<pt>");
    EXPECT_EQ(style(), u("font-size:24pt;"));
    EXPECT_FALSE(shown(css_builder::NumberPanel));

    stepPast("<バリュー選択>"); // #FFFFFF opens the picker for the builder
    EXPECT_TRUE(w().colourPicker.isVisible());
    EXPECT_TRUE(w().colourPicker.hasRequest());
    stepPast("<カラーネーム>");
    EXPECT_EQ(style(), u("font-size:24pt;\r\ncolor:#000080;"));
    EXPECT_FALSE(w().colourPicker.isVisible());

    stepPast("<OKCLICK>");
    EXPECT_EQ(style(), u("H1{\r\nfont-size:24pt;\r\ncolor:#000080;\r\n}"));
    stepPast("<CSSTEXTSELECTEND>");
    EXPECT_EQ(text(1), u("\r\n"));
    stepPast("<挿入>");
    EXPECT_EQ(text(1), u("\r\n\r\nH1{\r\nfont-size:24pt;\r\ncolor:#000080;\r\n}"));

    stepPast("<CSSSHOWOFF>");
    EXPECT_FALSE(shown(css_builder::Panel));
    stepPast("<CSSSHOWON>");
    EXPECT_TRUE(shown(css_builder::Panel));
    stepPast("<CSSCLEAR>");
    EXPECT_EQ(style(), QString());
}

TEST_F(ShippedLesson, ColoursByNameAndAPicture)
{
    stepPast("<CSSCLEAR>");
    stepPast("<バリュー選択>"); // カラーネーム
    stepPast("<COLORNAMEWIDE>");
    EXPECT_EQ(style(), u("background-color:ivory;"));
    EXPECT_FALSE(w().colourPicker.isVisible());

    stepPast("<画像>");
    EXPECT_EQ(w().controls.get<QLineEdit>(image_panel::RelativePathBox)->text(), u("kabe.svg"));
    EXPECT_EQ(w().controls.get<QLineEdit>(image_panel::ChosenFileBox)->text(), lessonFolder() + u("/0001.html"));
    // The picture lies beside the lesson's pages.
    EXPECT_EQ(lessonFile("kabe.svg"), readFile(path(u("resource/kabe.svg"))));
    stepPast("<画像挿入>");
    EXPECT_EQ(style(), u("background-color:ivory;\r\nbackground-image:url(kabe.svg);"));
    EXPECT_FALSE(shown(image_panel::Panel));
}

TEST_F(ShippedLesson, ClassesAreBuiltAndAppliedInThePage)
{
    stepPast("<要素選択>");
    stepPast("<要素選択>"); // 6: a class
    EXPECT_EQ(line(css_builder::SelectorBox), u("."));
    stepPast("<CLASSNAME>");
    EXPECT_EQ(line(css_builder::SelectorBox), u(".memo"));
    stepPast("<em>");
    EXPECT_EQ(style(), u("text-indent:1em;"));
    stepPast("<%>");
    EXPECT_EQ(style(), u("text-indent:1em;\r\nfont-size:90%;"));
    stepPast("<end>");
    EXPECT_FALSE(shown(css_builder::Panel));
    EXPECT_TRUE(text(1).endsWith(u(".memo{\r\ntext-indent:1em;\r\nfont-size:90%;\r\ncolor:#008080;\r\n}\r\n\r\n"
                                   ".center{\r\ntext-align:center;\r\n}")));

    stepPast("<TABSEL>");
    stepPast("<SELFUKUSU>");
    EXPECT_EQ(selected(0), u("<P>メモ：色の名前は「カラーペルモア」で選べます。</P>"));
    stepPast("<LISTSHOW>");
    EXPECT_TRUE(w().commands.menu(style_popup::Menu)->isVisible());
    stepPast("<LISTSEL>");
    EXPECT_FALSE(w().commands.menu(style_popup::Menu)->isVisible());
    EXPECT_TRUE(shown(class_list::List));
    EXPECT_EQ(entries(list(class_list::List)), QStringList({u("H1"), u("BODY"), u(".memo"), u(".center"), u("SPAN style"), u("SPAN class")}));
    stepPast("<LIST3SEL>");
    EXPECT_TRUE(text(0).contains(u("\t<P class=\"memo\">メモ：")));
    EXPECT_FALSE(shown(class_list::List));
    stepPast("<SELECTHTML>");
    EXPECT_EQ(selected(0), u("<H1>"));
    stepPast("<LISTSEL>");
    stepPast("<LIST3SEL>");
    EXPECT_TRUE(text(0).contains(u("\t<H1 class=\"center\">ペルモア日記</H1>")));

    stepPast("<TABSEL>"); // the styled page
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 2);
    EXPECT_EQ(lessonFile("Kaisetu.css"), (text(1) + u("\r\n")).toUtf8());
    EXPECT_TRUE(readFile(w().ws.tempPagePath(0)).contains("class=\"center\""));
}

TEST_F(ShippedLesson, TheLessonEndsWithANewTabAndItsLastExplanation)
{
    stepPast("<タブの挿入>");
    EXPECT_EQ(w().ws.documentCount(), 3);
    EXPECT_EQ(w().ws.currentIndex(), 2);
    stepPast("<CLOSEBILDER>");
    EXPECT_TRUE(lesson().explanation().startsWith(u("レッスンはこれで終わりです。")));
    const int closeLine = lesson().lines.indexOf(u("<CLOSEBILDER>"));
    EXPECT_EQ(stepLine(), QString::number(closeLine));

    // <STOP> and the comment behind it are steps that run nothing; the blank end runs nothing
    // and shows nothing.
    const QString explanation = lesson().explanation();
    stepPast("<STOP>");
    step();
    const QString lastCaption = caption();
    step();
    EXPECT_EQ(lesson().lineNo, lesson().lines.size());
    EXPECT_EQ(caption(), lastCaption);
    EXPECT_EQ(lesson().explanation(), explanation);
    EXPECT_EQ(w().ws.documentCount(), 3);
}
