#include "wizards/AdvancedPanels.h"

#include "platform/Twips.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/PanelForm.h"
#include "wizards/PanelPlaces.h"
#include "workspace/PanelKit.h"
#include "wizards/AdvancedPanelInputs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// A panel's explanation box, from `top` to 100 twips above the panel's bottom edge.
void explanationFrom(PanelForm& f, ControlId panel, int top)
{
    const PanelRow& row = panelRow(panel);
    f.explanation(row.explanation, 50, top, row.width - 100, row.height - top - 100);
}

int rightEdge(ControlId panel)
{
    return panelRow(panel).width - 50;
}

void linkPanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, link_panel::Panel, QStringLiteral("リンク"), QStringLiteral("リンクの設定"),
                                  ExecuteButton::LinkPanelCloseBox));
    f.label(link_panel::TargetLabel, QStringLiteral("リンク先"), 50, 580, 1350);
    f.textBox(link_panel::TargetBox, QString(), 1400, 550, 3900);
    f.pushButton(ExecuteButton::ChooseLinkTarget, QStringLiteral("リンク先"), 5400, 550, 1000);
    f.check(link_panel::NewWindowCheck, QStringLiteral("別のウィンドウにリンクを表示"), false, 50, 980, 3700);
    f.executeAndClose(ExecuteButton::InsertLink, ExecuteButton::CloseLinkPanel, rightEdge(link_panel::Panel), 950);
    explanationFrom(f, link_panel::Panel, 1400);
}

void rulePanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, rule_panel::Panel, QStringLiteral("罫線"), QStringLiteral("罫線を入れよう"),
                                  ExecuteButton::RulePanelCloseBox));
    f.label(QStringLiteral("線の太さ"), 50, 580, 850);
    f.textBox(rule_panel::ThicknessBox, QStringLiteral("1"), 900, 550, 500);
    f.label(QStringLiteral("mm"), 1430, 580, 350);
    f.label(QStringLiteral("線の色"), 1900, 580, 800);
    f.textBox(rule_panel::ColourBox, QStringLiteral("#FF6FB7"), 2700, 550, 1000);
    f.pushButton(rule_panel::ColourButton, QStringLiteral("色"), 3750, 550, 450);
    f.label(QStringLiteral("線の長さ"), 50, 980, 850);
    f.textBox(rule_panel::LengthMmBox, QString(), 900, 950, 500);
    f.label(QStringLiteral("mm"), 1430, 980, 350);
    f.label(QStringLiteral("線の長さ"), 1900, 980, 800);
    f.textBox(rule_panel::LengthPercentBox, QStringLiteral("80"), 2700, 950, 500);
    f.label(QStringLiteral("%"), 3230, 980, 300);
    f.check(rule_panel::ShadedCheck, QStringLiteral("影付き"), true, 50, 1380, 1000);
    QButtonGroup* g = f.group();
    f.option(g, ControlRef(rule_panel::Alignment, 0), QStringLiteral("左寄"), false, 1100, 1380, 750);
    f.option(g, ControlRef(rule_panel::Alignment, 1), QStringLiteral("センタリング"), true, 1850, 1380, 1500);
    f.option(g, ControlRef(rule_panel::Alignment, 2), QStringLiteral("右寄"), false, 3350, 1380, 750);
    f.pushButton(ExecuteButton::InsertRule, QStringLiteral("実行"), 4950, 550, 1000);
    f.pushButton(ExecuteButton::CloseRulePanel, QStringLiteral("閉じる"), 4950, 950, 1000);
    explanationFrom(f, rule_panel::Panel, 1800);
}

void listPanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, list_panel::Panel, QStringLiteral("リスト"), QStringLiteral("項目をリストにしよう"),
                                  ExecuteButton::ListPanelCloseBox));
    PanelForm kind(kit, f.group(QStringLiteral("リストの種類"), 50, 550, 2550, 1150));
    QButtonGroup* kinds = kind.group();
    kind.option(kinds, ControlRef(list_panel::Kind, 0), QStringLiteral("マークなし"), false, 120, 280, 2300);
    kind.option(kinds, ControlRef(list_panel::Kind, 1), QStringLiteral("マーク付き"), true, 120, 560, 2300);
    kind.option(kinds, ControlRef(list_panel::Kind, 2), QStringLiteral("番号付き"), false, 120, 840, 2300);
    PanelForm mark(kit, f.group(QStringLiteral("マークの種類"), 2700, 550, 2550, 1150));
    QButtonGroup* marks = mark.group();
    mark.option(marks, ControlRef(list_panel::Mark, 0), QStringLiteral("黒  ●"), false, 120, 280, 2300);
    mark.option(marks, ControlRef(list_panel::Mark, 1), QStringLiteral("白  ○"), true, 120, 560, 2300);
    mark.option(marks, ControlRef(list_panel::Mark, 2), QStringLiteral("四角■"), false, 120, 840, 2300);
    f.executeAndClose(ExecuteButton::InsertList, ExecuteButton::CloseListPanel, rightEdge(list_panel::Panel), 1800);
    explanationFrom(f, list_panel::Panel, 2250);
}

void imagePanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, image_panel::Panel, QStringLiteral("画像"), QStringLiteral("画像を挿入しよう"),
                                  ExecuteButton::ImagePanelCloseBox));
    f.label(QStringLiteral("テキストパス"), 90, 600, 1100);
    f.label(image_panel::DocumentPathLabel, QString(), 1215, 600, 5805);
    f.pushButton(image_panel::ChooseFileButton, QStringLiteral("画像の選択"), 90, 1035, 1095, 375);
    f.textBox(image_panel::ChosenFileBox, QString(), 1215, 1080, 5805);
    f.label(QStringLiteral("画像相対パス"), 90, 1560, 1100);
    f.textBox(image_panel::RelativePathBox, QString(), 1215, 1530, 4400);
    f.pushButton(image_panel::ShowPictureButton, QStringLiteral("画像表示"), 5715, 1505, 1305, 375);

    PanelForm s(kit, f.group(image_panel::SettingsGroup, QString(), 90, 1950, 6930, 2020));
    PanelForm align(kit, s.group(QStringLiteral("テキストとの並び"), 60, 60, 3600, 600));
    QButtonGroup* aligns = align.group();
    const char* const places[] = {"上", "中", "下", "左", "右"};
    for (int i = 0; i < 5; ++i)
        align.option(aligns, ControlRef(image_panel::Alignment, i), QString::fromUtf8(places[i]), i == 1, 120 + i * 690, 270, 650);
    PanelForm buttons(kit, s.group(image_panel::ButtonsGroup, QString(), 3800, 120, 3050, 540));
    buttons.pushButton(ExecuteButton::InsertImage, QStringLiteral("挿入"), 150, 110, 1200);
    buttons.pushButton(ExecuteButton::CloseImagePanel, QStringLiteral("閉じる"), 1550, 110, 1200);

    s.label(QStringLiteral("画像の大きさ　(大きさを設定しないと、そのままの大きさで挿入されます）"), 60, 720, 6800);
    s.label(QStringLiteral("縦幅"), 60, 1060, 450);
    s.textBox(image_panel::HeightPercentBox, QString(), 520, 1030, 500);
    s.label(QStringLiteral("％"), 1040, 1060, 250);
    s.label(QStringLiteral("横幅"), 1330, 1060, 450);
    s.textBox(image_panel::WidthPercentBox, QString(), 1790, 1030, 500);
    s.label(QStringLiteral("％"), 2310, 1060, 250);
    s.label(QStringLiteral("(　縦幅"), 2650, 1060, 700);
    s.textBox(image_panel::HeightMmBox, QString(), 3360, 1030, 500);
    s.label(QStringLiteral("mm"), 3880, 1060, 330);
    s.label(QStringLiteral("横幅"), 4250, 1060, 450);
    s.textBox(image_panel::WidthMmBox, QString(), 4710, 1030, 500);
    s.label(QStringLiteral("mm　)"), 5230, 1060, 600);

    // Spaces and the border are written into the element as typed: in dots.
    s.label(QStringLiteral("テキストとの間隔(ドット)"), 60, 1480, 2050);
    s.label(QStringLiteral("上下"), 2120, 1480, 400);
    s.textBox(image_panel::VerticalSpaceBox, QString(), 2520, 1450, 450);
    s.label(QStringLiteral("左右"), 3030, 1480, 400);
    s.textBox(image_panel::HorizontalSpaceBox, QString(), 3430, 1450, 450);
    s.label(QStringLiteral("枠線の太さ(ドット)"), 4050, 1480, 1650);
    s.textBox(image_panel::BorderBox, QString(), 5700, 1450, 450);

    f.label(QStringLiteral("画像の代わりのテキスト"), 90, 4020, 2050);
    // The last row of inputs lies under the settings group, above the explanation box.
    auto* alt = kit.add<QLineEdit>(f.container(), image_panel::AltTextBox);
    alt->setText(QStringLiteral("画像ファイル"));
    twips::SetGeometry(alt, 2150, 3990, 4870, 330);

    const PanelRow& row = panelRow(image_panel::Panel);
    QPlainTextEdit* text = f.explanation(row.explanation, 135, 4400, 6855, row.height - 4400 - 150);
    // The picture box lies over the explanation box; openImagePanel gives it the box's place.
    auto* picture = kit.add<QLabel>(f.container(), image_panel::Picture);
    picture->setAlignment(Qt::AlignCenter);
    picture->setAutoFillBackground(true);
    picture->setGeometry(text->geometry());
    picture->hide();
}

