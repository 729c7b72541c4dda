#include "stylesheet/StyleClasses.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

namespace css {

namespace {

// The value of an attribute in a tag's text (quoted with " or ', or up to a blank or ">").
std::optional<QString> attributeValue(const QString& tag, const QString& upperName)
{
    const QString upper = textrules::asciiUpper(tag);
    qsizetype at = upper.indexOf(upperName);
    while (at >= 0) {
        qsizetype i = at + upperName.size();
        while (i < tag.size() && tag.at(i).isSpace())
            ++i;
        if (i < tag.size() && tag.at(i) == u'=') {
            ++i;
            while (i < tag.size() && tag.at(i).isSpace())
                ++i;
            if (i < tag.size() && (tag.at(i) == u'"' || tag.at(i) == u'\'')) {
                const qsizetype end = tag.indexOf(tag.at(i), i + 1);
                return end < 0 ? tag.mid(i + 1) : tag.mid(i + 1, end - i - 1);
            }
            qsizetype end = i;
            while (end < tag.size() && !tag.at(end).isSpace() && tag.at(end) != u'>')
                ++end;
            return tag.mid(i, end - i);
        }
        at = upper.indexOf(upperName, at + 1);
    }
    return std::nullopt;
}

QString withoutLeadingSpace(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && (line.at(i) == u' ' || line.at(i) == u'\t'))
        ++i;
    return line.mid(i);
}

} // namespace

std::optional<QString> linkedStylesheet(const QString& page)
{
    const QString upper = textrules::asciiUpper(page);
    qsizetype at = upper.indexOf(QStringLiteral("<LINK"));
    while (at >= 0) {
        const qsizetype close = upper.indexOf(u'>', at);
        const QString tag = page.mid(at, close < 0 ? -1 : close - at + 1);
        const std::optional<QString> rel = attributeValue(tag, QStringLiteral("REL"));
        if (rel && textrules::asciiUpper(*rel).contains(QStringLiteral("STYLESHEET"))) {
            if (const std::optional<QString> href = attributeValue(tag, QStringLiteral("HREF")); href && !href->isEmpty())
                return href;
        }
        at = upper.indexOf(QStringLiteral("<LINK"), at + 5);
    }
    return std::nullopt;
}

bool isRemoteLink(const QString& href)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    const QString h = textrules::trimBlanks(href);
    if (h.startsWith(QStringLiteral("//")))
        return true;
    return scheme.match(h).hasMatch() && !textrules::asciiLower(h).startsWith(QStringLiteral("file:"));
}

QString linkedStylesheetPath(const QString& href, const QString& pageFolder)
{
    const QString h = textrules::trimBlanks(href);
    if (textrules::asciiLower(h).startsWith(QStringLiteral("file:")))
        return QUrl(h).toLocalFile();
    if (QDir::isAbsolutePath(h))
        return QDir::cleanPath(h);
    return QDir::cleanPath(QDir(pageFolder).filePath(h));
}

QString styleBlock(const QString& page)
{
    const QString lower = textrules::asciiLower(page);
    const qsizetype start = lower.indexOf(QStringLiteral("<style"));
    if (start < 0)
        return QString();
    const qsizetype open = lower.indexOf(u'>', start);
    if (open < 0)
        return QString();
    const qsizetype end = lower.indexOf(QStringLiteral("</style>"), open);
    if (end < 0)
        return QString();
    QString block = textrules::trimBlanks(page.mid(open + 1, end - open - 1));
    block.remove(u'\t');
    block.remove(QChar(0x3000));
    return block;
}

QStringList classEntries(const QString& stylesheet, const QString& block)
{
    QStringList entries;
    for (const QString& raw : (stylesheet + CrLf + block).split(CrLf)) {
        const QString line = withoutLeadingSpace(raw);
        const qsizetype brace = line.indexOf(u'{');
        if (line.startsWith(u'/') || brace < 0)
            continue;
        const QString selector = line.left(brace);
        // A brace on a line of its own names nothing.
        if (!selector.trimmed().isEmpty())
            entries.append(selector);
    }
    entries << QStringLiteral("SPAN style") << QStringLiteral("SPAN class");
    return entries;
}

ClassEdit applyClassEntry(const QString& text, int selStart, int selLength, const QString& entry)
{
    ClassEdit edit;
    if (selLength <= 0) {
        edit.message = QStringLiteral("スタイルを設定する範囲を選択してください。");
        return edit;
    }
    QString e = textrules::trimBlanks(entry);

    // A class or ID alone goes into the selected tag.
    if (e.startsWith(u'.') || e.startsWith(u'#')) {
        const std::optional<int> close = startTagClose(text, selStart, selLength);
        if (!close) {
            edit.message = QStringLiteral("クラスやＩＤにはタグを選択します");
            return edit;
        }
        const QString attribute = e.startsWith(u'.') ? QStringLiteral(" class=") : QStringLiteral(" id=");
        edit.kind = ClassEdit::Kind::Insert;
        edit.insert = {*close, attribute + Quote + e.mid(1) + Quote};
        return edit;
    }

    edit.kind = ClassEdit::Kind::Wrap;
    edit.wrap = {selStart, selLength, QString(), QString()};
    if (e == QStringLiteral("SPAN style") || e == QStringLiteral("SPAN class")) {
        edit.wrap.before = QStringLiteral("<SPAN ") + e.mid(5) + QStringLiteral("=") + Quote + Quote + QStringLiteral(">");
        edit.wrap.after = QStringLiteral("</SPAN>");
        return edit;
    }

    // An element with a class or an ID: element.class, element#id.
    QString name = e;
    const qsizetype point = e.indexOf(u'.');
    const qsizetype hash = e.indexOf(u'#');
    if (point > 0) {
        name = e.left(point);
        e = name + QStringLiteral(" class=") + Quote + e.mid(point + 1) + Quote;
    } else if (hash > 0) {
        name = e.left(hash);
        e = name + QStringLiteral(" id=") + Quote + e.mid(hash + 1) + Quote;
    }

    // The element's tags on lines of their own.
    const QString selected = text.mid(selStart, selLength);
    const bool startsLine = selStart == 0 || (selStart >= 2 && text.at(selStart - 2) == u'\r');
    const bool endsLine = selStart + selLength < text.size() && text.at(selStart + selLength) == u'\r';
    edit.wrap.before = (startsLine ? QString() : CrLf) + QStringLiteral("<") + e + QStringLiteral(">")
        + (selected.endsWith(u'\r') ? QString() : CrLf);
    edit.wrap.after = (textrules::trimBlanks(selected).endsWith(u'\n') ? QString() : CrLf) + QStringLiteral("</") + name + QStringLiteral(">")
        + (endsLine ? QString() : CrLf);
    return edit;
}

} // namespace css
