#include "editor/GrammarCheck.h"

#include "editor/EditMessages.h"
#include "platform/TextRules.h"

#include <algorithm>
#include <array>

namespace {

constexpr char16_t FirstHalfWidthKana = 0xFF61;
constexpr char16_t LastHalfWidthKana = 0xFF9F;

// U+FF61 to U+FF9F in order.
constexpr std::array<char16_t, LastHalfWidthKana - FirstHalfWidthKana + 1> FullWidthKana = {
    u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ', u'ョ', u'ッ', // ｡ to ｯ
    u'ー', u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ', u'サ', u'シ', u'ス', u'セ', u'ソ', // ｰ to ｿ
    u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ', u'ネ', u'ノ', u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', // ﾀ to ﾏ
    u'ミ', u'ム', u'メ', u'モ', u'ヤ', u'ユ', u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン', u'゛', u'゜', // ﾐ to ﾟ
};

const char* const EndTagNames[] = {
    "html", "head", "body", "title", "address", "span", "div", "p", "nobr",
    "pre", "em", "strong", "sup", "sub", "comment", "font", "center",
};
constexpr size_t EndTagCount = std::size(EndTagNames);

// The range of 1-based positions startPos + 1 to endPos, as 0-based editor positions, cut to the text.
MarkRange checkRange(const QString& text, qsizetype startPos, qsizetype endPos)
{
    const qsizetype size = text.size();
    const qsizetype start = std::min(startPos, size);
    const qsizetype end = std::clamp(endPos, start, size);
    return {static_cast<int>(start), static_cast<int>(end - start)};
}

} // namespace

bool isHalfWidthKana(QChar c)
{
    return c.unicode() >= FirstHalfWidthKana && c.unicode() <= LastHalfWidthKana;
}

QChar fullWidthKana(QChar c)
{
    return isHalfWidthKana(c) ? QChar(FullWidthKana[c.unicode() - FirstHalfWidthKana]) : c;
}

QList<MarkRange> halfWidthKanaRuns(const QString& text)
{
    QList<MarkRange> runs;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isHalfWidthKana(text[i]))
            continue;
        qsizetype j = i + 1;
        while (j < text.size() && isHalfWidthKana(text[j]))
            ++j;
        runs.append({static_cast<int>(i), static_cast<int>(j - i)});
        i = j;
    }
    return runs;
}

QString widenKana(const QString& text)
{
    QString out = text;
    for (const MarkRange& run : halfWidthKanaRuns(text)) {
        for (int i = run.start; i < run.start + run.length; ++i)
            out[i] = fullWidthKana(out[i]);
    }
    return out;
}

std::optional<CheckFinding> checkBracket(const QString& text)
{
    // The text is walked with seven blanks behind it, so a "<" at its very end has a blank after it.
    const qsizetype n = text.size();
    const auto at = [&](qsizetype i) { return i < n ? text[i] : QLatin1Char(' '); };
    std::optional<CheckFinding> finding;
    bool open = false;
    qsizetype openPos = 0; // 1-based, as the marked range counts
    for (qsizetype i = 0; i < n + 7; ++i) {
        const QChar c = at(i);
        const qsizetype pos = i + 1;
        if (c == QLatin1Char('<') && !open) {
            if (at(i + 1) != QLatin1Char('!')) {
                open = true;
                openPos = pos;
            }
        } else if (c == QLatin1Char('>') && open) {
            open = false;
        } else if (c == QLatin1Char('<') && open) {
            return CheckFinding{editmsg::BracketMissing, checkRange(text, openPos, pos)};
        } else if (c == QLatin1Char(' ') && open && pos == openPos + 1) {
            finding = CheckFinding{editmsg::BlankAfterBracket, checkRange(text, openPos, pos)};
        }
    }
    return finding;
}

std::optional<CheckFinding> checkEndTag(const QString& text)
{
    const QString lower = textrules::asciiLower(text);
    const QStringView t(lower);
    std::array<bool, EndTagCount> open{};
    std::array<qsizetype, EndTagCount> openPos{};
    for (qsizetype i = t.indexOf(QLatin1Char('<')); i >= 0; i = t.indexOf(QLatin1Char('<'), i + 1)) {
        const bool end = i + 1 < t.size() && t[i + 1] == QLatin1Char('/');
        const QStringView rest = t.mid(i + (end ? 2 : 1));
        for (size_t k = 0; k < EndTagCount; ++k) {
            const QLatin1String name(EndTagNames[k]);
            if (!rest.startsWith(name))
                continue;
            if (!end && !open[k]) {
                open[k] = true;
                openPos[k] = i + 1;
            } else if (end && open[k] && rest.mid(name.size()).startsWith(QLatin1Char('>'))) {
                open[k] = false;
            }
        }
    }
    for (size_t k = 0; k < EndTagCount; ++k) {
        if (!open[k])
            continue;
        const QString name = QString::fromLatin1(EndTagNames[k]);
        return CheckFinding{editmsg::missingEndTag(name), checkRange(text, openPos[k], openPos[k] + name.size())};
    }
    return std::nullopt;
}

std::optional<CheckFinding> GrammarReport::shown() const
{
    return endTag ? endTag : bracket;
}

QList<MarkRange> GrammarReport::redMarks() const
{
    if (const auto finding = shown())
        return {finding->mark};
    return kana;
}

GrammarReport grammarCheck(const QString& text)
{
    // Widening the katakana changes no bracket and no tag name, so all three scans read one text.
    GrammarReport r;
    r.kana = halfWidthKanaRuns(text);
    r.bracket = checkBracket(text);
    r.endTag = checkEndTag(text);
    return r;
}
