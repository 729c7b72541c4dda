// Commands of small scripts on the real window: the cases the shipped lesson does not show.
#include "LessonFixture.h"
#include "editor/EditorMenus.h"

#include "stylesheet/StylesheetTools.h"
#include "toolwindows/ColourPickerWindow.h"
#include "workspace/Workspace.h"
#include "wizards/AdvancedPanelInputs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>

class LessonScriptCases : public LessonFixture {
protected:
    void SetUp() override
    {
        LessonFixture::SetUp();
        startLesson();
        openLesson();
    }
};

TEST_F(LessonScriptCases, AFailingCommandEndsItsStepWithoutShowingIt)
{
    const struct {
        const char* name;
        const char* page;
        QStringList lines;
        int next;
    } cases[] = {
        {"a text the page does not hold", "<P>x</P>", script({"<SELECTHTML>", "nowhere", "<解説>", "x"}), 2},
        {"the second text before the first", "<P>x</P>", script({"<SELFUKUSU>", "</P>", "<P>", "<end>"}), 3},
        {"the second text missing", "<P>x</P>", script({"<SELFUKUSU>", "<P>", "nowhere", "<end>"}), 3},
        {"an option button that does not exist", "", script({"<要素選択>", "9", "<end>"}), 2},
        {"a tab that does not exist", "", script({"<TABSEL>", "0", "<end>"}), 2},
        {"a second document that does not exist", "", script({"<CSSTEXTSELECTEND>", "-", "<end>"}), 2},
        {"an argument shorter than four characters", "", script({"<初期化>", "TAB", "<end>"}), 2},
        {"a document that does not exist", "", script({"<初期化>", "TAB 3", "<end>"}), 2},
        {"an argument the script does not have", "", script({"<SELFUKUSU>", "<P>"}), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w().ws.sourceEditor(0)->setText(u(c.page));
        w().ws.doc(0).modified = false;
        play(c.lines);
        const QString captionBefore = caption();
        const QString explanationBefore = lesson().explanation();
        step();
        EXPECT_EQ(lesson().lineNo, c.next);
        EXPECT_EQ(caption(), captionBefore);
        EXPECT_EQ(lesson().explanation(), explanationBefore);
    }
}

TEST_F(LessonScriptCases, WritingGoesAfterTheBodyTagAndConsumesItsClosingLine)
{
    play(script({"<書き込み>", "one", "<BR>two", "\t<P>three</P>", "<タブの挿入>", "-", "<CLASSNAME>", "next"}));
    w().ws.sourceEditor(0)->setText(u("<HTML><BODY></BODY></HTML>"));
    step();
    EXPECT_EQ(text(0), u("<HTML><BODY>one\r\n<BR>two\r\n\t<P>three</P>\r\n</BODY></HTML>"));
    EXPECT_EQ(w().ws.documentCount(), 1) << "the closing line is not run";
    EXPECT_EQ(lesson().lineNo, 6);

    // Without "<BODY>" in its own case the text goes after the fifth character.
    play(script({"<書き込み>", "X", "<end>"}));
    w().ws.sourceEditor(0)->setText(u("abcdefgh <body>"));
    step();
    EXPECT_EQ(text(0), u("abcdeX\r\nfgh <body>"));
}

TEST_F(LessonScriptCases, PopupsAndTheDropDownStayShutDuringARun)
{
    play(script({"<メニュー>", "プロパティ", "<メニュー>", "css", "<要素プルダウン>", "-", "<LISTSHOW>", "-"}));
    step();
    lesson().running = true;
    for (int i = 0; i < 3; ++i)
        lesson().runStep();
    lesson().running = false;
    EXPECT_EQ(lesson().lineNo, 8);
    EXPECT_FALSE(w().commands.menu(stylesheet_menu::Menu)->isVisible());
    EXPECT_FALSE(w().commands.menu(style_popup::Menu)->isVisible());
    EXPECT_FALSE(w().controls.get<QComboBox>(css_builder::ElementBox)->view()->isVisible());
}

TEST_F(LessonScriptCases, WordsAndNamesThatMatchNothingChangeNothing)
{
    play(script({"<メニュー>", "プロパティ", "<メニュー>", "なにか", "<LISTSEL>", "9", "<LISTSEL>", "1", "<項目選択>",
                 "ない項目", "<バリュー選択>", "none", "<要素プルダウン選択>", "ZZ", "<カラーネーム>", "nocolour",
                 "<COLORNAMEWIDE>", "NoSuchName", "<LIST3SEL>", "none"}));
    const QString welcome = lesson().explanation();
    step();
    auto* elements = w().controls.get<QComboBox>(css_builder::ElementBox);
    const int element = elements->currentIndex();
    while (lesson().lineNo < lesson().lines.size())
        step();
    EXPECT_EQ(stepLine(), u("18")) << "every step ran";
    EXPECT_EQ(w().ws.documentCount(), 1);
    EXPECT_FALSE(shown(stylesheet_link_panel::Panel));
    EXPECT_FALSE(shown(stylesheet_name_panel::Panel));
    EXPECT_FALSE(shown(class_list::List));
    EXPECT_EQ(style(), QString());
    EXPECT_EQ(elements->currentIndex(), element);
    EXPECT_EQ(line(css_builder::SelectorBox), u("ZZ"));
    EXPECT_FALSE(w().colourPicker.isVisible());
    // Steps without an explanation leave the one shown.
    EXPECT_EQ(lesson().explanation(), welcome);
}

TEST_F(LessonScriptCases, TheElementIsFoundByItsBeginningInAnyCase)
{
    play(script({"<メニュー>", "プロパティ", "<要素プルダウン選択>", "h2", "<CLASSNAME>", "x"}));
    step();
    step();
    EXPECT_EQ(w().controls.get<QComboBox>(css_builder::ElementBox)->currentText(), u("H2"));
    EXPECT_EQ(line(css_builder::SelectorBox), u("h2"));
}

TEST_F(LessonScriptCases, OnlyAPictureOfTheResourceFolderIsCopied)
{
    writeFile(path(u("escape.svg")), "outside");
    QDir().mkpath(path(u("resource/sub")));
    writeFile(path(u("resource/sub/deep.svg")), "deep");
    play(script({"<初期化>", "TAB 0", "<画像>", "../escape.svg", "<画像>", "sub/deep.svg", "<画像>", "missing.svg",
                 "<画像>", "kabe.svg"}));
    for (int i = 0; i < 5; ++i)
        step();
    EXPECT_EQ(w().controls.get<QLineEdit>(image_panel::RelativePathBox)->text(), u("kabe.svg"));
    EXPECT_EQ(QDir(lessonFolder()).entryList({u("*.svg")}, QDir::Files), QStringList({u("kabe.svg")}));
    EXPECT_EQ(readFile(path(u("escape.svg"))), QByteArray("outside"));
}

TEST_F(LessonScriptCases, AFolderThatCannotBeMadeIsReportedAndNothingIsCleared)
{
    // A file where the lesson folder belongs.
    writeFile(lessonFolder(), "not a folder");
    w().ws.sourceEditor(0)->setText(u("kept"));
    play(script({"<初期化>", "TAB 0", "<end>"}));
    dialogs.expectMsg(u("レッスン用のフォルダーが作れません"));
    step();
    EXPECT_EQ(text(0), u("kept"));
    EXPECT_EQ(lesson().lineNo, 2);
}
