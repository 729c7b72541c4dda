#include "autocreate/PreparationSteps.h"

#include "autocreate/AutoTextScan.h"
#include "autocreate/ListTableSteps.h"
#include "workspace/DocumentText.h"
#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

namespace autocreate {

namespace {

// Replaces every unescaped pseudo-tag that begins with `word` (written with "&lt;", ASCII letters
// in any case) by what `replace` returns for its content. The content runs to the next "&gt;" on
// the tag's line; without one the tag ends with the line, so a forgotten "&gt;" never swallows
// the lines after it.
QString replacePseudoTags(const QString& text, const QString& word,
                          const std::function<QString(const QString& content)>& replace)
{
    const QString upper = textrules::asciiUpper(text);
    const QString upperWord = textrules::asciiUpper(word);
    const QString close = QStringLiteral("&GT;");
    QString out;
    qsizetype done = 0;
    for (qsizetype at = findUnescaped(upper, upperWord, 0); at >= 0;
         at = findUnescaped(upper, upperWord, done)) {
        const qsizetype contentStart = at + upperWord.size();
        const qsizetype lineEnd = lineEndAt(upper, contentStart);
        const qsizetype gt =
            QStringView(upper).sliced(contentStart, lineEnd - contentStart).indexOf(close);
        const qsizetype contentEnd = gt >= 0 ? contentStart + gt : lineEnd;
        const qsizetype tagEnd = gt >= 0 ? contentEnd + close.size() : lineEnd;
        out += QStringView(text).sliced(done, at - done);
        out += replace(text.sliced(contentStart, contentEnd - contentStart));
        done = tagEnd;
    }
    if (done == 0)
        return text;
    out += QStringView(text).sliced(done);
    return out;
}

} // namespace

QString joinWrappedLines(const QString& text)
{
    QString out;
    out.reserve(text.size() + 64);
    QString paragraph;
    int linesInParagraph = 0;
    const QList<QStringView> pieces = splitAfterLineFeeds(text);
    // A list or table is written one item or row a line: those lines, and the pseudo-tags' lines
    // with the lines next to them, keep their line breaks.
    const QList<BlockLine> blocks = typedBlockLines(text);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QString line = pieces[i].toString();
        if (i == pieces.size() - 1)
            line += CrLf;
        if (isEmptyLine(line)) {
            if (!paragraph.isEmpty())
                out += paragraph + CrLf;
            paragraph.clear();
            linesInParagraph = 0;
            continue;
        }
        const bool blockLine = blocks[i] != BlockLine::Outside ||
                               (i > 0 && blocks[i - 1] == BlockLine::PseudoTag);
        if (linesInParagraph < 2 || blockLine || line.startsWith(QLatin1Char(' ')) ||
            line.startsWith(QChar(0x3000))) {
            paragraph += line;
        } else {
            paragraph.chop(paragraph.size() - withoutLineEnd(paragraph).size());
            paragraph += line;
        }
        ++linesInParagraph;
    }
    out += paragraph + CrLf;
    return removeDoubleCr(out);
}

QString expandImageTags(const QString& text, const ImageTagGenerator& imageTag)
{
    return removeDoubleCr(replacePseudoTags(text, QStringLiteral("&lt;画像"), imageTag));
}

BackgroundTake takeBackgroundTag(const QString& text, int number)
{
    BackgroundTake take;
    take.text = replacePseudoTags(text, QStringLiteral("&lt;背景") + QString::number(number),
                                  [&take](const QString& content) {
                                      take.content = content;
                                      take.found = true;
                                      return QString();
                                  });
    return take;
}

QString autoLineBreaks(const QString& text)
{
    TextRange range = bodyRange(text);
    if (range.length == 0)
        range = {0, text.size()};
    const QStringView selected = QStringView(text).sliced(range.start, range.length);

    QString out = text.left(range.start);
    out.reserve(text.size() + text.size() / 8);
    QList<QStringView> pieces = splitAfterLineFeeds(selected);
    const QString rest = pieces.takeLast().toString();
    QStringList lines;
    for (const QStringView& piece : std::as_const(pieces))
        lines.append(piece.toString());
    if (!textrules::trimBlanks(rest).isEmpty())
        lines.append(rest + CrLf);

    for (const QString& line : std::as_const(lines)) {
        const QStringView s = trimBlanks(line);
        if (!s.endsWith(u"\r\n")) {
            out += s;
        } else if (s != u"\r\n" && !s.endsWith(u">\r\n") && !s.startsWith(u"&lt;背景") &&
                   !s.startsWith(u"&lt;画像")) {
            out += trimBlanks(s.chopped(2));
            out += QStringLiteral("<BR>\r\n");
        } else {
            out += line;
        }
    }
    out += QStringView(text).sliced(range.start + range.length);
    return out;
}

QString insertSkeleton(const QString& text, bool headerHidden, const PageWrapper& wrapPage)
{
    if (headerHidden)
        return text;
    for (const char16_t* tag : {u"<HTML", u"<html", u"<BODY", u"<body"}) {
        if (text.contains(QStringView(tag)))
            return text;
    }
    return wrapPage(text);
}

} // namespace autocreate
