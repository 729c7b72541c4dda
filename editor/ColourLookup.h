#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct EditContext;

// A colour picked for the editor: it replaces a selected colour code or name, or colours the
// selection, with the colour names of resource/color.txt to tell a name.
class ColourLookup {
public:
    explicit ColourLookup(EditContext& context);

    // A colour the picker delivers for the editor ("#RRGGBB" or a name): it replaces a selected
    // colour code or colour name, or wraps the selection in a FONT tag of that colour.
    void applyPickedColour(const QString& cs);
    // After a colour was applied: the colour code or name that replaced a selected one, empty
    // when the selection was wrapped instead. The shell hands it to the mini panel.
    std::function<void(const QString& replacement)> colourApplied;
private:
    // The colour names of resource/color.txt, read on first use and kept for the run.
    const QStringList& colourNames();
    EditContext& ctx;
    std::optional<QStringList> names_;
};
