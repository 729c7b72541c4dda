#pragma once

#include <QByteArray>
#include <QString>

// Whole-file text reading and writing. Documents are code page 932 or UTF-8 (with or without a
// byte order mark); the encoding found on reading is handed back so that saving can keep it.
enum class TextEncoding { Cp932, Utf8, Utf8Bom };

// Utf8Bom when the bytes start with EF BB BF; Utf8 when they are valid UTF-8 and hold at least
// one byte above 7F; Cp932 otherwise (so pure ASCII is Cp932).
TextEncoding detectEncoding(const QByteArray& bytes);

// Bytes the decoder cannot read become U+001A (code page 932) or U+FFFD (UTF-8); a BOM is dropped.
QString decodeText(const QByteArray& bytes, TextEncoding encoding);

struct TextReadResult {
    bool ok = false;
    QString text;
    TextEncoding encoding = TextEncoding::Cp932;
    // False when saving text in encoding would not give back the bytes that were read
    // (unreadable sequences, or code page 932 characters that have two codes).
    bool exactRoundTrip = true;
    QString error;
};

// Reads, detects and decodes. Line ends are left as they are in the file.
TextReadResult readTextFile(const QString& path);

// Every LF without a CR in front becomes CR LF; CR LF pairs and lone CRs are left alone.
QString toCrLf(const QString& text);

struct EncodeResult {
    bool ok = true;
    QByteArray bytes;
    // The first character (one code point) code page 932 cannot hold, when ok is false.
    QString unencodable;
};

// UTF-8 always succeeds (Utf8Bom writes the BOM). For code page 932 a character it cannot hold is
// written as "&#NNNN;" (decimal code point) when htmlReferences is true; otherwise the result
// is ok == false with the character in unencodable.
EncodeResult encodeText(const QString& text, TextEncoding encoding, bool htmlReferences);

struct TextWriteResult {
    bool ok = false;
    QString error;
    QString unencodable;
};

// Encodes first and writes nothing when that fails; then writes through QSaveFile, so the file
// on disk is either the old one or the complete new one.
TextWriteResult writeTextFile(const QString& path, const QString& text, TextEncoding encoding,
                              bool htmlReferences);

// Names ending in .html, .htm or .xhtml, ASCII letters in any case.
bool isHtmlFileName(const QString& name);

// The program's own files: read as UTF-8 when the bytes are valid UTF-8 (a BOM is dropped),
// otherwise as code page 932; written as UTF-8 without a BOM.
TextReadResult readProgramFile(const QString& path);
TextWriteResult writeProgramFile(const QString& path, const QString& text);
