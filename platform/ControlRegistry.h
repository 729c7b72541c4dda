#pragma once

#include <QObject>
#include <QString>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

// The id of one control, declared once by the subsystem that owns the control:
//     inline constexpr ControlId RuleBox{"css-builder.rule-box"};
// The key is "owner.what" in lower-case words joined by "-"; no file or user sees it.
struct ControlId {
    const char* key = nullptr;
    constexpr bool valid() const { return key != nullptr; }
    // Two ids are one when their keys read the same: the same literal may lie at two addresses.
    friend bool operator==(ControlId a, ControlId b)
    {
        return a.key == b.key || (a.key && b.key && std::strcmp(a.key, b.key) == 0);
    }
};

// The id of an array of like controls (the sixteen basic swatches, the three channel boxes),
// each addressed with an index from 0.
struct ControlArrayId {
    const char* key = nullptr;
    constexpr bool valid() const { return key != nullptr; }
};

// One control of an array as a single value, for a constant that names a place in the array or
// a helper that picks one: `controls.get<QPushButton>(executeButton(ExecuteButton::InsertTable))`.
struct ControlInArray {
    ControlArrayId array;
    int index = 0;
};

// One control, alone or at a place of an array: what a helper that makes, reads or shows any
// single control takes. `ControlRef(ControlId)` stands alone; `ControlRef(array, index)` is one
// place of an array.
struct ControlRef {
    constexpr ControlRef(ControlId id) : key(id.key) {}
    constexpr ControlRef(ControlArrayId id, int place) : key(id.key), index(place) {}
    constexpr ControlRef(ControlInArray c) : key(c.array.key), index(c.index) {}
    constexpr bool valid() const { return key != nullptr; }
    const char* key;
    int index = -1; // -1: a control that stands alone
    friend bool operator==(ControlRef a, ControlRef b)
    {
        return a.index == b.index && (a.key == b.key || (a.key && b.key && std::strcmp(a.key, b.key) == 0));
    }
};

// An id of either kind, as a builder's list names what it will register.
struct AnyControlId {
    constexpr AnyControlId(ControlId id) : key(id.key) {}
    constexpr AnyControlId(ControlArrayId id) : key(id.key) {}
    const char* key;
};

// The controls of a window by typed ids. The subsystem that creates a control registers it under
// the id it declared; the dispatcher, automatic creation, the lesson player and the tests look it
// up by the same id, also while its panel is hidden. An entry goes when its control is destroyed.
//
// A group of controls may be built on first use: `addBuilder` names the ids a builder will
// register, and the first look-up of any of them runs it.
//
// Looking up an id that nobody registered, or a control of another kind than asked for, is a
// programming error: `get` throws std::logic_error naming the id's key (and the index), which
// fails the test that did it.
class ControlRegistry {
public:
    // The index under which a control that stands alone is kept.
    static constexpr int NoIndex = -1;

    ControlRegistry() = default;
    ControlRegistry(const ControlRegistry&) = delete;
    ControlRegistry& operator=(const ControlRegistry&) = delete;
    ~ControlRegistry();

    // Registers a control (a ControlId or an array's place converts to a ControlRef); registering
    // the same id (and index) twice is a programming error, and so is an index below 0.
    void add(ControlArrayId id, int index, QObject* control) { add(keyOf(id), checked(index), control); }
    void add(ControlRef c, QObject* control) { add(keyOf(c.key), c.index == NoIndex ? NoIndex : checked(c.index), control); }
    // Builds the controls of `ids` (an array with all its indexes) when one of them is first
    // looked up.
    void addBuilder(std::initializer_list<AnyControlId> ids, std::function<void()> build);

    // The control, or nullptr when there is none.
    QObject* find(ControlArrayId id, int index) const { return find(keyOf(id), index); }
    QObject* find(ControlRef c) const { return find(keyOf(c.key), c.index); }
    bool has(ControlArrayId id, int index) const { return find(id, index) != nullptr; }
    bool has(ControlRef c) const { return find(c) != nullptr; }

    template <typename T>
    T* get(ControlArrayId id, int index) const { return get<T>(keyOf(id), index); }
    template <typename T>
    T* get(ControlRef c) const { return get<T>(keyOf(c.key), c.index); }

    // The indexes registered in an array, in order.
    std::vector<int> indexes(ControlArrayId id) const { return indexes(keyOf(id)); }

private:
    // The table by a key and an index, behind the typed forms above.
    void add(const QString& name, int index, QObject* control);
    void add(const QString& name, QObject* control) { add(name, NoIndex, control); }
    void addBuilder(const QStringList& names, std::function<void()> build);
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
    std::vector<int> indexes(const QString& name) const;

    static QString keyOf(const char* key);
    static QString keyOf(ControlArrayId id) { return keyOf(id.key); }
    static int checked(int index);
    using Key = std::pair<QString, int>;
    static std::string describe(const QString& name, int index);
    void runBuilderFor(const QString& name) const;

    std::map<Key, QObject*> controls_;
    std::map<Key, QMetaObject::Connection> watches_;
    mutable std::map<QString, std::shared_ptr<std::function<void()>>> builders_;
};
