#include "editor/Regions.h"

#include "editor/Colouring.h"
#include "platform/RichEdit.h"
#include "platform/TextRules.h"
#include "workspace/DocumentText.h"
#include "workspace/Workspace.h"

void Regions::foldSelection()
{
    RichEdit* ed = ws.currentEditor();
    if (ed->selectionLength() == 0)
        return;
    Document& d = ws.current();
    // A free number whose marker nowhere stands in the document already: a marker written as
    // text would otherwise be expanded into the region on saving.
    const QString whole = ::fullText(d);
    const auto markerUsed = [&](int k) {
        const QString marker = regionMarker(k);
        if (whole.contains(marker))
            return true;
        for (const QString& region : d.regions) {
            if (region.contains(marker))
                return true;
        }
        return false;
    };
    int k = 0;
    for (int i = 1; i <= MaxRegions; ++i) {
        if (d.regions[static_cast<size_t>(i)].isEmpty() && !markerUsed(i)) {
            k = i;
            break;
        }
    }
    if (k == 0) {
        ed->setSelectionStart(0);
        return;
    }
    const QString s = ed->selectedText();
    if (s.endsWith(CrLf)) {
        // A selection of only a line break is not folded: it would leave an empty region behind.
        if (s.size() == 2)
            return;
        d.regions[static_cast<size_t>(k)] = s.left(s.size() - 2);
        ed->replaceSelection(regionMarker(k) + CrLf);
    } else {
        d.regions[static_cast<size_t>(k)] = s;
        ed->replaceSelection(regionMarker(k));
    }
    ed->setSelectionStart(0);
}

void Regions::foldAllButSelection()
{
    RichEdit* ed = ws.currentEditor();
    if (ed->selectionLength() == 0)
        return;
    const QString s = ed->selectedText();
    hideHeaderAndFooter();
    const qsizetype p = ed->text().indexOf(s);
    if (p < 0)
        return;
    const qsizetype tailLength = ed->textLength() - (p + s.size());
    ed->select(0, static_cast<int>(p));
    ed->setFocus();
    foldSelection();
    // The text behind the occurrence is untouched by folding the text in front of it.
    if (tailLength > 0) {
        const int length = ed->textLength();
        ed->select(length - static_cast<int>(tailLength), static_cast<int>(tailLength));
        foldSelection();
    }
    colour.recolourCurrent();
}

void Regions::unfoldSelection()
{
    RichEdit* ed = ws.currentEditor();
    const QString raw = ed->selectedText();
    const QString s = textrules::trimBlanks(raw);
    const int start = ed->selectionStart() + static_cast<int>(raw.size() - textrules::trimLeadingBlanks(raw).size());
    ed->select(start, static_cast<int>(s.size()));
    const int k = markerAt(s, 0);
    Document& d = ws.current();
    if (k > 0 && !d.regions[static_cast<size_t>(k)].isEmpty()) {
        // Only the marker itself is replaced; text selected behind it stays.
        ed->select(start, static_cast<int>(RegionMarkerLength));
        ed->replaceSelection(d.regions[static_cast<size_t>(k)]);
    }
    colour.recolourCurrent();
}

void Regions::unfoldAll(int n)
{
    Document& d = ws.doc(n);
    const QString full = expandedText(n);
    d.sourceEditor->setText(full);
    d.header.clear();
    d.footer.clear();
    colour.recolourCurrent();
}

void Regions::hideHeaderAndFooter()
{
    Document& d = ws.current();
    if (!d.header.isEmpty() || !d.footer.isEmpty())
        return;
    RichEdit* ed = d.sourceEditor;
    const QString text = removeDoubleCr(ed->text());
    const HeadFootCut cut = findHeadFootCut(text);
    if (!cut.ok)
        return;
    // Everything is computed before the text changes.
    const QString header = text.left(cut.headerLength);
    const QString footer = text.mid(cut.footerStart);
    const QString body = text.mid(cut.headerLength, cut.footerStart - cut.headerLength);
    d.header = header;
    d.footer = footer;
    ed->setText(body);
}

void Regions::showHeaderAndFooter(int n)
{
    Document& d = ws.doc(n);
    RichEdit* ed = d.sourceEditor;
    const QString text = ed->text();
    const QString u = textrules::asciiUpper(text);
    if (hasHeadTag(u))
        d.header.clear();
    if (u.contains(QStringLiteral("</BODY")))
        d.footer.clear();
    if (!d.header.isEmpty() || !d.footer.isEmpty())
        ed->setText(d.header + text + d.footer);
    d.header.clear();
    d.footer.clear();
}

QString Regions::fullText(int n) const
{
    return ::fullText(ws.doc(n));
}

QString Regions::expandedText(int n) const
{
    return ::expandedText(ws.doc(n));
}
