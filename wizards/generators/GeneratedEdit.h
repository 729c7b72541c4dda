#pragma once

#include "platform/ControlRegistry.h"

#include <QList>
#include <QString>

#include <optional>

// What a construct generator asks of the window: the text it puts into the current document's
// editor, the message it shows instead, and the panels and boxes it changes. The generators are
// functions of their panel's inputs; the window code applies the result in this order:
//
//   1. confirm: ask it (Yes / No); on No nothing at all happens.
//   2. replacesDocument: put a hidden header and footer back and expand the folded regions.
//   3. snapshot: take the generator's own undo snapshot (takeSnapshot).
//   4. fields: write the boxes.
//   5. hide: hide the panels.
//   6. message: show it.
//   7. show: show the panels.
//   8. selectFirst, then the primitive with its pieces, then paint, then selectAfter; the editor
//      gets the focus whenever the primitive is not None.
//   9. replacesDocument: drop the document's regions, header and footer; writeTempPage: write
//      the document's temporary page from the editor's text.
namespace gen {

// A control a generator hides, shows or writes: one control alone or a place of an array.
using ControlRef = ::ControlRef;

// Editor positions: characters of the text, a line break counting two (CR LF).
struct Range {
    int start = 0;
    int length = 0;
    friend bool operator==(const Range&, const Range&) = default;
};

enum class Buttons { Ok, YesNo };

// A message box with the program's own title.
struct Prompt {
    QString text;
    Buttons buttons = Buttons::Ok;
    friend bool operator==(const Prompt&, const Prompt&) = default;
};

enum class Primitive {
    None,             // the document stays as it is
    WrapMarked,       // wrapSelectionMarked(before, after): the selection becomes before + selection + after,
                      // both pieces painted red, the caret right behind `before`
    WrapPlain,        // the same wrap, unpainted; the caret behind the inserted text
    ReplaceSelection, // the selection becomes `before`, unpainted
    SetText,          // the whole text becomes `before`, unpainted
};

struct FieldWrite {
    ControlRef control;
    QString text;
    friend bool operator==(const FieldWrite&, const FieldWrite&) = default;
};

struct GeneratedEdit {
    std::optional<Prompt> confirm;
    std::optional<Prompt> message;
    bool snapshot = false;
    QList<FieldWrite> fields;
    QList<ControlRef> hide;
    QList<ControlRef> show;

    std::optional<Range> selectFirst; // placed before the primitive, in the text as it is then
    Primitive primitive = Primitive::None;
    QString before;
    QString after;
    QList<Range> paint;               // painted red after the primitive, in the new text
    std::optional<Range> selectAfter; // the selection left at the end, when not the primitive's own

    bool replacesDocument = false;
    bool writeTempPage = false;

    bool changesText() const { return primitive != Primitive::None; }
};

// The text of a document's editor as a generator reads it.
struct EditorState {
    QString text;
    int selStart = 0;
    int selLength = 0;

    QString selText() const { return text.mid(selStart, selLength); }
};

} // namespace gen
