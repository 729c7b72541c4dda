#include "WindowHelpers.h"
#include "editor/EditorControls.h"
#include "wizards/EasyPanelControls.h"
#include "platform/RichEdit.h"
#include "support/AppFixture.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyMenu.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"
#include "wizards/FramesWizardControls.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using windowtest::place;

namespace {

struct PanelCase {
    CommandId opener;
    ControlRef panel;
    std::vector<int> where; // left, top, width, height
    const char* caption;
    ControlRef titleLabel;
    const char* title;
    ControlRef explanationBox;
    const char* begins;   // the explanation's first words, with text selected
    bool font12;
};

const PanelCase Panels[] = {
    {easy_menu::LineBreakPanel, indent_panel::Panel, {1500, 1500, 5310, 3000}, "インデント", indent_panel::Title, "インデントの文字数", indent_panel::Explanation, "改行マークは<BR>です", true},
    {easy_menu::SpacePanel, space_panel::Panel, {3000, 2000, 5000, 3500}, "スペース", space_panel::Title, "スペースをいれよう", space_panel::Explanation,
     "半角のスペースを挿入します。スペースをたくさん挿入するとソースがみにくくなります。", true},
    {easy_menu::TitlePanel, title_panel::Panel, {3500, 3000, 6135, 3000}, "タイトル", title_panel::Title, "タイトルをいれよう", title_panel::Explanation,
     "  タイトルはブラウザーのタイトルバーに表示される文字です。", true},
    {easy_menu::HeadingPanel, heading_panel::Panel, {3500, 3000, 5325, 4365}, "見出し", heading_panel::Title, "見出しの文を設定しよう", heading_panel::Explanation,
     "まず見出しにしたい文字をソースに書き込んで選択します。", true},
    {easy_menu::BodyColoursPanel, body_colours_panel::Panel, {3500, 3000, 5500, 3025}, "背景色", body_colours_panel::Title, "背景色と文字の色を決めよう", body_colours_panel::Explanation,
     "基本の背景色、テキストの色を決めます。", true},
    {easy_menu::MarginsPanel, margins_panel::Panel, {3500, 3000, 5500, 3000}, "余白", margins_panel::Title, "余白を設定", margins_panel::Explanation, "  ページの上の余白と、", true},
    {easy_menu::CommentPanel, comment_panel::Panel, {3500, 3000, 5000, 3000}, "コメント", comment_panel::Title, "コメントをいれよう", comment_panel::Explanation,
     "コメントを入れると後から見易くなります｡", true},
    {easy_menu::ParagraphPanel, paragraph_panel::Panel, {3500, 2000, 5610, 5415}, "段落", paragraph_panel::Title, "段落を設定しよう", paragraph_panel::Explanation,
     "  段落を設定します。選択された部分は段落に設定され、後ろに一行挿入されます", true},
    {easy_menu::PositionPanel, position_panel::Panel, {3500, 3500, 5005, 3000}, "位置", position_panel::Title, "まとめ位置を設定しよう", position_panel::Explanation,
     "段落と同じように位置を設定しますが、後ろに一行空白を挿入しません。", true},
    {easy_menu::RawTextPanel, preformatted_panel::Panel, {3500, 3000, 5000, 3000}, "ソース", preformatted_panel::Title, "ソースの並びをそのまま表示しよう", preformatted_panel::Explanation,
     "選択された部分は、HTMLソースの文字の並びがそのまま表示されます。", true},
    {easy_menu::FontPanel, font_panel::Panel, {3500, 3000, 6270, 4830}, "フォントの選択", font_panel::Title, "フォントを選択しよう", font_panel::Explanation,
     "選択された文字列のフォントを設定します。", false},
    {easy_menu::FontSizePanel, font_size_panel::Panel, {3400, 3000, 6000, 4290}, "フォントの大きさ", font_size_panel::Title, "フォントの大きさを変えよう", font_size_panel::Explanation,
     "選択された文字の大きさを変えます。", false},
    {easy_menu::FontColourPanel, font_colour_panel::Panel, {3500, 3500, 5000, 3155}, "文字の色", font_colour_panel::Title, "文字の色を部分的に変えよう", font_colour_panel::Explanation,
     "変えたい色を入力してください。", true},
    {easy_menu::EmphasisPanel, emphasis_panel::Panel, {3400, 3000, 5000, 3155}, "文字の強調（普通）", emphasis_panel::Title, "文字を強調しよう（普通の強調）", emphasis_panel::Explanation,
     "選択された文字を強調します。", true},
    {easy_menu::StrongEmphasisPanel, strong_panel::Panel, {3400, 3000, 5000, 3155}, "文字の強調（強い）", strong_panel::Title, "文字を強調しよう（強いの強調）", strong_panel::Explanation,
     "選択された文字を強調します。", true},
    {easy_menu::FontShapePanel, font_shape_panel::Panel, {3500, 3000, 5000, 4000}, "フォントの形状", font_shape_panel::Title, "フォントの形状を変えよう", font_shape_panel::Explanation,
     "フォントの形状を変えます。", false},
    {advanced_menu::InsertRule, rule_panel::Panel, {3000, 3400, 6120, 4410}, "罫線", rule_panel::Title, "罫線を入れよう", rule_panel::Explanation,
     "罫線を挿入します、長さの単位は全てｍｍですが", false},
    {advanced_menu::InsertImage, image_panel::Panel, {3500, 1000, 7185, 7710}, "画像", image_panel::Title, "画像を挿入しよう", image_panel::Explanation,
     "画像ファイルを貼り付ける為には、貼り付ける画像ファイルが必要です。", false},
    {advanced_menu::MakeList, list_panel::Panel, {3000, 3000, 5325, 5145}, "リスト", list_panel::Title, "項目をリストにしよう", list_panel::Explanation, "リストとは", false},
    {advanced_menu::SetLink, link_panel::Panel, {3400, 3000, 7050, 4755}, "リンク", link_panel::Title, "リンクの設定", link_panel::Explanation,
     "文字や、画像をクリックした時、別のページや別のサイトにｼﾞｬﾝﾌﾟするのが", false},
    {advanced_menu::MailLink, link_panel::Panel, {3400, 3000, 7050, 4755}, "リンク", link_panel::Title, "リンクの設定", link_panel::Explanation,
     "リンク設定を使用してメールの宛先を指定します、実行をクリックすると", false},
    {advanced_menu::JumpInPage, page_jump_panel::Panel, {3500, 3500, 5955, 3465}, "ページの中にジャンプ", page_jump_panel::Title, "ページの中にジャンプさせよう", page_jump_panel::Explanation,
     "同じページの中の指定個所にジャンプします。", true},
    {advanced_menu::JumpToPage, page_jump_panel::Panel, {3500, 3500, 5955, 3465}, "ページの中にジャンプ", page_jump_panel::Title, "ページの中にジャンプさせよう", page_jump_panel::Explanation,
     "他のページの中の指定個所にジャンプします。", true},
    {advanced_menu::ScrollText, marquee_panel::Panel, {3000, 1000, 4605, 7800}, "スクロール", marquee_panel::Title, "テキストをスクロールさせよう", marquee_panel::Explanation,
     "テキストをスクロールすることをマーキーと言います。 ", false},
    {advanced_menu::MakeTable, table_panel::Panel, {500, 1000, 10530, 8190}, "テーブル", table_panel::Title, "テーブルの設定", table_panel::Explanation,
     "ペルモアを使えばテーブルを簡単に作ることが出来ます｡", false},
    {advanced_menu::MakeMailForm, mail_form_panel::Panel, {1500, 1500, 6180, 4605}, "フォーム", mail_form_panel::Title, "入力フォームを作ろう", mail_form_panel::Explanation,
     "ホームページなどのアンケート欄で、見ている人が", true},
    {advanced_menu::MakeFrames, frames_wizard::Panel, {1000, 1000, 7290, 8130}, "フレーム", frames_wizard::Title, "フレームの設定",
     frames_wizard::Explanation,
     "ホームページなどでページが左右に分かれているものがあります､これがフレームです｡", false},
    {advanced_menu::BackgroundSound, background_sound_panel::Panel, {3500, 3000, 6135, 4215}, "BGM", background_sound_panel::Title, "BGMを鳴らそう", background_sound_panel::Explanation,
     "ホームページを開いたときに鳴る音楽を設定することが出来ます｡", false},
    {advanced_menu::PlayMovie, movie_panel::Panel, {3400, 3000, 6285, 4290}, "ムービー", movie_panel::Title, "ムービーを再生させよう", movie_panel::Explanation,
     "ホームページを開いたときに再生するムービーを設定することが出来ます｡", false},
    {advanced_menu::BackgroundImage, background_image_panel::Panel, {3500, 3000, 6780, 3855}, "バックグランドの画像", background_image_panel::Title, "バックグランドの画像を指定しよう", background_image_panel::Explanation,
     "バックグラウンドに画像を設定します。", false},
    {advanced_menu::DocumentInfo, document_info_panel::Panel, {3400, 3000, 5760, 6315}, "文書情報", document_info_panel::Title, "文書情報を記述しよう", document_info_panel::Explanation,
     "メタタグはいろいろな付加情報を追加します。", false},
    {advanced_menu::Doctype, doctype_panel::Panel, {3400, 3000, 5625, 4560}, "ドキュメントタイプ", doctype_panel::Title, "ドキュメントタイプを記述しよう", doctype_panel::Explanation,
     "これは文書型宣言と言います。", false},
};

QString u(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

class PanelMenusTest : public AppFixture {
protected:
    RichEdit* ed() { return w().ws.currentEditor(); }
    QWidget* panelOf(const PanelCase& c)
    {
        return w().controls.get<QWidget>(c.panel);
    }
    QWidget* titleOf(const PanelCase& c)
    {
        return w().controls.get<QWidget>(c.titleLabel);
    }
    QString explanation(const PanelCase& c)
    {
        return w().controls.get<QPlainTextEdit>(c.explanationBox)->toPlainText();
    }
    template <typename T>
    T* get(const char* name, int index = ControlRegistry::NoIndex)
    {
        return w().controls.get<T>(u(name), index);
    }
    template <typename T>
    T* get(ControlRef id)
    {
        return w().controls.get<T>(id);
    }
    void dragTitleBy(QWidget* title, int dx, int dy)
    {
        // A move of the last drag has had its tick.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !w().wizards.movable.drag.throttled; }, 5000));
        const QPoint from(10, 5);
        windowtest::mouse(title, QEvent::MouseButtonPress, from);
        windowtest::mouse(title, QEvent::MouseMove, from + QPoint(dx, dy));
        windowtest::mouse(title, QEvent::MouseButtonRelease, from + QPoint(dx, dy));
    }
};

TEST_F(PanelMenusTest, EveryPanelOpensAtItsPlaceWithItsCaptionsAndExplanationAndAgainAfterADrag)
{
    start();
    ed()->setText(QStringLiteral("abc\r\n"));
    for (const PanelCase& c : Panels) {
        SCOPED_TRACE(c.opener.key);
        ed()->select(0, 3);
        QWidget* panel = panelOf(c);
        ASSERT_FALSE(panel->isVisible());
        w().commands.invoke(c.opener);
        EXPECT_TRUE(panel->isVisible());
        EXPECT_EQ(place(panel), c.where);
        EXPECT_EQ(qobject_cast<QGroupBox*>(panel)->title(), u(c.caption));
        EXPECT_EQ(qobject_cast<QLabel*>(titleOf(c))->text(), u(c.title));
        EXPECT_TRUE(explanation(c).startsWith(u(c.begins))) << explanation(c).toStdString();
        if (c.font12)
            EXPECT_EQ(w().controls.get<QWidget>(c.explanationBox)->font().pointSize(), 12);
        // In front of every other panel.
        const QObjectList& siblings = panel->parentWidget()->children();
        for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
            auto* sibling = qobject_cast<QWidget*>(*it);
            if (sibling && sibling->isVisible()) {
                EXPECT_EQ(sibling, panel);
                break;
            }
        }

        dragTitleBy(titleOf(c), 30, 20);
        EXPECT_NE(place(panel), c.where) << "the drag moved it";
        panel->hide();
        w().commands.invoke(c.opener);
        EXPECT_EQ(place(panel), c.where) << "back at its place";
        panel->hide();
    }
}

TEST_F(PanelMenusTest, PanelsWithALayoutPlaceTitleCloseBoxAndExplanationAsTheLayoutDoes)
{
    start();
    // The strong-emphasis panel is 5000 by 3155 twips.
    w().commands.invoke(easy_menu::StrongEmphasisPanel);
    EXPECT_EQ(place(get<QWidget>(strong_panel::Title)), (std::vector<int>{50, 180, 4900, 285}));
    EXPECT_EQ(place(w().controls.get<QWidget>(executeButton(ExecuteButton::StrongPanelCloseBox))), (std::vector<int>{4620, 180, 330, 285}));
    EXPECT_EQ(place(get<QWidget>(strong_panel::Explanation)), (std::vector<int>{50, 850, 4900, 2205}));
}

TEST_F(PanelMenusTest, SelectFirstPromptsComeFirstOnlyWhileNothingIsSelected)
{
    start();
    struct Prompt {
        CommandId opener;
        ControlId explanationBox;
        const char* prompt;
        const char* first;
    };
    const Prompt prompts[] = {
        {easy_menu::FontSizePanel, font_size_panel::Explanation, "まずフォントを変えたい文章をマウスで選択\nマウスで選択下さい 。 ^_^;\n", "選択された文字の大きさを変えます。"},
        {easy_menu::PositionPanel, position_panel::Explanation, "位置指定する文字を選択してください。\n", "段落と同じように位置を設定しますが、後ろに一行空白を挿入しません。"},
        {easy_menu::RawTextPanel, preformatted_panel::Explanation, "文字列を選択して下さい。 \n", "選択された部分は、HTMLソースの文字の並びがそのまま表示されます。"},
        {easy_menu::EmphasisPanel, emphasis_panel::Explanation, "強調する文字を選択してください^-^;。\n", "選択された文字を強調します。"},
        {easy_menu::StrongEmphasisPanel, strong_panel::Explanation, "強調する文字を選択してください^_^;。\n", "選択された文字を強調します。"},
        {advanced_menu::ScrollText, marquee_panel::Explanation, "スクロールさせたい文字列を選択してください。 \n", "テキストをスクロールすることをマーキーと言います。 "},
    };
    ed()->setText(QStringLiteral("abc"));
    for (const Prompt& p : prompts) {
        SCOPED_TRACE(p.prompt);
        ed()->setSelectionStart(1);
        w().commands.invoke(p.opener);
        const QString shown = get<QPlainTextEdit>(p.explanationBox)->toPlainText();
        EXPECT_TRUE(shown.startsWith(u(p.prompt) + u(p.first))) << shown.toStdString();
        // A selection from the very start of the text: no prompt.
        ed()->select(0, 1);
        w().commands.invoke(p.opener);
        EXPECT_TRUE(get<QPlainTextEdit>(p.explanationBox)->toPlainText().startsWith(u(p.first)));
    }
}

TEST_F(PanelMenusTest, InputsHoldTheirDefaultsFromStartUpWhileTheirPanelsAreHidden)
{
    start();
    struct Text {
        ControlId box;
        const char* text;
    };
    const Text texts[] = {
        {link_panel::TargetBox, ""}, {rule_panel::ThicknessBox, "1"}, {rule_panel::LengthMmBox, ""}, {rule_panel::LengthPercentBox, "80"},
        {rule_panel::ColourBox, "#FF6FB7"}, {image_panel::ChosenFileBox, ""}, {image_panel::RelativePathBox, ""}, {image_panel::WidthPercentBox, ""},
        {image_panel::HeightPercentBox, ""}, {image_panel::HeightMmBox, ""}, {image_panel::WidthMmBox, ""}, {image_panel::VerticalSpaceBox, ""}, {image_panel::HorizontalSpaceBox, ""},
        {image_panel::BorderBox, ""}, {image_panel::AltTextBox, "画像ファイル"}, {marquee_panel::LoopCountBox, "0"}, {marquee_panel::DelayBox, "85"},
        {marquee_panel::StepBox, "6"}, {marquee_panel::BackgroundBox, "#FFFFFF"}, {marquee_panel::WidthMmBox, ""}, {marquee_panel::WidthPercentBox, ""}, {marquee_panel::HeightMmBox, ""},
        {marquee_panel::HeightPercentBox, ""}, {marquee_panel::SideMarginBox, ""}, {marquee_panel::TopBottomMarginBox, ""}, {table_panel::TitleBox, ""}, {table_panel::VerticalSpacingBox, ""},
        {table_panel::HorizontalSpacingBox, ""}, {table_panel::BorderWidthBox, "1"}, {table_panel::BorderColourBox, "#008040"}, {table_panel::LightColourBox, "#0000FF"},
        {table_panel::DarkColourBox, "#0000A0"}, {table_panel::CellBackgroundBox, "#CEFFCE"}, {table_panel::WidthBox, ""}, {table_panel::HeightBox, ""},
        {mail_form_panel::AddressBox, ""}, {background_sound_panel::FileBox, ""}, {background_sound_panel::RepeatBox, "1"}, {movie_panel::FileBox, ""}, {movie_panel::TextBox, "ムービーです"},
        {background_image_panel::FileBox, ""}, {page_jump_panel::SourceNameBox, "JMP1"}, {page_jump_panel::TargetNameBox, "JMP1"}, {document_info_panel::AuthorBox, ""}, {document_info_panel::KeywordsBox, ""},
        {document_info_panel::DescriptionBox, ""}, {frames_wizard::FramesetFileBox, "index.html"}, {frames_wizard::FirstFileBox, "left.html"}, {frames_wizard::FirstNameBox, "left"},
        {frames_wizard::SecondFileBox, "right.html"}, {frames_wizard::SecondNameBox, "right"}, {frames_wizard::FirstSizeBox, "20"}, {frames_wizard::FirstTopMarginBox, "0"}, {frames_wizard::FirstBottomMarginBox, "0"},
        {frames_wizard::SecondTopMarginBox, "0"}, {frames_wizard::SecondBottomMarginBox, "0"}, {frames_wizard::TargetBox, "right"}, {frames_wizard::BorderColourBox, "#000000"}, {frames_wizard::BorderWidthBox, ""},
        {indent_panel::LineLengthBox, "50"}, {title_panel::TitleBox, ""}, {heading_panel::LevelBox, "3"}, {body_colours_panel::TextColourBox, "#000000"}, {body_colours_panel::BackgroundBox, "#FFFFFF"},
        {margins_panel::TopMarginBox, "10"}, {margins_panel::LeftMarginBox, "10"}, {font_size_panel::SizeBox, "3"}, {font_colour_panel::ColourBox, "#000000"},
    };
    for (const Text& t : texts)
        EXPECT_EQ(get<QLineEdit>(t.box)->text(), u(t.text)) << t.box.key;

    struct Choice {
        ControlId button;
        bool on;
    };
    const Choice choices[] = {
        {link_panel::NewWindowCheck, false}, {rule_panel::ShadedCheck, true}, {marquee_panel::TrueSpeedCheck, false}, {frames_wizard::SetTargetCheck, true}, {frames_wizard::BordersCheck, true},
        {font_shape_panel::BoldCheck, false}, {font_shape_panel::ItalicCheck, false}, {font_shape_panel::StrikeCheck, false}, {font_shape_panel::TeletypeCheck, false}, {font_shape_panel::UnderlineCheck, false},
        {font_shape_panel::ScriptCheck, false},
    };
    for (const Choice& c : choices)
        EXPECT_EQ(get<QCheckBox>(c.button)->isChecked(), c.on) << c.button.key;

    // The selected option of each group; the others of the group are clear.
    const std::vector<std::pair<ControlArrayId, std::vector<std::pair<int, bool>>>> groups = {
        {rule_panel::Alignment, {{0, false}, {1, true}, {2, false}}},
        {list_panel::Kind, {{0, false}, {1, true}, {2, false}}},
        {list_panel::Mark, {{0, false}, {1, true}, {2, false}}},
        {image_panel::Alignment, {{0, false}, {1, true}, {2, false}, {3, false}, {4, false}}},
        {marquee_panel::Direction, {{0, true}, {1, false}, {2, false}, {3, false}}},
        {marquee_panel::Behaviour, {{0, true}, {1, false}, {2, false}}},
        {table_panel::CaptionPosition, {{1, true}, {0, false}}},
        {table_panel::Headings, {{0, false}, {1, true}, {2, false}, {3, false}}},
        {table_panel::Position, {{0, false}, {1, true}, {2, false}}},
        {table_panel::Frame, {{0, false}, {6, false}, {7, true}, {8, false}}},
        {table_panel::CellAlignment, {{0, false}, {1, true}, {2, false}}},
        {table_panel::CellVerticalAlignment, {{0, false}, {1, true}, {2, false}}},
        {table_panel::Rules, {{0, true}, {1, false}, {2, false}, {3, false}}},
        {background_image_panel::Repeat, {{0, true}, {1, false}, {2, false}, {3, false}}},
        {doctype_panel::Version, {{0, false}, {1, true}, {2, false}}},
        {frames_wizard::Split, {{0, true}, {1, false}}},
        // Yes, no (, auto).
        {frames_wizard::FirstScrolling, {{0, false}, {1, false}, {2, true}}},
        {frames_wizard::SecondScrolling, {{0, false}, {1, false}, {2, true}}},
        {frames_wizard::FirstFixed, {{0, false}, {1, true}}},
        {frames_wizard::SecondFixed, {{0, false}, {1, true}}},
        {frames_wizard::AllFixed, {{0, false}, {1, true}}},
        {paragraph_panel::Alignment, {{0, true}, {1, false}, {2, false}}},
        {position_panel::Alignment, {{0, true}, {1, false}, {2, false}}},
        {font_size_panel::Kind, {{0, true}, {1, false}}},
    };
    for (const auto& [options, places] : groups) {
        for (const auto& [place, on] : places)
            EXPECT_EQ(get<QRadioButton>(ControlRef(options, place))->isChecked(), on) << options.key << "(" << place << ")";
    }
    // The groups of two options that each have an id of their own.
    const Choice pairs[] = {
        {page_jump_panel::SourceOption, true},
        {page_jump_panel::TargetOption, false},
        {font_shape_panel::SuperscriptOption, false},
        {font_shape_panel::SubscriptOption, true},
    };
    for (const Choice& c : pairs)
        EXPECT_EQ(get<QRadioButton>(c.button)->isChecked(), c.on) << c.button.key;

    EXPECT_EQ(get<QListWidget>(font_panel::FontList)->count(), 0);
    EXPECT_TRUE(get<QWidget>(font_shape_panel::ScriptGroup)->isHidden());
    EXPECT_TRUE(get<QWidget>(table_panel::DataBox)->isHidden()) << "the table panel opens in its explanation view";
    EXPECT_TRUE(w().controls.get<QWidget>(image_panel::Picture)->isHidden());
}

TEST_F(PanelMenusTest, ModeItemsAndOpenerSideEffects)
{
    start();
    // The link panel: its mode is whether "リンク先" is shown.
    w().commands.invoke(advanced_menu::MailLink);
    EXPECT_TRUE(w().controls.get<QWidget>(executeButton(ExecuteButton::ChooseLinkTarget))->isHidden());
    EXPECT_TRUE(get<QWidget>(link_panel::NewWindowCheck)->isHidden());
    EXPECT_EQ(get<QLabel>(link_panel::TargetLabel)->text(), QStringLiteral("メールアドレス"));
    w().commands.invoke(advanced_menu::SetLink);
    EXPECT_FALSE(w().controls.get<QWidget>(executeButton(ExecuteButton::ChooseLinkTarget))->isHidden());
    EXPECT_FALSE(get<QWidget>(link_panel::NewWindowCheck)->isHidden());
    EXPECT_EQ(get<QLabel>(link_panel::TargetLabel)->text(), QStringLiteral("リンク先"));

    // The jump panel resets both names, whatever was typed.
    get<QLineEdit>(page_jump_panel::SourceNameBox)->setText(QStringLiteral("mine"));
    get<QLineEdit>(page_jump_panel::TargetNameBox)->setText(QStringLiteral("mine"));
    w().commands.invoke(advanced_menu::JumpToPage);
    EXPECT_EQ(get<QLineEdit>(page_jump_panel::SourceNameBox)->text(), QStringLiteral("URL#JMP1"));
    EXPECT_EQ(get<QLineEdit>(page_jump_panel::TargetNameBox)->text(), QStringLiteral("JMP1"));
    w().commands.invoke(advanced_menu::JumpInPage);
    EXPECT_EQ(get<QLineEdit>(page_jump_panel::SourceNameBox)->text(), QStringLiteral("#JMP1"));

    // The image panel shows the document's path and its explanation view.
    w().controls.get<QWidget>(image_panel::Picture)->show();
    get<QWidget>(image_panel::SettingsGroup)->hide();
    w().commands.invoke(advanced_menu::InsertImage);
    EXPECT_EQ(get<QLabel>(image_panel::DocumentPathLabel)->text(), w().ws.doc(0).folder + QStringLiteral("/$$$000.html"));
    EXPECT_TRUE(w().controls.get<QWidget>(image_panel::Picture)->isHidden());
    EXPECT_FALSE(get<QWidget>(image_panel::SettingsGroup)->isHidden());
    EXPECT_EQ(w().controls.get<QWidget>(image_panel::Picture)->geometry(), get<QWidget>(image_panel::Explanation)->geometry());

    // The frames wizard: the page names of documents 0 and 1; with one document the right page
    // keeps its name.
    get<QLineEdit>(frames_wizard::SecondFileBox)->setText(QStringLiteral("keep.html"));
    w().commands.invoke(advanced_menu::MakeFrames);
    EXPECT_EQ(get<QLineEdit>(frames_wizard::FirstFileBox)->text(), QStringLiteral("$$$000.html"));
    EXPECT_EQ(get<QLineEdit>(frames_wizard::SecondFileBox)->text(), QStringLiteral("keep.html"));
    EXPECT_EQ(w().wizards.mini.mode, 31);
    ASSERT_TRUE(w().ws.addDocument());
    w().commands.invoke(advanced_menu::MakeFrames);
    EXPECT_EQ(get<QLineEdit>(frames_wizard::SecondFileBox)->text(), QStringLiteral("$$$001.html"));
}

TEST_F(PanelMenusTest, ParagraphOpenerKeepsTheSelectionAndFocusesTheEditor)
{
    start();
    ed()->setText(QStringLiteral("one two three"));
    ed()->select(4, 3);
    get<QLineEdit>(title_panel::TitleBox)->setFocus();
    w().commands.invoke(easy_menu::ParagraphPanel);
    EXPECT_EQ(ed()->selectionStart(), 4);
    EXPECT_EQ(ed()->selectionLength(), 3);
    EXPECT_TRUE(ed()->editorHasFocus());
}

TEST_F(PanelMenusTest, MenusKeepTheirIndexesAndSeparators)
{
    start();
    QStringList easy;
    for (QAction* a : w().commands.menu(easy_menu::Menu)->actions())
        easy << (a->isSeparator() ? QStringLiteral("-") : a->text());
    ASSERT_EQ(easy.size(), 26);
    for (int i : {2, 5, 7, 9, 11, 13, 15, 19})
        EXPECT_EQ(easy[i], QStringLiteral("-")) << i;
    EXPECT_EQ(easy[0], QStringLiteral("初期化及び基本スケルトンの挿入（例文入り)"));
    EXPECT_EQ(easy[25], QStringLiteral("フォントの形状を変えよう"));

    QStringList advanced;
    for (QAction* a : w().commands.menu(advanced_menu::Menu)->actions())
        advanced << (a->isSeparator() ? QStringLiteral("-") : a->text());
    const QStringList expected = {
        "罫線を入れよう", "-", "画像を挿入しよう", "-", "項目をリストにしよう", "-", "ﾘﾝｸを設定しよう",
        "リンクを使ってメールを送ろう", "-", "同じページの中にジャンプさせたい", "他のページの中にジャンプさせたい", "-",
        "テキストをスクロールさせよう", "-", "テーブルを作ろう", "-", "入力フォームを作ろう", "-", "フレームを作ろう", "-",
        "BGMを鳴らそう", "-", "ムービーを再生させよう", "-", "バックグラウンドの画像を設定しよう", "-", "文書情報を記述しよう", "-",
        "ドキュメントﾀｲﾌﾟを記述しよう"};
    EXPECT_EQ(advanced, expected);
}

TEST_F(PanelMenusTest, EveryEasyItemTakesItsSnapshotAndEmptiesTheEditorsUndo)
{
    start();
    const QList<int> separators = {2, 5, 7, 9, 11, 13, 15, 19};
    for (int i = 0; i < 26; ++i) {
        SCOPED_TRACE(i);
        ed()->setFocus();
        QTest::keyClicks(ed(), QStringLiteral("x"));
        ASSERT_TRUE(ed()->canUndo());
        const QString typed = ed()->text();
        if (i < 2)
            dialogs.expectMsg(QStringLiteral("ソースが存在しますが上書きしますか?"), MsgResult::No);
        w().commands.invoke(easy_menu::Menu, i);
        if (separators.contains(i)) {
            // A separator of the menu does nothing at all.
            EXPECT_TRUE(ed()->canUndo());
            // The lesson player's direct call takes the snapshot and empties the undo buffer.
            w().wizards.easy.chooseItem(i);
        }
        EXPECT_FALSE(ed()->canUndo());
        const Document& d = w().ws.doc(0);
        EXPECT_EQ(d.undoRing[static_cast<size_t>(d.undoPosition)].text, typed);
        EXPECT_EQ(ed()->text(), typed) << "opening a panel, or No to the question, never changes the document";
        ed()->setSelectionStart(ed()->textLength());
    }
    // Outside 0 to 25: the same as a separator.
    QTest::keyClicks(ed(), QStringLiteral("y"));
    w().wizards.easy.chooseItem(26);
    EXPECT_FALSE(ed()->canUndo());
}

TEST_F(PanelMenusTest, OpeningFromTheMenuSelectsTheSourceTab)
{
    start();
    w().ws.selectPreviewTab(0);
    ASSERT_TRUE(w().ws.previewTabSelected());
    w().commands.invoke(advanced_menu::InsertRule);
    EXPECT_FALSE(w().ws.previewTabSelected());
    w().ws.selectPreviewTab(0);
    w().commands.invoke(easy_menu::EmphasisPanel);
    EXPECT_FALSE(w().ws.previewTabSelected());
}
