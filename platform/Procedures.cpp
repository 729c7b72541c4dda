#include "platform/Procedures.h"

#include <stdexcept>

void Procedures::define(const QString& name, std::function<void(int)> procedure)
{
    if (procedures_.count(name))
        throw std::logic_error("procedure " + name.toStdString() + " is defined twice");
    procedures_.emplace(name, std::move(procedure));
}

void Procedures::define(const QString& name, std::function<void()> procedure)
{
    define(name, std::function<void(int)>([p = std::move(procedure)](int) { p(); }));
}

void Procedures::call(const QString& name, int argument) const
{
    auto it = procedures_.find(name);
    if (it == procedures_.end())
        throw std::logic_error("procedure " + name.toStdString() + " is not defined");
    // A copy: the procedure may define or replace others while it runs.
    const std::function<void(int)> procedure = it->second;
    procedure(argument);
}
