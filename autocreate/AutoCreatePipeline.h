#pragma once

#include "autocreate/FramePages.h"
#include "autocreate/ListTableSteps.h"
#include "autocreate/ParagraphSteps.h"
#include "autocreate/PreparationSteps.h"
#include "autocreate/TitleHeading.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The whole sequence of automatic creation on one text, with the construct generators it reuses
// handed in.
namespace autocreate {

enum class FrameLayout { None, SideBySide, TopBottom };

// The settings panel's values that the run reads.
struct AutoCreateSettings {
    QString textColour = QStringLiteral("#0000A0");           // page text colour
    QString backColour = QStringLiteral("#FFE8D0");           // page background colour
    QString navigationBackColour = QStringLiteral("#BBDDFF");  // navigation page background
    QString navigationFontSize = QStringLiteral("2");          // navigation page base font size
    HeadingStyle headingStyle;                                 // paragraph headings
    FrameLayout frames = FrameLayout::SideBySide;
    bool headerHidden = false;  // the document's header is hidden: no skeleton is put around it
};

// What the run asks of the frameset generator: the three page names, the split, and the
// navigation page, which the generator may give a target line.
struct FramesetRequest {
    AutoPageNames names;
    bool sideBySide = true;
    QString navigationPage;
};

struct FramesetPages {
    QString frameset;
    QString navigationPage;
};

// The generators of the other subsystems that the run reuses.
struct AutoCreateGenerators {
    std::function<QString(const QString& text)> convertEntities;  // "&", """, "<", ">" to entities
    ImageTagGenerator imageTag;
    RuleTagGenerator ruleTag;
    PageWrapper wrapPage;
    std::function<QString(const QString& page, const QString& title)> setTitle;
    std::function<QString(const QString& page, const QString& textColour,
                          const QString& backColour)>
        setBodyColours;
    BlockGenerator makeList;
    BlockGenerator makeTable;
    BackgroundImageSetter insertBgImage;
    // An empty frameset page means the generator refused (it reports why).
    std::function<FramesetPages(const FramesetRequest& request)> makeFrameset;
    // Where the steps' own messages go as they arise, besides the outcome's list; optional.
    std::function<void(const QString& message)> report;
};

struct FrameOutput {
    QString body;        // the body page (document 1 of a frames run)
    QString navigation;  // the navigation page with its colours (document 0)
    QString frameset;    // the frameset page
};

struct AutoCreateOutcome {
    QString title;                    // goes into the title box
    QString page;                     // the converted page, before any frames split; without
                                      // frames the escape backslashes stay in it
    QStringList headings;             // the paragraph headings, in text order
    BackgroundEntries backgrounds;    // this run's background pseudo-tags (empty when absent)
    AutoPageNames names;              // the page names made from the text file's name
    std::optional<FrameOutput> frames;  // only when frames were asked for
    QStringList messages;             // what the steps themselves report, in order
};

// Runs every step on `text`, the document's CR LF text; `textFileName` names the pages.
AutoCreateOutcome runAutoCreateSteps(const QString& text, const QString& textFileName,
                                     const AutoCreateSettings& settings,
                                     const AutoCreateGenerators& generators);

} // namespace autocreate
