#pragma once

#include <QString>
#include <functional>

class QListWidget;

// A list's click as the stylesheet panels take it: an entry becomes chosen when it is selected,
// by the user's click or by a program that sets the list's entry. Only giving the list the focus
// (which moves its current entry without selecting it) chooses nothing.
void onEntryChosen(QListWidget* list, std::function<void()> handler);
// The chosen entry's text; empty while none is chosen.
QString chosenText(const QListWidget* list);
// Nothing chosen any more, so that the same entry can be chosen again.
void forgetChoice(QListWidget* list);
