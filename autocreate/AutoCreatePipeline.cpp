#include "autocreate/AutoCreatePipeline.h"

#include "workspace/DocumentText.h"

namespace autocreate {

AutoCreateOutcome runAutoCreateSteps(const QString& text, const QString& textFileName,
                                     const AutoCreateSettings& settings,
                                     const AutoCreateGenerators& generators)
{
    AutoCreateOutcome out;
    out.names = autoPageNames(textFileName);
    const auto note = [&](const QString& message) {
        if (message.isEmpty())
            return;
        out.messages.append(message);
        if (generators.report)
            generators.report(message);
    };

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
    note(paragraphs.message);
    AnchorResult anchors = autoHeadingAnchors(removeDoubleCr(paragraphs.text),
                                              settings.headingStyle);
    note(anchors.message);
    out.headings = std::move(anchors.headings);

    t = removeDoubleCr(generators.setBodyColours(anchors.text, settings.textColour,
                                                settings.backColour));
    t = removeDoubleCr(autoItems(t, generators.makeList));
    t = removeDoubleCr(autoTables(t, generators.makeTable));

    out.page = t;
    if (settings.frames == FrameLayout::None)
        return out;
    const FramePageTexts pages = autoFramePages(t, out.names, out.headings, out.backgrounds,
                                                settings.navigationFontSize,
                                                generators.insertBgImage);
    const QString navigationPage = removeDoubleCr(generators.setBodyColours(
        pages.navigation, settings.textColour, settings.navigationBackColour));
    const FramesetPages frameset = generators.makeFrameset(
        {out.names, settings.frames == FrameLayout::SideBySide, navigationPage});
    out.frames = FrameOutput{pages.body, frameset.navigationPage, removeDoubleCr(frameset.frameset)};
    return out;
}

} // namespace autocreate
