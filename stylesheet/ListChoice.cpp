#include "stylesheet/ListChoice.h"

#include <QListWidget>
#include <QSignalBlocker>

void onEntryChosen(QListWidget* list, std::function<void()> handler)
{
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list, handler = std::move(handler)] {
        if (!list->selectedItems().isEmpty())
            handler();
    });
}

QString chosenText(const QListWidget* list)
{
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

void forgetChoice(QListWidget* list)
{
    const QSignalBlocker quiet(list);
    list->clearSelection();
    list->setCurrentRow(-1);
}
