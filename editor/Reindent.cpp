#include "editor/Reindent.h"

#include "editor/EditResult.h"
#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::array<QLatin1String, 6> Families = {
    QLatin1String("P"), QLatin1String("DIV"), QLatin1String("H"),
    QLatin1String("BODY"), QLatin1String("TABLE"), QLatin1String("TR"),
};
constexpr std::array<QLatin1String, 6> FamiliesLower = {
    QLatin1String("p"), QLatin1String("div"), QLatin1String("h"),
    QLatin1String("body"), QLatin1String("table"), QLatin1String("tr"),
};

const QString DoubleCrLf = QStringLiteral("\r\n\r\n");
const QChar FullWidthBlank(0x3000);

// s[at] is "<": true when "<" + name or "</" + name follows, the name written all in capitals or
// all in small letters.
bool startsFamilyTag(QStringView s, qsizetype at)
{
    qsizetype p = at + 1;
    if (p < s.size() && s[p] == QLatin1Char('/'))
        ++p;
    const QStringView rest = s.mid(p);
    for (size_t k = 0; k < Families.size(); ++k) {
        if (rest.startsWith(Families[k]) || rest.startsWith(FamiliesLower[k]))
            return true;
    }
    return false;
}

// "<" + name of the family at the start of an upper-cased line, or "</" + name.
enum class FamilyLine { None, Start, End };
FamilyLine familyLine(QStringView upperLine, QLatin1String family)
{
    if (upperLine.size() < 2 || upperLine[0] != QLatin1Char('<'))
        return FamilyLine::None;
    const bool end = upperLine[1] == QLatin1Char('/');
    const QStringView name = upperLine.mid(end ? 2 : 1);
    if (!name.startsWith(family))
        return FamilyLine::None;
    return end ? FamilyLine::End : FamilyLine::Start;
}

// Line breaks before each family tag and after the ">" that closes it (one after that ">" for each
// family tag it closes).
QString breakAroundFamilyTags(const QString& t)
{
    QString out;
    out.reserve(t.size() + t.size() / 8);
    int pending = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('<') && startsFamilyTag(t, i)) {
            out += CrLf;
            ++pending;
        }
        out += c;
        if (c == QLatin1Char('>')) {
            for (; pending > 0; --pending)
                out += CrLf;
        }
    }
    return out;
}

// Each "<BR>" and "<br>" drawn up to the text before it: line breaks, blanks, full-width blanks and
// tabs directly in front of it are removed.
QString drawUpBrMarks(const QString& t)
{
    QString out;
    out.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QStringView four = QStringView(t).mid(i, 4);
        if (four == QLatin1String("<BR>") || four == QLatin1String("<br>")) {
            while (!out.isEmpty()) {
                const QChar last = out.back();
                if (last == QLatin1Char(' ') || last == QLatin1Char('\t') || last == FullWidthBlank)
                    out.chop(1);
                else if (out.endsWith(CrLf))
                    out.chop(2);
                else
                    break;
            }
            out += four;
            i += 3;
        } else {
            out += t[i];
        }
    }
    return out;
}

// The line without its old indentation: tabs and blanks at its start.
QStringView withoutIndentation(QStringView line)
{
    qsizetype k = 0;
    while (k < line.size() && (line[k] == QLatin1Char('\t') || line[k] == QLatin1Char(' ')))
        ++k;
    return line.mid(k);
}

bool isBlankLine(QStringView line)
{
    for (QChar c : line) {
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char(' ') && c != QLatin1Char('\t')
            && c != FullWidthBlank)
            return false;
    }
    return true;
}

} // namespace

QString MakeTabs(int n)
{
    return n > 0 ? QString(n, QLatin1Char('\t')) : QString();
}

int CountTabs(const QString& s)
{
    int n = 0;
    while (n < s.size() && s[n] == QLatin1Char('\t'))
        ++n;
    return n;
}

QString indentHtml(const QString& text)
{
    if (textrules::trimBlanks(text).isEmpty())
        return text;

    QString t = breakAroundFamilyTags(text);
    t = replaceAllOccurrences(t, DoubleCrLf, CrLf);
    t = replaceAllOccurrences(t, DoubleCrLf, CrLf);
    t = drawUpBrMarks(t);

    const QList<QStringView> lines = QStringView(t).split(CrLf);
    std::vector<int> tabs(static_cast<size_t>(lines.size()), 0);
    std::vector<FamilyLine> kinds(lines.size());
    std::vector<QString> upper(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        upper[static_cast<size_t>(i)] = textrules::asciiUpper(withoutIndentation(lines[i]).left(8).toString());
    for (QLatin1String family : Families) {
        int depth = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].isEmpty())
                continue;
            switch (familyLine(upper[static_cast<size_t>(i)], family)) {
            case FamilyLine::Start:
                tabs[static_cast<size_t>(i)] += std::max(depth, 0);
                ++depth;
                break;
            case FamilyLine::End:
                --depth;
                tabs[static_cast<size_t>(i)] += std::max(depth, 0);
                break;
            case FamilyLine::None:
                tabs[static_cast<size_t>(i)] += std::max(depth, 0);
                break;
            }
        }
    }

    QString joined;
    joined.reserve(t.size() + t.size() / 4);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += CrLf;
        if (!lines[i].isEmpty()) {
            joined += MakeTabs(tabs[static_cast<size_t>(i)]);
            joined += i == 0 ? lines[i] : withoutIndentation(lines[i]);
        }
    }
    joined = replaceAllOccurrences(joined, DoubleCrLf, CrLf);

    QString result;
    result.reserve(joined.size());
    const QList<QStringView> out = QStringView(joined).split(CrLf);
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (isBlankLine(out[i]))
            continue;
        if (i == 0) {
            result += out[i];
            continue;
        }
        result += CrLf;
        result += textrules::trimBlanks(out[i].toString());
    }
    return result;
}
