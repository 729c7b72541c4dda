#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/StateValue.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

inline constexpr ControlId Box{"test-panel.box"};
inline constexpr ControlId Button{"test-panel.button"};
inline constexpr ControlArrayId Swatch{"test-panel.swatch"};
inline constexpr ControlInArray ThirdSwatch{Swatch, 2};

inline constexpr MenuId TestMenu{"test-menu"};
inline constexpr CommandId Reset{"test-menu.reset"};
inline constexpr CommandId OwnWork{"test-menu.own-work"};

// Runs `fail` and returns the message of the std::logic_error it throws ("" when none is thrown).
std::string failure(const std::function<void()>& fail)
{
    try {
        fail();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return std::string();
}

} // namespace

TEST(ControlRegistry, FindsControlsByIdAndPlaceAndFailsLoudlyOtherwise)
{
    constexpr ControlArrayId Boxes{"test-panel.boxes"};
    constexpr ControlArrayId Buttons{"test-panel.buttons"};
    constexpr ControlId Link{"test-panel.link"};
    ControlRegistry controls;
    QWidget host;
    auto* box = new QLineEdit(&host);
    auto* button = new QPushButton(&host);
    controls.add(Boxes, 7, box);
    controls.add(Buttons, 80, button);
    controls.add(Link, new QLineEdit(&host));

    EXPECT_EQ(controls.get<QLineEdit>(Boxes, 7), box);
    EXPECT_EQ(controls.get<QWidget>(Buttons, 80), button);
    EXPECT_TRUE(controls.has(Link));
    EXPECT_EQ(controls.find(Boxes, 8), nullptr);

    EXPECT_THROW(controls.get<QLineEdit>(Boxes, 8), std::logic_error) << "unknown index";
    EXPECT_THROW(controls.get<QLineEdit>(ControlId{"test-panel.nothing"}), std::logic_error) << "unknown name";
    EXPECT_THROW(controls.get<QLineEdit>(Buttons, 80), std::logic_error) << "another kind";
    EXPECT_THROW(controls.add(Boxes, 7, new QLineEdit(&host)), std::logic_error) << "twice";

    // A destroyed control leaves the registry.
    delete box;
    EXPECT_FALSE(controls.has(Boxes, 7));
}

TEST(ControlRegistry, ABuilderRunsOnceOnTheFirstLookUpOfAnyOfItsControls)
{
    constexpr ControlArrayId Groups{"test-panel.groups"};
    constexpr ControlId SizeBox{"test-panel.size-box"};
    ControlRegistry controls;
    QWidget host;
    int built = 0;
    controls.addBuilder({Groups, SizeBox}, [&] {
        ++built;
        controls.add(Groups, 12, new QWidget(&host));
        controls.add(SizeBox, new QLineEdit(&host));
    });
    EXPECT_EQ(built, 0);
    EXPECT_NE(controls.find(SizeBox), nullptr);
    EXPECT_NE(controls.find(Groups, 12), nullptr);
    EXPECT_EQ(controls.find(Groups, 13), nullptr);
    EXPECT_EQ(built, 1);
    EXPECT_EQ(controls.indexes(Groups), std::vector<int>{12});
}

