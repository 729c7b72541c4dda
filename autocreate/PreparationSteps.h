#pragma once

#include <QString>
#include <functional>

// The steps of automatic creation that work on the plain text: joining hard-wrapped lines, the
// image and background pseudo-tags, the line-break tags of the body and the page skeleton. Each
// takes a CR LF text and returns the new text.
namespace autocreate {

// The image element for one image pseudo-tag's file name (as it stands in the text, entities
// and blanks included); an empty result inserts nothing.
using ImageTagGenerator = std::function<QString(const QString& fileName)>;

// A complete page around the given body text.
using PageWrapper = std::function<QString(const QString& body)>;

// Joins hard-wrapped lines: a paragraph's first two lines stay lines of their own, a later line
// that begins with a half-width or ideographic space keeps its line break, every other later line
// is joined to the one before it. The lines of a list or table, from its opening pseudo-tag to its
// closing one, stay lines, and a pseudo-tag's line is joined neither to the line before it nor to
// the one after it. Paragraphs come out separated by one empty line; doubled carriage returns are
// cleaned out of the result.
QString joinWrappedLines(const QString& text);

// Replaces each unescaped "&lt;画像" file "&gt;" by the generator's element. The file name ends at
// the next "&gt;" on the same line, or with the line when there is none.
QString expandImageTags(const QString& text, const ImageTagGenerator& imageTag);

struct BackgroundTake {
    QString text;     // the text without the background pseudo-tags of that number
    QString content;  // the content of the last one, unchanged (a leading blank included)
    bool found = false;
};

// Removes every unescaped "&lt;背景N" ... "&gt;" of the number (1 or 2) and keeps the last content.
BackgroundTake takeBackgroundTag(const QString& text, int number);

// Appends "<BR>" to the lines of the page body (the whole text when it has no body): every
// non-empty line, trimmed of half-width blanks, except lines that already end with a tag and
// lines that begin with a background or image pseudo-tag. Lines are never cut.
QString autoLineBreaks(const QString& text);

// Wraps a text that holds none of "<HTML", "<html", "<BODY", "<body" in the page, unless the
// document's header is hidden; any other text comes back unchanged.
QString insertSkeleton(const QString& text, bool headerHidden, const PageWrapper& wrapPage);

} // namespace autocreate
