#include "autocreate/ListTableSteps.h"

#include "autocreate/AutoTextScan.h"
#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

#include <algorithm>
#include <deque>

namespace autocreate {

namespace {

qsizetype lineStartOf(const QString& text, qsizetype at)
{
    return at == 0 ? 0 : text.lastIndexOf(QLatin1Char('\n'), at - 1) + 1;
}

qsizetype lineEndOf(const QString& text, qsizetype at)
{
    const qsizetype lf = text.indexOf(QLatin1Char('\n'), at);
    return lf < 0 ? text.size() : lf + 1;
}

// What is left of a pseudo-tag's line counts for nothing when it is blank or only "<BR>".
bool isLeftover(const QString& s)
{
    const QStringView t = trimBlanks(withoutLineEnd(trimBlanks(s)));
    return t.isEmpty() || t.compare(u"<BR>", Qt::CaseInsensitive) == 0;
}

// The pseudo-tags of one kind of block, written in capitals.
struct PseudoTags {
    QString opening;
    QString closing;
};

const QString ListWord = QStringLiteral("項目");
const QString TableWord = QStringLiteral("表");

// As the steps find them: "<" and ">" already entities.
PseudoTags entityTags(const QString& word)
{
    return {QStringLiteral("&LT;") + word + QStringLiteral("&GT;"),
            QStringLiteral("&LT;/") + word + QStringLiteral("&GT;")};
}

// As the user types them.
PseudoTags typedTags(const QString& word)
{
    return {QLatin1Char('<') + word + QLatin1Char('>'), QStringLiteral("</") + word + QLatin1Char('>')};
}

// Where one block's pseudo-tags stand; `closing` is -1 when the opening has none after it.
struct BlockSpan {
    qsizetype opening = -1;
    qsizetype closing = -1;
};

// The first block that opens at or after `from`: the first unescaped opening pseudo-tag and the
// first unescaped closing one behind it. Without an opening, `opening` is -1.
BlockSpan nextBlock(const QString& upper, const PseudoTags& tags, qsizetype from)
{
    BlockSpan span;
    span.opening = findUnescaped(upper, tags.opening, from);
    if (span.opening >= 0)
        span.closing = findUnescaped(upper, tags.closing, span.opening + tags.opening.size());
    return span;
}

// The lines with the blanks at their starts taken off: a beginner may indent an item or a row
// with half-width or ideographic spaces, and those are no part of the item or of the first cell.
QString withoutIndents(QStringView lines)
{
    QString out;
    out.reserve(lines.size());
    bool atLineStart = true;
    for (const QChar c : lines) {
        if (atLineStart && (c == QLatin1Char(' ') || c == QChar(0x3000)))
            continue;
        atLineStart = c == QLatin1Char('\n');
        out += c;
    }
    return out;
}

struct BlockWalk {
    QString text;
    bool closed = true;  // false when an opening pseudo-tag had no closing one
};

// Replaces every block between the pseudo-tags by the generator's HTML for its lines.
BlockWalk replaceBlocks(const QString& text, const PseudoTags& tags, const BlockGenerator& generate)
{
    const QString& opening = tags.opening;
    const QString& closing = tags.closing;
    const QString upper = textrules::asciiUpper(text);
    BlockWalk walk;
    qsizetype done = 0;
    for (;;) {
        const BlockSpan span = nextBlock(upper, tags, done);
        const qsizetype a = span.opening;
        const qsizetype b = span.closing;
        if (a < 0)
            break;
        if (b < 0) {
            walk.closed = false;
            break;
        }
        const qsizetype openLine = lineStartOf(text, a);
        const qsizetype closeLine = lineStartOf(text, b);
        const qsizetype closeLineEnd = lineEndOf(text, b);
        QString before = text.mid(openLine, a - openLine);
        QString lines;
        QString after = text.mid(b + closing.size(), closeLineEnd - b - closing.size());
        if (openLine == closeLine) {
            const QStringView between = QStringView(text).sliced(a + opening.size(), b - a - opening.size());
            if (!between.isEmpty())
                lines = withoutIndents(between) + CrLf;
        } else {
            const qsizetype openLineEnd = lineEndOf(text, a);
            before += QStringView(text).sliced(a + opening.size(),
                                               openLineEnd - a - opening.size());
            lines = withoutIndents(QStringView(text).sliced(openLineEnd, closeLine - openLineEnd));
            after.prepend(QStringView(text).sliced(closeLine, b - closeLine));
        }
        walk.text += QStringView(text).sliced(done, openLine - done);
        if (!isLeftover(before))
            walk.text += before;
        if (!lines.isEmpty())
            walk.text += generate(lines);
        if (!isLeftover(after))
            walk.text += after;
        done = closeLineEnd;
    }
    walk.text += QStringView(text).sliced(done);
    return walk;
}

// Every "<HR" (any case) that follows other text on its line gets a line of its own.
QString rulesOnOwnLines(const QString& text)
{
    const QString upper = textrules::asciiUpper(text);
    QString out;
    out.reserve(text.size() + 64);
    qsizetype done = 0;
    for (qsizetype at = upper.indexOf(u"<HR", 1); at >= 0; at = upper.indexOf(u"<HR", at + 1)) {
        if (at >= 2 && QStringView(text).sliced(at - 2, 2) == u"\r\n")
            continue;
        out += QStringView(text).sliced(done, at - done);
        out += CrLf;
        done = at;
    }
    out += QStringView(text).sliced(done);
    return out;
}

// A table that starts inside a paragraph closes it first; the paragraph's own "</P>" after the
// table then goes, and the table's end leaves the text outside any paragraph.
QString noTableInParagraph(const QString& text)
{
    const QString upper = textrules::asciiUpper(text);
    QString out;
    out.reserve(text.size() + 64);
    std::deque<qsizetype> dropped;  // positions of the "</P>" tags to leave out
    bool inParagraph = false;
    qsizetype done = 0;
    for (qsizetype at = upper.indexOf(QLatin1Char('<')); at >= 0;
         at = upper.indexOf(QLatin1Char('<'), at + 1)) {
        if (!dropped.empty() && dropped.front() == at) {
            dropped.pop_front();
            out += QStringView(text).sliced(done, at - done);
            done = at + 4;
            at += 3;
            continue;
        }
        const QStringView tag = QStringView(upper).sliced(at);
        if (tag.startsWith(u"<P>")) {
            inParagraph = true;
        } else if (tag.startsWith(u"</P")) {
            inParagraph = false;
        } else if (tag.startsWith(u"<TA") && inParagraph) {
            out += QStringView(text).sliced(done, at - done);
            out += QStringLiteral("\r\n</P>\r\n");
            done = at;
            const qsizetype from = dropped.empty() ? at : qMax(at, dropped.back() + 4);
            const qsizetype end = upper.indexOf(u"</P>", from);
            if (end >= 0)
                dropped.push_back(end);
            inParagraph = false;
        }
    }
    out += QStringView(text).sliced(done);
    return out;
}

} // namespace

QString autoItems(const QString& text, const BlockGenerator& makeList)
{
    const BlockWalk walk = replaceBlocks(text, entityTags(ListWord), makeList);
    return walk.closed ? rulesOnOwnLines(walk.text) : walk.text;
}

QString autoTables(const QString& text, const BlockGenerator& makeTable)
{
    const BlockWalk walk = replaceBlocks(text, entityTags(TableWord), makeTable);
    return walk.closed ? noTableInParagraph(walk.text) : walk.text;
}

QList<BlockLine> typedBlockLines(const QString& typedText)
{
    QList<qsizetype> lineStarts{0};
    for (qsizetype i = 0; i < typedText.size(); ++i) {
        if (typedText[i] == QLatin1Char('\n'))
            lineStarts.append(i + 1);
    }
    const auto lineOf = [&lineStarts](qsizetype at) {
        return std::upper_bound(lineStarts.cbegin(), lineStarts.cend(), at) - lineStarts.cbegin() - 1;
    };
    QList<BlockLine> roles(lineStarts.size(), BlockLine::Outside);
    // The typed pseudo-tags hold no ASCII letter: the text needs no capitals to be searched.
    const QString& upper = typedText;
    for (const QString& word : {ListWord, TableWord}) {
        const PseudoTags tags = typedTags(word);
        // A pseudo-tag's line counts as one whether or not the step will pair it.
        for (const QString& tag : {tags.opening, tags.closing}) {
            for (qsizetype at = findUnescaped(upper, tag, 0); at >= 0; at = findUnescaped(upper, tag, at + 1))
                roles[lineOf(at)] = BlockLine::PseudoTag;
        }
        qsizetype done = 0;
        for (;;) {
            const BlockSpan span = nextBlock(upper, tags, done);
            if (span.opening < 0 || span.closing < 0)
                break;
            for (qsizetype line = lineOf(span.opening) + 1; line < lineOf(span.closing); ++line) {
                if (roles[line] == BlockLine::Outside)
                    roles[line] = BlockLine::Inside;
            }
            done = lineEndOf(typedText, span.closing);
        }
    }
    return roles;
}

} // namespace autocreate
