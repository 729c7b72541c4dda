#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <utility>
#include <vector>

class BoolState;
class IntState;
class QAction;
class QMenu;
class QMenuBar;

// The id of a menu or popup menu, declared once by the menu's owner:
//     inline constexpr MenuId EditMenu{"edit"};
struct MenuId {
    const char* key = nullptr;
    constexpr bool valid() const { return key != nullptr; }
};

// The id of one menu item, named for what it does and declared once by the menu's owner:
//     inline constexpr CommandId SelectAll{"edit.select-all"};
// Ids are unique across all menus.
struct CommandId {
    const char* key = nullptr;
    constexpr bool valid() const { return key != nullptr; }
};

// One item of a menu as its table declares it. A caption of "-" is a separator: it keeps its
// index and does nothing. The handler runs on a click and on `invoke`; an item without one runs
// the menu's own handler with its index.
struct CommandItem {
    // The item's row in its menu's table; rows that a menu generates (the recent files) are
    // reached by it.
    int index = 0;
    QString caption;
    QKeySequence shortcut = {};
    std::function<void()> handler = {};
    // A check mark that shows a switch: a click toggles the switch, then runs the handler.
    BoolState* toggles = nullptr;
    // A check mark that shows whether a choice has this item's value (`choiceValue`); the
    // handler makes the choice.
    IntState* choice = nullptr;
    int choiceValue = 0;
    bool enabled = true;
    // What `invoke` and the other look-ups by id reach it by; an item without one (a separator,
    // a generated row) is reached by its menu and index only.
    CommandId id = {};
};

// The menus and popup menus of a window, declared as tables of items, so that the lesson player,
// automatic creation and the tests run an item as a click would: by the item's CommandId, or by
// its menu and index for the rows a menu generates. An unknown menu, id or index is a
// programming error and throws std::logic_error naming it.
class CommandRegistry : public QObject {
    Q_OBJECT

public:
    explicit CommandRegistry(QObject* parent = nullptr);
    ~CommandRegistry() override;

    // Registers a menu; its items come from `define` and `add`. The menu's handler runs for an
    // item without a handler of its own, with the item's index.
    void addMenu(MenuId menu, QMenu* qmenu, std::function<void(int)> menuHandler = {}) { addMenu(keyOf(menu), qmenu, std::move(menuHandler)); }
    // The window's menu bar, which the owners of its menus fill in the order they declare them.
    void setMenuBar(QMenuBar* bar) { menuBar_ = bar; }
    // A menu of that caption at the end of the menu bar, registered as addMenu registers one.
    QMenu* addMenuBarMenu(MenuId menu, const QString& caption);
    // Appends the items of a table to a registered menu, in the table's order.
    void define(MenuId menu, const std::vector<CommandItem>& items) { define(keyOf(menu), items); }
    void add(MenuId menu, const CommandItem& item) { add(keyOf(menu), item); }
    // Takes one item out of its menu.
    void remove(MenuId menu, int index) { remove(keyOf(menu), index); }
    QMenu* menu(MenuId menu) const { return this->menu(keyOf(menu)); }

    // Runs the item as a click would; a separator does nothing.
    void invoke(CommandId id);
    QAction* action(CommandId id) const;
    bool has(CommandId id) const;
    // Fills in the handler of an item that a later subsystem owns.
    void setHandler(CommandId id, std::function<void()> handler);

    // A menu's rows by index, for the rows it generates.
    void invoke(MenuId menu, int index) { invoke(keyOf(menu), index); }
    QAction* action(MenuId menu, int index) const { return action(keyOf(menu), index); }
    bool has(MenuId menu, int index) const { return has(keyOf(menu), index); }
    // The indexes of a menu's items, in order.
    std::vector<int> indexes(MenuId menu) const { return indexes(keyOf(menu)); }

private:
    QMenuBar* menuBar_ = nullptr;
    // The table by a menu's key and an index, behind the typed forms above.
    void addMenu(const QString& name, QMenu* menu, std::function<void(int)> menuHandler = {});
    void define(const QString& menu, const std::vector<CommandItem>& items);
    void add(const QString& menu, const CommandItem& item);
    void remove(const QString& menu, int index);
    void setHandler(const QString& menu, int index, std::function<void()> handler);
    void invoke(const QString& menu, int index);
    QMenu* menu(const QString& name) const;
    QAction* action(const QString& menu, int index) const;
    bool has(const QString& menu, int index) const;
    std::vector<int> indexes(const QString& menu) const;

    struct Entry {
        CommandItem item;
        QAction* action = nullptr;
    };
    struct Menu {
        QMenu* menu = nullptr;
        std::function<void(int)> handler;
        std::map<int, Entry> items;
    };
    // Where an item with an id stands: its menu's name and its index.
    using Place = std::pair<QString, int>;

    static QString keyOf(const char* key);
    static QString keyOf(MenuId id) { return keyOf(id.key); }
    Menu& menuNamed(const QString& name);
    const Menu& menuNamed(const QString& name) const;
    const Entry& entry(const QString& menu, int index) const;
    const Place& placeOf(CommandId id) const;
    void run(const QString& menu, int index);

    std::map<QString, Menu> menus_;
    std::map<QString, Place> places_;
};
