#include "platform/ControlRegistry.h"

#include <QStringList>
#include <limits>
#include <string>

ControlRegistry::~ControlRegistry()
{
    for (auto& [key, connection] : watches_)
        QObject::disconnect(connection);
}

QString ControlRegistry::keyOf(const char* key)
{
    if (!key)
        throw std::logic_error("a control id without a key");
    return QString::fromLatin1(key);
}

int ControlRegistry::checked(int index)
{
    if (index < 0)
        throw std::logic_error("index " + std::to_string(index) + " of a control array is below 0");
    return index;
}

std::string ControlRegistry::describe(const QString& name, int index)
{
    if (index == NoIndex)
        return name.toStdString();
    return name.toStdString() + "(" + std::to_string(index) + ")";
}

void ControlRegistry::add(const QString& name, int index, QObject* control)
{
    if (!control)
        throw std::logic_error(describe(name, index) + " registered without a control");
    const Key key{name, index};
    if (controls_.count(key))
        throw std::logic_error(describe(name, index) + " is registered twice");
    controls_[key] = control;
    watches_[key] = QObject::connect(control, &QObject::destroyed, [this, key] {
        controls_.erase(key);
        watches_.erase(key);
    });
}

void ControlRegistry::addBuilder(std::initializer_list<AnyControlId> ids, std::function<void()> build)
{
    QStringList names;
    for (AnyControlId id : ids)
        names.append(keyOf(id.key));
    addBuilder(names, std::move(build));
}

void ControlRegistry::addBuilder(const QStringList& names, std::function<void()> build)
{
    auto shared = std::make_shared<std::function<void()>>(std::move(build));
    for (const QString& name : names)
        builders_[name] = shared;
}

void ControlRegistry::runBuilderFor(const QString& name) const
{
    auto it = builders_.find(name);
    if (it == builders_.end())
        return;
    const std::shared_ptr<std::function<void()>> build = it->second;
    // Every name of the group is built at once; none runs the builder again.
    for (auto b = builders_.begin(); b != builders_.end();) {
        if (b->second == build)
            b = builders_.erase(b);
        else
            ++b;
    }
    (*build)();
}

QObject* ControlRegistry::find(const QString& name, int index) const
{
    auto it = controls_.find(Key{name, index});
    if (it != controls_.end())
        return it->second;
    if (!builders_.count(name))
        return nullptr;
    runBuilderFor(name);
    it = controls_.find(Key{name, index});
    return it == controls_.end() ? nullptr : it->second;
}

std::vector<int> ControlRegistry::indexes(const QString& name) const
{
    runBuilderFor(name);
    std::vector<int> out;
    for (auto it = controls_.lower_bound(Key{name, std::numeric_limits<int>::min()});
         it != controls_.end() && it->first.first == name; ++it)
        out.push_back(it->first.second);
    return out;
}
