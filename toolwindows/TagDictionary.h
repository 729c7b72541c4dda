#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The tag dictionary file resource/tag.txt: a heading line, then one entry per label of the
// dictionary window, entries separated by one or more blank lines (lines that are empty once
// blanks are trimmed). The first line of an entry is the label's caption, the tags that a double
// click inserts; all of the entry's lines, the caption included, are its explanation.

// The dictionary window has this many labels; entries after the last label are not read.
inline constexpr int TagLabelCount = 65;

// Shown when the file is missing or cannot be read.
inline const QString TagFileUnreadable = QStringLiteral("tag.txtが読めません");

struct TagEntry {
    QString caption;      // the entry's first line, untrimmed
    QString explanation;  // the entry's lines, untrimmed, joined by CR LF
};

// The entries in label order, at most TagLabelCount of them.
QList<TagEntry> parseTagDictionary(const QString& text);

// The two tags a caption wraps the selection in.
struct TagPieces {
    QString start;
    QString end;
};

// Cuts a caption before each "<": the first piece (trimmed of blanks) goes before the selection,
// the second (trimmed) after it, a third is not used. A caption that does not begin with "<" or
// holds more than three "<" gives nothing; an empty caption gives two empty pieces.
std::optional<TagPieces> splitTagCaption(const QString& caption);

// The word that, selected in an explanation, asks for a colour.
inline const QString ColourCodeWord = QStringLiteral("rrggbb");

// The explanation with its first "*" replaced by colour ("#" and six hexadecimal digits); an
// explanation without "*" comes back unchanged.
QString fillColourCode(const QString& explanation, const QString& colour);

// The tag dictionary entry for a selected tag name: the index of the first caption that holds the
// name (one "<" in front and one ">" behind dropped, blanks around it trimmed), letter case
// ignored; -1 when no caption does or the name is empty.
int findTagCaption(const QString& selectedText, const QStringList& captions);
