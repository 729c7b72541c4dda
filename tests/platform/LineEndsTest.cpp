#include "platform/LineEnds.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {

const char* nameOf(LineEnds e)
{
    switch (e) {
    case LineEnds::CrLf:
        return "CrLf";
    case LineEnds::Lf:
        return "Lf";
    case LineEnds::Mixed:
        return "Mixed";
    }
    return "?";
}

// The editor's form of a text: CR LF throughout, doubled CRs taken out.
QString editorForm(const QString& text)
{
    QString out = toCrLf(text);
    for (qsizetype i = out.size() - 1; i > 0; --i) {
        if (out[i] == u'\r' && out[i - 1] == u'\r')
            out.remove(i - 1, 1);
    }
    return out;
}

// The promise each kind makes about saving the editor's form.
void expectSavingKeeps(const QByteArray& bytes, LineEnds kind)
{
    const QString text = QString::fromLatin1(bytes);
    const QString form = editorForm(text);
    EXPECT_EQ(form == text, kind == LineEnds::CrLf) << "saved as it is";
    EXPECT_EQ(fromCrLf(form) == text && kind != LineEnds::CrLf, kind == LineEnds::Lf) << "saved with LF";
}

TEST(LineEndsScan, Kinds)
{
    struct Case { QByteArray bytes; LineEnds expected; };
    const Case cases[] = {
        {"", LineEnds::CrLf},
        {"no line end", LineEnds::CrLf},
        {"a\r\nb\r\n", LineEnds::CrLf},
        {"\r\n", LineEnds::CrLf},
        {"a\rb\r\nc", LineEnds::CrLf}, // a lone CR stays as it is
        {"\r", LineEnds::CrLf},
        {"a\nb\n", LineEnds::Lf},
        {"\n", LineEnds::Lf},
        {"\n\r", LineEnds::Lf},
        {"a\rb\nc", LineEnds::Lf},
        {"a\nb\r\n", LineEnds::Mixed},
        {"a\r\nb\n", LineEnds::Mixed},
        {"a\r\r\nb\r\n", LineEnds::Mixed}, // doubled CR before a line end
        {"a\r\rb", LineEnds::Mixed},
        {"a\n\r\rb\n", LineEnds::Mixed},
        {"\r\r", LineEnds::Mixed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        const LineEnds bytes = scanLineEnds(QByteArrayView(c.bytes));
        EXPECT_STREQ(nameOf(bytes), nameOf(c.expected));
        EXPECT_STREQ(nameOf(scanLineEnds(QStringView(QString::fromLatin1(c.bytes)))), nameOf(c.expected));
        expectSavingKeeps(c.bytes, c.expected);
    }
}

// The byte scan takes sixteen bytes at a time in blocks: what decides sits at every kind of
// boundary, and the scan of the decoded text, one unit at a time, must agree.
TEST(LineEndsScan, DecidingLineEndAnywhereInALargeFile)
{
    struct Ground { const char* lineEnd; LineEnds kind; };
    const Ground grounds[] = {{"\r\n", LineEnds::CrLf}, {"\n", LineEnds::Lf}};
    struct Odd { QByteArray bytes; LineEnds onCrLf; LineEnds onLf; };
    const Odd odds[] = {
        {"\n", LineEnds::Mixed, LineEnds::Lf},
        {"\r\n", LineEnds::CrLf, LineEnds::Mixed},
        {"\r\r", LineEnds::Mixed, LineEnds::Mixed},
        {"\r", LineEnds::CrLf, LineEnds::Lf},
    };
    const qsizetype offsets[] = {0, 1, 2, 14, 15, 16, 17, 31, 32, 4095, 4096, 4097, 4111, 4112, 8192, 9990, 9998};
    for (const Ground& g : grounds) {
        QByteArray base;
        while (base.size() < 10'000)
            base += QByteArray("<P>line of text</P>") + g.lineEnd;
        base.truncate(10'000);
        // The cut may leave a CR of a CR LF at the end.
        if (base.endsWith('\r'))
            base.chop(1);
        ASSERT_STREQ(nameOf(scanLineEnds(QByteArrayView(base))), nameOf(g.kind));
        for (const Odd& odd : odds) {
            for (const qsizetype at : offsets) {
                // Put the odd line end where no other line end touches it.
                QByteArray bytes = base;
                const qsizetype end = qMin(at + odd.bytes.size() + 1, bytes.size());
                for (qsizetype i = at; i < end; ++i) {
                    if (bytes[i] == '\r' || bytes[i] == '\n')
                        bytes[i] = 'x';
                }
                if (at > 0 && bytes[at - 1] == '\r')
                    bytes[at - 1] = 'x';
                if (end < bytes.size() && bytes[end] == '\n')
                    bytes[end] = 'x';
                bytes.replace(at, odd.bytes.size(), odd.bytes);
                const LineEnds expected = g.kind == LineEnds::CrLf ? odd.onCrLf : odd.onLf;
                SCOPED_TRACE(testing::Message() << nameOf(g.kind) << " file, " << odd.bytes.toHex().constData()
                                                << " at " << at);
                EXPECT_STREQ(nameOf(scanLineEnds(QByteArrayView(bytes))), nameOf(expected));
                EXPECT_STREQ(nameOf(scanLineEnds(QStringView(QString::fromLatin1(bytes)))), nameOf(expected));
            }
        }
    }
}

TEST(LineEndsConvert, ToCrLf)
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

TEST(LineEndsConvert, FromCrLf)
{
    struct Case { const char* in; const char* expected; };
    const Case cases[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\nb", "a\nb"},
        {"a\rb\r", "a\rb\r"},
        {"\r\r\n", "\r\n"},
        {"\r\n\r\n", "\n\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fromCrLf(QString::fromLatin1(c.in)), QString::fromLatin1(c.expected)) << c.in;
    EXPECT_EQ(fromCrLf(QStringLiteral("日本\r\n\0語")), QStringLiteral("日本\n\0語"));
}

} // namespace
