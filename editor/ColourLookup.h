#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct EditContext;

// The tag dictionary window as the editor's tag look-up reaches it. The window belongs to a
// subsystem above the editor; its owner implements this and hands it to ColourLookup.
class TagDictionaryAccess {
public:
    virtual ~TagDictionaryAccess() = default;
    // The captions of the dictionary's labels, in index order.
    virtual QStringList tagCaptions() const = 0;
    virtual void setLabelBackColour(int index, const QColor& colour) = 0;
    // Shows the window in front with the explanation of entry `index`.
    virtual void showEntry(int index) = 0;
    // The window counts as open (it comes back with the source tabs).
    virtual void setOpen() = 0;
};

// The two bridges between the editor and the tool windows: a colour picked for the editor, and
// the look-up of a selected tag name in the tag dictionary.
class ColourLookup {
public:
    explicit ColourLookup(EditContext& context);

    // A colour the picker delivers for the editor ("#RRGGBB" or a name): it replaces a selected
    // colour code or colour name, or wraps the selection in a FONT tag of that colour. Also the
    // procedure procedure::InsertColour.
    void applyPickedColour(const QString& cs);
    // After a colour was applied: the colour code or name that replaced a selected one, empty
    // when the selection was wrapped instead. The shell hands it to the mini panel.
    std::function<void(const QString& replacement)> colourApplied;
    // The toolbar's tag button with text selected.
    void lookUpSelectedTag();
    void setTagDictionary(TagDictionaryAccess* dictionary) { tagDictionary_ = dictionary; }
    TagDictionaryAccess* tagDictionary() const { return tagDictionary_; }

    // Back colours of the dictionary's labels: every label, and the one found.
    static QColor plainLabelColour();
    static QColor foundLabelColour();

private:
    // The colour names of resource/color.txt, read on first use and kept for the run.
    const QStringList& colourNames();
    EditContext& ctx;
    std::optional<QStringList> names_;
    TagDictionaryAccess* tagDictionary_ = nullptr;
};
