#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <ostream>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QString fixture(const char* name)
{
    return QStringLiteral(PELMOR_FIXTURES "/") + QLatin1String(name);
}

// A folder whose write permission has been taken away, given back when the test ends.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : path_(path)
    {
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    ~ReadOnlyFolder()
    {
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    // Root and some file systems ignore the permission; the test cannot show anything then.
    bool effective() const
    {
        QFile probe(path_ + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            return false;
        }
        return true;
    }

private:
    QString path_;
};

TEST(TextFileFixtures, ReadAndWriteBackGiveTheSameBytes)
{
    struct Case { const char* file; TextEncoding encoding; };
    const Case cases[] = {
        {"cp932_crlf.html", TextEncoding::Cp932},
        {"utf8_crlf.html", TextEncoding::Utf8},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QByteArray original = readBytes(fixture(c.file));
        ASSERT_GT(original.size(), 100);

        const TextReadResult read = readTextFile(fixture(c.file));
        ASSERT_TRUE(read.ok) << read.error.toStdString();
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_TRUE(read.exactRoundTrip);
        EXPECT_TRUE(read.text.contains(QStringLiteral("<title>はじめてのページ</title>\r\n")));
        EXPECT_TRUE(read.text.contains(QStringLiteral("髙橋さんの①番目の～ページ＆表（テスト）です。半角ｶﾀｶﾅ")));
        EXPECT_FALSE(read.text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));

        const QString out = dir.filePath(QLatin1String(c.file));
        const TextWriteResult written = writeTextFile(out, read.text, read.encoding, true);
        ASSERT_TRUE(written.ok) << written.error.toStdString();
        EXPECT_EQ(readBytes(out), original);
    }
}

