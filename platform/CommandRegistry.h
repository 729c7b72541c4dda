#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class BoolState;
class IntState;
class QAction;
class QMenu;

// One item of a menu as its table declares it. A caption of "-" is a separator: it keeps its
// index and does nothing. The handler runs on a click and on `invoke`; an item without one runs
// the menu's own handler with its index.
struct CommandItem {
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
};

// The menus and popup menus of a window, declared as tables of items and addressed by the menu's
// name and the item's index (`mk1`, 3), so that the lesson player, automatic creation and the
// tests run an item as a click would. An unknown menu or index is a programming error and throws
// std::logic_error.
class CommandRegistry : public QObject {
    Q_OBJECT

public:
    explicit CommandRegistry(QObject* parent = nullptr);
    ~CommandRegistry() override;

    // Registers a menu under a name; its items come from `define` and `add`.
    void addMenu(const QString& name, QMenu* menu, std::function<void(int)> menuHandler = {});
    // Appends the items of a table to a registered menu, in the table's order.
    void define(const QString& menu, const std::vector<CommandItem>& items);
    void add(const QString& menu, const CommandItem& item);
    // Takes one item out of its menu.
    void remove(const QString& menu, int index);
    // Fills in the handler of an item that a later subsystem owns.
    void setHandler(const QString& menu, int index, std::function<void()> handler);

    // Runs the item as a click would; a separator does nothing.
    void invoke(const QString& menu, int index);

    QMenu* menu(const QString& name) const;
    QAction* action(const QString& menu, int index) const;
    bool has(const QString& menu, int index) const;
    // The indexes of a menu's items, in order.
    std::vector<int> indexes(const QString& menu) const;

private:
    struct Entry {
        CommandItem item;
        QAction* action = nullptr;
    };
    struct Menu {
        QMenu* menu = nullptr;
        std::function<void(int)> handler;
        std::map<int, Entry> items;
    };
    Menu& menuNamed(const QString& name);
    const Menu& menuNamed(const QString& name) const;
    const Entry& entry(const QString& menu, int index) const;
    void run(const QString& menu, int index);

    std::map<QString, Menu> menus_;
};