void marqueePanel(PanelKit& kit)
{
    constexpr ControlId k = marquee_panel::Panel;
    PanelForm f(kit,
                newConstructPanel(kit, k, QStringLiteral("スクロール"), QStringLiteral("テキストをスクロールさせよう"),
                                  ExecuteButton::MarqueePanelCloseBox));
    PanelForm dir(kit, f.group(QStringLiteral("方向"), 50, 550, 2200, 1300));
    QButtonGroup* dirs = dir.group();
    const char* const directions[] = {"左へ", "右へ", "上へ", "下へ"};
    for (int i = 0; i < 4; ++i)
        dir.option(dirs, ControlRef(marquee_panel::Direction, i), QString::fromUtf8(directions[i]), i == 0, 120, 270 + i * 250, 1900, 250);
    PanelForm how(kit, f.group(QStringLiteral("動き方"), 2300, 550, 2250, 1300));
    QButtonGroup* hows = how.group();
    const char* const behaviours[] = {"一定方向", "往復", "端で止まる"};
    for (int i = 0; i < 3; ++i)
        how.option(hows, ControlRef(marquee_panel::Behaviour, i), QString::fromUtf8(behaviours[i]), i == 0, 120, 270 + i * 300, 1950);

    struct Row {
        const char* label;
        ControlId box;
        const char* text;
        const char* unit;
    };
    // The distance and the two margins are written as typed: in dots.
    const Row rows[] = {
        {"ループ回数", marquee_panel::LoopCountBox, "0", "回"},
        {"再描画までの時間", marquee_panel::DelayBox, "85", "1/1000秒"},
        {"再描画までの距離", marquee_panel::StepBox, "6", "ドット"},
        {"マーキーの左右の余白", marquee_panel::SideMarginBox, "", "ドット"},
        {"マーキーの上下の余白", marquee_panel::TopBottomMarginBox, "", "ドット"},
    };
    int y = 1950;
    for (const Row& r : rows) {
        f.label(QString::fromUtf8(r.label), 50, y + 30, 1850);
        f.textBox(r.box, QString::fromUtf8(r.text), 1900, y, 600);
        f.label(QString::fromUtf8(r.unit), 2550, y + 30, 1000);
        y += 400;
    }
    struct Size {
        const char* label;
        ControlId mm;
        ControlId percent;
    };
    const Size sizes[] = {
        {"マーキーの幅", marquee_panel::WidthMmBox, marquee_panel::WidthPercentBox},
        {"マーキーの高さ", marquee_panel::HeightMmBox, marquee_panel::HeightPercentBox},
    };
    for (const Size& size : sizes) {
        f.label(QString::fromUtf8(size.label), 50, y + 30, 1850);
        f.textBox(size.mm, QString(), 1900, y, 550);
        f.label(QStringLiteral("mm"), 2480, y + 30, 350);
        f.textBox(size.percent, QString(), 2850, y, 550);
        f.label(QStringLiteral("%"), 3430, y + 30, 300);
        y += 400;
    }
    f.check(marquee_panel::TrueSpeedCheck, QStringLiteral("truespeed"), false, 50, y + 30, 1400);
    f.label(QStringLiteral("背景色"), 1550, y + 30, 600);
    f.textBox(marquee_panel::BackgroundBox, QStringLiteral("#FFFFFF"), 2150, y, 1000);
    f.pushButton(marquee_panel::BackgroundButton, QStringLiteral("色"), 3200, y, 450);
    y += 450;
    PanelForm run(kit, f.group(marquee_panel::RunGroup, QString(), 50, y, 1100, 460));
    run.pushButton(ExecuteButton::InsertMarquee, QStringLiteral("実行"), 50, 65, 1000);
    f.pushButton(ExecuteButton::CloseMarqueePanel, QStringLiteral("閉じる"), 1250, y + 65, 1000);
    explanationFrom(f, k, y + 550);
}

