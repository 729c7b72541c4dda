#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

// Every data file the program reads from resource/ is UTF-8 without a byte order mark, with
// CR LF line ends only, and ends with a line end.
TEST(ResourceFiles, AreUtf8WithCrLfLineEnds)
{
    const QDir folder(QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource")));
    const QStringList names = folder.entryList(QDir::Files | QDir::NoDotAndDotDot);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        if (name.startsWith(u'.'))
            continue;
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(name.toStdString());
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(bytes);
        EXPECT_FALSE(utf8.hasError());
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const bool crWithoutLf = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
            const bool lfWithoutCr = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
            ASSERT_FALSE(crWithoutLf || lfWithoutCr) << "at byte " << i;
        }
    }
}
