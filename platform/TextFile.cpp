#include "platform/TextFile.h"

#include "platform/HugePages.h"
#include "platform/TextRules.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <memory>

namespace {

// ICU's name for Microsoft's code page 932 (with the NEC and IBM extensions).
constexpr char Cp932Name[] = "windows-31j";

const QByteArray& utf8Bom()
{
    static const QByteArray bom("\xEF\xBB\xBF", 3);
    return bom;
}

const QByteArray& utf16LeBom()
{
    static const QByteArray bom("\xFF\xFE", 2);
    return bom;
}

const QByteArray& utf16BeBom()
{
    static const QByteArray bom("\xFE\xFF", 2);
    return bom;
}

// The mark that starts a file in encoding; empty for encodings without one.
const QByteArray& markOf(TextEncoding encoding)
{
    static const QByteArray none;
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return utf8Bom();
    case TextEncoding::Utf16LeBom:
        return utf16LeBom();
    case TextEncoding::Utf16BeBom:
        return utf16BeBom();
    case TextEncoding::Cp932:
    case TextEncoding::Utf8:
        break;
    }
    return none;
}

// The encoding a file's first bytes name by their mark, if they start with one.
bool markedEncoding(const QByteArray& bytes, TextEncoding& encoding)
{
    for (const TextEncoding e : {TextEncoding::Utf8Bom, TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom}) {
        if (bytes.startsWith(markOf(e))) {
            encoding = e;
            return true;
        }
    }
    return false;
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

// ConvertInitialBom keeps a U+FEFF at the start as a character: the caller has already taken
// off the mark it knows of, and what follows it is text.
QString decodeUnicode(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// The UTF-16 decoder hands lone surrogates on as they are; they are no characters, and the
// editor could not hold them.
void replaceLoneSurrogates(QString& text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i;
        else
            text[i] = QChar::ReplacementCharacter;
    }
}

QByteArray encodeUtf16(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

bool isSingleCodePoint(QStringView piece)
{
    return piece.size() == 1
        || (piece.size() == 2 && piece[0].isHighSurrogate() && piece[1].isLowSurrogate());
}

// The code of every character of the Basic Multilingual Plane that code page 932 holds: one or
// two bytes that the converter writes for it and that read back as that character. The
// converter also takes a few characters without complaint and writes the code of another
// character for them (a fallback mapping, such as U+F86F written as U+2116): those are not held.
// Made from the converter itself, once, in one encoding and one decoding call.
struct Cp932Codes {
    std::array<quint16, 0x10000> code{};
    // 0 for a character that is not held.
    std::array<quint8, 0x10000> length{};
    // The other way, for the codes of held characters only: the character of each byte and
    // each pair of bytes (NoCharacter where no held character has that code).
    static constexpr char16_t NoCharacter = 0xFFFF;
    std::array<char16_t, 0x100> ofByte{};
    std::array<char16_t, 0x10000> ofPair{};
    // False when a byte is both a code of its own and the first byte of a pair: then bytes are
    // not cut into codes by looking at them, and the converter decodes every text.
    bool cutsByFirstByte = false;
};

std::unique_ptr<Cp932Codes> makeCp932Codes()
{
    // Every character but the surrogates and LF, each followed by LF: no code of another
    // character holds the byte 0A, so the output falls apart at it into the characters' codes.
    QString all;
    all.reserve(2 * 0x10000);
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (c != u'\n' && !QChar::isSurrogate(c)) {
            all += QChar(char16_t(c));
            all += u'\n';
        }
    }
    QStringEncoder encoder(Cp932Name, QStringConverter::Flag::Stateless);
    const QByteArray encoded = encoder.encode(all);
    QStringDecoder decoder(Cp932Name, QStringConverter::Flag::Stateless);
    const QString decoded = decoder.decode(encoded);
    if (!encoder.isValid() || !decoder.isValid() || encoded.count('\n') != all.size() / 2
        || decoded.count(u'\n') != all.size() / 2)
        return nullptr;
    auto table = std::make_unique<Cp932Codes>();
    qsizetype codeAt = 0;
    qsizetype backAt = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (c == u'\n' || QChar::isSurrogate(c))
            continue;
        const qsizetype codeEnd = encoded.indexOf('\n', codeAt);
        const qsizetype backEnd = decoded.indexOf(u'\n', backAt);
        const QByteArrayView code = QByteArrayView(encoded).sliced(codeAt, codeEnd - codeAt);
        const QStringView back = QStringView(decoded).sliced(backAt, backEnd - backAt);
        codeAt = codeEnd + 1;
        backAt = backEnd + 1;
        if (code.isEmpty() || code.size() > 2 || back.size() != 1 || back[0] != QChar(char16_t(c)))
            continue;
        const auto* b = reinterpret_cast<const uchar*>(code.data());
        table->code[c] = code.size() == 1 ? b[0] : quint16(b[0] << 8 | b[1]);
        table->length[c] = quint8(code.size());
    }
    // The encoder writes a substitute for a character it cannot encode and reports an error,
    // which this one call cannot tell apart by character. A substitute that reads back as a
    // character (FC FC is U+FFFD) would make that character look held: such characters are
    // asked alone.
    const auto heldAlone = [](QStringView c) {
        QStringEncoder one(Cp932Name, QStringConverter::Flag::Stateless);
        const QByteArray code = one.encode(c);
        return !one.hasError() && QString(QStringDecoder(Cp932Name).decode(code)) == c;
    };
    for (const char16_t unencodable : {u'\uFFFF', u'\u0100', u'\u20AC', u'\uFFFD'}) {
        QStringEncoder one(Cp932Name, QStringConverter::Flag::Stateless);
        const QByteArray substitute = one.encode(QStringView(&unencodable, 1));
        const QString back = QStringDecoder(Cp932Name).decode(substitute);
        for (const QChar c : back + QChar(unencodable)) {
            if (table->length[c.unicode()] != 0 && !heldAlone(QStringView(&c, 1)))
                table->length[c.unicode()] = 0;
        }
    }
    // LF itself, alone.
    const QByteArray lf = QStringEncoder(Cp932Name).encode(QStringView(u"\n"));
    if (lf == QByteArray("\n") && QStringDecoder(Cp932Name).decode(lf) == QStringLiteral("\n")) {
        table->code[u'\n'] = '\n';
        table->length[u'\n'] = 1;
    }
    table->ofByte.fill(Cp932Codes::NoCharacter);
    table->ofPair.fill(Cp932Codes::NoCharacter);
    std::array<bool, 0x100> leads{};
    for (char32_t c = 0; c < 0xFFFF; ++c) {
        if (table->length[c] == 1)
            table->ofByte[table->code[c]] = char16_t(c);
        else if (table->length[c] == 2) {
            table->ofPair[table->code[c]] = char16_t(c);
            leads[table->code[c] >> 8] = true;
        }
    }
    table->cutsByFirstByte = true;
    for (int b = 0; b < 0x100; ++b) {
        if (leads[b] && table->ofByte[b] != Cp932Codes::NoCharacter)
            table->cutsByFirstByte = false;
    }
    return table;
}

