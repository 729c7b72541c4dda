#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/Procedures.h"
#include "platform/StateValue.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

TEST(ControlRegistry, FindsControlsByNameAndIndexAndFailsLoudlyOtherwise)
{
    ControlRegistry controls;
    QWidget host;
    auto* box = new QLineEdit(&host);
    auto* button = new QPushButton(&host);
    controls.add(QStringLiteral("Text6"), 7, box);
    controls.add(QStringLiteral("Cmdcmd"), 80, button);
    controls.add(QStringLiteral("Txtlink"), new QLineEdit(&host));

    EXPECT_EQ(controls.get<QLineEdit>(QStringLiteral("Text6"), 7), box);
    EXPECT_EQ(controls.get<QWidget>(QStringLiteral("Cmdcmd"), 80), button);
    EXPECT_TRUE(controls.has(QStringLiteral("Txtlink")));
    EXPECT_EQ(controls.find(QStringLiteral("Text6"), 8), nullptr);

    EXPECT_THROW(controls.get<QLineEdit>(QStringLiteral("Text6"), 8), std::logic_error) << "unknown index";
    EXPECT_THROW(controls.get<QLineEdit>(QStringLiteral("Nothing")), std::logic_error) << "unknown name";
    EXPECT_THROW(controls.get<QLineEdit>(QStringLiteral("Cmdcmd"), 80), std::logic_error) << "another kind";
    EXPECT_THROW(controls.add(QStringLiteral("Text6"), 7, new QLineEdit(&host)), std::logic_error) << "twice";

    // A destroyed control leaves the registry.
    delete box;
    EXPECT_FALSE(controls.has(QStringLiteral("Text6"), 7));
}

TEST(ControlRegistry, ABuilderRunsOnceOnTheFirstLookUpOfAnyOfItsNames)
{
    ControlRegistry controls;
    QWidget host;
    int built = 0;
    controls.addBuilder({QStringLiteral("Frame"), QStringLiteral("TxtFsize")}, [&] {
        ++built;
        controls.add(QStringLiteral("Frame"), 12, new QWidget(&host));
        controls.add(QStringLiteral("TxtFsize"), new QLineEdit(&host));
    });
    EXPECT_EQ(built, 0);
    EXPECT_NE(controls.find(QStringLiteral("TxtFsize")), nullptr);
    EXPECT_NE(controls.find(QStringLiteral("Frame"), 12), nullptr);
    EXPECT_EQ(controls.find(QStringLiteral("Frame"), 13), nullptr);
    EXPECT_EQ(built, 1);
    EXPECT_EQ(controls.indexes(QStringLiteral("Frame")), std::vector<int>{12});
}

TEST(CommandRegistry, ItemsRunByIndexAndSeparatorsDoNothing)
{
    CommandRegistry commands;
    QMenu menu;
    std::vector<int> menuHandler;
    int own = 0;
    commands.addMenu(QStringLiteral("mk1"), &menu, [&](int i) { menuHandler.push_back(i); });
    commands.define(QStringLiteral("mk1"), {
        {0, QStringLiteral("初期化")},
        {1, QStringLiteral("-")},
        {2, QStringLiteral("自分の処理"), {}, [&] { ++own; }},
    });
    commands.invoke(QStringLiteral("mk1"), 0);
    commands.invoke(QStringLiteral("mk1"), 1);
    commands.invoke(QStringLiteral("mk1"), 2);
    commands.action(QStringLiteral("mk1"), 0)->trigger(); // a click runs the same way
    EXPECT_EQ(menuHandler, (std::vector<int>{0, 0}));
    EXPECT_EQ(own, 1);
    EXPECT_TRUE(commands.action(QStringLiteral("mk1"), 1)->isSeparator());
    EXPECT_EQ(menu.actions().size(), 3);
    EXPECT_EQ(commands.indexes(QStringLiteral("mk1")), (std::vector<int>{0, 1, 2}));

    EXPECT_THROW(commands.invoke(QStringLiteral("mk1"), 3), std::logic_error);
    EXPECT_THROW(commands.invoke(QStringLiteral("nomenu"), 0), std::logic_error);
    EXPECT_THROW(commands.add(QStringLiteral("mk1"), {2, QStringLiteral("again")}), std::logic_error);

    commands.remove(QStringLiteral("mk1"), 2);
    EXPECT_FALSE(commands.has(QStringLiteral("mk1"), 2));
    commands.setHandler(QStringLiteral("mk1"), 0, [&] { own += 10; });
    commands.invoke(QStringLiteral("mk1"), 0);
    EXPECT_EQ(own, 11);
}

TEST(CommandRegistry, CheckMarksShowTheStateTheyStandFor)
{
    CommandRegistry commands;
    QMenu menu;
    commands.addMenu(QStringLiteral("m"), &menu);
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
    commands.define(QStringLiteral("m"), items);
    QAction* toggleItem = commands.action(QStringLiteral("m"), 0);

    // A click toggles the state once; the mark follows the state, not the click.
    toggleItem->trigger();
    EXPECT_TRUE(paste.value());
    EXPECT_TRUE(toggleItem->isChecked());
    commands.invoke(QStringLiteral("m"), 0);
    EXPECT_FALSE(paste.value());
    EXPECT_FALSE(toggleItem->isChecked());
    EXPECT_EQ(handled, 2);
    paste.set(true); // set by the program: the mark shows it
    EXPECT_TRUE(toggleItem->isChecked());

    EXPECT_TRUE(commands.action(QStringLiteral("m"), 1)->isChecked());
    commands.action(QStringLiteral("m"), 2)->trigger();
    EXPECT_EQ(scheme.value(), 2);
    EXPECT_FALSE(commands.action(QStringLiteral("m"), 1)->isChecked());
    EXPECT_TRUE(commands.action(QStringLiteral("m"), 2)->isChecked());
    commands.action(QStringLiteral("m"), 2)->trigger(); // choosing it again keeps it chosen
    EXPECT_TRUE(commands.action(QStringLiteral("m"), 2)->isChecked());
}

TEST(Procedures, CalledByNameAndUnknownOnesFail)
{
    Procedures procs;
    int got = -1;
    procs.define(QStringLiteral("SetumeiSize"), std::function<void(int)>([&](int n) { got = n; }));
    procs.define(QStringLiteral("InsertBr"), [&] { got = 99; });
    procs.call(QStringLiteral("SetumeiSize"), 4);
    EXPECT_EQ(got, 4);
    procs.call(QStringLiteral("InsertBr"));
    EXPECT_EQ(got, 99);
    EXPECT_TRUE(procs.defined(QStringLiteral("InsertBr")));
    EXPECT_THROW(procs.call(QStringLiteral("LookupTag")), std::logic_error);
    EXPECT_THROW(procs.define(QStringLiteral("InsertBr"), [] {}), std::logic_error);
}