TEST(TextFileDetect, Encodings)
{
    struct Case { QByteArray bytes; TextEncoding expected; const char* why; };
    const Case cases[] = {
        {QByteArray(), TextEncoding::Cp932, "empty"},
        {QByteArray("<p>plain ASCII</p>\r\n"), TextEncoding::Cp932, "pure ASCII"},
        {QByteArray("\xEF\xBB\xBF"), TextEncoding::Utf8Bom, "BOM alone"},
        {QByteArray("\xEF\xBB\xBF<p>abc</p>"), TextEncoding::Utf8Bom, "BOM and ASCII"},
        {QByteArray("\xEF\xBB\xBF\x82\xA0"), TextEncoding::Utf8Bom, "BOM wins even before bad bytes"},
        {QByteArray("<p>\xE3\x81\x82</p>"), TextEncoding::Utf8, "hiragana a in UTF-8"},
        {QByteArray("\xF0\x9F\x98\x80"), TextEncoding::Utf8, "four-byte sequence"},
        {QByteArray("\xC2\xA9 2024"), TextEncoding::Utf8, "two-byte sequence"},
        {QByteArray("\x93\xFA\x96\x7B\x8C\xEA"), TextEncoding::Cp932, "Nihongo in code page 932"},
        {QByteArray("\x82\xA0\x82\xA2"), TextEncoding::Cp932, "code page 932 hiragana"},
        {QByteArray("\xC0\xAF"), TextEncoding::Cp932, "overlong slash"},
        {QByteArray("\xE0\x80\xAF"), TextEncoding::Cp932, "overlong three-byte"},
        {QByteArray("\xED\xA0\x80"), TextEncoding::Cp932, "encoded surrogate"},
        {QByteArray("\xF4\x90\x80\x80"), TextEncoding::Cp932, "beyond U+10FFFF"},
        {QByteArray("\xF5\x80\x80\x80"), TextEncoding::Cp932, "F5 lead byte"},
        {QByteArray("abc\xE3\x81"), TextEncoding::Cp932, "cut-off sequence at the end"},
        {QByteArray("\xE3\x81\x82\x80"), TextEncoding::Cp932, "stray continuation byte"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(detectEncoding(c.bytes), c.expected) << c.why;
}

TEST(TextFileDecode, ByteOrderMarksAndBrokenBytes)
{
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBF" "a"), TextEncoding::Utf8Bom), "a");
    // Only the first BOM is the mark; a second one is a character of the text.
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a"), TextEncoding::Utf8Bom),
              QStringLiteral("\uFEFFa"));
    EXPECT_EQ(decodeText(QByteArray("\x82\xA0\x0D\x0A\x82\xA2"), TextEncoding::Cp932), QStringLiteral("あ\r\nい"));
    EXPECT_EQ(decodeText(QByteArray("a\\b~"), TextEncoding::Cp932), "a\\b~");

    // A lead byte at the very end must not vanish without a trace.
    const QString cut = decodeText(QByteArray("ab\x82"), TextEncoding::Cp932);
    EXPECT_EQ(cut.size(), 3);
    EXPECT_TRUE(cut.startsWith("ab"));
    EXPECT_NE(cut.at(2), u'\n');
}

TEST(TextFileRead, RoundTripFlag)
{
    struct Case { QByteArray bytes; TextEncoding encoding; bool exact; const char* why; };
    const Case cases[] = {
        {QByteArray("\x82\xA0\x0D\x0A"), TextEncoding::Cp932, true, "plain hiragana"},
        {QByteArray("\xFA\x5C"), TextEncoding::Cp932, true, "IBM kanji in its own code"},
        {QByteArray("\xED\x40"), TextEncoding::Cp932, false, "NEC-selected copy of the same kanji"},
        {QByteArray("\x87\x90"), TextEncoding::Cp932, false, "NEC row-13 copy of U+2252"},
        {QByteArray("\xEE\xF9"), TextEncoding::Cp932, false, "NEC-selected copy of U+FFE2"},
        {QByteArray("a\xA0" "b"), TextEncoding::Cp932, false, "byte code page 932 does not use"},
        {QByteArray("a\x82"), TextEncoding::Cp932, false, "cut-off pair"},
        {QByteArray("\xE3\x81\x82\r\n"), TextEncoding::Utf8, true, "UTF-8"},
        {QByteArray("\xEF\xBB\xBF\xE3\x81\x82"), TextEncoding::Utf8Bom, true, "UTF-8 with BOM"},
        {QByteArray("\xEF\xBB\xBF\xFF"), TextEncoding::Utf8Bom, false, "BOM then a bad byte"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("page.html");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        writeBytes(path, c.bytes);
        const TextReadResult read = readTextFile(path);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_EQ(read.exactRoundTrip, c.exact);
    }
}

TEST(TextFileRead, FailuresCarryAnErrorText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath("missing.html");
    const QString folder = dir.filePath("folder.html");
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString& path : {missing, folder}) {
        SCOPED_TRACE(path.toStdString());
        const TextReadResult read = readTextFile(path);
        EXPECT_FALSE(read.ok);
        EXPECT_FALSE(read.error.isEmpty());
        EXPECT_TRUE(read.text.isEmpty());
        const TextReadResult own = readProgramFile(path);
        EXPECT_FALSE(own.ok);
        EXPECT_FALSE(own.error.isEmpty());
    }
}

TEST(TextFileRead, PermissionDenied)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("secret.html");
    writeBytes(path, "x");
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "file permissions are not enforced for this user";
    const TextReadResult read = readTextFile(path);
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.error.isEmpty());
}

