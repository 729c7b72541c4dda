#pragma once

#include "platform/TextFile.h"

#include <QString>

// The texts that tell the user why a file was not read or written as it is, made from the
// results of the file functions.

// The whole message for a file that cannot be opened, e.g. for NotRegularFile
// "「/dev/zero」は通常のファイルではないため開けません。". Empty for FileProblem::None.
QString readProblemMessage(FileProblem problem, const QString& path);

// One sentence that says why a save failed and that the file on disk is unchanged, to follow
// the save's own message. Empty for FileProblem::None.
QString writeProblemDetail(FileProblem problem);

// The warning for a text that did not read back exactly: it names the encoding it was read in.
QString inexactReadMessage(TextEncoding encoding, const QString& path);

// The notice, once on opening, that saving changes the file's line ends; empty unless they are
// LineEnds::Mixed.
QString lineEndsNotice(LineEnds lineEnds);
