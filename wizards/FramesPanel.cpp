#include "wizards/FramesPanel.h"

#include "platform/Twips.h"
#include "wizards/PanelForm.h"
#include "wizards/PanelPlaces.h"
#include "workspace/PanelKit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QGroupBox* frame1(PanelForm& f, int index, const QString& caption, int left, int top, int width, int height)
{
    return f.group(QStringLiteral("Frame1"), index, caption, left, top, width, height);
}

// A Yes / No (/ Auto) group of Option18: index, caption, left of each option.
struct Choice {
    int index;
    const char* caption;
    int left;
    bool selected;
};

void choices(PanelForm& g, std::initializer_list<Choice> items)
{
    QButtonGroup* group = g.group();
    for (const Choice& c : items)
        g.option(group, QStringLiteral("Option18"), c.index, QString::fromUtf8(c.caption), c.selected, c.left, 240, 700);
}

void margins(PanelForm& g, int topBox, int bottomBox)
{
    g.label(QStringLiteral("上"), 90, 300, 250);
    g.box(QStringLiteral("Text1"), topBox, QStringLiteral("0"), 340, 250, 450, 300);
    g.label(QStringLiteral("mm"), 810, 300, 330);
    g.label(QStringLiteral("下"), 1250, 300, 250);
    g.box(QStringLiteral("Text1"), bottomBox, QStringLiteral("0"), 1500, 250, 450, 300);
    g.label(QStringLiteral("mm"), 1970, 300, 330);
}

} // namespace

void buildFramesPanel(PanelKit& kit)
{
    QGroupBox* panel = kit.addPanel(QStringLiteral("FrmFrame"), ControlRegistry::NoIndex, QStringLiteral("フレーム"));
    twips::SetGeometry(panel, FrmFrameLeft, FrmFrameTop, FrmFrameWidth, FrmFrameHeight);
    PanelForm f(kit, panel);
    twips::SetGeometry(kit.addTitle(panel, QStringLiteral("Label7"), ControlRegistry::NoIndex, QStringLiteral("フレームの設定")),
                       210, 180, 6780, 285);
    f.button(QStringLiteral("Command6"), 0, QStringLiteral("×"), 6750, 180, 330, 285);
    f.button(QStringLiteral("Command6"), 1, QStringLiteral("実行"), 5160, 600, 525, 350);
    f.button(QStringLiteral("Command6"), 2, QStringLiteral("閉る"), 6600, 600, 525, 350);
    f.button(QStringLiteral("Command6"), 3, QStringLiteral("戻す"), 5880, 600, 555, 350);

    PanelForm names(kit, frame1(f, 0, QStringLiteral("ファイル名の設定"), 90, 495, 4995, 1650));
    names.label(QStringLiteral("Label14"), 7, QStringLiteral("全体の名前"), 90, 405, 1000);
    names.box(QStringLiteral("Text1"), 9, QStringLiteral("index.html"), 1125, 270, 2415, 375);
    names.label(QStringLiteral("Label14"), 0, QStringLiteral("左又は上"), 135, 810, 950);
    names.box(QStringLiteral("Text1"), 0, QStringLiteral("left.html"), 1125, 720, 2415, 330);
    names.box(QStringLiteral("Text1"), 1, QStringLiteral("left"), 3645, 630, 1110, 375);
    names.label(QStringLiteral("Label14"), 1, QStringLiteral("右又は下"), 90, 1215, 1000);
    names.box(QStringLiteral("Text1"), 2, QStringLiteral("right.html"), 1125, 1125, 2430, 375);
    names.box(QStringLiteral("Text1"), 3, QStringLiteral("right"), 3645, 1125, 1110, 375);

    PanelForm split(kit, frame1(f, 1, QString(), 5175, 1080, 1935, 1050));
    QButtonGroup* splits = split.group();
    split.option(splits, QStringLiteral("Option5"), 0, QStringLiteral("縦分割"), true, 90, 585, 975, 330);
    split.option(splits, QStringLiteral("Option5"), 1, QStringLiteral("横分割"), false, 90, 225, 975, 375);
    split.box(QStringLiteral("Text7"), 0, QStringLiteral("20"), 1080, 360, 465, 330);
    split.label(QStringLiteral("Label8"), 0, QStringLiteral("%"), 1560, 420, 300);

    PanelForm scrollA(kit, frame1(f, 2, QStringLiteral("スクロール可能　A"), 90, 2250, 2430, 615));
    choices(scrollA, {{0, "Yes", 240, false}, {1, "No", 960, false}, {2, "Auto", 1620, true}});
    PanelForm scrollB(kit, frame1(f, 4, QStringLiteral("スクロール可能　B"), 90, 2970, 2430, 615));
    choices(scrollB, {{5, "Yes", 240, false}, {4, "No", 960, false}, {3, "Auto", 1575, true}});
    // The fixed borders and the margins are shown, and nothing reads them.
    PanelForm fixedA(kit, frame1(f, 5, QStringLiteral("境界線の固定　A"), 2610, 2250, 1815, 615));
    choices(fixedA, {{8, "Yes", 240, false}, {7, "No", 960, true}});
    PanelForm fixedB(kit, frame1(f, 6, QStringLiteral("境界線の固定　B"), 2610, 3015, 1815, 615));
    choices(fixedB, {{6, "Yes", 240, false}, {9, "No", 960, true}});
    PanelForm fixedAll(kit, frame1(f, 10, QStringLiteral("フレーム境界線の固定"), 180, 4455, 2430, 555));
    choices(fixedAll, {{10, "Yes", 240, false}, {11, "No", 960, true}});
    PanelForm marginA(kit, frame1(f, 3, QStringLiteral("マージンの設定　Ａ"), 4500, 2250, 2595, 645));
    margins(marginA, 5, 4);
    PanelForm marginB(kit, frame1(f, 7, QStringLiteral("マージンの設定　B"), 4500, 3015, 2595, 645));
    margins(marginB, 6, 7);

    PanelForm target(kit, frame1(f, 8, QStringLiteral("リンクターゲット"), 135, 3690, 2370, 645));
    target.check(QStringLiteral("Check5"), 0, QStringLiteral("設定"), true, 90, 225, 690, 330);
    target.box(QStringLiteral("Text1"), 11, QStringLiteral("right"), 1035, 225, 975, 330);

    PanelForm border(kit, frame1(f, 9, QStringLiteral("境界線の設定"), 2610, 3690, 4500, 645));
    border.label(QStringLiteral("Label14"), 6, QStringLiteral("全体"), 45, 315, 520);
    border.check(QStringLiteral("Check5"), 1, QStringLiteral("境界線あり"), true, 585, 270, 1275, 285);
    border.button(QStringLiteral("Command7"), 0, QStringLiteral("色"), 1800, 225, 375, 300);
    border.box(QStringLiteral("Text1"), 8, QStringLiteral("#000000"), 2250, 210, 840, 330);
    border.label(QStringLiteral("Label14"), 9, QStringLiteral("幅"), 3150, 255, 250);
    border.box(QStringLiteral("Text1"), 12, QString(), 3420, 210, 345, 330);
    border.label(QStringLiteral("Label8"), 9, QStringLiteral("mm"), 3825, 255, 400);

    auto* text = kit.add<QPlainTextEdit>(panel, QStringLiteral("Text1"), 13);
    text->setReadOnly(true);
    twips::SetGeometry(text, 180, 5085, 6960, 2760);
}
