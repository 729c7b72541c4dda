#include "wizards/FramesPanel.h"

#include "platform/Twips.h"
#include "wizards/PanelForm.h"
#include "wizards/PanelPlaces.h"
#include "workspace/PanelKit.h"
#include "wizards/FramesWizardControls.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// A Yes / No (/ Auto) group of options: its place in the array, caption, left of each option.
struct Choice {
    int place;
    const char* caption;
    int left;
    bool selected;
};

void choices(PanelForm& g, ControlArrayId options, std::initializer_list<Choice> items)
{
    QButtonGroup* group = g.group();
    for (const Choice& c : items)
        g.option(group, ControlRef(options, c.place), QString::fromUtf8(c.caption), c.selected, c.left, 240, 700);
}

void margins(PanelForm& g, ControlId topBox, ControlId bottomBox)
{
    g.label(QStringLiteral("上"), 90, 300, 250);
    g.textBox(topBox, QStringLiteral("0"), 340, 250, 450, 300);
    g.label(QStringLiteral("mm"), 810, 300, 330);
    g.label(QStringLiteral("下"), 1250, 300, 250);
    g.textBox(bottomBox, QStringLiteral("0"), 1500, 250, 450, 300);
    g.label(QStringLiteral("mm"), 1970, 300, 330);
}

} // namespace

