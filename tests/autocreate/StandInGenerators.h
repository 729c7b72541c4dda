#pragma once

// Small stand-ins for the construct generators that automatic creation reuses, so that its steps
// can be run and measured on their own. Their output is short and easy to recognise.
#include "autocreate/AutoCreatePipeline.h"

#include <QString>
#include <QStringList>

namespace standin {

inline QString entities(QString t)
{
    t.replace(QChar(u'&'), QStringLiteral("&amp;"));
    t.replace(QChar(u'"'), QStringLiteral("&quot;"));
    t.replace(QChar(u'<'), QStringLiteral("&lt;"));
    t.replace(QChar(u'>'), QStringLiteral("&gt;"));
    return t;
}

inline QString image(const QString& file)
{
    return file.trimmed().isEmpty() ? QString() : QStringLiteral("<IMG src=\"%1\">").arg(file);
}

inline QString rule()
{
    return QStringLiteral("<HR>\r\n");
}

inline QString wrapPage(const QString& body)
{
    return QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n") + body +
           QStringLiteral("\r\n</BODY>\r\n</HTML>");
}

// Inserts `what` right behind the first `tag`, as the title and body generators do.
inline QString insertBehind(const QString& page, const QString& tag, const QString& what)
{
    const qsizetype at = page.indexOf(tag, 0, Qt::CaseInsensitive);
    return at < 0 ? page : QString(page).insert(at + tag.size(), what);
}

inline QString setTitle(const QString& page, const QString& title)
{
    return insertBehind(page, QStringLiteral("<TITLE>"), title);
}

inline QString setBodyColours(const QString& page, const QString& text, const QString& back)
{
    return insertBehind(page, QStringLiteral("<BODY"),
                        QStringLiteral(" text=\"%1\" bgcolor=\"%2\"").arg(text, back));
}

inline QString backgroundImage(const QString& page, const QString& image)
{
    return insertBehind(page, QStringLiteral("<BODY"),
                        QStringLiteral(" STYLE=\"background:url(%1)\"").arg(image));
}

// One item per line, the line's text as it stands without its line end.
inline QString list(const QString& lines)
{
    QString html = QStringLiteral("<UL>\r\n");
    for (const QString& line : lines.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        html += QStringLiteral("<LI>") + line + QStringLiteral("\r\n");
    return html + QStringLiteral("</UL>\r\n");
}

// One row per line, cells separated by "," or "、".
inline QString table(const QString& lines)
{
    QString html = QStringLiteral("<TABLE>\r\n");
    for (QString line : lines.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        line.replace(u'、', u',');
        html += QStringLiteral("<TR><TD>") + line.split(u',').join(QStringLiteral("</TD><TD>")) +
                QStringLiteral("</TD></TR>\r\n");
    }
    return html + QStringLiteral("</TABLE>\r\n");
}

inline autocreate::FramesetPages frameset(const autocreate::FramesetRequest& r)
{
    const QString split = r.sideBySide ? QStringLiteral("cols") : QStringLiteral("rows");
    return {QStringLiteral("<FRAMESET %1=\"20%,*\">\r\n<FRAME SRC =\"%2\">\r\n<FRAME SRC =\"%3\">\r\n"
                           "</FRAMESET>")
                .arg(split, r.names.navigation, r.names.body),
            r.navigationPage};
}

inline autocreate::AutoCreateGenerators generators()
{
    autocreate::AutoCreateGenerators g;
    g.convertEntities = entities;
    g.imageTag = image;
    g.ruleTag = rule;
    g.wrapPage = wrapPage;
    g.setTitle = setTitle;
    g.setBodyColours = setBodyColours;
    g.makeList = list;
    g.makeTable = table;
    g.insertBgImage = backgroundImage;
    g.makeFrameset = frameset;
    return g;
}

} // namespace standin
