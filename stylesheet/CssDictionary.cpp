#include "stylesheet/CssDictionary.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "platform/DataLines.h"

namespace {

const QString DescriptionStart = QStringLiteral("<説明>");
const QString DescriptionEnd = QStringLiteral("</説明>");
const QString ExampleStart = QStringLiteral("<例>");
const QString ExampleEnd = QStringLiteral("</例>");

QString withoutTabs(const QString& line)
{
    QString s = line;
    s.remove(u'\t');
    return s;
}

// A category header gives its name; a "<T" line without a name ("<T>", or no ">") still ends the
// category before it.
bool isCategoryLine(const QString& marker)
{
    return marker.startsWith(QStringLiteral("<T"));
}

std::optional<QString> categoryName(const QString& marker)
{
    const QString rest = marker.mid(2);
    const qsizetype close = rest.indexOf(u'>');
    if (close < 1)
        return std::nullopt;
    return textrules::trimBlanks(rest.mid(1, close - 1));
}

std::optional<QString> propertyName(const QString& marker)
{
    if (!marker.startsWith(QStringLiteral("<S ")))
        return std::nullopt;
    const qsizetype close = marker.indexOf(u'>');
    if (close < 0)
        return std::nullopt;
    return textrules::trimBlanks(marker.mid(3, close - 3));
}

// The text of a description or example: its lines joined, blanks trimmed at both ends.
QString blockText(const QStringList& lines)
{
    return textrules::trimBlanks(lines.join(CrLf));
}

class Parser {
public:
    explicit Parser(const QString& text) : lines_(splitDataLines(text))
    {
        for (QString& line : lines_)
            line = withoutTabs(line);
    }

    CssDictionary run()
    {
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            const QString marker = textrules::trimBlanks(lines_.at(i));
            if (isCategoryLine(marker)) {
                startCategory(marker);
            } else if (const auto name = propertyName(marker)) {
                startProperty(*name);
            } else if (marker == DescriptionStart || marker == ExampleStart) {
                inValues_ = false;
                i = readBlock(i, marker == DescriptionStart);
            } else if (property_ && inValues_ && !marker.startsWith(QStringLiteral("<S"))) {
                property_->values.append(marker);
            }
        }
        return std::move(dictionary_);
    }

private:
    void startCategory(const QString& marker)
    {
        property_ = nullptr;
        category_ = nullptr;
        if (const auto name = categoryName(marker)) {
            dictionary_.categories.append(CssCategory{*name, {}});
            category_ = &dictionary_.categories.last();
        }
    }

    void startProperty(const QString& name)
    {
        property_ = nullptr;
        if (!category_)
            return;  // a property before any category cannot be chosen
        category_->properties.append(CssProperty{name, {}, std::nullopt, std::nullopt});
        property_ = &category_->properties.last();
        inValues_ = true;
    }

    // Reads the block that starts at line start and returns the index of its closing line. A
    // block that is never closed gives no text; its opening line still ends the values.
    qsizetype readBlock(qsizetype start, bool description)
    {
        const QString& closing = description ? DescriptionEnd : ExampleEnd;
        for (qsizetype j = start + 1; j < lines_.size(); ++j) {
            if (textrules::trimBlanks(lines_.at(j)) != closing)
                continue;
            if (property_) {
                const QString text = blockText(lines_.mid(start + 1, j - start - 1));
                std::optional<QString>& slot = description ? property_->description : property_->example;
                if (!slot)
                    slot = text;
            }
            return j;
        }
        return start;
    }

    QStringList lines_;
    CssDictionary dictionary_;
    CssCategory* category_ = nullptr;
    CssProperty* property_ = nullptr;
    bool inValues_ = false;
};

} // namespace

CssDictionary parseCssDictionary(const QString& text)
{
    return Parser(text).run();
}

QStringList CssDictionary::categoryNames() const
{
    QStringList names;
    for (const CssCategory& c : categories)
        names.append(c.name);
    return names;
}

const CssCategory* CssDictionary::category(const QString& name) const
{
    const QString wanted = textrules::trimBlanks(name);
    for (const CssCategory& c : categories) {
        if (c.name == wanted)
            return &c;
    }
    return nullptr;
}

QStringList CssDictionary::propertyNames(const QString& categoryName) const
{
    QStringList names;
    if (const CssCategory* c = category(categoryName)) {
        for (const CssProperty& p : c->properties)
            names.append(p.name);
    }
    return names;
}

const CssProperty* CssDictionary::propertyNamed(const QString& name) const
{
    const QString wanted = textrules::trimBlanks(name);
    for (const CssCategory& c : categories) {
        for (const CssProperty& p : c.properties) {
            if (p.name == wanted)
                return &p;
        }
    }
    return nullptr;
}
