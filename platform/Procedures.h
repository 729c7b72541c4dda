#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <map>

// The name of a procedure, declared once as an `inline constexpr` constant by the lowest layer
// that calls it (e.g. editor/EditorProcedures.h). The key is internal: "owner.what".
struct ProcedureId {
    const char* key;
};

// Procedures that a subsystem offers to the layers below it, by id: the Edit menu's help items
// open a help page of the preview subsystem, the line-break mark of the insertion primitives is a
// generator's. The subsystem that owns a procedure defines it; the shell builds every subsystem
// before anything runs. Calling an id that nobody defined is a programming error and throws
// std::logic_error naming the id's key; `defined` tells a caller whose target may be absent.
class Procedures {
public:
    using Procedure = std::function<void(const QVariant&)>;

    void define(ProcedureId id, Procedure procedure);
    void define(ProcedureId id, std::function<void(int)> procedure);
    void define(ProcedureId id, std::function<void(const QString&)> procedure);
    void define(ProcedureId id, std::function<void()> procedure);
    bool defined(ProcedureId id) const { return procedures_.count(keyOf(id)) != 0; }
    void call(ProcedureId id, const QVariant& argument = QVariant()) const;

private:
    static QString keyOf(ProcedureId id) { return QString::fromLatin1(id.key); }

    std::map<QString, Procedure> procedures_;
};
