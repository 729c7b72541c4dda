#include "autocreate/AutoCreatePipeline.h"

#include "workspace/DocumentText.h"

namespace autocreate {

AutoCreateOutcome runAutoCreateSteps(const QString& text, const QString& textFileName,
                                     const AutoCreateSettings& settings,
                                     const AutoCreateGenerators& generators)
{
    AutoCreateOutcome out;
    out.names = autoPageNames(textFileName);

    QString t = removeDoubleCr(text);
    out.title = getAutoTitle(t);
    t = joinWrappedLines(t);
    // From here on the user's pseudo-tags stand in the text as "&lt;" ... "&gt;".
    t = removeDoubleCr(generators.convertEntities(t));
    t = expandImageTags(t, generators.imageTag);
    if (!out.title.isEmpty())
        t = autoHeading(t, generators.ruleTag);
    t = insertSkeleton(removeDoubleCr(t), settings.headerHidden, generators.wrapPage);
    t = removeDoubleCr(generators.setTitle(t, out.title));
    t = removeDoubleCr(autoLineBreaks(t));

    const BackgroundTake body = takeBackgroundTag(t, 1);
    const BackgroundTake navigation = takeBackgroundTag(body.text, 2);
    t = navigation.text;
    out.backgrounds = {body.content, navigation.content};

    const StepResult paragraphs = autoParagraphs(t);
    if (!paragraphs.message.isEmpty())
        out.messages.append(paragraphs.message);
    AnchorResult anchors = autoHeadingAnchors(removeDoubleCr(paragraphs.text),
                                              settings.headingStyle);
    if (!anchors.message.isEmpty())
        out.messages.append(anchors.message);
    out.headings = std::move(anchors.headings);

    t = removeDoubleCr(generators.setBodyColors(anchors.text, settings.textColour,
                                                settings.backColour));
    t = removeDoubleCr(autoItems(t, generators.makeList));
    t = removeDoubleCr(autoTables(t, generators.makeTable));

    if (settings.frames == FrameLayout::None) {
        // The escapes have done their work once the pseudo-tags are converted; the reader sees
        // the pseudo-tag without its backslash.
        out.page = removeLtEscapes(t);
        return out;
    }
    out.page = t;
    const FramePageTexts pages = autoFramePages(t, out.names, out.headings, out.backgrounds,
                                                settings.navigationFontSize,
                                                generators.insertBgImage);
    const QString navigationPage = removeDoubleCr(generators.setBodyColors(
        pages.navigation, settings.textColour, settings.navigationBackColour));
    const FramesetPages frameset = generators.makeFrameset(
        {out.names, settings.frames == FrameLayout::SideBySide, navigationPage});
    out.frames = FrameOutput{pages.body, frameset.navigationPage, removeDoubleCr(frameset.frameset)};
    return out;
}

} // namespace autocreate