TEST(TextFileLineEnds, ToCrLf)
{
    struct Case { const char* in; const char* expected; };
    const Case cases[] = {
        {"", ""},
        {"a", "a"},
        {"a\nb", "a\r\nb"},
        {"a\r\nb", "a\r\nb"},
        {"a\rb", "a\rb"},
        {"\n", "\r\n"},
        {"\n\n", "\r\n\r\n"},
        {"\r\n\n", "\r\n\r\n"},
        {"\r\r\n", "\r\r\n"},
        {"\n\r", "\r\n\r"},
        {"a\n\rb\n", "a\r\n\rb\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toCrLf(QString::fromLatin1(c.in)), QString::fromLatin1(c.expected));
    EXPECT_EQ(toCrLf(QStringLiteral("日本\n語")), QStringLiteral("日本\r\n語"));
}

// Characters the windows-31j table has no code for, checked against ICU.
TEST(TextFileEncode, CharactersOutsideCodePage932)
{
    struct Case { QString ch; const char* reference; };
    const Case cases[] = {
        {QStringLiteral("😀"), "&#128512;"},     // U+1F600, a surrogate pair: one reference
        {QStringLiteral("𠮷"), "&#134071;"},     // U+20BB7
        {QStringLiteral("€"), "&#8364;"},        // U+20AC
        {QStringLiteral("©"), "&#169;"},         // U+00A9
        {QStringLiteral("é"), "&#233;"},         // U+00E9
        {QStringLiteral("\u301C"), "&#12316;"},  // WAVE DASH (code page 932 has U+FF5E instead)
        {QStringLiteral("\u2212"), "&#8722;"},   // MINUS SIGN (U+FF0D instead)
        {QStringLiteral("한"), "&#54620;"},       // Hangul
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reference);
        const EncodeResult html = encodeText("a" + c.ch + "b", TextEncoding::Cp932, true);
        EXPECT_TRUE(html.ok);
        EXPECT_EQ(html.bytes, QByteArray("a") + c.reference + "b");

        const EncodeResult plain = encodeText("a" + c.ch + "b", TextEncoding::Cp932, false);
        EXPECT_FALSE(plain.ok);
        EXPECT_EQ(plain.unencodable, c.ch);
        EXPECT_TRUE(plain.bytes.isEmpty());
    }
}

TEST(TextFileEncode, MixedTextKeepsEverythingElse)
{
    const QString text = QStringLiteral("<p>髙①～\\~</p>😀\r\n€€ｶﾅ𠮷");
    const EncodeResult html = encodeText(text, TextEncoding::Cp932, true);
    ASSERT_TRUE(html.ok);
    EXPECT_EQ(html.bytes, QByteArray("<p>\xFB\xFC\x87\x40\x81\x60\\~</p>&#128512;\r\n&#8364;&#8364;\xB6\xC5&#134071;"));

    const EncodeResult plain = encodeText(text, TextEncoding::Cp932, false);
    EXPECT_FALSE(plain.ok);
    EXPECT_EQ(plain.unencodable, QStringLiteral("😀")) << "the first one is reported";

    const QString clean = QStringLiteral("髙①～\r\n");
    const EncodeResult fine = encodeText(clean, TextEncoding::Cp932, false);
    EXPECT_TRUE(fine.ok);
    EXPECT_EQ(fine.bytes, QByteArray("\xFB\xFC\x87\x40\x81\x60\r\n"));

    // A large text with characters to replace at both ends and in the middle.
    QString big;
    for (int i = 0; i < 5000; ++i)
        big += QStringLiteral("あいう\r\n");
    const QString marked = QStringLiteral("€") + big + QStringLiteral("😀") + big + QStringLiteral("€");
    QByteArray bigBytes;
    for (int i = 0; i < 5000; ++i)
        bigBytes += "\x82\xA0\x82\xA2\x82\xA4\r\n";
    const EncodeResult large = encodeText(marked, TextEncoding::Cp932, true);
    ASSERT_TRUE(large.ok);
    EXPECT_EQ(large.bytes, "&#8364;" + bigBytes + "&#128512;" + bigBytes + "&#8364;");
}

TEST(TextFileEncode, LoneSurrogatesAreNotLost)
{
    const QChar high(0xD83D);
    const QChar low(0xDE00);
    struct Case { QString text; const char* html; QString first; };
    const Case cases[] = {
        {QString("a") + high + "b", "a&#55357;b", QString(high)},
        {QString("a") + high, "a&#55357;", QString(high)}, // at the very end
        {QString(high), "&#55357;", QString(high)},
        {QString("a") + low + "b", "a&#56832;b", QString(low)},
        {QString(low) + high, "&#56832;&#55357;", QString(low)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        const EncodeResult html = encodeText(c.text, TextEncoding::Cp932, true);
        EXPECT_TRUE(html.ok);
        EXPECT_EQ(html.bytes, QByteArray(c.html));
        const EncodeResult plain = encodeText(c.text, TextEncoding::Cp932, false);
        EXPECT_FALSE(plain.ok);
        EXPECT_EQ(plain.unencodable, c.first);
    }
}

TEST(TextFileEncode, Utf8AlwaysSucceeds)
{
    const QString text = QStringLiteral("😀€あ");
    for (bool html : {false, true}) {
        const EncodeResult utf8 = encodeText(text, TextEncoding::Utf8, html);
        EXPECT_TRUE(utf8.ok);
        EXPECT_EQ(utf8.bytes, text.toUtf8());
        const EncodeResult bom = encodeText(text, TextEncoding::Utf8Bom, html);
        EXPECT_TRUE(bom.ok);
        EXPECT_EQ(bom.bytes, "\xEF\xBB\xBF" + text.toUtf8());
    }
    EXPECT_EQ(encodeText(QString(), TextEncoding::Utf8Bom, false).bytes, QByteArray("\xEF\xBB\xBF"));
}

TEST(TextFileWrite, RefusedTextLeavesTheFileAlone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("notes.txt");
    writeBytes(path, "old contents\r\n");

    const TextWriteResult refused = writeTextFile(path, QStringLiteral("new 😀"), TextEncoding::Cp932, false);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.unencodable, QStringLiteral("😀"));
    EXPECT_EQ(readBytes(path), QByteArray("old contents\r\n"));

    const QString fresh = dir.filePath("fresh.txt");
    EXPECT_FALSE(writeTextFile(fresh, QStringLiteral("€"), TextEncoding::Cp932, false).ok);
    EXPECT_FALSE(QFile::exists(fresh));

    const TextWriteResult html = writeTextFile(path, QStringLiteral("new 😀"), TextEncoding::Cp932, true);
    EXPECT_TRUE(html.ok);
    EXPECT_EQ(readBytes(path), QByteArray("new &#128512;"));
}

TEST(TextFileWrite, MissingFolderFails)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TextWriteResult r = writeTextFile(dir.filePath("no/such/page.html"), "x", TextEncoding::Utf8, true);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("no")));
    const TextWriteResult own = writeProgramFile(dir.filePath("no/Pelmor.ini"), "x");
    EXPECT_FALSE(own.ok);
    EXPECT_FALSE(own.error.isEmpty());
}

