#pragma once

#include <QString>
#include <QStringList>

// The lines of a data file that was read whole, as reading it line by line gives them: lines end
// at CR LF, at a lone LF or at a lone CR; a line end at the very end of the text starts no
// further line, so "a" + CR LF is one line and an empty text has none.
QStringList splitDataLines(const QString& text);