void mailFormPanel(PanelKit& kit)
{
    PanelForm f(kit,
                newConstructPanel(kit, mail_form_panel::Panel, QStringLiteral("フォーム"), QStringLiteral("入力フォームを作ろう"),
                                  ExecuteButton::MailFormPanelCloseBox));
    f.label(QStringLiteral("あなたのメールアドレス"), 50, 530, 2000);
    f.textBox(mail_form_panel::AddressBox, QString(), 2050, 500, 2400);
    f.executeAndClose(ExecuteButton::InsertMailForm, ExecuteButton::CloseMailFormPanel, rightEdge(mail_form_panel::Panel), 500);
}

// The sound and movie panels: a file button with its box, and a second box.
void mediaPanel(PanelKit& kit, ControlId k, const QString& caption, const QString& title, ExecuteButton closeBox,
                ControlId fileButton, const QString& buttonCaption, ControlId fileBox, const QString& secondLabel, ControlId secondBox,
                const QString& secondText, const QString& unit, ExecuteButton execute, ExecuteButton close)
{
    PanelForm f(kit, newConstructPanel(kit, k, caption, title, closeBox));
    f.pushButton(fileButton, buttonCaption, 50, 550, 1500);
    f.textBox(fileBox, QString(), 1600, 550, rightEdge(k) - 1600);
    f.label(secondLabel, 50, 980, 1500);
    f.textBox(secondBox, secondText, 1600, 950, unit.isEmpty() ? 2400 : 500);
    if (!unit.isEmpty())
        f.label(unit, 2150, 980, 400);
    f.executeAndClose(execute, close, rightEdge(k), 950);
    explanationFrom(f, k, 1400);
}

void backgroundImagePanel(PanelKit& kit)
{
    constexpr ControlId k = background_image_panel::Panel;
    PanelForm f(kit,
                newConstructPanel(kit, k, QStringLiteral("バックグランドの画像"),
                                  QStringLiteral("バックグランドの画像を指定しよう"),
                                  ExecuteButton::BackgroundImagePanelCloseBox));
    f.pushButton(background_image_panel::ChooseFileButton, QStringLiteral("画像の選択"), 50, 550, 1200);
    f.textBox(background_image_panel::FileBox, QString(), 1300, 550, rightEdge(k) - 1300);
    QButtonGroup* g = f.group();
    const char* const repeats[] = {"繰り返し縦横", "繰り返し無し", "繰り返し横", "繰り返し縦"};
    for (int i = 0; i < 4; ++i)
        f.option(g, ControlRef(background_image_panel::Repeat, i), QString::fromUtf8(repeats[i]), i == 0, 50 + i * 1600, 980, 1550);
    f.executeAndClose(ExecuteButton::InsertBackgroundImage, ExecuteButton::CloseBackgroundImagePanel, rightEdge(k),
                      1350);
    explanationFrom(f, k, 1800);
}

void doctypePanel(PanelKit& kit)
{
    constexpr ControlId k = doctype_panel::Panel;
    PanelForm f(kit,
                newConstructPanel(kit, k, QStringLiteral("ドキュメントタイプ"),
                                  QStringLiteral("ドキュメントタイプを記述しよう"),
                                  ExecuteButton::DoctypePanelCloseBox));
    PanelForm v(kit, f.group(QStringLiteral("HTMLのバージョン指定"), 50, 550, rightEdge(k) - 50, 1150));
    QButtonGroup* g = v.group();
    const char* const versions[] = {"ＨＴＭＬ４．０１　Ｓｔｒｉｃｔ　ＤＴＤ", "ＨＴＭＬ４．０１　Ｔｒａｎｓｉｔｉｏｎａｌ　ＤＴＤ",
                                    "ＨＴＭＬ４．０１　Ｆｒａｍｅｓｅｔ　ＤＴＤ"};
    for (int i = 0; i < 3; ++i)
        v.option(g, ControlRef(doctype_panel::Version, i), QString::fromUtf8(versions[i]), i == 1, 120, 280 + i * 270, rightEdge(k) - 250);
    f.executeAndClose(ExecuteButton::InsertDoctype, ExecuteButton::CloseDoctypePanel, rightEdge(k), 1800);
    explanationFrom(f, k, 2250);
}

