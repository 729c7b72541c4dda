// Documents: encoding detection, decoding and encoding, and the line ends that opening and
// saving keep.
#include "FuzzCheck.h"

#include "platform/TextFile.h"

#include <QString>

#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace {

constexpr TextEncoding Encodings[] = {TextEncoding::Cp932, TextEncoding::Utf8, TextEncoding::Utf8Bom,
                                      TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom};

bool hasMark(TextEncoding e)
{
    return e == TextEncoding::Utf8Bom || e == TextEncoding::Utf16LeBom || e == TextEncoding::Utf16BeBom;
}

// What the editor holds of a text, as the line-end kinds describe it: CR LF throughout, a CR
// right before another CR taken out.
QString editorForm(const QString& text)
{
    const QString crlf = toCrLf(text);
    QString out;
    out.reserve(crlf.size());
    for (qsizetype i = 0; i < crlf.size(); ++i) {
        if (!(crlf[i] == u'\r' && i + 1 < crlf.size() && crlf[i + 1] == u'\r'))
            out += crlf[i];
    }
    return out;
}

void checkRead(const QByteArray& bytes, const TextReadResult& read)
{
    FUZZ_CHECK(read.ok && read.problem == FileProblem::None, "decoding bytes never fails");
    FUZZ_CHECK(wholeCharacters(read.text), "the editor gets whole characters only");
    if (!read.exactRoundTrip)
        return;
    const EncodeResult again = encodeText(read.text, read.encoding, false);
    FUZZ_CHECK(again.ok && again.bytes == bytes, "an exact read encodes back to the bytes read");
    FUZZ_CHECK(encodeText(read.text, read.encoding, true).bytes == bytes, "an exact read needs no references");
    FUZZ_CHECK(read.lineEnds == scanLineEnds(QStringView(read.text)), "the byte scan and the text agree on line ends");

    // Opened into the editor and saved unchanged with the line ends the read reported.
    const QString form = editorForm(read.text);
    const QByteArray asIs = encodeText(form, read.encoding, false).bytes;
    const QByteArray withLf = encodeText(fromCrLf(form), read.encoding, false).bytes;
    switch (read.lineEnds) {
    case LineEnds::CrLf:
        FUZZ_CHECK(asIs == bytes, "a CR LF file is saved back byte for byte");
        break;
    case LineEnds::Lf:
        FUZZ_CHECK(withLf == bytes, "an LF file is saved back byte for byte with LF");
        break;
    case LineEnds::Mixed:
        FUZZ_CHECK(asIs != bytes && withLf != bytes, "mixed line ends are reported only when saving changes them");
        break;
    }
}

bool isOneCodePoint(const QString& s)
{
    return (s.size() == 1 && !s[0].isSurrogate()) || (s.size() == 2 && wholeCharacters(s));
}

char32_t codePointOf(const QString& s)
{
    return s.size() == 2 ? QChar::surrogateToUcs4(s[0], s[1]) : s[0].unicode();
}

// Whether code page 932 holds one code point; asked once per code point.
bool cp932Holds(const QString& codePoint)
{
    static std::unordered_map<char32_t, bool> known;
    const char32_t cp = codePointOf(codePoint);
    const auto found = known.find(cp);
    if (found != known.end())
        return found->second;
    const bool holds = encodeText(codePoint, TextEncoding::Cp932, false).ok;
    known.emplace(cp, holds);
    return holds;
}

// The text with every code point that code page 932 cannot hold written as a reference.
QString withReferences(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() ? 2 : 1;
        const QString codePoint = text.mid(i, n);
        i += n - 1;
        if (cp932Holds(codePoint))
            out += codePoint;
        else
            out += QStringLiteral("&#") + QString::number(quint32(codePointOf(codePoint))) + QLatin1Char(';');
    }
    return out;
}

void checkText(const QString& text)
{
    for (const TextEncoding e : Encodings) {
        const EncodeResult encoded = encodeText(text, e, false);
        if (!encoded.ok) {
            FUZZ_CHECK(e == TextEncoding::Cp932, "UTF-8 and UTF-16 hold every character");
            FUZZ_CHECK(encoded.bytes.isEmpty(), "a refused text gives no bytes");
            FUZZ_CHECK(text.contains(encoded.unencodable) && isOneCodePoint(encoded.unencodable),
                       "the refused character is one code point of the text");
            FUZZ_CHECK(!cp932Holds(encoded.unencodable), "the refused character is one code page 932 cannot hold");
            const EncodeResult html = encodeText(text, e, true);
            FUZZ_CHECK(html.ok, "an HTML page can always be written");
            FUZZ_CHECK(decodeText(html.bytes, e) == withReferences(text),
                       "in a page only what code page 932 cannot hold becomes a reference");
            continue;
        }
        FUZZ_CHECK(decodeText(encoded.bytes, e) == text, "what is encoded decodes to the same text");
        FUZZ_CHECK(decodeDocument(encoded.bytes, e).exactRoundTrip, "what is encoded reads back exactly");
        if (hasMark(e))
            FUZZ_CHECK(detectEncoding(encoded.bytes) == e, "a file with a mark is read back in its encoding");
        // Whatever detection makes of a saved file, saving it again gives the same bytes.
        FUZZ_CHECK(decodeDocument(encoded.bytes).exactRoundTrip, "a saved file reads back exactly");
    }
}

// Whole characters made of the input read as UTF-16 units: every code point can occur.
QString unitsOf(const std::uint8_t* data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TextReadResult detected = decodeDocument(bytes);
    FUZZ_CHECK(detected.encoding == detectEncoding(bytes), "a read reports the detected encoding");
    checkRead(bytes, detected);
    // What the editor gets on opening, straight from the bytes where it can be.
    const Utf8ReadResult utf8 = decodeDocumentAsUtf8(bytes);
    FUZZ_CHECK(utf8.encoding == detected.encoding && utf8.exactRoundTrip == detected.exactRoundTrip
                   && utf8.lineEnds == detected.lineEnds,
               "the editor's read reports what the text's read reports");
    FUZZ_CHECK(utf8.utf8 == detected.text.toUtf8(), "the editor's UTF-8 is the decoded text");
    FUZZ_CHECK(editorForm(utf8.utf8) == editorForm(detected.text).toUtf8(), "the editor's form of the bytes is the text's");
    for (const TextEncoding e : Encodings)
        FUZZ_CHECK(decodeDocument(bytes, e).text == decodeText(bytes, e), "a document's text is the converter's");
    for (const TextEncoding e : Encodings)
        checkRead(bytes, decodeDocument(bytes, e));

    checkText(QString::fromUtf8(bytes));
    checkText(unitsOf(data, size));
    return 0;
}