void buildFramesPanel(PanelKit& kit)
{
    QGroupBox* panel = kit.addPanel(frames_wizard::Panel, QStringLiteral("フレーム"));
    twips::SetGeometry(panel, FramesWizardLeft, FramesWizardTop, FramesWizardWidth, FramesWizardHeight);
    PanelForm f(kit, panel);
    twips::SetGeometry(kit.addTitle(panel, frames_wizard::Title, QStringLiteral("フレームの設定")),
                       210, 180, 6780, 285);
    f.pushButton(frames_wizard::CloseBox, QStringLiteral("×"), 6750, 180, 330, 285);
    f.pushButton(frames_wizard::RunButton, QStringLiteral("実行"), 5160, 600, 525, 350);
    f.pushButton(frames_wizard::CloseButton, QStringLiteral("閉る"), 6600, 600, 525, 350);
    f.pushButton(frames_wizard::UndoButton, QStringLiteral("戻す"), 5880, 600, 555, 350);

    PanelForm names(kit, f.group(frames_wizard::NamesGroup, QStringLiteral("ファイル名の設定"), 90, 495, 4995, 1650));
    names.label(frames_wizard::FramesetFileLabel, QStringLiteral("全体の名前"), 90, 405, 1000);
    names.textBox(frames_wizard::FramesetFileBox, QStringLiteral("index.html"), 1125, 270, 2415, 375);
    names.label(frames_wizard::FirstFrameLabel, QStringLiteral("左又は上"), 135, 810, 950);
    names.textBox(frames_wizard::FirstFileBox, QStringLiteral("left.html"), 1125, 720, 2415, 330);
    names.textBox(frames_wizard::FirstNameBox, QStringLiteral("left"), 3645, 630, 1110, 375);
    names.label(frames_wizard::SecondFrameLabel, QStringLiteral("右又は下"), 90, 1215, 1000);
    names.textBox(frames_wizard::SecondFileBox, QStringLiteral("right.html"), 1125, 1125, 2430, 375);
    names.textBox(frames_wizard::SecondNameBox, QStringLiteral("right"), 3645, 1125, 1110, 375);

    PanelForm split(kit, f.group(frames_wizard::SplitGroup, QString(), 5175, 1080, 1935, 1050));
    QButtonGroup* splits = split.group();
    split.option(splits, ControlRef(frames_wizard::Split, 0), QStringLiteral("縦分割"), true, 90, 585, 975, 330);
    split.option(splits, ControlRef(frames_wizard::Split, 1), QStringLiteral("横分割"), false, 90, 225, 975, 375);
    split.textBox(frames_wizard::FirstSizeBox, QStringLiteral("20"), 1080, 360, 465, 330);
    split.label(frames_wizard::FirstSizeUnit, QStringLiteral("%"), 1560, 420, 300);

    PanelForm scrollA(kit, f.group(frames_wizard::FirstScrollingGroup, QStringLiteral("スクロール可能　A"), 90, 2250, 2430, 615));
    choices(scrollA, frames_wizard::FirstScrolling, {{0, "Yes", 240, false}, {1, "No", 960, false}, {2, "Auto", 1620, true}});
    PanelForm scrollB(kit, f.group(frames_wizard::SecondScrollingGroup, QStringLiteral("スクロール可能　B"), 90, 2970, 2430, 615));
    choices(scrollB, frames_wizard::SecondScrolling, {{0, "Yes", 240, false}, {1, "No", 960, false}, {2, "Auto", 1575, true}});
    // The fixed borders and the margins are shown, and nothing reads them.
    PanelForm fixedA(kit, f.group(frames_wizard::FirstFixedGroup, QStringLiteral("境界線の固定　A"), 2610, 2250, 1815, 615));
    choices(fixedA, frames_wizard::FirstFixed, {{0, "Yes", 240, false}, {1, "No", 960, true}});
    PanelForm fixedB(kit, f.group(frames_wizard::SecondFixedGroup, QStringLiteral("境界線の固定　B"), 2610, 3015, 1815, 615));
    choices(fixedB, frames_wizard::SecondFixed, {{0, "Yes", 240, false}, {1, "No", 960, true}});
    PanelForm fixedAll(kit, f.group(frames_wizard::AllFixedGroup, QStringLiteral("フレーム境界線の固定"), 180, 4455, 2430, 555));
    choices(fixedAll, frames_wizard::AllFixed, {{0, "Yes", 240, false}, {1, "No", 960, true}});
    PanelForm marginA(kit, f.group(frames_wizard::FirstMarginsGroup, QStringLiteral("マージンの設定　Ａ"), 4500, 2250, 2595, 645));
    margins(marginA, frames_wizard::FirstTopMarginBox, frames_wizard::FirstBottomMarginBox);
    PanelForm marginB(kit, f.group(frames_wizard::SecondMarginsGroup, QStringLiteral("マージンの設定　B"), 4500, 3015, 2595, 645));
    margins(marginB, frames_wizard::SecondTopMarginBox, frames_wizard::SecondBottomMarginBox);

    PanelForm target(kit, f.group(frames_wizard::TargetGroup, QStringLiteral("リンクターゲット"), 135, 3690, 2370, 645));
    target.check(frames_wizard::SetTargetCheck, QStringLiteral("設定"), true, 90, 225, 690, 330);
    target.textBox(frames_wizard::TargetBox, QStringLiteral("right"), 1035, 225, 975, 330);

    PanelForm border(kit, f.group(frames_wizard::BorderGroup, QStringLiteral("境界線の設定"), 2610, 3690, 4500, 645));
    border.label(frames_wizard::BorderLabel, QStringLiteral("全体"), 45, 315, 520);
    border.check(frames_wizard::BordersCheck, QStringLiteral("境界線あり"), true, 585, 270, 1275, 285);
    border.pushButton(frames_wizard::BorderColourButton, QStringLiteral("色"), 1800, 225, 375, 300);
    border.textBox(frames_wizard::BorderColourBox, QStringLiteral("#000000"), 2250, 210, 840, 330);
    border.label(frames_wizard::BorderWidthLabel, QStringLiteral("幅"), 3150, 255, 250);
    border.textBox(frames_wizard::BorderWidthBox, QString(), 3420, 210, 345, 330);
    border.label(frames_wizard::BorderWidthUnit, QStringLiteral("mm"), 3825, 255, 400);

    auto* text = kit.add<QPlainTextEdit>(panel, frames_wizard::Explanation);
    text->setReadOnly(true);
    twips::SetGeometry(text, 180, 5085, 6960, 2760);
}
