#include "support/FileTestSupport.h"

#include "platform/FileMessages.h"
#include "platform/TextFile.h"
#include "workspace/DocumentText.h"

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

using filetest::entries;
using filetest::readBytes;
using filetest::writeBytes;

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(PELMOR_FIXTURES "/") + QLatin1String(name);
}

// Bytes of a literal, NUL bytes included.
template <qsizetype N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, N - 1);
}

TEST(TextFileFixtures, ReadAndWriteBackGiveTheSameBytes)
{
    struct Case { const char* file; TextEncoding encoding; };
    const Case cases[] = {
        {"cp932_crlf.html", TextEncoding::Cp932},
        {"utf8_crlf.html", TextEncoding::Utf8},
        {"utf16le_crlf.html", TextEncoding::Utf16LeBom},
        {"utf16be_crlf.html", TextEncoding::Utf16BeBom},
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
        EXPECT_EQ(read.lineEnds, LineEnds::CrLf);
        EXPECT_TRUE(read.text.startsWith(QStringLiteral("<!DOCTYPE html>\r\n")));
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
        {QByteArray("\xFF\xFE"), TextEncoding::Utf16LeBom, "UTF-16 LE mark alone"},
        {raw("\xFF\xFE<\0p\0"), TextEncoding::Utf16LeBom, "UTF-16 LE"},
        {raw("\xFE\xFF\0<\0p"), TextEncoding::Utf16BeBom, "UTF-16 BE"},
        {QByteArray("\xFE\xFF\xE3\x81\x82"), TextEncoding::Utf16BeBom, "the mark wins over UTF-8 after it"},
        {QByteArray("\xFF"), TextEncoding::Cp932, "half a mark"},
        {QByteArray("\xEF\xBB"), TextEncoding::Cp932, "two thirds of the UTF-8 mark"},
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
    // Without a mark in the encoding, EF BB BF is a character like any other.
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBF" "a"), TextEncoding::Utf8), QStringLiteral("\uFEFFa"));
    EXPECT_EQ(decodeText(raw("\xFF\xFE\xFF\xFE" "a\0"), TextEncoding::Utf16LeBom), QStringLiteral("\uFEFFa"));
    EXPECT_EQ(decodeText(raw("\xFE\xFF\xFE\xFF\0" "a"), TextEncoding::Utf16BeBom), QStringLiteral("\uFEFFa"));
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
        {raw("\xFF\xFE" "a\0" "\x3D\xD8\x00\xDE"), TextEncoding::Utf16LeBom, true, "UTF-16 LE surrogate pair"},
        {raw("\xFE\xFF" "\0a" "\xD8\x3D\xDE\x00"), TextEncoding::Utf16BeBom, true, "UTF-16 BE surrogate pair"},
        {raw("\xFF\xFE" "a\0" "\x3D\xD8" "b\0"), TextEncoding::Utf16LeBom, false, "lone high surrogate"},
        {raw("\xFF\xFE" "\x00\xDE" "b\0"), TextEncoding::Utf16LeBom, false, "lone low surrogate"},
        {raw("\xFF\xFE" "a\0" "\x3D\xD8"), TextEncoding::Utf16LeBom, false, "high surrogate at the end"},
        {raw("\xFF\xFE" "a\0" "b"), TextEncoding::Utf16LeBom, false, "odd byte at the end"},
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
        // What reaches the editor is whole characters only.
        for (qsizetype i = 0; i < read.text.size(); ++i) {
            if (read.text[i].isHighSurrogate() && i + 1 < read.text.size() && read.text[i + 1].isLowSurrogate())
                ++i;
            else
                EXPECT_FALSE(read.text[i].isSurrogate()) << "at " << i;
        }
    }
}

