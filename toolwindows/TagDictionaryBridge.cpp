#include "toolwindows/TagDictionaryBridge.h"

#include "toolwindows/TagDictionaryWindow.h"

#include <QLabel>
#include <QPalette>

QStringList TagDictionaryBridge::tagCaptions() const
{
    // The window is loaded, and stays hidden, while its labels are searched.
    dictionary_.ensureLoaded();
    QStringList captions;
    for (int i = 0; i <= TagDictionaryWindow::LastTagIndex; ++i)
        captions << dictionary_.controls.get<QLabel>(tag_dictionary::TagLabel, i)->text();
    return captions;
}

void TagDictionaryBridge::setLabelBackColour(int index, const QColor& colour)
{
    // The labels fill their background from the palette's window colour.
    auto* label = dictionary_.controls.get<QLabel>(tag_dictionary::TagLabel, index);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

void TagDictionaryBridge::showEntry(int index)
{
    dictionary_.showDictionary();
    dictionary_.showExplanation(index);
}

void TagDictionaryBridge::setOpen()
{
    dictionary_.isOpen.set(true);
}
