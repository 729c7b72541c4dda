#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

namespace gen {

struct TableInput {
    EditorState editor;
    QString source;             // the data box: one row per line, cells separated by "," or "、"
    int headers = 1;            // table_panel::Headings place: 0 none, 1 first row, 2 first column, 3 both
    int cellAlign = 1;          // table_panel::CellAlignment place: 0 left, 1 center, 2 right
    int cellValign = 1;         // table_panel::CellVerticalAlignment place: 0 top, 1 middle, 2 bottom
    int tableAlign = 1;         // table_panel::Position place: 0 left, 1 center, 2 right
    QString border;             // table_panel::BorderWidthBox, millimetres
    QString borderColour;       // table_panel::BorderColourBox
    QString lightColour;        // table_panel::LightColourBox
    QString darkColour;         // table_panel::DarkColourBox
    int frame = 7;              // table_panel::Frame place: 0 border .. 7 box, 8 none
    int rules = 0;              // table_panel::Rules place: 0 all, 1 rows, 2 cols, 3 none
    QString horizontalSpacing;  // table_panel::HorizontalSpacingBox "テーブルとテキストの横方向の間隔", written as typed
    QString verticalSpacing;    // table_panel::VerticalSpacingBox "テーブルとテキストの縦方向の間隔", written as typed
    QString background;         // table_panel::CellBackgroundBox
    QString height;             // table_panel::HeightBox, millimetres
    QString width;              // table_panel::WidthBox, millimetres
    QString title;              // table_panel::TitleBox
    int captionPosition = 1;    // table_panel::CaptionPosition place: 1 "上" (top), 0 "下" (bottom)
};

// The table panel (Frame(5)), ExecuteButton::InsertTable; also the table step of automatic creation. A selection is
// the source: it is replaced by the table and goes into the data box.
GeneratedEdit makeTable(const TableInput& in);

// The rows that the table panel's "サンプルの作成" puts into its data box.
QString sampleTableText();

} // namespace gen
