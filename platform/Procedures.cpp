#include "platform/Procedures.h"

#include <stdexcept>

void Procedures::define(const QString& name, Procedure procedure)
{
    if (procedures_.count(name))
        throw std::logic_error("procedure " + name.toStdString() + " is defined twice");
    procedures_.emplace(name, std::move(procedure));
}

void Procedures::define(const QString& name, std::function<void(int)> procedure)
{
    define(name, Procedure([p = std::move(procedure)](const QVariant& v) { p(v.toInt()); }));
}

void Procedures::define(const QString& name, std::function<void(const QString&)> procedure)
{
    define(name, Procedure([p = std::move(procedure)](const QVariant& v) { p(v.toString()); }));
}

void Procedures::define(const QString& name, std::function<void()> procedure)
{
    define(name, Procedure([p = std::move(procedure)](const QVariant&) { p(); }));
}

void Procedures::call(const QString& name, const QVariant& argument) const
{
    auto it = procedures_.find(name);
    if (it == procedures_.end())
        throw std::logic_error("procedure " + name.toStdString() + " is not defined");
    // A copy: the procedure may define others while it runs.
    const Procedure procedure = it->second;
    procedure(argument);
}
