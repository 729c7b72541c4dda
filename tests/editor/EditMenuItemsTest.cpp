#include "editor/EditMenuItems.h"

#include <QKeySequence>
#include <QString>
#include <gtest/gtest.h>

// The tables feed the command registry by index: an index given twice would hide an item, and a
// shortcut QKeySequence cannot read would leave the item without its key.
TEST(EditMenuItems, IndexesAscendAndShortcutsRead)
{
    for (const auto& table : {editMenuItems(), edit2MenuItems(), editorPopupItems(), stylePopupItems()}) {
        int last = -1;
        for (const MenuItemText& item : table) {
            EXPECT_GT(item.index, last) << item.caption;
            last = item.index;
            const QString shortcut = QString::fromUtf8(item.shortcut);
            if (!shortcut.isEmpty())
                EXPECT_EQ(QKeySequence(shortcut).toString(), shortcut) << item.caption;
        }
    }
}
