#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

namespace gen {

struct TableInput {
    EditorState editor;
    QString source;             // Text(6): one row per line, cells separated by "," or "、"
    int headers = 1;            // Option10 index: 0 none, 1 first row, 2 first column, 3 both
    int cellAlign = 1;          // Option7 index: 0 left, 1 center, 2 right
    int cellValign = 1;         // Option9 index: 0 top, 1 middle, 2 bottom
    int tableAlign = 1;         // Optionichi2 index: 0 left, 1 center, 2 right
    QString border;             // txtwaku2(1), millimetres
    QString borderColour;       // Text5(0)
    QString lightColour;        // Text5(1)
    QString darkColour;         // Text5(2)
    int frame = 7;              // Option11 index: 0 border .. 7 box, 8 none
    int rules = 0;              // Option12 index: 0 all, 1 rows, 2 cols, 3 none
    QString horizontalSpacing;  // Txtyokok "テーブルとテキストの横方向の間隔", written as typed
    QString verticalSpacing;    // Txttatek "テーブルとテキストの縦方向の間隔", written as typed
    QString background;         // Txttc
    QString height;             // Txttheight, millimetres
    QString width;              // Txttwidth, millimetres
    QString title;              // Txttit
    int captionPosition = 1;    // Option16 index: 1 "上" (top), 0 "下" (bottom)
};

// The table panel (Frame(5)), ExecuteButton::InsertTable; also the table step of automatic creation. A selection is
// the source: it is replaced by the table and goes into Text(6).
GeneratedEdit makeTable(const TableInput& in);

// The rows that the table panel's "サンプルの作成" puts into Text(6).
QString sampleTableText();

} // namespace gen