// Whether a code page 932 file reads back exactly is decided from its bytes and a table of the
// converter's codes; encoding the text again must always agree. Every code of one and two bytes,
// alone and between other characters.
TEST(TextFileRead, ExactnessFromTheBytesAgreesWithEncodingAgain)
{
    const auto agree = [](const QByteArray& bytes) {
        const TextReadResult read = decodeDocument(bytes, TextEncoding::Cp932);
        const EncodeResult again = encodeText(read.text, TextEncoding::Cp932, false);
        // The text is the converter's, also where the table decoded it, and so is the UTF-8
        // that the editor gets.
        const Utf8ReadResult utf8 = decodeDocumentAsUtf8(bytes);
        const TextReadResult detected = decodeDocument(bytes);
        return read.exactRoundTrip == (again.ok && again.bytes == bytes)
            && read.text == decodeText(bytes, TextEncoding::Cp932) && utf8.encoding == detected.encoding
            && utf8.exactRoundTrip == detected.exactRoundTrip && utf8.utf8 == detected.text.toUtf8()
            && utf8.text.isEmpty();
    };
    int exact = 0;
    for (int lead = 0; lead <= 0xFF; ++lead) {
        const QByteArray single(1, char(lead));
        ASSERT_TRUE(agree(single)) << std::hex << lead;
        ASSERT_TRUE(agree("a" + single + "\x82\xA0")) << std::hex << lead;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const QByteArray pair = single + char(trail);
            ASSERT_TRUE(agree(pair)) << std::hex << lead << ' ' << trail;
            ASSERT_TRUE(agree("<" + pair + "\x82\xA0\r\n")) << std::hex << lead << ' ' << trail;
            exact += decodeDocument(pair, TextEncoding::Cp932).exactRoundTrip ? 1 : 0;
        }
    }
    // Most pairs are characters of their own: the check does not just say no.
    EXPECT_GT(exact, 7000);
}

// The editor's UTF-8 comes straight from the bytes where it can; it must be what decoding to text
// and converting would give, for every encoding.
TEST(TextFileRead, Utf8ForTheEditorIsTheDecodedText)
{
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("<p>ASCII</p>\r\n"),
        QByteArray("\x82\xA0\r\n\xB6\xC5\x87\x40\xFA\x5C"),
        QByteArray("\x87\x90 NEC copy"),
        QByteArray("cut \x82"),
        QByteArray("\xE3\x81\x82\xEF\xBB\xBF\n"),
        QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xE3\x81\x82"),
        QByteArray("\xEF\xBB\xBF\x82\xA0"),
        raw("\xFF\xFE" "a\0\r\0\n\0" "\x3D\xD8\x00\xDE"),
        raw("\xFE\xFF" "\0a\xD8\x3D"),
        raw("a\0b\r\r\n"),
    };
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        const Utf8ReadResult fast = decodeDocumentAsUtf8(bytes);
        const TextReadResult text = decodeDocument(bytes);
        EXPECT_TRUE(fast.ok);
        EXPECT_EQ(fast.encoding, text.encoding);
        EXPECT_EQ(fast.exactRoundTrip, text.exactRoundTrip);
        EXPECT_EQ(fast.lineEnds, text.lineEnds);
        EXPECT_EQ(fast.utf8, text.text.toUtf8());
    }
}