// nullptr when the converter is missing or behaved in a way the table cannot be made from.
const Cp932Codes* cp932Codes()
{
    static const std::unique_ptr<Cp932Codes> codes = makeCp932Codes();
    return codes.get();
}

// Whether every character of text is one code page 932 holds (needs the table).
bool allHeld(const Cp932Codes& codes, QStringView text)
{
    for (const QChar c : text) {
        if (codes.length[c.unicode()] == 0)
            return false;
    }
    return true;
}

// Whether text, decoded from bytes, encodes back to exactly those bytes: each character in turn
// must be held and its code must be the next bytes. The encoder writes a text character by
// character, so this gives what encoding the whole text and comparing would give.
bool encodesBackTo(const Cp932Codes& codes, QStringView text, QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (const QChar c : text) {
        const int length = codes.length[c.unicode()];
        const quint16 code = codes.code[c.unicode()];
        if (length == 0 || i + length > n)
            return false;
        if (length == 1 ? p[i] != code : (p[i] != code >> 8 || p[i + 1] != (code & 0xFF)))
            return false;
        i += length;
    }
    return i == n;
}

// Decodes bytes that are made only of the codes of held characters, handing each character to
// put; false at the first byte that does not start such a code (the converter must decode
// those bytes). Each character's code is then what encoding writes for it, so such bytes read
// back exactly. Cutting the bytes into codes by their first bytes is what the converter does
// too, since no byte is both a code of its own and the start of a pair.
template <typename Put>
bool decodeHeldCodes(const Cp932Codes& codes, QByteArrayView bytes, Put&& put)
{
    if (!codes.cutsByFirstByte)
        return false;
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        char16_t c = codes.ofByte[p[i]];
        if (c != Cp932Codes::NoCharacter) {
            put(c);
            ++i;
            continue;
        }
        if (i + 1 == n)
            return false;
        c = codes.ofPair[p[i] << 8 | p[i + 1]];
        if (c == Cp932Codes::NoCharacter)
            return false;
        put(c);
        i += 2;
    }
    return true;
}