TEST(ControlRegistry, FindsControlsByTheirIdsAndArraysByPlace)
{
    ControlRegistry controls;
    QWidget host;
    auto* box = new QLineEdit(&host);
    auto* button = new QPushButton(&host);
    controls.add(Box, box);
    controls.add(Button, button);
    std::vector<QWidget*> swatches;
    for (int i = 0; i < 3; ++i) {
        swatches.push_back(new QWidget(&host));
        controls.add(Swatch, i, swatches.back());
    }

    EXPECT_EQ(controls.get<QLineEdit>(Box), box);
    EXPECT_EQ(controls.get<QPushButton>(Button), button);
    EXPECT_EQ(controls.find(Button), button);
    EXPECT_EQ(controls.get<QWidget>(Swatch, 1), swatches[1]);
    EXPECT_EQ(controls.get<QWidget>(ThirdSwatch), swatches[2]);
    EXPECT_TRUE(controls.has(Swatch, 0));
    EXPECT_FALSE(controls.has(Swatch, 3));
    EXPECT_FALSE(controls.has(ControlInArray{Swatch, 3}));
    EXPECT_FALSE(controls.has(ControlId{"test-panel.swatch"})) << "an array is not one control";
    EXPECT_EQ(controls.indexes(Swatch), (std::vector<int>{0, 1, 2}));

    // A ControlRef stands for a control of either kind.
    EXPECT_EQ(controls.get<QLineEdit>(ControlRef(Box)), box);
    EXPECT_EQ(controls.find(ControlRef(Swatch, 2)), swatches[2]);
    EXPECT_EQ(controls.find(ControlRef(ThirdSwatch)), swatches[2]);
    EXPECT_FALSE(controls.has(ControlRef(Swatch, 3)));
    EXPECT_THROW(controls.add(ControlRef(Swatch, -2), new QWidget(&host)), std::logic_error) << "a place below 0";

    // An id is its key: two constants with one key name one control, and compare equal wherever
    // their keys lie.
    const char copy[] = "test-panel.box";
    EXPECT_EQ(ControlId{copy}, Box);
    EXPECT_NE(ControlId{copy}, Button);
    EXPECT_EQ(ControlRef(ControlArrayId{copy}, 1), ControlRef(ControlArrayId{"test-panel.box"}, 1));
    EXPECT_EQ(controls.find(ControlId{"test-panel.box"}), box);
    EXPECT_EQ(controls.find(ControlArrayId{"test-panel.swatch"}, 1), swatches[1]);
    auto* label = new QLabel(&host);
    controls.add(ControlId{"test-panel.label"}, label);
    EXPECT_EQ(controls.get<QLabel>(ControlId{"test-panel.label"}), label);

    // A destroyed control leaves the registry.
    delete swatches[1];
    EXPECT_FALSE(controls.has(Swatch, 1));
    EXPECT_EQ(controls.indexes(Swatch), (std::vector<int>{0, 2}));
}

