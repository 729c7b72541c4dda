#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The pages that automatic creation makes from one text file: the page itself without frames;
// with frames a body page, a navigation page of links to its headings, and the frameset page.
namespace autocreate {

// Names of the pages made from a text file, its name cut at the last dot ("memo.txt" gives
// "memo.html", "memoright.html", "memoleft.html" and "memoindex.html").
struct AutoPageNames {
    QString page;        // the page made without frames
    QString body;        // the body page (right or bottom frame)
    QString navigation;  // the navigation page (left or top frame)
    QString frameset;    // the frameset page
};

// `textFileName` may hold a folder; only the part after the last "/" or "\" counts.
AutoPageNames autoPageNames(const QString& textFileName);

// The contents of the two background pseudo-tags of the run: 1 for the body page, 2 for the
// navigation page.
struct BackgroundEntries {
    QString body;
    QString navigation;
};

// The page with a tiled background image behind its first "<BODY".
using BackgroundImageSetter = std::function<QString(const QString& page, const QString& image)>;

struct FramePageTexts {
    QString body;
    QString navigation;
};

// Splits the converted page into the body page (with its background image, when the entry is
// not blank, and without the escape backslashes) and the navigation page (one link per heading,
// possibly none, with its background image and without image elements).
FramePageTexts autoFramePages(const QString& page, const AutoPageNames& names,
                              const QStringList& headings, const BackgroundEntries& backgrounds,
                              const QString& navigationFontSize,
                              const BackgroundImageSetter& insertBgImage);

// The navigation page before its background: head, one link line per heading to the body page's
// anchors "Pelmor1", "Pelmor2", ..., and the tail.
QString navigationPage(const QString& bodyPageName, const QStringList& headings,
                       const QString& fontSize);

// The text without the backslash of every "\&lt" (any case).
QString removeLtEscapes(const QString& text);

// The text without any "<IMG src" element (any case), from its "<" through the next ">".
QString removeImageElements(const QString& text);

} // namespace autocreate
