#include "platform/Procedures.h"

#include <stdexcept>

void Procedures::define(ProcedureId id, Procedure procedure)
{
    const QString key = keyOf(id);
    if (procedures_.count(key))
        throw std::logic_error("procedure " + key.toStdString() + " is defined twice");
    procedures_.emplace(key, std::move(procedure));
}

void Procedures::define(ProcedureId id, std::function<void(int)> procedure)
{
    define(id, Procedure([p = std::move(procedure)](const QVariant& v) { p(v.toInt()); }));
}

void Procedures::define(ProcedureId id, std::function<void(const QString&)> procedure)
{
    define(id, Procedure([p = std::move(procedure)](const QVariant& v) { p(v.toString()); }));
}

void Procedures::define(ProcedureId id, std::function<void()> procedure)
{
    define(id, Procedure([p = std::move(procedure)](const QVariant&) { p(); }));
}

void Procedures::call(ProcedureId id, const QVariant& argument) const
{
    auto it = procedures_.find(keyOf(id));
    if (it == procedures_.end())
        throw std::logic_error("procedure " + std::string(id.key) + " is not defined");
    // A copy: the procedure may define others while it runs.
    const Procedure procedure = it->second;
    procedure(argument);
}
