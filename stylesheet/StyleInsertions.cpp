#include "stylesheet/StyleInsertions.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

#include <algorithm>

namespace css {

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The selection's bounds without the white space at either end.
void trimBounds(const QString& text, int selStart, int selLength, int& from, int& to)
{
    from = std::clamp(selStart, 0, static_cast<int>(text.size()));
    to = std::clamp(selStart + selLength, from, static_cast<int>(text.size()));
    while (from < to && isSpace(text.at(from)))
        ++from;
    while (to > from && isSpace(text.at(to - 1)))
        --to;
}

bool atLineStart(const QString& text, int pos)
{
    return pos <= 0 || (pos >= 2 && text.mid(pos - 2, 2) == CrLf);
}

} // namespace

int headEnd(const QString& text)
{
    return static_cast<int>(textrules::asciiUpper(text).indexOf(QStringLiteral("</HEAD>")));
}

std::optional<TextInsert> pageStyleBlock(const QString& text)
{
    if (textrules::asciiUpper(text).contains(QStringLiteral("STYLE TYPE")))
        return std::nullopt;
    const int at = headEnd(text);
    if (at < 0)
        return std::nullopt;
    QString block = QStringLiteral("<STYLE TYPE=") + Quote + QStringLiteral("text/css") + Quote + QStringLiteral(">") + CrLf
        + QStringLiteral("<!--") + CrLf + CrLf + QStringLiteral("-->") + CrLf + QStringLiteral("</STYLE>") + CrLf;
    if (!atLineStart(text, at))
        block.prepend(CrLf);
    return TextInsert{at, block};
}

TextWrap scopedSpan(const QString& text, int selStart, int selLength)
{
    TextWrap w{selStart, selLength, QStringLiteral("<SPAN STYLE=") + Quote + QStringLiteral(" ") + Quote + QStringLiteral(">"),
               QStringLiteral("</SPAN>")};
    if (text.mid(selStart, selLength).endsWith(CrLf))
        w.length -= 2;
    if (atLineStart(text, selStart)) {
        w.before += CrLf;
        w.after.prepend(CrLf);
    }
    return w;
}

QString trimmedSelection(const QString& text, int selStart, int selLength)
{
    int from = 0;
    int to = 0;
    trimBounds(text, selStart, selLength, from, to);
    return text.mid(from, to - from);
}

std::optional<int> startTagClose(const QString& text, int selStart, int selLength)
{
    int from = 0;
    int to = 0;
    trimBounds(text, selStart, selLength, from, to);
    if (to - from < 2 || text.at(from) != u'<' || text.at(to - 1) != u'>')
        return std::nullopt;
    for (int i = from; i < to; ++i) {
        if (text.at(i) != u'<' || i + 1 >= to || text.at(i + 1) == u'/')
            continue;
        // The ">" that closes the tag, past any quoted value that holds one.
        bool quoted = false;
        for (int j = i + 1; j < to; ++j) {
            if (text.at(j) == Quote.at(0))
                quoted = !quoted;
            else if (!quoted && text.at(j) == u'>')
                return j;
            else if (!quoted && text.at(j) == u'<')
                break;
        }
    }
    return std::nullopt;
}

QString inlineStyleAttribute()
{
    return QStringLiteral(" STYLE=") + Quote + QStringLiteral(" ") + Quote;
}

QString linkLine(const QString& file)
{
    return QStringLiteral("<LINK REL=stylesheet TYPE=") + Quote + QStringLiteral("text/css") + Quote + QStringLiteral(" HREF=")
        + Quote + file + Quote + QStringLiteral(">") + CrLf;
}

QString linkFile(const QString& box)
{
    return textrules::trimBlanks(box).isEmpty() ? QStringLiteral("*.css") : box;
}

std::optional<TextInsert> linkInsert(const QString& text, const QString& file)
{
    const int at = headEnd(text);
    if (at < 0)
        return std::nullopt;
    return TextInsert{at, linkLine(file)};
}

bool linkableInAll(const QString& text)
{
    const QString upper = textrules::asciiUpper(text);
    return upper.contains(QStringLiteral("<HEAD")) && !upper.contains(QStringLiteral("<LINK REL"))
        && upper.contains(QStringLiteral("</HEAD>"));
}

QString stylesheetName(const QString& box)
{
    QString name = textrules::trimBlanks(box);
    if (textrules::asciiLower(name.right(4)) != QStringLiteral(".css"))
        name += QStringLiteral(".css");
    return name;
}

bool badStylesheetName(const QString& name)
{
    return name.contains(u'/') || name.contains(QChar(0));
}

} // namespace css
