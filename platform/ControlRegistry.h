#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

// The controls of one window by the names and indexes that the dispatcher, automatic creation,
// the lesson player and the tests address them by (`Frame(12)`, `Text6(7)`, `Cmdcmd(80)`). A
// control that stands alone is registered with index NoIndex. The subsystem that creates a
// control registers it; an entry goes when its control is destroyed.
//
// A group of controls may be built on first use: `addBuilder` names what a builder will
// register, and the first look-up of any of those names runs it.
//
// Looking up a name and index that nobody registered is a programming error: `get` throws
// std::logic_error, which fails the test that did it.
// The name of one control in the registry, declared once by the subsystem that owns the control:
//     inline constexpr ControlId RuleBox{"css-builder.rule-box"};
struct ControlId {
    const char* key = nullptr;
    constexpr bool valid() const { return key != nullptr; }
};

// The name of an array of like controls (the sixteen basic swatches), addressed with an index
// from 0.
struct ControlArrayId {
    const char* key = nullptr;
    constexpr bool valid() const { return key != nullptr; }
};

class ControlRegistry {
public:
    static constexpr int NoIndex = -1;

    ControlRegistry() = default;
    ControlRegistry(const ControlRegistry&) = delete;
    ControlRegistry& operator=(const ControlRegistry&) = delete;
    ~ControlRegistry();

    // Registers a control; registering the same name and index twice is a programming error.
    void add(const QString& name, int index, QObject* control);
    void add(const QString& name, QObject* control) { add(name, NoIndex, control); }
    // Builds the controls of `names` (all indexes) when one of them is first looked up.
    void addBuilder(const QStringList& names, std::function<void()> build);

    // The control, or nullptr when there is none.
    QObject* find(const QString& name, int index = NoIndex) const;
    bool has(const QString& name, int index = NoIndex) const { return find(name, index) != nullptr; }

    template <typename T>
    T* get(const QString& name, int index = NoIndex) const
    {
        QObject* object = find(name, index);
        if (!object)
            throw std::logic_error(describe(name, index) + " is not a registered control");
        T* typed = qobject_cast<T*>(object);
        if (!typed)
            throw std::logic_error(describe(name, index) + " is a " + object->metaObject()->className()
                                   + ", not the kind of control asked for");
        return typed;
    }

    // The indexes registered under a name, in order.
    std::vector<int> indexes(const QString& name) const;

    // The same by typed ids.
    void add(ControlId id, QObject* control) { add(keyOf(id), NoIndex, control); }
    void add(ControlArrayId id, int index, QObject* control) { add(keyOf(id), index, control); }
    QObject* find(ControlId id) const { return find(keyOf(id), NoIndex); }
    QObject* find(ControlArrayId id, int index) const { return find(keyOf(id), index); }
    bool has(ControlId id) const { return find(id) != nullptr; }
    bool has(ControlArrayId id, int index) const { return find(id, index) != nullptr; }
    template <typename T>
    T* get(ControlId id) const { return get<T>(keyOf(id), NoIndex); }
    template <typename T>
    T* get(ControlArrayId id, int index) const { return get<T>(keyOf(id), index); }
    std::vector<int> indexes(ControlArrayId id) const { return indexes(keyOf(id)); }

private:
    static QString keyOf(ControlId id) { return QString::fromLatin1(id.key); }
    static QString keyOf(ControlArrayId id) { return QString::fromLatin1(id.key); }
    using Key = std::pair<QString, int>;
    static std::string describe(const QString& name, int index);
    void runBuilderFor(const QString& name) const;

    std::map<Key, QObject*> controls_;
    std::map<Key, QMetaObject::Connection> watches_;
    mutable std::map<QString, std::shared_ptr<std::function<void()>>> builders_;
};