void jumpPanel(PanelKit& kit)
{
    constexpr ControlId k = page_jump_panel::Panel;
    PanelForm f(kit,
                newConstructPanel(kit, k, QStringLiteral("ページの中にジャンプ"),
                                  QStringLiteral("ページの中にジャンプさせよう"),
                                  ExecuteButton::PageJumpPanelCloseBox));
    QButtonGroup* g = f.group();
    f.option(g, page_jump_panel::SourceOption, QStringLiteral("ジャンプ元　名前"), true, 50, 580, 1950);
    f.textBox(page_jump_panel::SourceNameBox, QStringLiteral("JMP1"), 2050, 550, 2000);
    f.option(g, page_jump_panel::TargetOption, QStringLiteral("ジャンプ先　名前"), false, 50, 980, 1950);
    QLineEdit* target = f.textBox(page_jump_panel::TargetNameBox, QStringLiteral("JMP1"), 2050, 950, 2000);
    // The name box of the option that is not chosen is disabled.
    target->setEnabled(false);
    f.pushButton(ExecuteButton::InsertPageJump, QStringLiteral("実行"), rightEdge(k) - 1000, 550, 1000);
    f.pushButton(ExecuteButton::ClosePageJumpPanel, QStringLiteral("閉じる"), rightEdge(k) - 1000, 950, 1000);
    explanationFrom(f, k, 1400);
}

void documentInfoPanel(PanelKit& kit)
{
    constexpr ControlId k = document_info_panel::Panel;
    PanelForm f(kit,
                newConstructPanel(kit, k, QStringLiteral("文書情報"), QStringLiteral("文書情報を記述しよう"),
                                  ExecuteButton::DocumentInfoPanelCloseBox));
    const char* const labels[] = {"作者", "キーワード", "文章の説明"};
    const ControlId boxes[] = {document_info_panel::AuthorBox, document_info_panel::KeywordsBox,
                               document_info_panel::DescriptionBox};
    for (int i = 0; i < 3; ++i) {
        f.label(QString::fromUtf8(labels[i]), 50, 580 + i * 400, 1200);
        f.textBox(boxes[i], QString(), 1300, 550 + i * 400, rightEdge(k) - 1300);
    }
    f.executeAndClose(ExecuteButton::InsertDocumentInfo, ExecuteButton::CloseDocumentInfoPanel, rightEdge(k), 1750);
    explanationFrom(f, k, 2200);
}

} // namespace

void buildAdvancedPanels(PanelKit& kit)
{
    linkPanel(kit);
    rulePanel(kit);
    listPanel(kit);
    imagePanel(kit);
    marqueePanel(kit);
    mailFormPanel(kit);
    mediaPanel(kit, background_sound_panel::Panel, QStringLiteral("BGM"), QStringLiteral("BGMを鳴らそう"),
               ExecuteButton::BackgroundSoundPanelCloseBox, background_sound_panel::ChooseFileButton, QStringLiteral("音楽の選択"),
               background_sound_panel::FileBox, QStringLiteral("回数の指定"), background_sound_panel::RepeatBox, QStringLiteral("1"), QStringLiteral("回"),
               ExecuteButton::InsertBackgroundSound, ExecuteButton::CloseBackgroundSoundPanel);
    mediaPanel(kit, movie_panel::Panel, QStringLiteral("ムービー"), QStringLiteral("ムービーを再生させよう"),
               ExecuteButton::MoviePanelCloseBox, movie_panel::ChooseFileButton, QStringLiteral("ムービーファイル"),
               movie_panel::FileBox, QStringLiteral("テキスト"), movie_panel::TextBox, QStringLiteral("ムービーです"), QString(), ExecuteButton::InsertMovie,
               ExecuteButton::CloseMoviePanel);
    backgroundImagePanel(kit);
    doctypePanel(kit);
    jumpPanel(kit);
    documentInfoPanel(kit);
}
