#include "autocreate/FramePages.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

namespace autocreate {

AutoPageNames autoPageNames(const QString& textFileName)
{
    const qsizetype slash =
        qMax(textFileName.lastIndexOf(QLatin1Char('/')), textFileName.lastIndexOf(QLatin1Char('\\')));
    const QString name = textFileName.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    const QString html = QStringLiteral(".html");
    return {base + html, base + QStringLiteral("right") + html, base + QStringLiteral("left") + html,
            base + QStringLiteral("index") + html};
}

QString navigationPage(const QString& bodyPageName, const QStringList& headings,
                       const QString& fontSize)
{
    QString page;
    page += QStringLiteral("<!DOCTYPE HTML PUBLIC ") + Quote +
            QStringLiteral("-//W3C//DTD HTML 4.01 Frameset//EN") + Quote + QLatin1Char('>') + CrLf;
    page += QStringLiteral("<HTML lang=") + Quote + QStringLiteral("ja") + Quote + QLatin1Char('>') +
            CrLf;
    page += QStringLiteral("<HEAD>") + CrLf;
    page += QStringLiteral("<TITLE> </TITLE>") + CrLf;
    page += QStringLiteral("<META http-equiv=") + Quote + QStringLiteral("Content-Type") + Quote +
            QStringLiteral(" content=") + Quote + QStringLiteral("text/html; charset=Shift_JIS") +
            Quote + QStringLiteral(" > ") + CrLf;
    page += QStringLiteral("<META http-equiv=") + Quote + QStringLiteral("Content-Style-Type") +
            Quote + QStringLiteral(" content=") + Quote + QStringLiteral("text/css") + Quote +
            QLatin1Char('>') + CrLf;
    page += QStringLiteral("</HEAD>") + CrLf;
    page += QStringLiteral("<BODY><BASEFONT size=") + Quote + fontSize + Quote + QLatin1Char('>') +
            CrLf;
    for (qsizetype i = 0; i < headings.size(); ++i) {
        page += QStringLiteral("<A href=") + Quote + bodyPageName + QStringLiteral("#Pelmor") +
                QString::number(i + 1) + Quote + QLatin1Char('>') + headings[i] +
                QStringLiteral("</A><BR>") + CrLf;
    }
    page += CrLf + QStringLiteral("</BODY>") + CrLf + QStringLiteral("</HTML>") + CrLf;
    return page;
}

QString removeLtEscapes(const QString& text)
{
    const QString upper = textrules::asciiUpper(text);
    QString out;
    qsizetype done = 0;
    for (qsizetype at = upper.indexOf(u"\\&LT"); at >= 0; at = upper.indexOf(u"\\&LT", at + 1)) {
        out += QStringView(text).sliced(done, at - done);
        done = at + 1;
    }
    if (done == 0)
        return text;
    out += QStringView(text).sliced(done);
    return out;
}

QString removeImageElements(const QString& text)
{
    const QString upper = textrules::asciiUpper(text);
    QString out;
    qsizetype done = 0;
    for (qsizetype at = upper.indexOf(u"<IMG SRC"); at >= 0;
         at = upper.indexOf(u"<IMG SRC", done)) {
        out += QStringView(text).sliced(done, at - done);
        const qsizetype gt = text.indexOf(QLatin1Char('>'), at);
        done = gt < 0 ? text.size() : gt + 1;
    }
    if (done == 0)
        return text;
    out += QStringView(text).sliced(done);
    return out;
}

FramePageTexts autoFramePages(const QString& page, const AutoPageNames& names,
                              const QStringList& headings, const BackgroundEntries& backgrounds,
                              const QString& navigationFontSize,
                              const BackgroundImageSetter& insertBgImage)
{
    FramePageTexts pages;
    // A blank entry sets no image, so that the page's own background colour shows.
    pages.body = textrules::trimBlanks(backgrounds.body).isEmpty() ? page : insertBgImage(page, backgrounds.body);
    pages.body = removeLtEscapes(pages.body);
    pages.navigation = navigationPage(names.body, headings, navigationFontSize);
    if (!textrules::trimBlanks(backgrounds.navigation).isEmpty())
        pages.navigation = insertBgImage(pages.navigation, backgrounds.navigation);
    pages.navigation = removeImageElements(pages.navigation);
    return pages;
}

} // namespace autocreate
