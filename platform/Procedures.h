#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <map>

// Procedures that a subsystem offers to the layers below it, by name: the Edit menu's help items
// open a help page of the preview subsystem, the line-break mark of the insertion primitives is a
// generator's. The subsystem that owns a procedure defines it; the shell builds every subsystem
// before anything runs. Calling a name that nobody defined is a programming error and throws
// std::logic_error; `defined` tells a caller whose target may be absent.
class Procedures {
public:
    using Procedure = std::function<void(const QVariant&)>;

    void define(const QString& name, Procedure procedure);
    void define(const QString& name, std::function<void(int)> procedure);
    void define(const QString& name, std::function<void(const QString&)> procedure);
    void define(const QString& name, std::function<void()> procedure);
    bool defined(const QString& name) const { return procedures_.count(name) != 0; }
    void call(const QString& name, const QVariant& argument = QVariant()) const;

private:
    std::map<QString, Procedure> procedures_;
};