// The text of code page 932 bytes made only of codes of held characters, or a null string.
QString decodeHeldCodesToText(const Cp932Codes& codes, QByteArrayView bytes)
{
    qsizetype length = 0;
    if (!decodeHeldCodes(codes, bytes, [&](char16_t) { ++length; }))
        return QString();
    QString text(length, Qt::Uninitialized);
    adviseHugePages(text.data(), text.size() * qsizetype(sizeof(QChar)));
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    decodeHeldCodes(codes, bytes, [&](char16_t c) { *out++ = c; });
    return text;
}

int utf8Length(char16_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
}

// The same as UTF-8; the characters are never surrogates. A null array when the converter must
// decode the bytes.
QByteArray decodeHeldCodesToUtf8(const Cp932Codes& codes, QByteArrayView bytes)
{
    qsizetype length = 0;
    if (!decodeHeldCodes(codes, bytes, [&](char16_t c) { length += utf8Length(c); }))
        return QByteArray();
    QByteArray utf8(length, Qt::Uninitialized);
    adviseHugePages(utf8.data(), utf8.size());
    auto* out = reinterpret_cast<uchar*>(utf8.data());
    decodeHeldCodes(codes, bytes, [&](char16_t c) {
        if (c < 0x80) {
            *out++ = uchar(c);
        } else if (c < 0x800) {
            *out++ = uchar(0xC0 | c >> 6);
            *out++ = uchar(0x80 | (c & 0x3F));
        } else {
            *out++ = uchar(0xE0 | c >> 12);
            *out++ = uchar(0x80 | (c >> 6 & 0x3F));
            *out++ = uchar(0x80 | (c & 0x3F));
        }
    });
    return utf8;
}

// One encoder call for the whole of text; false when some character could not be encoded or is
// not held (its code would read back as another character).
bool encodeCp932Cleanly(QStringView text, QByteArray& bytes)
{
    // The encoder holds a high surrogate at the end back, waiting for its other half, and
    // reports nothing; at the end of the text that half never comes.
    if (!text.isEmpty() && text.back().isHighSurrogate())
        return false;
    QStringEncoder encoder(Cp932Name);
    bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return false;
    if (const Cp932Codes* codes = cp932Codes())
        return allHeld(*codes, text);
    // Without the table: what was written must read back as the text itself.
    QStringDecoder decoder(Cp932Name, QStringConverter::Flag::Stateless);
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back == text;
}

// Encodes piece to code page 932, halving it around characters the encoder refuses (or writes
// as another character) until each such character stands alone. Returns false when it stops at one (plain mode).
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
    // Code page 932 is checked from the bytes themselves, without encoding the text again.
    if (encoding == TextEncoding::Cp932) {
        if (const Cp932Codes* codes = cp932Codes())
            return encodesBackTo(*codes, text, original);
    }
    const EncodeResult again = encodeText(text, encoding, false);
    return again.ok && again.bytes == original;
}

TextWriteResult writeBytes(const QString& path, const QByteArray& bytes)
{
    const FileStatus status = writeFileBytes(path, bytes);
    TextWriteResult result;
    result.ok = status.ok;
    result.problem = status.problem;
    result.error = status.error;
    return result;
}

template <typename Decode>
auto readAndDecode(const QString& path, Decode decode) -> decltype(decode(QByteArray()))
{
    QByteArray bytes;
    const FileStatus status = readFileBytes(path, bytes);
    if (status.ok)
        return decode(bytes);
    decltype(decode(QByteArray())) failed;
    failed.problem = status.problem;
    failed.error = status.error;
    return failed;
}

} // namespace

QString encodingDisplayName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Cp932:
        break;
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LeBom:
    case TextEncoding::Utf16BeBom:
        return QStringLiteral("UTF-16");
    }
    return QStringLiteral("Shift_JIS");
}

