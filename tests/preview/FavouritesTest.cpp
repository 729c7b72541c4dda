#include "preview/Favourites.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Favourites, ShortUrlTakesFiveCharactersAfterTheHostMarker)
{
    struct Case {
        QString url;
        QString shortName;
        QString lowered;
    } cases[] = {
        {QStringLiteral("http://www.abcdefgh.com/"), QStringLiteral("abcde"), QStringLiteral("http://www.abcdefgh.com/")},
        {QStringLiteral("HTTP://WWW.ABCDEFGH.COM/"), QStringLiteral("abcde"), QStringLiteral("http://www.abcdefgh.com/")},
        {QStringLiteral("http://abc.jp/x"), QStringLiteral("abc.j"), QStringLiteral("http://abc.jp/x")},
        {QStringLiteral("www.ab"), QStringLiteral("ab"), QStringLiteral("www.ab")},
        // "www." counts before "//".
        {QStringLiteral("http://x.jp/www.page.html"), QStringLiteral("page."), QStringLiteral("http://x.jp/www.page.html")},
        {QStringLiteral("resource/helphelp.html"), QString(), QStringLiteral("resource/helphelp.html")},
        {QString(), QString(), QString()},
    };
    for (const Case& c : cases) {
        QString url = c.url;
        EXPECT_EQ(ShortUrl(url), c.shortName) << c.url.toStdString();
        EXPECT_EQ(url, c.lowered) << "the caller's text is lower-cased";
    }
}

TEST(Favourites, AddressesAreWebAddressesOrFilesOfTheProgramFolder)
{
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    QDir(program.path()).mkpath(QStringLiteral("resource"));
    QFile(program.path() + QStringLiteral("/resource/start.html")).open(QIODevice::WriteOnly);

    EXPECT_EQ(addressUrl(QString(), program.path()), QUrl(QStringLiteral("about:blank")));
    EXPECT_EQ(addressUrl(QStringLiteral("  "), program.path()), QUrl(QStringLiteral("about:blank")));
    EXPECT_EQ(addressUrl(QStringLiteral("resource/start.html"), program.path()),
              QUrl::fromLocalFile(program.path() + QStringLiteral("/resource/start.html")));
    EXPECT_EQ(addressUrl(QStringLiteral("http://www.example.com/a"), program.path()), QUrl(QStringLiteral("http://www.example.com/a")));
    EXPECT_EQ(addressUrl(QStringLiteral("www.example.com"), program.path()), QUrl(QStringLiteral("http://www.example.com")));
}

TEST(Favourites, TheFileIsFoundWhateverTheCaseOfItsName)
{
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    QDir(program.path()).mkpath(QStringLiteral("resource"));
    const QString expected = program.path() + QStringLiteral("/resource/duvivurud.izi");
    EXPECT_EQ(favouritesPath(program.path()), expected) << "a missing file is made under its own name";

    const QString upper = program.path() + QStringLiteral("/resource/DUVIVURUD.IZI");
    QFile f(upper);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a\r\n");
    f.close();
    EXPECT_EQ(favouritesPath(program.path()), upper);
    const FavouritesRead read = readFavourites(upper);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.entries, QStringList{QStringLiteral("a")});
}

TEST(Favourites, ReadingAndWritingFailuresAreReported)
{
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    const QString missing = program.path() + QStringLiteral("/resource/duvivurud.izi");
    const FavouritesRead read = readFavourites(missing);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.missing);
    EXPECT_EQ(read.error, FavouritesFileMissing);

    // No resource folder to write into.
    const QString error = writeFavourites(missing, {QStringLiteral("a")});
    EXPECT_TRUE(error.startsWith(QStringLiteral("お気に入りのファイルが書き込めませんでした。"))) << error.toStdString();
    EXPECT_TRUE(error.contains(missing));

    QDir(program.path()).mkpath(QStringLiteral("resource"));
    EXPECT_EQ(writeFavourites(missing, {QStringLiteral("日本.html"), QString()}), QString());
    QFile f(missing);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QStringLiteral("日本.html\r\n\r\n").toUtf8());
}