TEST(TextFileLineEnds, EditorFormOfBytes)
{
    struct Case { QByteArray bytes; QByteArray form; };
    const Case cases[] = {
        {"", ""},
        {"a\r\nb", "a\r\nb"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"\n", "\r\n"},
        {"a\r\r\nb", "a\r\nb"},
        {"\r\r\r", "\r"},
        {"a\rb", "a\rb"},
        {"\xE3\x81\x82\n\r\n", "\xE3\x81\x82\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(editorForm(c.bytes), c.form);
        // The same as the text's form.
        EXPECT_EQ(editorForm(c.bytes), removeDoubleCr(toCrLf(QString::fromUtf8(c.bytes))).toUtf8());
    }
    const QByteArray unchanged("<p>\r\n</p>");
    EXPECT_EQ(editorForm(unchanged).constData(), unchanged.constData()) << "not copied";
}

// Opening a file puts its text into the editor in CR LF form; saving it unchanged, in the
// encoding and with the line ends the read reported, must give back every byte.
TEST(TextFileRead, OpeningAndSavingUnchangedGivesTheSameBytes)
{
    struct Case {
        const char* why;
        QByteArray bytes;
        TextEncoding encoding;
        LineEnds lineEnds;
        QString text;
    };
    const Case cases[] = {
        {"empty file", QByteArray(), TextEncoding::Cp932, LineEnds::CrLf, QString()},
        {"NUL in code page 932", raw("<p>\x82\xA0\0\x82\xA2</p>\r\n"), TextEncoding::Cp932, LineEnds::CrLf,
         QStringLiteral("<p>あ") + QChar(0) + QStringLiteral("い</p>\r\n")},
        {"NUL in UTF-8", raw("\0<p>\xE3\x81\x82\0</p>"), TextEncoding::Utf8, LineEnds::CrLf,
         QChar(0) + QStringLiteral("<p>あ") + QChar(0) + QStringLiteral("</p>")},
        {"U+FEFF after the UTF-8 mark", raw("\xEF\xBB\xBF\xEF\xBB\xBF<p>\xE3\x81\x82</p>"), TextEncoding::Utf8Bom,
         LineEnds::CrLf, QStringLiteral("\uFEFF<p>あ</p>")},
        {"NUL right after the UTF-8 mark", raw("\xEF\xBB\xBF\0a"), TextEncoding::Utf8Bom, LineEnds::CrLf,
         QChar(0) + QStringLiteral("a")},
        {"LF in code page 932", raw("<p>\x82\xA0</p>\n<p>b</p>\n"), TextEncoding::Cp932, LineEnds::Lf,
         QStringLiteral("<p>あ</p>\n<p>b</p>\n")},
        {"LF and a lone CR in UTF-8", raw("\xE3\x81\x82\ra\n"), TextEncoding::Utf8, LineEnds::Lf,
         QStringLiteral("あ\ra\n")},
        {"lone CR in a CR LF file", raw("a\rb\r\n"), TextEncoding::Cp932, LineEnds::CrLf, QStringLiteral("a\rb\r\n")},
        // U+0D0A is the bytes of LF and CR: only the decoded text tells the line ends.
        {"UTF-16 LE with LF", raw("\xFF\xFE" "\x0A\x0D" "\n\0" "b\0" "\n\0"), TextEncoding::Utf16LeBom, LineEnds::Lf,
         QStringLiteral("\u0D0A\nb\n")},
        {"UTF-16 BE with NUL, U+FEFF and CR LF", raw("\xFE\xFF" "\xFE\xFF" "\0\0" "\0a" "\0\r\0\n"),
         TextEncoding::Utf16BeBom, LineEnds::CrLf, QStringLiteral("\uFEFF") + QChar(0) + QStringLiteral("a\r\n")},
        {"UTF-16 mark alone", raw("\xFF\xFE"), TextEncoding::Utf16LeBom, LineEnds::CrLf, QString()},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("page.html");
    const QString saved = dir.filePath("saved.html");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        writeBytes(path, c.bytes);
        const TextReadResult read = readTextFile(path);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_TRUE(read.exactRoundTrip);
        EXPECT_EQ(read.lineEnds, c.lineEnds);
        EXPECT_EQ(read.text, c.text);
        const QString inEditor = toCrLf(read.text);
        const TextWriteResult written = writeTextFile(saved, inEditor, read.encoding, true, read.lineEnds);
        ASSERT_TRUE(written.ok) << written.error.toStdString();
        EXPECT_EQ(readBytes(saved).toHex(' '), c.bytes.toHex(' '));
    }
}

TEST(TextFileRead, LineEndsThatOpeningChangesAreReported)
{
    struct Case { QByteArray bytes; LineEnds lineEnds; };
    const Case cases[] = {
        {"a\nb\r\n", LineEnds::Mixed},
        {"a\r\r\nb\r\n", LineEnds::Mixed},
        {"a\r\nb\r\n", LineEnds::CrLf},
        {"a\nb\n", LineEnds::Lf},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("page.html");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        writeBytes(path, c.bytes);
        const TextReadResult read = readTextFile(path);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.lineEnds, c.lineEnds);
        EXPECT_EQ(read.text, QString::fromLatin1(c.bytes)) << "the text keeps the file's line ends";
        EXPECT_EQ(lineEndsNotice(read.lineEnds).isEmpty(), c.lineEnds != LineEnds::Mixed);
    }
    EXPECT_EQ(lineEndsNotice(LineEnds::Mixed),
              QStringLiteral("このファイルの改行はそろっていません。保存すると改行が CR LF にそろえられます。"));
}

TEST(TextFileRead, WarningsNameTheEncodingTheFileWasReadIn)
{
    struct Case { QByteArray bytes; const char* name; };
    const Case cases[] = {
        {"a\xA0" "b", "Shift_JIS"},
        {"\xEF\xBB\xBF\xE3\x81\x82\xFF", "UTF-8"},
        {raw("\xFF\xFE" "a\0" "\x3D\xD8"), "UTF-16"},
        {raw("\xFE\xFF" "\0a" "b"), "UTF-16"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("page.html");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path, c.bytes);
        const TextReadResult read = readTextFile(path);
        ASSERT_TRUE(read.ok);
        EXPECT_FALSE(read.exactRoundTrip);
        EXPECT_EQ(encodingDisplayName(read.encoding), QLatin1String(c.name));
        EXPECT_EQ(inexactReadMessage(read.encoding, path),
                  QStringLiteral("このファイルには ") + QLatin1String(c.name)
                      + QStringLiteral(" として正しく読めない文字が含まれています。\r\n")
                      + QStringLiteral("保存すると、その部分は元のファイルと同じにはなりません。\r\n") + path);
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
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                      | QFileDevice::ExeOther));
    const QString path = dir.filePath("secret.html");
    writeBytes(path, "x");
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    TextReadResult read;
    TextReadResult own;
    {
        filetest::AsNobody nobody;
        ASSERT_TRUE(nobody.ok());
        read = readTextFile(path);
        own = readProgramFile(path);
    }
    for (const TextReadResult& r : {read, own}) {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.problem, FileProblem::AccessDenied);
        EXPECT_FALSE(r.error.isEmpty());
    }
    EXPECT_EQ(readProblemMessage(read.problem, path), "「" + path + "」は読み込む許可がないため開けません。");
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