TextEncoding detectEncoding(const QByteArray& bytes)
{
    TextEncoding marked = TextEncoding::Cp932;
    if (markedEncoding(bytes, marked))
        return marked;
    bool nonAscii = false;
    if (isValidUtf8(bytes, &nonAscii) && nonAscii)
        return TextEncoding::Utf8;
    return TextEncoding::Cp932;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding)
{
    const QByteArray& mark = markOf(encoding);
    const QByteArrayView body = bytes.startsWith(mark) ? QByteArrayView(bytes).sliced(mark.size()) : QByteArrayView(bytes);
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        return decodeUnicode(body, QStringConverter::Utf8);
    case TextEncoding::Utf16LeBom:
    case TextEncoding::Utf16BeBom: {
        QString text = decodeUnicode(body, encoding == TextEncoding::Utf16LeBom ? QStringConverter::Utf16LE
                                                                                : QStringConverter::Utf16BE);
        replaceLoneSurrogates(text);
        return text;
    }
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

TextReadResult decodeDocument(const QByteArray& bytes, TextEncoding encoding)
{
    TextReadResult result;
    result.ok = true;
    result.encoding = encoding;
    // Code page 932 made of the codes of held characters only is decoded with the table and
    // reads back exactly; anything else goes through the converter and is checked.
    const Cp932Codes* codes = encoding == TextEncoding::Cp932 ? cp932Codes() : nullptr;
    if (codes && !bytes.isEmpty())
        result.text = decodeHeldCodesToText(*codes, bytes);
    if (result.text.isNull()) {
        result.text = decodeText(bytes, encoding);
        result.exactRoundTrip = roundTrips(result.text, encoding, bytes);
    }
    // In UTF-16 the bytes of CR and LF also occur inside other characters.
    const bool wide = encoding == TextEncoding::Utf16LeBom || encoding == TextEncoding::Utf16BeBom;
    result.lineEnds = wide ? scanLineEnds(QStringView(result.text)) : scanLineEnds(QByteArrayView(bytes));
    return result;
}

TextReadResult decodeDocument(const QByteArray& bytes)
{
    return decodeDocument(bytes, detectEncoding(bytes));
}

Utf8ReadResult decodeDocumentAsUtf8(const QByteArray& bytes)
{
    const TextEncoding encoding = detectEncoding(bytes);
    Utf8ReadResult result;
    result.ok = true;
    result.encoding = encoding;
    result.lineEnds = scanLineEnds(QByteArrayView(bytes));
    switch (encoding) {
    case TextEncoding::Cp932:
        if (const Cp932Codes* codes = cp932Codes(); codes && !bytes.isEmpty())
            result.utf8 = decodeHeldCodesToUtf8(*codes, bytes);
        if (!result.utf8.isNull())
            return result;
        break;
    case TextEncoding::Utf8:
        // Detected as UTF-8 only when it is valid UTF-8, which is its own text and reads back.
        result.utf8 = bytes;
        return result;
    case TextEncoding::Utf8Bom:
        if (isValidUtf8(bytes)) {
            result.utf8 = bytes.sliced(utf8Bom().size());
            return result;
        }
        break;
    case TextEncoding::Utf16LeBom:
    case TextEncoding::Utf16BeBom:
        break;
    }
    TextReadResult decoded = decodeDocument(bytes, encoding);
    static_cast<TextReadResult&>(result) = decoded;
    result.utf8 = decoded.text.toUtf8();
    result.text.clear();
    return result;
}

Utf8ReadResult readTextFileAsUtf8(const QString& path)
{
    return readAndDecode(path, decodeDocumentAsUtf8);
}

TextReadResult readTextFile(const QString& path)
{
    return readAndDecode(path, [](const QByteArray& bytes) { return decodeDocument(bytes); });
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
    case TextEncoding::Utf16LeBom:
        result.bytes = utf16LeBom() + encodeUtf16(text, QStringConverter::Utf16LE);
        return result;
    case TextEncoding::Utf16BeBom:
        result.bytes = utf16BeBom() + encodeUtf16(text, QStringConverter::Utf16BE);
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
                              bool htmlReferences, LineEnds lineEnds)
{
    const EncodeResult encoded = encodeText(lineEnds == LineEnds::Lf ? fromCrLf(text) : text, encoding, htmlReferences);
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
        if (textrules::equalsIgnoringAsciiCase(name.right(suffix.size()), suffix))
            return true;
    }
    return false;
}

TextReadResult decodeProgramFile(const QByteArray& bytes)
{
    TextEncoding encoding = TextEncoding::Cp932;
    if (!markedEncoding(bytes, encoding) && isValidUtf8(bytes))
        encoding = TextEncoding::Utf8;
    // A UTF-8 mark with bytes after it that are no UTF-8 is code page 932 text.
    if (encoding == TextEncoding::Utf8Bom && !isValidUtf8(bytes))
        encoding = TextEncoding::Cp932;
    return decodeDocument(bytes, encoding);
}

TextReadResult readProgramFile(const QString& path)
{
    return readAndDecode(path, decodeProgramFile);
}

TextWriteResult writeProgramFile(const QString& path, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return writeBytes(path, text.startsWith(QChar(0xFEFF)) ? utf8Bom() + utf8 : utf8);
}
