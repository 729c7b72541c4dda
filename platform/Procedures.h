#pragma once

#include <QString>
#include <functional>
#include <map>

// Procedures that a subsystem offers to the layers below it, by name: the Edit menu's help items
// open a help page of the preview subsystem, the line-break mark of the insertion primitives is a
// generator's. The subsystem that owns a procedure defines it; the shell builds every subsystem
// before anything runs. Calling a name that nobody defined is a programming error and throws
// std::logic_error; `defined` tells a caller whose target may be absent.
class Procedures {
public:
    void define(const QString& name, std::function<void(int)> procedure);
    void define(const QString& name, std::function<void()> procedure);
    bool defined(const QString& name) const { return procedures_.count(name) != 0; }
    void call(const QString& name, int argument = 0) const;

private:
    std::map<QString, std::function<void(int)>> procedures_;
};
