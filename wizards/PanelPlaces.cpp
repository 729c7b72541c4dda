#include "wizards/PanelPlaces.h"

#include <stdexcept>
#include <string>

namespace {

// frame, text, top, left, width, height, layout "×", font 12, selects the tab.
const PanelRow Rows[] = {
    // easy-creation menu
    {17, 18, 1500, 1500, 5310, 3000, 54, true, false},
    {18, 19, 2000, 3000, 5000, 3500, 55, true, false},
    {19, 20, 3000, 3500, 6135, 3000, 58, true, true},
    {20, 21, 3000, 3500, 5325, 4365, 63, true, false},
    {21, 22, 3000, 3500, 5500, 3025, 64, true, true},
    {22, 23, 3000, 3500, 5500, 3000, 69, true, true},
    {23, 24, 3000, 3500, 5000, 3000, 72, true, false},
    {24, 25, 2000, 3500, 5610, 5415, 75, true, true},
    {25, 26, 3500, 3500, 5005, 3000, 76, true, true},
    {29, 30, 3000, 3500, 5000, 3000, 96, true, false},
    {10, 11, 3000, 3500, 6270, 4830, -1, false, false},
    {12, 13, 3000, 3400, 6000, 4290, -1, false, false},
    {13, 14, 3500, 3500, 5000, 3155, 42, true, false},
    {14, 15, 3000, 3400, 5000, 3155, 43, true, false},
    {15, 16, 3000, 3400, 5000, 3155, 48, true, false},
    {16, 17, 3000, 3500, 5000, 4000, -1, false, false},
    // advanced menu: every opener selects the source tab
    {1, 1, 3400, 3000, 6120, 4410, -1, false, true},
    {3, 3, 1000, 3500, 7185, 7710, -1, false, true},
    {2, 2, 3000, 3000, 5325, 5145, -1, false, true},
    {0, 0, 3000, 3400, 7050, 4755, -1, false, true},
    {30, 31, 3500, 3500, 5955, 3465, -1, true, true},
    {4, 4, 1000, 3000, 4605, 7800, -1, false, true},
    {5, 5, 1000, 500, 10530, 8190, -1, false, true},
    {6, 7, 1500, 1500, 6180, 4605, 19, true, true},
    {7, 8, 3000, 3500, 6135, 4215, -1, false, true},
    {8, 9, 3000, 3400, 6285, 4290, -1, false, true},
    {9, 10, 3000, 3500, 6780, 3855, -1, false, true},
    {34, 35, 3000, 3400, 5760, 6315, -1, false, true},
    {11, 12, 3000, 3400, 5625, 4560, -1, false, true},
};

} // namespace

const PanelRow& panelRow(int frame)
{
    for (const PanelRow& row : Rows) {
        if (row.frame == frame)
            return row;
    }
    throw std::logic_error("no opener row for Frame(" + std::to_string(frame) + ")");
}

PanelPlace placeOf(const PanelRow& row, const QString& explanation)
{
    PanelPlace p;
    p.frame = row.frame;
    p.textIndex = row.text;
    p.explanation = explanation;
    p.top = row.top;
    p.left = row.left;
    p.width = row.width;
    p.height = row.height;
    p.selectSourceTab = row.selectTab;
    if (row.layoutButton >= 0) {
        p.layoutLabel = row.frame;
        p.layoutButton = row.layoutButton;
    }
    p.font12 = row.font12;
    return p;
}