// The converter takes a few characters without an error and writes the code of another one
// (U+F86F, a private-use character, comes out as the code of U+2116): saved, the page would read
// back with a different character. Such a character is one code page 932 does not hold.
TEST(TextFileEncode, CharactersWrittenAsAnotherAreNotHeld)
{
    const EncodeResult html = encodeText(QStringLiteral("a\uF86Fb\u2116"), TextEncoding::Cp932, true);
    ASSERT_TRUE(html.ok);
    EXPECT_EQ(html.bytes, QByteArray("a&#63599;b\x87\x82"));
    const EncodeResult plain = encodeText(QStringLiteral("a\u2116\uF86Fb"), TextEncoding::Cp932, false);
    EXPECT_FALSE(plain.ok);
    EXPECT_EQ(plain.unencodable, QStringLiteral("\uF86F"));
    EXPECT_TRUE(plain.bytes.isEmpty());

    // Whatever the converter maps one way: every character written reads back as itself, alone
    // and inside a text.
    QString accepted;
    for (char32_t cp = 1; cp <= 0xFFFF; ++cp) {
        if (QChar::isSurrogate(cp))
            continue;
        const QString ch = QChar(char16_t(cp));
        const EncodeResult one = encodeText(ch, TextEncoding::Cp932, false);
        if (!one.ok)
            continue;
        ASSERT_EQ(decodeText(one.bytes, TextEncoding::Cp932), ch) << "U+" << std::hex << quint32(cp);
        accepted += ch;
    }
    EXPECT_GT(accepted.size(), 7000);
    const EncodeResult all = encodeText(accepted, TextEncoding::Cp932, false);
    ASSERT_TRUE(all.ok);
    EXPECT_EQ(decodeText(all.bytes, TextEncoding::Cp932), accepted);
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
    EXPECT_EQ(encodeText(QStringLiteral("a😀"), TextEncoding::Utf16LeBom, false).bytes, raw("\xFF\xFE" "a\0" "\x3D\xD8\x00\xDE"));
    EXPECT_EQ(encodeText(QStringLiteral("a😀"), TextEncoding::Utf16BeBom, false).bytes, raw("\xFE\xFF" "\0a" "\xD8\x3D\xDE\x00"));
    EXPECT_EQ(encodeText(QString(), TextEncoding::Utf16BeBom, false).bytes, QByteArray("\xFE\xFF"));
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
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                      | QFileDevice::ExeOther));
    const QString folder = dir.filePath("site");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + "/index.html";
    writeBytes(path, "<p>old</p>\r\n");
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                  | QFileDevice::ExeOther));
    TextWriteResult r;
    {
        filetest::AsNobody nobody;
        ASSERT_TRUE(nobody.ok());
        r = writeTextFile(path, "<p>new</p>", TextEncoding::Cp932, true);
    }
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.problem, FileProblem::AccessDenied);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(readBytes(path), QByteArray("<p>old</p>\r\n"));
    EXPECT_EQ(entries(folder), QStringList{"index.html"});
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
        {raw("\xFF\xFEK\0e\0y\0,\0" "\x42\x30"), QStringLiteral("Key,あ"), TextEncoding::Utf16LeBom},
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

    // A text that itself starts with U+FEFF gets a mark in front, or reading would take it as one.
    for (const QString& text : {QStringLiteral("\uFEFFKey,1"), QStringLiteral("\uFEFF"), QStringLiteral("Key,\uFEFF")}) {
        ASSERT_TRUE(writeProgramFile(path, text).ok);
        const TextReadResult back = readProgramFile(path);
        EXPECT_EQ(back.text, text);
        EXPECT_TRUE(back.exactRoundTrip);
    }
    EXPECT_EQ(readBytes(path), QStringLiteral("Key,\uFEFF").toUtf8());
}

} // namespace
