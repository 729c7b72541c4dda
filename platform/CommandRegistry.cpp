#include "platform/CommandRegistry.h"

#include "platform/StateValue.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <stdexcept>
#include <string>

namespace {

std::string describe(const QString& menu, int index)
{
    return menu.toStdString() + "(" + std::to_string(index) + ")";
}

} // namespace

CommandRegistry::CommandRegistry(QObject* parent)
    : QObject(parent)
{
}

CommandRegistry::~CommandRegistry() = default;

QString CommandRegistry::keyOf(const char* key)
{
    if (!key)
        throw std::logic_error("a menu id without a key");
    return QString::fromLatin1(key);
}

CommandRegistry::Menu& CommandRegistry::menuNamed(const QString& name)
{
    auto it = menus_.find(name);
    if (it == menus_.end())
        throw std::logic_error("no menu named " + name.toStdString());
    return it->second;
}

const CommandRegistry::Menu& CommandRegistry::menuNamed(const QString& name) const
{
    return const_cast<CommandRegistry*>(this)->menuNamed(name);
}

QMenu* CommandRegistry::addMenuBarMenu(MenuId menu, const QString& caption)
{
    if (!menuBar_)
        throw std::logic_error("menu " + keyOf(menu).toStdString() + " is declared before the menu bar is set");
    QMenu* added = menuBar_->addMenu(caption);
    addMenu(menu, added);
    return added;
}

void CommandRegistry::addMenu(const QString& name, QMenu* menu, std::function<void(int)> menuHandler)
{
    if (menus_.count(name))
        throw std::logic_error("menu " + name.toStdString() + " is registered twice");
    Menu m;
    m.menu = menu;
    m.handler = std::move(menuHandler);
    menus_.emplace(name, std::move(m));
}

void CommandRegistry::define(const QString& menu, const std::vector<CommandItem>& items)
{
    for (const CommandItem& item : items)
        add(menu, item);
}

void CommandRegistry::add(const QString& menuName, const CommandItem& item)
{
    Menu& m = menuNamed(menuName);
    if (m.items.count(item.index))
        throw std::logic_error(describe(menuName, item.index) + " is declared twice");
    if (item.id.valid()) {
        const QString key = QString::fromLatin1(item.id.key);
        if (places_.count(key))
            throw std::logic_error(std::string("command ") + item.id.key + " is declared twice");
        places_.emplace(key, Place{menuName, item.index});
    }
    Entry e;
    e.item = item;
    if (item.caption == QStringLiteral("-")) {
        e.action = m.menu->addSeparator();
    } else {
        e.action = m.menu->addAction(item.caption);
        e.action->setShortcut(item.shortcut);
        e.action->setEnabled(item.enabled);
        if (item.toggles) {
            QAction* a = e.action;
            a->setCheckable(true);
            a->setChecked(item.toggles->value());
            connect(item.toggles, &BoolState::changed, a, &QAction::setChecked);
        } else if (item.choice) {
            QAction* a = e.action;
            const int value = item.choiceValue;
            a->setCheckable(true);
            a->setChecked(item.choice->value() == value);
            connect(item.choice, &IntState::changed, a, [a, value](int v) { a->setChecked(v == value); });
        }
        const int index = item.index;
        // The check mark shows the state alone: the click's own toggle is undone at once.
        connect(e.action, &QAction::triggered, this, [this, menuName, index] {
            const Entry& current = entry(menuName, index);
            if (current.action->isCheckable())
                current.action->setChecked(!current.action->isChecked());
            run(menuName, index);
        });
    }
    m.items.emplace(item.index, std::move(e));
}

void CommandRegistry::remove(const QString& menuName, int index)
{
    Menu& m = menuNamed(menuName);
    auto it = m.items.find(index);
    if (it == m.items.end())
        throw std::logic_error(describe(menuName, index) + " is not declared");
    QAction* a = it->second.action;
    if (it->second.item.id.valid())
        places_.erase(QString::fromLatin1(it->second.item.id.key));
    m.items.erase(it);
    m.menu->removeAction(a);
    a->deleteLater();
}

void CommandRegistry::setHandler(const QString& menuName, int index, std::function<void()> handler)
{
    Menu& m = menuNamed(menuName);
    auto it = m.items.find(index);
    if (it == m.items.end())
        throw std::logic_error(describe(menuName, index) + " is not declared");
    it->second.item.handler = std::move(handler);
}

const CommandRegistry::Entry& CommandRegistry::entry(const QString& menuName, int index) const
{
    const Menu& m = menuNamed(menuName);
    auto it = m.items.find(index);
    if (it == m.items.end())
        throw std::logic_error(describe(menuName, index) + " is not declared");
    return it->second;
}

void CommandRegistry::run(const QString& menuName, int index)
{
    const Menu& m = menuNamed(menuName);
    // Copies: a handler may rebuild the menu it was chosen from.
    const CommandItem item = entry(menuName, index).item;
    const std::function<void(int)> menuHandler = m.handler;
    if (item.caption == QStringLiteral("-"))
        return;
    if (item.toggles)
        item.toggles->toggle();
    if (item.handler)
        item.handler();
    else if (menuHandler)
        menuHandler(index);
}

const CommandRegistry::Place& CommandRegistry::placeOf(CommandId id) const
{
    if (!id.valid())
        throw std::logic_error("a command id without a key");
    auto it = places_.find(QString::fromLatin1(id.key));
    if (it == places_.end())
        throw std::logic_error(std::string("command ") + id.key + " is not declared");
    return it->second;
}

void CommandRegistry::invoke(CommandId id)
{
    const Place place = placeOf(id);
    run(place.first, place.second);
}

QAction* CommandRegistry::action(CommandId id) const
{
    const Place& place = placeOf(id);
    return action(place.first, place.second);
}

bool CommandRegistry::has(CommandId id) const
{
    return id.valid() && places_.count(QString::fromLatin1(id.key)) != 0;
}

void CommandRegistry::setHandler(CommandId id, std::function<void()> handler)
{
    const Place& place = placeOf(id);
    setHandler(place.first, place.second, std::move(handler));
}

void CommandRegistry::invoke(const QString& menuName, int index)
{
    run(menuName, index);
}

QMenu* CommandRegistry::menu(const QString& name) const
{
    return menuNamed(name).menu;
}

QAction* CommandRegistry::action(const QString& menuName, int index) const
{
    return entry(menuName, index).action;
}

bool CommandRegistry::has(const QString& menuName, int index) const
{
    auto it = menus_.find(menuName);
    return it != menus_.end() && it->second.items.count(index) != 0;
}

std::vector<int> CommandRegistry::indexes(const QString& menuName) const
{
    std::vector<int> out;
    for (const auto& [index, e] : menuNamed(menuName).items)
        out.push_back(index);
    return out;
}
