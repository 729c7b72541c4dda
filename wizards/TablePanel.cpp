#include "wizards/AdvancedPanels.h"

#include "platform/Twips.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/PanelForm.h"
#include "wizards/PanelPlaces.h"
#include "workspace/PanelKit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPlainTextEdit>

namespace {

// Options of one group, `columns` to a row.
void options(PanelForm& g, const QString& name, const std::vector<std::pair<int, const char*>>& items, int selected,
             int columns, int columnWidth, int rowHeight = 260)
{
    QButtonGroup* group = g.group();
    for (size_t i = 0; i < items.size(); ++i) {
        const int column = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        g.option(group, name, items[i].first, QString::fromUtf8(items[i].second), items[i].first == selected,
                 100 + column * columnWidth, 250 + row * rowHeight, columnWidth - 50, 250);
    }
}

// A caption, a box and, after it, a unit or a colour button Command(index).
void labelledBox(PanelForm& f, int top, const char* caption, const QString& name, int index, const char* text, int width)
{
    f.label(QString::fromUtf8(caption), 7000, top + 30, 2000);
    f.box(name, index, QString::fromUtf8(text), 9000, top, width);
}

} // namespace

void buildTablePanel(PanelKit& kit)
{
    constexpr ControlId panel = table_panel::Panel;
    const PanelRow& row = panelRow(panel);
    PanelForm f(kit,
                newConstructPanel(kit, panel, QStringLiteral("テーブル"), QStringLiteral("テーブルの設定"),
                                  ExecuteButton::TablePanelCloseBox));

    // The explanation and the table data share one place; one of them is shown at a time.
    f.explanation(row.explanation, 100, 550, 6750, 3350);
    auto* data = kit.add<QPlainTextEdit>(f.container(), table_panel::DataBox);
    twips::SetGeometry(data, 100, 550, 6750, 3350);
    data->setLineWrapMode(QPlainTextEdit::NoWrap);
    data->hide();
    f.button(table_panel::ShowExplanationButton, QStringLiteral("解説の表示"), 315, 4005, 1410);
    f.button(table_panel::ShowDataButton, QStringLiteral("テーブルの表示"), 1980, 4005, 1410);
    f.button(table_panel::ClearDataButton, QStringLiteral("表のクリアー"), 3645, 4005, 1410);
    f.button(table_panel::SampleRowsButton, QStringLiteral("サンプルの作成"), 5265, 4005, 1500);

    // Left column: the caption, headings, position and the distance to the text.
    f.label(QStringLiteral("テーブルのタイトル"), 100, 4530, 1700);
    f.box(QStringLiteral("Txttit"), ControlRegistry::NoIndex, QString(), 1800, 4500, 3000);
    PanelForm caption(kit, f.group(QStringLiteral("位置"), 4900, 4400, 1950, 560));
    options(caption, QStringLiteral("Option16"), {{1, "上"}, {0, "下"}}, 1, 2, 850);
    PanelForm headings(kit, f.group(QString(), 100, 5000, 3350, 1250));
    options(headings, QStringLiteral("Option10"),
            {{0, "見出しを設定しない"}, {1, "一行目を見出しにする"}, {2, "一列目を見出しにする"}, {3, "一行目と一列目を見出しにする"}}, 1, 1,
            3200, 240);
    PanelForm place(kit, f.group(QStringLiteral("テーブルの位置"), 3550, 5000, 3300, 560));
    options(place, QStringLiteral("Optionichi2"), {{0, "左"}, {1, "中央"}, {2, "右"}}, 1, 3, 1050);
    // The two distances are written as typed: in dots.
    f.label(QStringLiteral("テーブルとテキストの縦方向の間隔"), 100, 6380, 3300);
    f.box(QStringLiteral("Txttatek"), ControlRegistry::NoIndex, QString(), 3450, 6350, 550);
    f.label(QStringLiteral("ドット"), 4050, 6380, 600);
    f.label(QStringLiteral("テーブルとテキストの横方向の間隔"), 100, 6780, 3300);
    f.box(QStringLiteral("Txtyokok"), ControlRegistry::NoIndex, QString(), 3450, 6750, 550);
    f.label(QStringLiteral("ドット"), 4050, 6780, 600);
    PanelForm run(kit, f.group(table_panel::RunGroup, QString(), 100, 7230, 1200, 460));
    run.button(ExecuteButton::InsertTable, QStringLiteral("実行"), 50, 65, 1100);
    f.button(ExecuteButton::CloseTablePanel, QStringLiteral("閉じる"), 1450, 7295, 1100);

    // Right column: borders, cells, size and rules.
    labelledBox(f, 550, "枠線の幅", QStringLiteral("txtwaku2"), 1, "1", 500);
    f.label(QStringLiteral("mm"), 9550, 580, 350);
    const char* const colours[][2] = {{"枠線の色", "#008040"}, {"枠線の明るい部分の色", "#0000FF"}, {"枠線の影の部分の色", "#0000A0"}};
    for (int i = 0; i < 3; ++i) {
        labelledBox(f, 950 + i * 400, colours[i][0], QStringLiteral("Text5"), i, colours[i][1], 900);
        f.button(QStringLiteral("Command30"), i, QStringLiteral("色"), 9950, 950 + i * 400, 450);
    }
    PanelForm frame(kit, f.group(QStringLiteral("外枠の表示方法"), 7000, 2150, 3430, 1650));
    options(frame, QStringLiteral("Option11"),
            {{0, "四辺の縁取り"}, {1, "上のみ"}, {2, "下のみ"}, {3, "上下のみ"}, {4, "左右のみ"}, {5, "左側のみ"}, {6, "右側のみ"},
             {7, "外枠全て"}, {8, "外枠なし"}},
            7, 2, 1650);
    PanelForm across(kit, f.group(QStringLiteral("セル内のテキストの位置"), 7000, 3850, 3430, 560));
    options(across, QStringLiteral("Option7"), {{0, "左"}, {1, "中央"}, {2, "右"}}, 1, 3, 1050);
    // The vertical position: its third choice is the bottom.
    PanelForm down(kit, f.group(QStringLiteral("セル内のテキストの位置"), 7000, 4450, 3430, 560));
    options(down, QStringLiteral("Option9"), {{0, "上"}, {1, "中央"}, {2, "下"}}, 1, 3, 1050);
    labelledBox(f, 5100, "セルの背景色", QStringLiteral("Txttc"), ControlRegistry::NoIndex, "#CEFFCE", 900);
    f.button(QStringLiteral("Command25"), ControlRegistry::NoIndex, QStringLiteral("色"), 9950, 5100, 450);
    labelledBox(f, 5500, "テーブルの幅", QStringLiteral("Txttwidth"), ControlRegistry::NoIndex, "", 600);
    f.label(QStringLiteral("mm"), 9650, 5530, 350);
    labelledBox(f, 5900, "テーブルの高さ", QStringLiteral("Txttheight"), ControlRegistry::NoIndex, "", 600);
    f.label(QStringLiteral("mm"), 9650, 5930, 350);
    PanelForm rules(kit, f.group(QStringLiteral("罫線の表示方法"), 7000, 6350, 3430, 850));
    options(rules, QStringLiteral("Option12"), {{0, "全ての境界"}, {1, "横の境界のみ"}, {2, "縦の境界のみ"}, {3, "罫線なし"}}, 0, 2, 1650);
}
