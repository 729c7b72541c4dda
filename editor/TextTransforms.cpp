#include "editor/TextTransforms.h"

#include "editor/EditMessages.h"
#include "workspace/DocumentText.h"
#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

#include <algorithm>

namespace {

const QString BrMark = QStringLiteral("<BR>");

bool isTagSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

QChar changeCase(QChar c, bool upper)
{
    const char16_t u = c.unicode();
    if (upper && u >= u'a' && u <= u'z')
        return QChar(u - (u'a' - u'A'));
    if (!upper && u >= u'A' && u <= u'Z')
        return QChar(u + (u'a' - u'A'));
    return c;
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// A tag starts with "<" and a letter, "</" and a letter, "<!" or "<?"; "a < b" is text.
bool opensTag(QStringView piece)
{
    if (piece.size() < 2)
        return false;
    const QChar c = piece[1];
    if (c == QLatin1Char('!') || c == QLatin1Char('?') || isAsciiLetter(c))
        return true;
    return c == QLatin1Char('/') && piece.size() > 2 && isAsciiLetter(piece[2]);
}

// Changes the names inside the tag text[open] .. text[close] ("<" to ">") in place.
void changeNamesInTag(QChar* text, qsizetype open, qsizetype close, bool upper)
{
    qsizetype k = open + 1;
    bool valueNext = false; // after "=", the next word is a value
    while (k < close) {
        const QChar c = text[k];
        if (isTagSpace(c) || c == QLatin1Char('/')) {
            ++k;
        } else if (c == QLatin1Char('=')) {
            valueNext = true;
            ++k;
        } else if (isQuote(c)) {
            // A quoted value, to its closing quote or, without one, to the end of the tag.
            ++k;
            while (k < close && text[k] != c)
                ++k;
            ++k;
            valueNext = false;
        } else if (valueNext) {
            while (k < close && !isTagSpace(text[k]))
                ++k;
            valueNext = false;
        } else {
            for (; k < close && !isTagSpace(text[k]) && text[k] != QLatin1Char('=') && !isQuote(text[k]); ++k)
                text[k] = changeCase(text[k], upper);
        }
    }
}

struct Entity {
    QChar character;
    QLatin1String name;
};
// In the order the conversion goes through them.
constexpr Entity Entities[] = {
    {QChar(u'&'), QLatin1String("&amp;")},
    {QChar(u'"'), QLatin1String("&quot;")},
    {QChar(u'<'), QLatin1String("&lt;")},
    {QChar(u'>'), QLatin1String("&gt;")},
};

} // namespace

std::optional<EditResult> removeBrMarks(const QString& text, const Selection& selection)
{
    const Selection sel = clampSelection(text, selection);
    if (sel.length == 0)
        return std::nullopt;
    QString s = text.mid(sel.start, sel.length);
    // Two passes, so that a mark that the first pass joins together goes as well.
    s.remove(BrMark, Qt::CaseInsensitive);
    s.remove(BrMark, Qt::CaseInsensitive);
    return replaceSelection(text, sel, s);
}

std::optional<EditResult> brMarksAtLineEnds(const QString& text, const Selection& selection)
{
    const Selection sel = clampSelection(text, selection);
    if (sel.length == 0)
        return std::nullopt;
    const QString s = text.mid(sel.start, sel.length);
    return replaceSelection(text, sel, replaceAllOccurrences(s, CrLf, BrMark + CrLf));
}

int outsideRegionMarker(const QString& text, int pos)
{
    for (int m = std::max(0, pos - static_cast<int>(RegionMarkerLength) + 1); m < pos; ++m) {
        if (markerAt(text, m) > 0)
            return m + static_cast<int>(RegionMarkerLength);
    }
    return pos;
}

std::optional<EditResult> insertBrMark(const QString& text, const Selection& selection)
{
    const Selection sel = clampSelection(text, selection);
    if (sel.start == 0)
        return std::nullopt;
    return replaceSelection(text, {outsideRegionMarker(text, sel.start), 0}, BrMark);
}

QString changeTagCase(const QString& text, int mode)
{
    const bool upper = mode == 1;
    QString out = text;
    QChar* d = out.data();
    const qsizetype n = out.size();
    qsizetype i = out.indexOf(QLatin1Char('<'));
    while (i >= 0 && i < n) {
        qsizetype j = i + 1;
        while (j < n && d[j] != QLatin1Char('>') && d[j] != QLatin1Char('<'))
            ++j;
        if (j >= n)
            break;
        if (d[j] == QLatin1Char('<')) {
            i = j; // the first "<" was text
            continue;
        }
        const QStringView piece = QStringView(out).mid(i, j - i);
        if (opensTag(piece) && !piece.startsWith(QLatin1String("<!--")))
            changeNamesInTag(d, i, j, upper);
        i = out.indexOf(QLatin1Char('<'), j + 1);
    }
    return out;
}

QString encodeEntities(const QString& s)
{
    QString out;
    out.reserve(s.size() + s.size() / 8);
    for (QChar c : s) {
        const auto e = std::find_if(std::begin(Entities), std::end(Entities),
                                    [c](const Entity& x) { return x.character == c; });
        if (e != std::end(Entities))
            out += e->name;
        else
            out += c;
    }
    return out;
}

QString decodeEntities(const QString& s)
{
    QString out;
    out.reserve(s.size());
    qsizetype from = 0;
    for (qsizetype p = s.indexOf(QLatin1Char('&')); p >= 0; p = s.indexOf(QLatin1Char('&'), p + 1)) {
        const QStringView rest = QStringView(s).mid(p);
        const auto e = std::find_if(std::begin(Entities), std::end(Entities), [rest](const Entity& x) {
            return rest.startsWith(x.name, Qt::CaseInsensitive);
        });
        if (e == std::end(Entities))
            continue;
        out += QStringView(s).mid(from, p - from);
        out += e->character;
        from = p + e->name.size();
        p = from - 1;
    }
    out += QStringView(s).mid(from);
    return out;
}

EditResult convertEntities(const QString& text, const Selection& selection, int mode)
{
    const Selection sel = clampSelection(text, selection);
    const auto convert = [mode](const QString& s) { return mode == 0 ? encodeEntities(s) : decodeEntities(s); };
    if (sel.length > 0)
        return replaceSelection(text, sel, convert(text.mid(sel.start, sel.length)));
    EditResult r;
    r.text = convert(text);
    r.selection = {std::min(sel.start, static_cast<int>(r.text.size())), 0};
    return r;
}

SpecialCharsAction specialCharsAction(const QString& text, const Selection& selection)
{
    if (clampSelection(text, selection).length > 0)
        return SpecialCharsAction::ConvertSelection;
    for (const char* tag : {"<HEAD>", "<head>", "<BR>", "<br>"}) {
        if (text.contains(QLatin1String(tag)))
            return SpecialCharsAction::AskFirst;
    }
    return SpecialCharsAction::Nothing;
}

DirectSearchStep directSearch(const QString& clipboardText, const QString& text)
{
    DirectSearchStep step;
    // Copied text carries its line breaks as CR LF, LF alone or CR alone, whichever program
    // copied it; none of them is part of what is looked for.
    QString s = clipboardText;
    s.remove(QLatin1Char('\r'));
    s.remove(QLatin1Char('\n'));
    if (s.isEmpty()) {
        step.message = editmsg::DirectSearchNoText;
        return step;
    }
    if (!text.contains(s))
        step.message = editmsg::DirectSearchNotFound + s;
    else
        step.word = s;
    return step;
}

Selection selectBody(const QString& text)
{
    const Selection whole{0, static_cast<int>(text.size())};
    const QString u = textrules::asciiUpper(text);
    const qsizetype body = u.indexOf(QLatin1String("<BODY"));
    if (body < 0)
        return whole;
    const qsizetype close = u.indexOf(QLatin1Char('>'), body);
    if (close < 0)
        return whole;
    const qsizetype end = u.indexOf(QLatin1String("</BODY>"), close + 1);
    if (end < 0)
        return whole;
    return {static_cast<int>(close + 1), static_cast<int>(end - close - 1)};
}

QString removeLineBreaks(const QString& text)
{
    return replaceAllOccurrences(text, CrLf, QStringView());
}

QString removeTabs(const QString& text)
{
    QString out = text;
    out.remove(QLatin1Char('\t'));
    return out;
}
