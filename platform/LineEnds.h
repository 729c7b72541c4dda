#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The line ends of a file, as the editor's CR LF form of its text treats them. The editor's
// form is toCrLf of the text with every CR that stands right before another CR taken out.
enum class LineEnds {
    // CR LF, or no line end at all: the editor's form is the text itself.
    CrLf,
    // LF alone and no CR in front of any LF: fromCrLf of the editor's form is the text again.
    Lf,
    // LF alone next to CR LF, or a CR doubled: the editor's form changes the line ends, so
    // saving does not give the file's bytes back.
    Mixed,
};

// The line ends of a file's bytes in code page 932 or UTF-8, whose other characters never hold
// the bytes of CR or LF; one pass, fast enough to run beside the decoding.
LineEnds scanLineEnds(QByteArrayView bytes);
// The same for decoded text.
LineEnds scanLineEnds(QStringView text);

// The editor's form of the bytes of a text in UTF-8 (or code page 932, whose other characters
// never hold the bytes of CR or LF): every LF without a CR in front becomes CR LF and every CR
// right before another CR is taken out. The bytes themselves, not copied, when they are in that
// form already.
QByteArray editorForm(const QByteArray& bytes);

// Every LF without a CR in front becomes CR LF; CR LF pairs and lone CRs are left alone.
QString toCrLf(const QString& text);

// Every CR LF becomes LF; a lone CR stays.
QString fromCrLf(const QString& text);
