#include "editor/Regions.h"

#include "editor/Colouring.h"
#include "platform/RichEdit.h"
#include "platform/TextRules.h"
#include "workspace/DocumentText.h"
#include "workspace/Workspace.h"

void Regions::RegionHide()
{
    RichEdit* ed = ws.currentEditor();
    if (ed->SelLength() == 0)
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
        ed->SetSelStart(0);
        return;
    }
    const QString s = ed->SelText();
    if (s.endsWith(CrLf)) {
        // A selection of only a line break is not folded: it would leave an empty region behind.
        if (s.size() == 2)
            return;
        d.regions[static_cast<size_t>(k)] = s.left(s.size() - 2);
        ed->SetSelText(regionMarker(k) + CrLf);
    } else {
        d.regions[static_cast<size_t>(k)] = s;
        ed->SetSelText(regionMarker(k));
    }
    ed->SetSelStart(0);
}

void Regions::RegionOnlySelected()
{
    RichEdit* ed = ws.currentEditor();
    if (ed->SelLength() == 0)
        return;
    const QString s = ed->SelText();
    HideHeadFoot();
    const qsizetype p = ed->Text().indexOf(s);
    if (p < 0)
        return;
    const qsizetype tailLength = ed->TextLength() - (p + s.size());
    ed->Select(0, static_cast<int>(p));
    ed->setFocus();
    RegionHide();
    // The text behind the occurrence is untouched by folding the text in front of it.
    if (tailLength > 0) {
        const int length = ed->TextLength();
        ed->Select(length - static_cast<int>(tailLength), static_cast<int>(tailLength));
        RegionHide();
    }
    colour.recolourCurrent();
}

void Regions::RegionShowPart()
{
    RichEdit* ed = ws.currentEditor();
    const QString raw = ed->SelText();
    const QString s = textrules::trimBlanks(raw);
    const int start = ed->SelStart() + static_cast<int>(raw.size() - textrules::trimLeadingBlanks(raw).size());
    ed->Select(start, static_cast<int>(s.size()));
    const int k = markerAt(s, 0);
    Document& d = ws.current();
    if (k > 0 && !d.regions[static_cast<size_t>(k)].isEmpty()) {
        // Only the marker itself is replaced; text selected behind it stays.
        ed->Select(start, static_cast<int>(RegionMarkerLength));
        ed->SetSelText(d.regions[static_cast<size_t>(k)]);
    }
    colour.recolourCurrent();
}

void Regions::RegionShowAll(int n)
{
    Document& d = ws.doc(n);
    const QString full = expandedText(n);
    d.sourceEditor->SetText(full);
    d.header.clear();
    d.footer.clear();
    colour.recolourCurrent();
}

void Regions::HideHeadFoot()
{
    Document& d = ws.current();
    if (!d.header.isEmpty() || !d.footer.isEmpty())
        return;
    RichEdit* ed = d.sourceEditor;
    const QString text = removeDoubleCr(ed->Text());
    const HeadFootCut cut = findHeadFootCut(text);
    if (!cut.ok)
        return;
    // Everything is computed before the text changes.
    const QString header = text.left(cut.headerLength);
    const QString footer = text.mid(cut.footerStart);
    const QString body = text.mid(cut.headerLength, cut.footerStart - cut.headerLength);
    d.header = header;
    d.footer = footer;
    ed->SetText(body);
}

void Regions::ShowHeadFoot(int n)
{
    Document& d = ws.doc(n);
    RichEdit* ed = d.sourceEditor;
    const QString text = ed->Text();
    const QString u = textrules::asciiUpper(text);
    if (hasHeadTag(u))
        d.header.clear();
    if (u.contains(QStringLiteral("</BODY")))
        d.footer.clear();
    if (!d.header.isEmpty() || !d.footer.isEmpty())
        ed->SetText(d.header + text + d.footer);
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
