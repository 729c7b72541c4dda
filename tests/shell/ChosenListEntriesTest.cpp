#include "platform/ControlRegistry.h"
#include "shell/ChosenListEntries.h"
#include "shell/ShellControls.h"

#include <QListWidget>
#include <QStringList>
#include <gtest/gtest.h>

// The shell's own lists, with stand-ins for their controls.
TEST(ChosenListEntries, RunTheOwnersClickOnTheChosenEntry)
{
    ControlRegistry controls;
    ChosenListEntries entries(controls);
    entries.runChosenRenameEntry();
    entries.runChosenTemplateEntry();

    QWidget host;
    QStringList clicked;
    const std::pair<ControlId, const char*> lists[] = {{rename_panel::NameList, "3"}, {template_panel::NameList, "5"}};
    for (const auto& [id, label] : lists) {
        auto* list = new QListWidget(&host);
        controls.add(id, list);
        list->addItems({QStringLiteral("a"), QStringLiteral("b")});
        QObject::connect(list, &QListWidget::itemClicked, list, [&clicked, label](QListWidgetItem* item) {
            clicked << QString::fromLatin1(label) + QStringLiteral(":") + item->text();
        });
    }
    entries.runChosenRenameEntry();
    EXPECT_TRUE(clicked.isEmpty()) << "no entry chosen";
    controls.get<QListWidget>(rename_panel::NameList)->setCurrentRow(1);
    controls.get<QListWidget>(template_panel::NameList)->setCurrentRow(0);
    entries.runChosenRenameEntry();
    entries.runChosenTemplateEntry();
    EXPECT_EQ(clicked, (QStringList{QStringLiteral("3:b"), QStringLiteral("5:a")}));
}
