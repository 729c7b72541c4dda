#pragma once

#include <QString>

// The texts that automatic creation shows: its settings panel's explanation and its messages.
namespace autotext {

// The explanation box of the settings panel.
QString settingsExplanation();

// Automatic creation works on a single document.
QString tooManyDocuments();

// The frames pages are named after the text file, which a document that was never saved lacks.
QString saveBeforeFrames();

// A page of the run that could not be written; `detail` says why (may be empty).
QString pageNotWritten(const QString& path, const QString& detail);

// The run stopped; `detail` says why, `unchanged` that no document was touched yet.
QString runFailed(const QString& detail, bool unchanged);

} // namespace autotext
