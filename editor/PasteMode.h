#pragma once

#include "platform/StateValue.h"

#include <QColor>
#include <QObject>
#include <QTimer>

struct EditContext;

// Paste mode: while it is on, every text copied to the clipboard (in this program or another)
// wraps the current editor's selection. The text is cut before each "<" into at most three
// parts; the first two are the pieces of the wrap, and the clipboard is emptied so that each copy
// is used once. The editors are tinted while it is on.
class PasteMode : public QObject {
    Q_OBJECT

public:
    explicit PasteMode(EditContext& context);

    // On exactly while the clipboard is watched; the toolbar's "貼" shows it.
    BoolState active{false};
    // Watches the clipboard every 100 ms while paste mode is on.
    QTimer clipboardWatch;

    // The ground of a tinted editor.
    static QColor tint();

    // The toolbar's "貼": paste mode on or off; the clipboard is emptied in both cases, so that
    // only text copied afterwards is taken.
    void toggle();
    // Paste mode off, as a command that changes the text on its own ends it.
    void endPasteMode();
    // One look at the clipboard: new text is wrapped around the selection.
    void takeClipboardText();

private:
    void applyTint(bool on);
    EditContext& ctx;
    // The clipboard's text has been used; set until the clipboard changes again.
    bool taken_ = false;
};
