#pragma once

#include <QObject>

// A switch that a subsystem holds as its own state (a colour scheme, paste mode, the automatic
// run); menus show it as a check mark and follow its change signal.
class BoolState : public QObject {
    Q_OBJECT

public:
    explicit BoolState(bool initial = false, QObject* parent = nullptr)
        : QObject(parent)
        , value_(initial)
    {
    }
    bool value() const { return value_; }
    void set(bool value)
    {
        if (value == value_)
            return;
        value_ = value;
        Q_EMIT changed(value_);
    }
    void toggle() { set(!value_); }

Q_SIGNALS:
    void changed(bool value);

private:
    bool value_;
};

// A choice among numbered values (the colour scheme 1 to 4); each menu item of the choice shows a
// check mark while the value is its own.
class IntState : public QObject {
    Q_OBJECT

public:
    explicit IntState(int initial = 0, QObject* parent = nullptr)
        : QObject(parent)
        , value_(initial)
    {
    }
    int value() const { return value_; }
    void set(int value)
    {
        if (value == value_)
            return;
        value_ = value;
        Q_EMIT changed(value_);
    }

Q_SIGNALS:
    void changed(int value);

private:
    int value_;
};
