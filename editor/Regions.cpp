#include "editor/Regions.h"

#include "autocreate/TextPreparation.h"
#include "platform/RichEdit.h"
#include "platform/VbString.h"
#include "shell/MainWindow.h"
#include "shell/PathHelpers.h"

#include <QApplication>
#include <vector>

namespace {

const QString MarkerHead = QStringLiteral("<!--Reg");
constexpr qsizetype MarkerLength = 13;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

void expandInto(QString& out, const QString& text, const std::array<QString, 101>& regions,
                std::vector<int>& open)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype p = text.indexOf(MarkerHead, from);
        if (p < 0)
            break;
        const int k = markerAt(text, p);
        const bool stored = k > 0 && !regions[static_cast<size_t>(k)].isEmpty();
        const bool cycle = std::find(open.begin(), open.end(), k) != open.end();
        if (!stored || cycle) {
            out += QStringView(text).mid(from, p + MarkerHead.size() - from);
            from = p + MarkerHead.size();
            continue;
        }
        out += QStringView(text).mid(from, p - from);
        open.push_back(k);
        expandInto(out, regions[static_cast<size_t>(k)], regions, open);
        open.pop_back();
        from = p + MarkerLength;
    }
    out += QStringView(text).mid(from);
}

} // namespace

QString regionMarker(int k)
{
    return MarkerHead + PadZero3(k) + QStringLiteral("-->");
}

int markerAt(const QString& text, qsizetype pos)
{
    if (pos < 0 || pos + MarkerLength > text.size())
        return 0;
    if (QStringView(text).mid(pos, MarkerHead.size()) != MarkerHead)
        return 0;
    const qsizetype d = pos + MarkerHead.size();
    if (!isDigit(text[d]) || !isDigit(text[d + 1]) || !isDigit(text[d + 2]))
        return 0;
    if (QStringView(text).mid(d + 3, 3) != QLatin1String("-->"))
        return 0;
    const int k = (text[d].unicode() - '0') * 100 + (text[d + 1].unicode() - '0') * 10 + (text[d + 2].unicode() - '0');
    return (k >= 1 && k <= MaxRegions) ? k : 0;
}

QString expandRegions(const QString& text, const std::array<QString, 101>& regions)
{
    if (!text.contains(MarkerHead))
        return text;
    QString out;
    out.reserve(text.size());
    std::vector<int> open;
    expandInto(out, text, regions, open);
    return out;
}

bool hasHeadTag(const QString& upper)
{
    const QString tag = QStringLiteral("<HEAD");
    qsizetype p = upper.indexOf(tag);
    while (p >= 0) {
        const qsizetype after = p + tag.size();
        if (after >= upper.size())
            return false;
        const QChar c = upper[after];
        if (c == QLatin1Char('>') || c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n'))
            return true;
        p = upper.indexOf(tag, after);
    }
    return false;
}

HeadFootCut findHeadFootCut(const QString& text)
{
    HeadFootCut cut;
    const QString u = vb::UCaseAscii(text);
    const qsizetype s = u.indexOf(QStringLiteral("<BODY"));
    const qsizetype f = u.indexOf(QStringLiteral("</BODY"));
    if (s < 0 || f < 0)
        return cut;
    qsizetype e = u.indexOf(QLatin1Char('>'), s);
    if (e < 0)
        return cut;
    e += 1; // the header includes the ">"
    if (QStringView(text).mid(e, 2) == CrLf)
        e += 2;
    if (f < e)
        return cut; // the end tag stands before the start tag is closed: nothing sensible to cut
    cut.ok = true;
    cut.headerLength = e;
    cut.footerStart = f;
    return cut;
}

void Regions::RegionHide()
{
    RichEdit* ed = w.CurEditor();
    if (ed->SelLength() == 0)
        return;
    Document& d = w.doc(w.CurDoc);
    int k = 0;
    for (int i = 1; i <= MaxRegions; ++i) {
        if (d.Regions[static_cast<size_t>(i)].isEmpty()) {
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
        d.Regions[static_cast<size_t>(k)] = s.left(s.size() - 2);
        ed->SetSelText(regionMarker(k) + CrLf);
    } else {
        d.Regions[static_cast<size_t>(k)] = s;
        ed->SetSelText(regionMarker(k));
    }
    ed->SetSelStart(0);
}

void Regions::RegionOnlySelected()
{
    RichEdit* ed = w.CurEditor();
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
    w.colour.ResetColor();
}

void Regions::RegionShowPart()
{
    RichEdit* ed = w.CurEditor();
    const QString raw = ed->SelText();
    const QString s = vb::Trim(raw);
    const int start = ed->SelStart() + static_cast<int>(raw.size() - vb::LTrim(raw).size());
    ed->Select(start, static_cast<int>(s.size()));
    const int k = markerAt(s, 0);
    Document& d = w.doc(w.CurDoc);
    if (k > 0 && !d.Regions[static_cast<size_t>(k)].isEmpty()) {
        // Only the marker itself is replaced; text selected behind it stays.
        ed->Select(start, static_cast<int>(MarkerLength));
        ed->SetSelText(d.Regions[static_cast<size_t>(k)]);
    }
    w.colour.ResetColor();
}

void Regions::RegionShowAll(int n)
{
    Document& d = w.doc(n);
    const QString full = ExpandRegions(n);
    d.HtText->SetText(full);
    d.Header.clear();
    d.Footer.clear();
    w.colour.ResetColor();
}

void Regions::HideHeadFoot()
{
    Document& d = w.doc(w.CurDoc);
    if (!d.Header.isEmpty() || !d.Footer.isEmpty())
        return;
    RichEdit* ed = d.HtText;
    const QString text = removeDoubleCr(ed->Text());
    const HeadFootCut cut = findHeadFootCut(text);
    if (!cut.ok)
        return;
    // Everything is computed before the text changes.
    const QString header = text.left(cut.headerLength);
    const QString footer = text.mid(cut.footerStart);
    const QString body = text.mid(cut.headerLength, cut.footerStart - cut.headerLength);
    d.Header = header;
    d.Footer = footer;
    ed->SetText(body);
}

void Regions::ShowHeadFoot(int n)
{
    Document& d = w.doc(n);
    RichEdit* ed = d.HtText;
    const QString text = ed->Text();
    const QString u = vb::UCaseAscii(text);
    if (hasHeadTag(u))
        d.Header.clear();
    if (u.contains(QStringLiteral("</BODY")))
        d.Footer.clear();
    if (!d.Header.isEmpty() || !d.Footer.isEmpty())
        ed->SetText(d.Header + text + d.Footer);
    d.Header.clear();
    d.Footer.clear();
}

QString Regions::GetFullText(int n)
{
    Document& d = w.doc(n);
    return d.Header + d.HtText->Text() + d.Footer;
}

QString Regions::ExpandRegions(int n)
{
    return expandRegions(GetFullText(n), w.doc(n).Regions);
}
