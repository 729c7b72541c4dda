#pragma once

#include "platform/FileBytes.h"
#include "platform/LineEnds.h"

#include <QByteArray>
#include <QString>

// Whole-file text reading and writing. Documents are code page 932, UTF-8 (with or without a
// byte order mark) or UTF-16 with a byte order mark; the encoding found on reading is handed back
// so that saving can keep it. Every character comes through: NUL, and a U+FEFF after the mark.
enum class TextEncoding { Cp932, Utf8, Utf8Bom, Utf16LeBom, Utf16BeBom };

// "Shift_JIS", "UTF-8" or "UTF-16": the encoding's name in messages to the user.
QString encodingDisplayName(TextEncoding encoding);

// Utf16LeBom or Utf16BeBom when the bytes start with FF FE or FE FF; Utf8Bom when they start with
// EF BB BF; Utf8 when they are valid UTF-8 and hold at least one byte above 7F; Cp932 otherwise
// (so pure ASCII is Cp932).
TextEncoding detectEncoding(const QByteArray& bytes);

// Bytes the decoder cannot read become U+001A (code page 932) or U+FFFD (UTF-8, UTF-16, where a
// lone surrogate is unreadable too). The mark of Utf8Bom and the UTF-16 encodings is dropped when
// the bytes start with it; Utf8 and Cp932 keep every byte as text.
QString decodeText(const QByteArray& bytes, TextEncoding encoding);

struct TextReadResult {
    bool ok = false;
    QString text;
    TextEncoding encoding = TextEncoding::Cp932;
    // False when saving text in encoding would not give back the bytes that were read
    // (unreadable sequences, or code page 932 characters that have two codes).
    bool exactRoundTrip = true;
    // The line ends of the text as read; text itself keeps them as they are in the file.
    LineEnds lineEnds = LineEnds::CrLf;
    // Why reading failed, when ok is false.
    FileProblem problem = FileProblem::None;
    QString error;
};

// Detects, decodes and checks bytes read from a document: the work of readTextFile after reading.
TextReadResult decodeDocument(const QByteArray& bytes);
// The same in a given encoding.
TextReadResult decodeDocument(const QByteArray& bytes, TextEncoding encoding);

// Reads a regular file of at most MaxTextFileBytes, detects and decodes.
TextReadResult readTextFile(const QString& path);

// The same with the text as UTF-8 in utf8 (text stays empty), for the editor, which holds UTF-8:
// code page 932 made only of the codes of characters it holds, and valid UTF-8, come without a
// conversion through UTF-16; everything else is decoded as decodeDocument decodes it.
struct Utf8ReadResult : TextReadResult {
    QByteArray utf8;
};
Utf8ReadResult decodeDocumentAsUtf8(const QByteArray& bytes);
Utf8ReadResult readTextFileAsUtf8(const QString& path);

struct EncodeResult {
    bool ok = true;
    QByteArray bytes;
    // The first character (one code point) code page 932 cannot hold, when ok is false.
    QString unencodable;
};

// UTF-8 and UTF-16 always succeed (Utf8Bom and the UTF-16 encodings write their mark). For code
// page 932 a character it cannot hold (one whose code would not read back as that character) is
// written as "&#NNNN;" (decimal code point) when htmlReferences is true; otherwise the result is
// ok == false with the character in unencodable.
EncodeResult encodeText(const QString& text, TextEncoding encoding, bool htmlReferences);

struct TextWriteResult {
    bool ok = false;
    QString error;
    QString unencodable;
    // Why writing failed; None when encoding refused the text (see unencodable).
    FileProblem problem = FileProblem::None;
};

// Encodes first and writes nothing when that fails; then writes through writeFileBytes, so the
// file on disk is either the old one or the complete new one. With LineEnds::Lf every CR LF of
// text is written as LF; otherwise text is written as it is.
TextWriteResult writeTextFile(const QString& path, const QString& text, TextEncoding encoding,
                              bool htmlReferences, LineEnds lineEnds = LineEnds::CrLf);

// Names ending in .html, .htm or .xhtml, ASCII letters in any case.
bool isHtmlFileName(const QString& name);

// The program's own files: read as UTF-16 when they start with its mark, as UTF-8 when the bytes
// are valid UTF-8 (a BOM is dropped), otherwise as code page 932; written as UTF-8, with a BOM
// only when the text itself starts with U+FEFF, so that reading gives that character back.
TextReadResult decodeProgramFile(const QByteArray& bytes);
TextReadResult readProgramFile(const QString& path);
TextWriteResult writeProgramFile(const QString& path, const QString& text);
