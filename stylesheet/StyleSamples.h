#pragma once

#include <QString>

// The sample stylesheet resource/csssample.txt and the sample page resource/htmlsample.html
// become a document's text exactly as they are written: every comma, quote, blank and the final
// line break stay; only lone LF or CR line ends become CR LF, as the editor keeps them.

inline const QString SampleStylesheetFile = QStringLiteral("csssample.txt");
inline const QString SamplePageFile = QStringLiteral("htmlsample.html");

struct SampleReadResult {
    bool ok = false;
    QString text;
    QString message;  // when not ok: the file's name followed by "が読めません"
};

// A missing, unreadable or empty file is not ok, so that a document is never replaced by nothing.
SampleReadResult readSampleFile(const QString& path);
