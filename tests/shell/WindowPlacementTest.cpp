#include "shell/WindowPlacement.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(MainWindowGeometry, StoredPartsStayAndTheRestFitsTheScreen)
{
    const QSize designed(800, 600);
    const QSize needed(1240, 660);
    const std::optional<int> none;
    struct Case {
        const char* what;
        MainWindowPlacement placement;
        QRect expected;
    } cases[] = {
        {"first start on 1280 x 800: grown and centred", {none, none, none, none, designed, needed, QRect(0, 0, 1280, 800)},
         QRect(20, 70, 1240, 660)},
        {"first start on a larger screen: no larger than needed", {none, none, none, none, designed, needed, QRect(0, 0, 1920, 1080)},
         QRect(340, 210, 1240, 660)},
        {"first start on 800 x 600: the whole screen", {none, none, none, none, designed, needed, QRect(0, 0, 800, 600)},
         QRect(0, 0, 800, 600)},
        {"a screen less its panel, beside another screen", {none, none, none, none, designed, needed, QRect(1280, 32, 1024, 736)},
         QRect(1280, 70, 1024, 660)},
        {"needing less than designed keeps the designed size", {none, none, none, none, designed, QSize(500, 400), QRect(0, 0, 1280, 800)},
         QRect(240, 100, 800, 600)},
        {"everything stored is kept, even beyond the screen", {-10, 900, 1500, 300, designed, needed, QRect(0, 0, 1280, 800)},
         QRect(-10, 900, 1500, 300)},
        {"stored size only: centred", {none, none, 400, 300, designed, needed, QRect(0, 0, 1280, 800)}, QRect(440, 250, 400, 300)},
        {"stored position only: the size is fitted", {33, 33, none, none, designed, needed, QRect(0, 0, 1280, 800)},
         QRect(33, 33, 1240, 660)},
        {"a stored left alone", {60, none, none, none, designed, needed, QRect(0, 0, 1280, 800)}, QRect(60, 70, 1240, 660)},
        {"a stored width alone", {none, none, 1000, none, designed, needed, QRect(0, 0, 1280, 800)}, QRect(140, 70, 1000, 660)},
        {"no screen known: the size asked for at the origin", {none, none, none, none, designed, needed, QRect()},
         QRect(0, 0, 1240, 660)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mainWindowGeometry(c.placement), c.expected) << c.what;
}
