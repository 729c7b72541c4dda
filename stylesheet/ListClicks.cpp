#include "stylesheet/ListClicks.h"

#include "platform/ControlRegistry.h"
#include "platform/Procedures.h"
#include "stylesheet/ClassList.h"
#include "stylesheet/CssBuilder.h"
#include "stylesheet/ListSelections.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <optional>

namespace {

// The entry chosen in a list of the array, or nothing when the list or its choice is missing.
std::optional<QString> chosenEntry(const ControlRegistry& controls, int index)
{
    auto* list = qobject_cast<QListWidget*>(controls.find(QStringLiteral("List3"), index));
    if (!list || !list->currentItem())
        return std::nullopt;
    return list->currentItem()->text();
}

} // namespace

ListClicks::ListClicks(ControlRegistry& controlRegistry, Procedures& procs, CssBuilder& cssBuilder, ClassList& classList)
    : controls(controlRegistry)
    , builder(cssBuilder)
    , classes(classList)
{
    procs.define(QStringLiteral("List3_Click"), std::function<void(int)>([this](int i) { List3_Click(i); }));
    procs.define(QStringLiteral("List3_DblClick"), std::function<void(int)>([this](int i) { List3_DblClick(i); }));
}

void ListClicks::List3_Click(int index)
{
    switch (index) {
    case 3: renameChosen(); break;
    case 5: templateChosen(); break;
    case 6:
    case 8:
    case 9: builder.List3_Click(index); break;
    case 11: lineLengthChosen(); break;
    case 12: classes.List3_Click(); break;
    default: break;
    }
}

void ListClicks::List3_DblClick(int index)
{
    builder.List3_DblClick(index);
}

void ListClicks::renameChosen()
{
    const std::optional<QString> entry = chosenEntry(controls, 3);
    auto* box = qobject_cast<QLineEdit*>(controls.find(QStringLiteral("Text6"), 29));
    if (entry && box)
        box->setText(*entry);
}

void ListClicks::templateChosen()
{
    const std::optional<QString> name = chosenEntry(controls, 5);
    auto* nameBox = qobject_cast<QLineEdit*>(controls.find(QStringLiteral("Text6"), 30));
    auto* content = qobject_cast<QPlainTextEdit*>(controls.find(QStringLiteral("Text"), 38));
    if (!name || !nameBox || !content)
        return;
    nameBox->setText(*name);
    if (const std::optional<css::TextRange> body = css::templateBody(content->toPlainText(), *name)) {
        QTextCursor cursor(content->document());
        cursor.setPosition(body->start);
        cursor.setPosition(body->start + body->length, QTextCursor::KeepAnchor);
        content->setTextCursor(cursor);
    }
    content->show();
    content->raise();
    content->setFocus();
}

void ListClicks::lineLengthChosen()
{
    const std::optional<QString> entry = chosenEntry(controls, 11);
    auto* box = qobject_cast<QLineEdit*>(controls.find(QStringLiteral("Text"), 45));
    if (!entry || !box)
        return;
    box->setText(*entry);
    controls.get<QWidget>(QStringLiteral("List3"), 11)->hide();
}
