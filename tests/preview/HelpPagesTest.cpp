#include "platform/TextFile.h"
#include "preview/Favourites.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString ProgramFolder = QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../.."));
const QString ResourceFolder = ProgramFolder + QStringLiteral("/resource");
const QString ContentsPage = QStringLiteral("helphelp.html");

const QStringList HelpPages = {ContentsPage,
                               QStringLiteral("pelmorindex.html"),
                               QStringLiteral("hensyu1.html"),
                               QStringLiteral("region.html"),
                               QStringLiteral("csssetumei.html"),
                               QStringLiteral("bildersetumei.html"),
                               QStringLiteral("csshelpindex.html"),
                               QStringLiteral("color.html")};

QString readResource(const QString& name)
{
    const TextReadResult read = readProgramFile(ResourceFolder + u'/' + name);
    EXPECT_TRUE(read.ok) << name.toStdString() << ": " << read.error.toStdString();
    EXPECT_EQ(read.encoding, TextEncoding::Utf8) << name.toStdString();
    return read.text;
}

QStringList references(const QString& page)
{
    QStringList found;
    static const QRegularExpression ref(QStringLiteral("\\b(?:HREF|SRC)\\s*=\\s*\"([^\"]*)\""), QRegularExpression::CaseInsensitiveOption);
    auto it = ref.globalMatch(page);
    while (it.hasNext())
        found.append(it.next().captured(1));
    return found;
}

bool hasAnchor(const QString& page, const QString& name)
{
    const QString quoted = QStringLiteral("=\"") + name + u'"';
    return page.contains(QStringLiteral("NAME") + quoted, Qt::CaseInsensitive)
           || page.contains(QStringLiteral("id") + quoted, Qt::CaseInsensitive);
}

} // namespace

TEST(HelpPages, DeclareTheCharsetOfTheirBytes)
{
    static const QRegularExpression meta(QStringLiteral("<META http-equiv=\"Content-Type\" content=\"text/html; charset=([^\"]+)\">"),
                                         QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : HelpPages) {
        const QString page = readResource(name);
        const auto m = meta.match(page);
        ASSERT_TRUE(m.hasMatch()) << name.toStdString();
        EXPECT_EQ(m.captured(1).toUpper(), QStringLiteral("UTF-8")) << name.toStdString();
        // The declaration comes before any text the engine must decode.
        EXPECT_LT(m.capturedStart(), page.indexOf(QStringLiteral("<TITLE>"))) << name.toStdString();
    }
}

TEST(HelpPages, UseOnlyLocalFilesThatExist)
{
    for (const QString& name : HelpPages) {
        const QString page = readResource(name);
        for (const QString& ref : references(page)) {
            SCOPED_TRACE(name.toStdString() + " -> " + ref.toStdString());
            ASSERT_FALSE(ref.isEmpty());
            EXPECT_FALSE(ref.contains(QStringLiteral("//")));
            EXPECT_FALSE(QUrl(ref).scheme().size() > 1) << "not a local file";
            const QString file = ref.section(u'#', 0, 0);
            const QString anchor = ref.section(u'#', 1);
            const QString target = file.isEmpty() ? name : file;
            ASSERT_TRUE(QFileInfo(ResourceFolder + u'/' + target).isFile());
            if (!anchor.isEmpty())
                EXPECT_TRUE(hasAnchor(target == name ? page : readResource(target), anchor));
        }
    }
}

TEST(HelpPages, ContentsAndPagesLinkEachOther)
{
    const QStringList fromContents = references(readResource(ContentsPage));
    for (const QString& name : HelpPages) {
        if (name == ContentsPage)
            continue;
        EXPECT_TRUE(fromContents.contains(name)) << name.toStdString();
        EXPECT_TRUE(references(readResource(name)).contains(ContentsPage)) << name.toStdString();
    }
}

TEST(HelpPages, PropertyHelpCoversTheBuildersDictionary)
{
    const QString page = readResource(QStringLiteral("csshelpindex.html"));
    const QString css = readResource(QStringLiteral("css.txt"));
    static const QRegularExpression header(QStringLiteral("^<S ([^>]+)>"), QRegularExpression::MultilineOption);
    int properties = 0;
    auto it = header.globalMatch(QString(css).remove(u'\r'));
    while (it.hasNext()) {
        const QString name = it.next().captured(1).trimmed();
        ++properties;
        EXPECT_TRUE(hasAnchor(page, name)) << name.toStdString();
    }
    EXPECT_GT(properties, 0);
}

TEST(Favourites, EveryLineIsAnEntry)
{
    struct Case {
        QString text;
        QStringList entries;
    } cases[] = {
        {QString(), {}},
        {QStringLiteral("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a\r\n\r\nb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {QStringLiteral("\r\n"), {QString()}},
        {QStringLiteral("a\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseFavourites(c.text), c.entries) << c.text.toStdString();

    // Saving gives back a file that was read, an empty entry included.
    const QString file = QStringLiteral("http://www.example.com/\r\n\r\nresource/helphelp.html\r\n");
    EXPECT_EQ(favouritesText(parseFavourites(file)), file);
}

TEST(Favourites, ShippedStartPageIsAHelpPage)
{
    const QStringList entries = parseFavourites(readResource(FavouritesFile));
    ASSERT_FALSE(entries.isEmpty());
    for (const QString& entry : entries) {
        // An entry that names a file below the program folder is that file.
        const QUrl url = QUrl::fromUserInput(entry, ProgramFolder);
        ASSERT_TRUE(url.isLocalFile()) << entry.toStdString();
        EXPECT_TRUE(QFileInfo(url.toLocalFile()).isFile()) << entry.toStdString();
    }
    EXPECT_EQ(QFileInfo(entries.first()).fileName(), ContentsPage);
}
