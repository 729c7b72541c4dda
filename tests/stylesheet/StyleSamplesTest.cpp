#include "platform/TextFile.h"
#include "stylesheet/StyleSamples.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString resource(const QString& name)
{
    return QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/") + name);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QSet<QString> matches(const QString& text, const QString& pattern)
{
    QSet<QString> found;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured(1));
    return found;
}

} // namespace

TEST(StyleSamples, ShippedSamplesAreReadByteForByte)
{
    for (const QString& name : {SampleStylesheetFile, SamplePageFile}) {
        SCOPED_TRACE(name.toStdString());
        const SampleReadResult read = readSampleFile(resource(name));
        ASSERT_TRUE(read.ok) << read.message.toStdString();
        EXPECT_EQ(read.text.toUtf8(), bytesOf(resource(name)));
        // The first lines hold quotes (and the stylesheet's a comma), which a field-by-field
        // reading would take apart; the final line break stays.
        EXPECT_TRUE(read.text.section(QStringLiteral("\r\n"), 0, 0).contains(u'"'));
        EXPECT_TRUE(read.text.endsWith(QStringLiteral("\r\n")));
    }
    EXPECT_TRUE(readSampleFile(resource(SampleStylesheetFile)).text.section(QStringLiteral("\r\n"), 0, 0).contains(u','));
}

TEST(StyleSamples, TextKeepsFieldsBlanksAndItsEnd)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"  \"a\", b  \r\nc", QStringLiteral("  \"a\", b  \r\nc")},
        {"x\ny\n", QStringLiteral("x\r\ny\r\n")},
        {"x\r\n\r\n", QStringLiteral("x\r\n\r\n")},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("csssample.txt"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        const SampleReadResult read = readSampleFile(path);
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.text, c.text) << c.bytes.toStdString();
    }
}

TEST(StyleSamples, MissingOrEmptyFileGivesAMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const SampleReadResult missing = readSampleFile(dir.filePath(QStringLiteral("htmlsample.html")));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, QStringLiteral("htmlsample.htmlが読めません"));

    QFile empty(dir.filePath(QStringLiteral("csssample.txt")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const SampleReadResult none = readSampleFile(empty.fileName());
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.message, QStringLiteral("csssample.txtが読めません"));
}

TEST(StyleSamples, SamplePageLinksTheSampleStylesheetAndUsesItsSelectors)
{
    const QString page = readSampleFile(resource(SamplePageFile)).text;
    const QString css = readSampleFile(resource(SampleStylesheetFile)).text;
    // The sample stylesheet becomes the document csssample.css.
    EXPECT_TRUE(page.contains(QStringLiteral("<LINK REL=stylesheet TYPE=\"text/css\" HREF=\"csssample.css\">")));
    EXPECT_LT(page.indexOf(QStringLiteral("<LINK")), page.indexOf(QStringLiteral("</HEAD>")));

    const QSet<QString> classes = matches(page, QStringLiteral("class=\"([^\"]+)\""));
    const QSet<QString> ids = matches(page, QStringLiteral("id=\"([^\"]+)\""));
    ASSERT_FALSE(classes.isEmpty());
    ASSERT_FALSE(ids.isEmpty());
    for (const QString& c : classes)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("(^|\\n)[A-Z]*\\.") + c + QStringLiteral(" \\{")).match(css).hasMatch()) << c.toStdString();
    for (const QString& id : ids)
        EXPECT_TRUE(css.contains(u'#' + id + QStringLiteral(" {"))) << id.toStdString();
}