TEST(TextFileWrite, ReadOnlyFolderKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("site");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + "/index.html";
    writeBytes(path, "<p>old</p>\r\n");

    ReadOnlyFolder locked(folder);
    if (!locked.effective())
        GTEST_SKIP() << "folder permissions are not enforced for this user";
    const TextWriteResult r = writeTextFile(path, "<p>new</p>", TextEncoding::Cp932, true);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(readBytes(path), QByteArray("<p>old</p>\r\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"index.html"});
}

TEST(TextFileNames, HtmlSuffixes)
{
    struct Case { const char* name; bool html; };
    const Case cases[] = {
        {"index.html", true}, {"INDEX.HTM", true}, {"a.XHtml", true}, {"/web/top.htm", true},
        {"page.shtml", false}, {"page.html.bak", false}, {"style.css", false}, {"html", false},
        {"notes.txt", false}, {"", false}, {"page.htmll", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isHtmlFileName(QString::fromLatin1(c.name)), c.html) << c.name;
    EXPECT_FALSE(isHtmlFileName(QStringLiteral("page.ＨＴＭＬ")));
}

TEST(TextFileProgramFiles, Utf8FirstThenCodePage932)
{
    struct Case { QByteArray bytes; QString text; TextEncoding encoding; };
    const Case cases[] = {
        {QByteArray("Font,\xE3\x83\xA1\xE3\x82\xA4\xE3\x83\xAA\xE3\x82\xAA\r\n"), QStringLiteral("Font,メイリオ\r\n"), TextEncoding::Utf8},
        {QByteArray("\xEF\xBB\xBFKey,1"), QStringLiteral("Key,1"), TextEncoding::Utf8Bom},
        {QByteArray("Key,1"), QStringLiteral("Key,1"), TextEncoding::Utf8},
        {QByteArray("Font,\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E"), QStringLiteral("Font,ＭＳ ゴシック"), TextEncoding::Cp932},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Pelmor.ini");
    for (const Case& c : cases) {
        writeBytes(path, c.bytes);
        const TextReadResult read = readProgramFile(path);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.text, c.text);
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_TRUE(read.exactRoundTrip);
    }

    ASSERT_TRUE(writeProgramFile(path, QStringLiteral("Font,メイリオ😀\r\n")).ok);
    EXPECT_EQ(readBytes(path), QStringLiteral("Font,メイリオ😀\r\n").toUtf8());
}

} // namespace
