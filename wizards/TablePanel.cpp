#include "wizards/AdvancedPanels.h"

#include "platform/Twips.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/PanelForm.h"
#include "wizards/PanelPlaces.h"
#include "workspace/PanelKit.h"
#include "wizards/AdvancedPanelInputs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPlainTextEdit>

namespace {

// Options of one group, `columns` to a row.
void options(PanelForm& g, ControlArrayId array, const std::vector<std::pair<int, const char*>>& items, int selected,
             int columns, int columnWidth, int rowHeight = 260)
{
    QButtonGroup* group = g.group();
    for (size_t i = 0; i < items.size(); ++i) {
        const int column = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        g.option(group, ControlRef(array, items[i].first), QString::fromUtf8(items[i].second), items[i].first == selected,
                 100 + column * columnWidth, 250 + row * rowHeight, columnWidth - 50, 250);
    }
}

// A caption and a box; after it comes a unit or a colour button.
void labelledBox(PanelForm& f, int top, const char* caption, ControlId box, const char* text, int width)
{
    f.label(QString::fromUtf8(caption), 7000, top + 30, 2000);
    f.textBox(box, QString::fromUtf8(text), 9000, top, width);
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
    f.pushButton(table_panel::ShowExplanationButton, QStringLiteral("解説の表示"), 315, 4005, 1410);
    f.pushButton(table_panel::ShowDataButton, QStringLiteral("テーブルの表示"), 1980, 4005, 1410);
    f.pushButton(table_panel::ClearDataButton, QStringLiteral("表のクリアー"), 3645, 4005, 1410);
    f.pushButton(table_panel::SampleRowsButton, QStringLiteral("サンプルの作成"), 5265, 4005, 1500);

    // Left column: the caption, headings, position and the distance to the text.
    f.label(QStringLiteral("テーブルのタイトル"), 100, 4530, 1700);
    f.textBox(table_panel::TitleBox, QString(), 1800, 4500, 3000);
    PanelForm caption(kit, f.group(QStringLiteral("位置"), 4900, 4400, 1950, 560));
    options(caption, table_panel::CaptionPosition, {{1, "上"}, {0, "下"}}, 1, 2, 850);
    PanelForm headings(kit, f.group(QString(), 100, 5000, 3350, 1250));
    options(headings, table_panel::Headings,
            {{0, "見出しを設定しない"}, {1, "一行目を見出しにする"}, {2, "一列目を見出しにする"}, {3, "一行目と一列目を見出しにする"}}, 1, 1,
            3200, 240);
    PanelForm place(kit, f.group(QStringLiteral("テーブルの位置"), 3550, 5000, 3300, 560));
    options(place, table_panel::Position, {{0, "左"}, {1, "中央"}, {2, "右"}}, 1, 3, 1050);
    // The two distances are written as typed: in dots.
    f.label(QStringLiteral("テーブルとテキストの縦方向の間隔"), 100, 6380, 3300);
    f.textBox(table_panel::VerticalSpacingBox, QString(), 3450, 6350, 550);
    f.label(QStringLiteral("ドット"), 4050, 6380, 600);
    f.label(QStringLiteral("テーブルとテキストの横方向の間隔"), 100, 6780, 3300);
    f.textBox(table_panel::HorizontalSpacingBox, QString(), 3450, 6750, 550);
    f.label(QStringLiteral("ドット"), 4050, 6780, 600);
    PanelForm run(kit, f.group(table_panel::RunGroup, QString(), 100, 7230, 1200, 460));
    run.pushButton(ExecuteButton::InsertTable, QStringLiteral("実行"), 50, 65, 1100);
    f.pushButton(ExecuteButton::CloseTablePanel, QStringLiteral("閉じる"), 1450, 7295, 1100);

    // Right column: borders, cells, size and rules.
    labelledBox(f, 550, "枠線の幅", table_panel::BorderWidthBox, "1", 500);
    f.label(QStringLiteral("mm"), 9550, 580, 350);
    struct ColourRow {
        const char* caption;
        ControlId box;
        const char* colour;
        ControlId button;
    };
    const ColourRow colours[] = {
        {"枠線の色", table_panel::BorderColourBox, "#008040", table_panel::BorderColourButton},
        {"枠線の明るい部分の色", table_panel::LightColourBox, "#0000FF", table_panel::LightColourButton},
        {"枠線の影の部分の色", table_panel::DarkColourBox, "#0000A0", table_panel::DarkColourButton},
    };
    for (int i = 0; i < 3; ++i) {
        labelledBox(f, 950 + i * 400, colours[i].caption, colours[i].box, colours[i].colour, 900);
        f.pushButton(colours[i].button, QStringLiteral("色"), 9950, 950 + i * 400, 450);
    }
    PanelForm frame(kit, f.group(QStringLiteral("外枠の表示方法"), 7000, 2150, 3430, 1650));
    options(frame, table_panel::Frame,
            {{0, "四辺の縁取り"}, {1, "上のみ"}, {2, "下のみ"}, {3, "上下のみ"}, {4, "左右のみ"}, {5, "左側のみ"}, {6, "右側のみ"},
             {7, "外枠全て"}, {8, "外枠なし"}},
            7, 2, 1650);
    PanelForm across(kit, f.group(QStringLiteral("セル内のテキストの位置"), 7000, 3850, 3430, 560));
    options(across, table_panel::CellAlignment, {{0, "左"}, {1, "中央"}, {2, "右"}}, 1, 3, 1050);
    // The vertical position: its third choice is the bottom.
    PanelForm down(kit, f.group(QStringLiteral("セル内のテキストの位置"), 7000, 4450, 3430, 560));
    options(down, table_panel::CellVerticalAlignment, {{0, "上"}, {1, "中央"}, {2, "下"}}, 1, 3, 1050);
    labelledBox(f, 5100, "セルの背景色", table_panel::CellBackgroundBox, "#CEFFCE", 900);
    f.pushButton(table_panel::CellBackgroundButton, QStringLiteral("色"), 9950, 5100, 450);
    labelledBox(f, 5500, "テーブルの幅", table_panel::WidthBox, "", 600);
    f.label(QStringLiteral("mm"), 9650, 5530, 350);
    labelledBox(f, 5900, "テーブルの高さ", table_panel::HeightBox, "", 600);
    f.label(QStringLiteral("mm"), 9650, 5930, 350);
    PanelForm rules(kit, f.group(QStringLiteral("罫線の表示方法"), 7000, 6350, 3430, 850));
    options(rules, table_panel::Rules, {{0, "全ての境界"}, {1, "横の境界のみ"}, {2, "縦の境界のみ"}, {3, "罫線なし"}}, 0, 2, 1650);
}
