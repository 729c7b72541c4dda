#include "editor/PasteMode.h"

#include "editor/Colouring.h"
#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/ToolbarWraps.h"
#include "editor/UndoRing.h"
#include "platform/RichEdit.h"
#include "platform/TextRules.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QClipboard>

PasteMode::PasteMode(EditContext& context)
    : ctx(context)
{
    clipboardWatch.setInterval(100);
    connect(&clipboardWatch, &QTimer::timeout, this, &PasteMode::takeClipboardText);
    connect(&active, &BoolState::changed, this, [this](bool on) {
        if (on)
            clipboardWatch.start();
        else
            clipboardWatch.stop();
        applyTint(on);
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { taken_ = false; });
}

QColor PasteMode::tint()
{
    return QColor(255, 255, 223);
}

void PasteMode::applyTint(bool on)
{
    ctx.colour.setGroundTint(on ? tint() : QColor());
    // Schemes Ａ to Ｃ share one light ground; an editor on black (scheme Ｄ) keeps its ground.
    const QColor light = schemeColours(1).back;
    for (int i = 0; i < ctx.ws.documentCount(); ++i) {
        RichEdit* ed = ctx.ws.sourceEditor(i);
        const QColor back = ed->backgroundColour();
        if (on && back.lightness() >= 128)
            ed->setBackgroundColour(tint());
        else if (!on && back == tint())
            ed->setBackgroundColour(light);
    }
}

void PasteMode::toggle()
{
    active.toggle();
    QApplication::clipboard()->clear();
}

void PasteMode::endPasteMode()
{
    active.set(false);
}

void PasteMode::takeClipboardText()
{
    QClipboard* clipboard = QApplication::clipboard();
    const QString s = clipboard->text();
    if (taken_ || textrules::trimBlanks(s).isEmpty() || ctx.ws.previewTabSelected())
        return;
    ctx.undo.takeSnapshot();
    RichEdit* ed = ctx.ws.currentEditor();
    const auto wrap = pasteWrap(s, ed->text(), selectionOf(ed));
    insertWrap(ctx.insert, ed, *wrap);
    ed->setFocus();
    clipboard->clear();
    taken_ = true;
}
