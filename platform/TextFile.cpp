#include "platform/TextFile.h"

#include "platform/VbString.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// ICU's name for Microsoft's code page 932 (with the NEC and IBM extensions).
constexpr char Cp932Name[] = "windows-31j";

const QByteArray& utf8Bom()
{
    static const QByteArray bom("\xEF\xBB\xBF", 3);
    return bom;
}

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off sequence).
bool isValidUtf8(const QByteArray& bytes, bool* nonAscii = nullptr)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    bool high = false;
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        high = true;
        int follow = 0;
        unsigned char min2 = 0x80;
        unsigned char max2 = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            if (c == 0xE0)
                min2 = 0xA0;
            else if (c == 0xED)
                max2 = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            if (c == 0xF0)
                min2 = 0x90;
            else if (c == 0xF4)
                max2 = 0x8F;
        } else {
            return false;
        }
        if (i + follow >= n)
            return false;
        if (p[i + 1] < min2 || p[i + 1] > max2)
            return false;
        for (int k = 2; k <= follow; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return false;
        }
        i += follow + 1;
    }
    if (nonAscii)
        *nonAscii = high;
    return true;
}

QString decodeUtf8(QByteArrayView bytes)
{
    // ConvertInitialBom keeps a U+FEFF at the start as a character: the caller has already taken
    // off the BOM it knows of, and a second one is part of the text.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

bool isSingleCodePoint(QStringView piece)
{
    return piece.size() == 1
        || (piece.size() == 2 && piece[0].isHighSurrogate() && piece[1].isLowSurrogate());
}

// One encoder call for the whole of text; false when some character could not be encoded.
bool encodeCp932Cleanly(QStringView text, QByteArray& bytes)
{
    // The encoder holds a high surrogate at the end back, waiting for its other half, and
    // reports nothing; at the end of the text that half never comes.
    if (!text.isEmpty() && text.back().isHighSurrogate())
        return false;
    QStringEncoder encoder(Cp932Name);
    bytes = encoder.encode(text);
    return encoder.isValid() && !encoder.hasError();
}

// Encodes piece to code page 932, halving it around characters the encoder refuses until each
// such character stands alone. Returns false when it stops at one (plain mode).
bool encodeCp932Piece(QStringView piece, bool htmlReferences, QByteArray& out, QString& unencodable)
{
    QByteArray bytes;
    if (encodeCp932Cleanly(piece, bytes)) {
        out += bytes;
        return true;
    }
    if (isSingleCodePoint(piece)) {
        if (!htmlReferences) {
            unencodable = piece.toString();
            return false;
        }
        const char32_t cp = piece.size() == 2 ? QChar::surrogateToUcs4(piece[0], piece[1])
                                              : char32_t(piece[0].unicode());
        out += "&#" + QByteArray::number(quint32(cp)) + ';';
        return true;
    }
    qsizetype mid = piece.size() / 2;
    if (piece[mid].isLowSurrogate() && piece[mid - 1].isHighSurrogate())
        ++mid;
    return encodeCp932Piece(piece.left(mid), htmlReferences, out, unencodable)
        && encodeCp932Piece(piece.mid(mid), htmlReferences, out, unencodable);
}

bool roundTrips(const QString& text, TextEncoding encoding, const QByteArray& original)
{
    const EncodeResult again = encodeText(text, encoding, false);
    return again.ok && again.bytes == original;
}

bool readAllBytes(const QString& path, QByteArray& bytes, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    return true;
}

TextWriteResult writeBytes(const QString& path, const QByteArray& bytes)
{
    TextWriteResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

TextReadResult decodedResult(const QByteArray& bytes, TextEncoding encoding)
{
    TextReadResult result;
    result.ok = true;
    result.encoding = encoding;
    result.text = decodeText(bytes, encoding);
    result.exactRoundTrip = roundTrips(result.text, encoding, bytes);
    return result;
}

} // namespace

TextEncoding detectEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith(utf8Bom()))
        return TextEncoding::Utf8Bom;
    bool nonAscii = false;
    if (isValidUtf8(bytes, &nonAscii) && nonAscii)
        return TextEncoding::Utf8;
    return TextEncoding::Cp932;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        return decodeUtf8(bytes.startsWith(utf8Bom()) ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes));
    case TextEncoding::Cp932:
        break;
    }
    QStringDecoder decoder(Cp932Name);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    QString text = decoder.decode(bytes);
    // A lead byte at the very end stays inside the decoder. Feeding one LF flushes it as a
    // substitute character; the LF itself is taken off again.
    text += decoder.decode(QByteArrayView("\n", 1));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

TextReadResult readTextFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!readAllBytes(path, bytes, error)) {
        TextReadResult failed;
        failed.error = error;
        return failed;
    }
    return decodedResult(bytes, detectEncoding(bytes));
}

QString toCrLf(const QString& text)
{
    // Most files already use CR LF throughout: then the text is returned as it is, uncopied.
    const QChar* data = text.constData();
    const qsizetype n = text.size();
    bool lone = false;
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i] == u'\n' && (i == 0 || data[i - 1] != u'\r')) {
            lone = true;
            break;
        }
    }
    if (!lone)
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 16 + 16);
    QChar previous;
    for (const QChar c : text) {
        if (c == u'\n' && previous != u'\r')
            out += u'\r';
        out += c;
        previous = c;
    }
    return out;
}

EncodeResult encodeText(const QString& text, TextEncoding encoding, bool htmlReferences)
{
    EncodeResult result;
    switch (encoding) {
    case TextEncoding::Utf8:
        result.bytes = text.toUtf8();
        return result;
    case TextEncoding::Utf8Bom:
        result.bytes = utf8Bom() + text.toUtf8();
        return result;
    case TextEncoding::Cp932:
        break;
    }

    if (encodeCp932Cleanly(text, result.bytes))
        return result;
    result.bytes.clear();
    result.ok = encodeCp932Piece(text, htmlReferences, result.bytes, result.unencodable);
    if (!result.ok)
        result.bytes.clear();
    return result;
}

TextWriteResult writeTextFile(const QString& path, const QString& text, TextEncoding encoding,
                              bool htmlReferences)
{
    const EncodeResult encoded = encodeText(text, encoding, htmlReferences);
    if (!encoded.ok) {
        TextWriteResult refused;
        refused.unencodable = encoded.unencodable;
        return refused;
    }
    return writeBytes(path, encoded.bytes);
}

bool isHtmlFileName(const QString& name)
{
    for (const QString& suffix : {QStringLiteral(".html"), QStringLiteral(".htm"), QStringLiteral(".xhtml")}) {
        if (vb::EqualsNoCaseAscii(vb::Right(name, int(suffix.size())), suffix))
            return true;
    }
    return false;
}

TextReadResult readProgramFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!readAllBytes(path, bytes, error)) {
        TextReadResult failed;
        failed.error = error;
        return failed;
    }
    TextEncoding encoding = TextEncoding::Cp932;
    if (isValidUtf8(bytes))
        encoding = bytes.startsWith(utf8Bom()) ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
    return decodedResult(bytes, encoding);
}

TextWriteResult writeProgramFile(const QString& path, const QString& text)
{
    return writeBytes(path, text.toUtf8());
}