TEST(ControlRegistry, AFailedLookUpByIdNamesTheKey)
{
    ControlRegistry controls;
    QWidget host;
    controls.add(Box, new QLineEdit(&host));
    controls.add(Swatch, 0, new QWidget(&host));
    struct Case {
        const char* what;
        std::function<void()> fail;
        std::string message;
    };
    const Case cases[] = {
        {"unknown control", [&] { controls.get<QWidget>(ControlId{"test-panel.nothing"}); },
         "test-panel.nothing is not a registered control"},
        {"unknown index", [&] { controls.get<QWidget>(Swatch, 5); }, "test-panel.swatch(5) is not a registered control"},
        {"unknown place", [&] { controls.get<QWidget>(ThirdSwatch); }, "test-panel.swatch(2) is not a registered control"},
        {"another kind", [&] { controls.get<QPushButton>(Box); },
         "test-panel.box is a QLineEdit, not the kind of control asked for"},
        {"twice", [&] { controls.add(Box, new QLineEdit(&host)); }, "test-panel.box is registered twice"},
        {"twice in an array", [&] { controls.add(Swatch, 0, new QWidget(&host)); }, "test-panel.swatch(0) is registered twice"},
        {"an index below 0", [&] { controls.add(Swatch, -1, new QWidget(&host)); }, "index -1 of a control array is below 0"},
        {"no control", [&] { controls.add(Button, nullptr); }, "test-panel.button registered without a control"},
        {"an id without a key", [&] { controls.find(ControlId{}); }, "a control id without a key"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failure(c.fail), c.message) << c.what;
}

TEST(ControlRegistry, ABuilderNamedByIdsRunsOnceOnTheFirstLookUpOfAnyOfThem)
{
    struct Case {
        const char* what;
        std::function<void(ControlRegistry&)> firstLookUp;
    };
    const Case cases[] = {
        {"the control", [](ControlRegistry& c) { EXPECT_NE(c.find(Box), nullptr); }},
        {"an element of the array", [](ControlRegistry& c) { EXPECT_TRUE(c.has(Swatch, 1)); }},
        {"the array's indexes", [](ControlRegistry& c) { EXPECT_EQ(c.indexes(Swatch), (std::vector<int>{0, 1})); }},
        {"a missing element", [](ControlRegistry& c) { EXPECT_FALSE(c.has(ThirdSwatch)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ControlRegistry controls;
        QWidget host;
        int built = 0;
        controls.addBuilder({Box, Swatch}, [&] {
            ++built;
            controls.add(Box, new QLineEdit(&host));
            controls.add(Swatch, 0, new QWidget(&host));
            controls.add(Swatch, 1, new QWidget(&host));
        });
        EXPECT_EQ(built, 0);
        c.firstLookUp(controls);
        EXPECT_EQ(built, 1);
        EXPECT_NE(controls.get<QLineEdit>(Box), nullptr);
        EXPECT_EQ(controls.indexes(Swatch), (std::vector<int>{0, 1}));
        EXPECT_EQ(built, 1);
    }
}

TEST(CommandRegistry, ItemsRunByIndexAndSeparatorsDoNothing)
{
    CommandRegistry commands;
    QMenu menu;
    std::vector<int> menuHandler;
    int own = 0;
    commands.addMenu(TestMenu, &menu, [&](int i) { menuHandler.push_back(i); });
    commands.define(TestMenu, {
        {0, QStringLiteral("初期化"), {}, {}, nullptr, nullptr, 0, true, Reset},
        {1, QStringLiteral("-")},
        {2, QStringLiteral("自分の処理"), {}, [&] { ++own; }},
    });
    commands.invoke(TestMenu, 0);
    commands.invoke(TestMenu, 1);
    commands.invoke(TestMenu, 2);
    commands.action(TestMenu, 0)->trigger(); // a click runs the same way
    EXPECT_EQ(menuHandler, (std::vector<int>{0, 0}));
    EXPECT_EQ(own, 1);
    EXPECT_TRUE(commands.action(TestMenu, 1)->isSeparator());
    EXPECT_EQ(menu.actions().size(), 3);
    EXPECT_EQ(commands.indexes(TestMenu), (std::vector<int>{0, 1, 2}));

    EXPECT_THROW(commands.invoke(TestMenu, 3), std::logic_error);
    EXPECT_THROW(commands.invoke(MenuId{"no-menu"}, 0), std::logic_error);
    EXPECT_THROW(commands.add(TestMenu, {2, QStringLiteral("again")}), std::logic_error);

    commands.remove(TestMenu, 2);
    EXPECT_FALSE(commands.has(TestMenu, 2));
    commands.setHandler(Reset, [&] { own += 10; });
    commands.invoke(TestMenu, 0);
    EXPECT_EQ(own, 11);
}

TEST(CommandRegistry, CheckMarksShowTheStateTheyStandFor)
{
    CommandRegistry commands;
    QMenu menu;
    commands.addMenu(TestMenu, &menu);
    BoolState paste;
    IntState scheme(1);
    int handled = 0;
    CommandItem toggle{0, QStringLiteral("貼り付けモード")};
    toggle.toggles = &paste;
    toggle.handler = [&] { ++handled; };
    std::vector<CommandItem> items{toggle};
    for (int i = 1; i <= 2; ++i) {
        CommandItem c{i, QStringLiteral("色%1").arg(i)};
        c.choice = &scheme;
        c.choiceValue = i;
        c.handler = [&scheme, i] { scheme.set(i); };
        items.push_back(c);
    }
    commands.define(TestMenu, items);
    QAction* toggleItem = commands.action(TestMenu, 0);

    // A click toggles the state once; the mark follows the state, not the click.
    toggleItem->trigger();
    EXPECT_TRUE(paste.value());
    EXPECT_TRUE(toggleItem->isChecked());
    commands.invoke(TestMenu, 0);
    EXPECT_FALSE(paste.value());
    EXPECT_FALSE(toggleItem->isChecked());
    EXPECT_EQ(handled, 2);
    paste.set(true); // set by the program: the mark shows it
    EXPECT_TRUE(toggleItem->isChecked());

    EXPECT_TRUE(commands.action(TestMenu, 1)->isChecked());
    commands.action(TestMenu, 2)->trigger();
    EXPECT_EQ(scheme.value(), 2);
    EXPECT_FALSE(commands.action(TestMenu, 1)->isChecked());
    EXPECT_TRUE(commands.action(TestMenu, 2)->isChecked());
    commands.action(TestMenu, 2)->trigger(); // choosing it again keeps it chosen
    EXPECT_TRUE(commands.action(TestMenu, 2)->isChecked());
}

TEST(CommandRegistry, ItemsRunByTheirIdsAndGeneratedRowsByIndex)
{
    CommandRegistry commands;
    QMenu menu;
    std::vector<int> menuHandler;
    int own = 0;
    commands.addMenu(TestMenu, &menu, [&](int i) { menuHandler.push_back(i); });
    commands.define(TestMenu, {
        {.index = 0, .caption = QStringLiteral("初期化"), .id = Reset},
        {.index = 1, .caption = QStringLiteral("-")},
        {.index = 2, .caption = QStringLiteral("自分の処理"), .handler = [&] { ++own; }, .id = OwnWork},
    });
    EXPECT_EQ(commands.menu(TestMenu), &menu);
    commands.invoke(Reset);
    commands.invoke(OwnWork);
    commands.action(Reset)->trigger(); // a click runs the same way
    EXPECT_EQ(menuHandler, (std::vector<int>{0, 0}));
    EXPECT_EQ(own, 1);
    EXPECT_TRUE(commands.has(Reset));
    EXPECT_FALSE(commands.has(CommandId{"test-menu.nothing"}));
    EXPECT_FALSE(commands.has(CommandId{}));

    // An item with an id is also its menu's row.
    commands.invoke(TestMenu, 0);
    EXPECT_EQ(menuHandler, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(commands.action(Reset), commands.action(TestMenu, 0));

    // A generated row, reached by its index.
    commands.add(TestMenu, {3, QStringLiteral("1:page.html")});
    EXPECT_TRUE(commands.has(TestMenu, 3));
    commands.invoke(TestMenu, 3);
    EXPECT_EQ(menuHandler.back(), 3);
    EXPECT_TRUE(commands.action(TestMenu, 1)->isSeparator());
    commands.invoke(TestMenu, 1); // a separator does nothing
    EXPECT_EQ(commands.indexes(TestMenu), (std::vector<int>{0, 1, 2, 3}));
    commands.remove(TestMenu, 3);
    EXPECT_FALSE(commands.has(TestMenu, 3));

    commands.setHandler(Reset, [&] { own += 10; });
    commands.invoke(Reset);
    EXPECT_EQ(own, 11);

    // An item taken out is gone by its id too, and its id may be declared again.
    commands.remove(TestMenu, 2);
    EXPECT_FALSE(commands.has(OwnWork));
    commands.add(TestMenu, {.index = 4, .caption = QStringLiteral("自分の処理"), .id = OwnWork});
    EXPECT_EQ(commands.action(OwnWork), commands.action(TestMenu, 4));
}

TEST(CommandRegistry, AFailedLookUpByIdNamesIt)
{
    CommandRegistry commands;
    QMenu menu;
    commands.addMenu(TestMenu, &menu);
    commands.define(TestMenu, {{.index = 0, .caption = QStringLiteral("初期化"), .id = Reset}});
    QMenu other;
    struct Case {
        const char* what;
        std::function<void()> fail;
        std::string message;
    };
    const Case cases[] = {
        {"unknown command", [&] { commands.invoke(CommandId{"test-menu.nothing"}); }, "command test-menu.nothing is not declared"},
        {"its action", [&] { commands.action(CommandId{"test-menu.nothing"}); }, "command test-menu.nothing is not declared"},
        {"its handler", [&] { commands.setHandler(CommandId{"test-menu.nothing"}, [] {}); },
         "command test-menu.nothing is not declared"},
        {"an id twice", [&] { commands.add(TestMenu, {.index = 1, .caption = QStringLiteral("again"), .id = Reset}); },
         "command test-menu.reset is declared twice"},
        {"unknown menu", [&] { commands.invoke(MenuId{"no-menu"}, 0); }, "no menu named no-menu"},
        {"a menu twice", [&] { commands.addMenu(TestMenu, &other); }, "menu test-menu is registered twice"},
        {"unknown row", [&] { commands.invoke(TestMenu, 9); }, "test-menu(9) is not declared"},
        {"a command id without a key", [&] { commands.invoke(CommandId{}); }, "a command id without a key"},
        {"a menu id without a key", [&] { commands.menu(MenuId{}); }, "a menu id without a key"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failure(c.fail), c.message) << c.what;
}
