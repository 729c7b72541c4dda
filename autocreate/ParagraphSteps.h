#pragma once

#include <QString>
#include <QStringList>

// Paragraphs of the page body and the anchors of their headings.
namespace autocreate {

// A step's new text, and the message to show when it changed nothing because of its input.
struct StepResult {
    QString text;
    QString message;
};

// Groups the body's lines into P elements: blocks separated by empty lines become paragraphs,
// empty lines in front of a rule stay inside the current paragraph, and rules and centred
// headings in front of the first ordinary line stay outside. A body without lines is refused
// with "<BODY>が有りません。" (no body) or "項目がありません" (only empty lines).
StepResult autoParagraphs(const QString& text);

// Size and colour of paragraph headings, as typed on the settings panel.
struct HeadingStyle {
    QString size = QStringLiteral("3");
    QString colour = QStringLiteral("#0000BD");
};

struct AnchorResult {
    QString text;
    QStringList headings;  // the heading lines as they stood, with blanks, "<BR>" and line end
    QString message;
};

// Makes the first line after each "<P>" line a bold heading with the anchor "Pelmor" + its
// number (1, 2, ... in text order), unless it begins with "<HR"; drops the body's empty lines.
AnchorResult autoHeadingAnchors(const QString& text, const HeadingStyle& style);

// The size attribute's value for a typed absolute size: its leading number minus 3, with "+"
// in front unless negative ("3" gives "+0", "5" "+2", "1" "-2", text without a number "-3").
QString headingSizeValue(const QString& typedSize);

} // namespace autocreate
