#include "wizards/Generators.h"

#include "editor/Insertion.h"
#include "editor/SearchPanels.h"
#include "platform/ControlRegistry.h"
#include "platform/LineEnds.h"
#include "wizards/Dispatcher.h"
#include "wizards/EasyMenu.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/MiniPanel.h"
#include "wizards/PanelSettings.h"
#include "wizards/Pickers.h"
#include "wizards/generators/BlockGenerators.h"
#include "wizards/generators/HeadGenerators.h"
#include "wizards/generators/ImageGenerator.h"
#include "wizards/generators/LinkGenerators.h"
#include "wizards/generators/ListGenerator.h"
#include "wizards/generators/MailFormGenerator.h"
#include "wizards/generators/MarqueeGenerator.h"
#include "wizards/generators/MediaGenerators.h"
#include "wizards/generators/PageAttributeGenerators.h"
#include "wizards/generators/PageSkeletons.h"
#include "wizards/generators/RuleGenerator.h"
#include "wizards/generators/TableGenerator.h"
#include "wizards/generators/TextStyleGenerators.h"
#include "workspace/DocumentText.h"
#include "workspace/Workspace.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"

#include <QListWidget>
#include <QPlainTextEdit>

Generators::Generators(Workspace& workspace, ControlRegistry& controlRegistry, EditApplier& editApplier, Insertion& insertion)
    : ws(workspace)
    , controls(controlRegistry)
    , applier(editApplier)
    , insert(insertion)
{
}

void Generators::serve(Dispatcher& dispatcher, MiniPanel& mini, Pickers& pickers, EasyMenu& easy, SearchPanels& search)
{
    using Method = void (Generators::*)();
    struct Button {
        ExecuteButton button;
        Method run;
    };
    const Button buttons[] = {
        {ExecuteButton::InsertLink, &Generators::insertLinkOrMailLink},
        {ExecuteButton::InsertRule, &Generators::insertRule},
        {ExecuteButton::InsertList, &Generators::insertList},
        {ExecuteButton::InsertImage, &Generators::insertImage},
        {ExecuteButton::InsertMarquee, &Generators::insertMarquee},
        {ExecuteButton::InsertTable, &Generators::insertTable},
        {ExecuteButton::InsertMailForm, &Generators::insertMailForm},
        {ExecuteButton::InsertBackgroundSound, &Generators::insertBackgroundSound},
        {ExecuteButton::InsertMovie, &Generators::insertMovie},
        {ExecuteButton::InsertBackgroundImage, &Generators::insertBackgroundImage},
        {ExecuteButton::InsertFont, &Generators::insertFont},
        {ExecuteButton::InsertDoctype, &Generators::insertDoctype},
        {ExecuteButton::InsertFontSize, &Generators::insertFontSize},
        {ExecuteButton::InsertFontColour, &Generators::insertFontColour},
        {ExecuteButton::InsertEmphasis, &Generators::insertEmphasis},
        {ExecuteButton::InsertStrong, &Generators::insertStrong},
        {ExecuteButton::InsertFontShape, &Generators::insertFontShape},
        {ExecuteButton::InsertSpace, &Generators::insertSpace},
        {ExecuteButton::InsertTitle, &Generators::setTitle},
        {ExecuteButton::InsertHeading, &Generators::insertHeading},
        {ExecuteButton::SetBodyColours, &Generators::setBodyColours},
        {ExecuteButton::SetMargins, &Generators::setBodyMargins},
        {ExecuteButton::InsertComment, &Generators::insertComment},
        {ExecuteButton::InsertAlignedParagraph, &Generators::insertAlignedParagraph},
        {ExecuteButton::InsertAlignedDivision, &Generators::insertAlignedDivision},
        {ExecuteButton::InsertPreformatted, &Generators::insertPreformatted},
        {ExecuteButton::InsertPageJump, &Generators::insertPageJump},
        {ExecuteButton::InsertDocumentInfo, &Generators::insertDocumentInfo},
    };
    for (const Button& b : buttons)
        dispatcher.setAction(b.button, [this, run = b.run] { (this->*run)(); });

    // The mini panel's execute button by its mode; 2 is the line-break mark of the insertion
    // primitives.
    struct Mode {
        int mode;
        Method run;
    };
    const Mode modes[] = {
        {0, &Generators::setTitle},         {3, &Generators::insertHeading},   {4, &Generators::setBodyColours},
        {5, &Generators::setBodyMargins},   {6, &Generators::insertComment},   {7, &Generators::insertFontSize},
        {8, &Generators::insertFontColour},  {9, &Generators::insertEmphasis},        {10, &Generators::insertStrong},
        {11, &Generators::insertAlignedDivision},  {12, &Generators::insertRule},     {13, &Generators::insertImage},
        {14, &Generators::insertList},        {15, &Generators::insertLink},     {16, &Generators::insertMailLink},
        {17, &Generators::insertTable},       {18, &Generators::insertMailForm}, {19, &Generators::insertDoctype},
        {20, &Generators::insertMarquee},   {21, &Generators::insertBlink},    {22, &Generators::insertAlignedParagraph},   {23, &Generators::insertPreformatted},
        {24, &Generators::insertFont},      {25, &Generators::insertBackgroundSound},  {26, &Generators::insertMovie},
        {27, &Generators::insertBackgroundImage},   {28, &Generators::insertFontShape}, {29, &Generators::insertSpace},
    };
    for (const Mode& m : modes)
        mini.setGenerator(m.mode, [this, run = m.run] { (this->*run)(); });
    mini.setGenerator(2, [this] { insert.insertLineBreakTag(); });
    mini.setGenerator(30, [&search] { search.searchForWord(); });

    pickers.insertBackgroundImage = [this] { insertBackgroundImage(); };
    easy.makeSamplePage = [this] { insertSamplePage(); };
    easy.makePageSkeleton = [this] { insertPageSkeleton(); };
}

QString Generators::text(ControlRef box) const
{
    return panel::text(controls, box);
}

bool Generators::checked(ControlRef button) const
{
    return panel::checked(controls, button);
}

int Generators::selected(ControlArrayId options, std::initializer_list<int> places, int none) const
{
    return panel::selected(controls, options, places, none);
}

QString Generators::documentFolder() const
{
    return ws.doc(ws.currentIndex()).folder;
}

void Generators::insertLinkOrMailLink()
{
    const bool linkMode = !controls.get<QWidget>(executeButton(ExecuteButton::ChooseLinkTarget))->isHidden();
    applier.apply(gen::makeLinkButton({applier.editorState(), text(link_panel::TargetBox), checked(link_panel::NewWindowCheck), documentFolder()}, linkMode));
}

void Generators::insertLink()
{
    applier.apply(gen::makeLink({applier.editorState(), text(link_panel::TargetBox), checked(link_panel::NewWindowCheck), documentFolder()}));
}

void Generators::insertMailLink()
{
    applier.apply(gen::makeMailLink({applier.editorState(), text(link_panel::TargetBox), checked(link_panel::NewWindowCheck), documentFolder()}));
}

void Generators::insertRule()
{
    applier.apply(gen::makeRule(panel::ruleSettings(controls)));
}

void Generators::insertList()
{
    gen::ListInput in = panel::listSettings(controls);
    in.editor = applier.editorState();
    applier.apply(gen::makeList(in));
}

void Generators::insertImage()
{
    // While the stylesheet builder is shown, the picture goes into its style text.
    if (imageIntoStyleText && imageIntoStyleText(text(image_panel::RelativePathBox))) {
        controls.get<QWidget>(image_panel::Panel)->hide();
        return;
    }
    gen::ImageInput in = panel::imageSettings(controls);
    in.editor = applier.editorState();
    in.documentFolder = documentFolder();
    in.chosenFile = text(image_panel::ChosenFileBox);
    in.relativePath = text(image_panel::RelativePathBox);
    applier.apply(gen::makeImage(in));
}

void Generators::insertMarquee()
{
    gen::MarqueeInput in;
    in.editor = applier.editorState();
    in.widthMm = text(marquee_panel::WidthMmBox);
    in.widthPercent = text(marquee_panel::WidthPercentBox);
    in.heightMm = text(marquee_panel::HeightMmBox);
    in.heightPercent = text(marquee_panel::HeightPercentBox);
    in.hspace = text(marquee_panel::SideMarginBox);
    in.vspace = text(marquee_panel::TopBottomMarginBox);
    in.loop = text(marquee_panel::LoopCountBox);
    in.delay = text(marquee_panel::DelayBox);
    in.amount = text(marquee_panel::StepBox);
    in.behavior = selected(marquee_panel::Behaviour, {0, 1, 2}, 0);
    in.direction = selected(marquee_panel::Direction, {0, 1, 2, 3}, 0);
    in.truespeed = checked(marquee_panel::TrueSpeedCheck);
    in.background = text(marquee_panel::BackgroundBox);
    applier.apply(gen::makeMarquee(in));
}

void Generators::insertTable()
{
    gen::TableInput in = panel::tableSettings(controls);
    in.editor = applier.editorState();
    in.source = toCrLf(controls.get<QPlainTextEdit>(table_panel::DataBox)->toPlainText());
    applier.apply(gen::makeTable(in));
}

void Generators::insertMailForm()
{
    applier.apply(gen::makeMailForm({applier.editorState(), text(mail_form_panel::AddressBox)}));
}

void Generators::insertBackgroundSound()
{
    applier.apply(gen::makeBgsound({applier.editorState(), text(background_sound_panel::FileBox), text(background_sound_panel::RepeatBox), documentFolder()}));
}

void Generators::insertMovie()
{
    applier.apply(gen::makeDynsrc({applier.editorState(), text(movie_panel::FileBox), text(movie_panel::TextBox), documentFolder()}));
}

void Generators::insertBackgroundImage()
{
    applier.apply(gen::makeBgImage({applier.editorState(), text(background_image_panel::FileBox), selected(background_image_panel::Repeat, {0, 1, 2, 3}, 0), documentFolder()}));
}

void Generators::insertFont()
{
    QStringList fonts;
    auto* list = controls.get<QListWidget>(font_panel::FontList);
    for (int i = 0; i < list->count(); ++i)
        fonts << list->item(i)->text();
    applier.apply(gen::makeFont({applier.editorState(), fonts}));
}

void Generators::insertDoctype()
{
    applier.apply(gen::makeDoctype({applier.editorState(), selected(doctype_panel::Version, {0, 1, 2}, 1)}));
}

void Generators::insertFontSize()
{
    applier.apply(gen::makeFontSize({applier.editorState(), text(font_size_panel::SizeBox)}));
}

void Generators::insertFontColour()
{
    applier.apply(gen::makeFontColour({applier.editorState(), text(font_colour_panel::ColourBox)}));
}

void Generators::insertEmphasis()
{
    applier.apply(gen::makeEm({applier.editorState()}));
}

void Generators::insertStrong()
{
    applier.apply(gen::makeStrong({applier.editorState()}));
}

void Generators::insertBlink()
{
    applier.apply(gen::makeBlink({applier.editorState()}));
}

void Generators::insertFontShape()
{
    gen::FontShapeInput in;
    in.editor = applier.editorState();
    in.bold = checked(font_shape_panel::BoldCheck);
    in.italic = checked(font_shape_panel::ItalicCheck);
    in.strike = checked(font_shape_panel::StrikeCheck);
    in.teletype = checked(font_shape_panel::TeletypeCheck);
    in.underline = checked(font_shape_panel::UnderlineCheck);
    in.script = checked(font_shape_panel::ScriptCheck);
    in.superscript = checked(font_shape_panel::SuperscriptOption);
    applier.apply(gen::makeFontShape(in));
}

void Generators::insertSpace()
{
    applier.apply(gen::makeSpace({applier.editorState()}));
}

void Generators::setTitle()
{
    applier.apply(gen::makeTitle({applier.editorState(), text(title_panel::TitleBox)}));
}

void Generators::insertHeading()
{
    applier.apply(gen::makeHeading({applier.editorState(), text(heading_panel::LevelBox)}));
}

void Generators::setBodyColours()
{
    applier.apply(gen::makeBodyColours({applier.editorState(), text(body_colours_panel::TextColourBox), text(body_colours_panel::BackgroundBox)}));
}

void Generators::setBodyMargins()
{
    applier.apply(gen::makeBodyMargins({applier.editorState(), text(margins_panel::TopMarginBox), text(margins_panel::LeftMarginBox)}));
}

void Generators::insertComment()
{
    applier.apply(gen::makeComment({applier.editorState()}));
}

void Generators::insertAlignedParagraph()
{
    applier.apply(gen::makePAlign({applier.editorState(), selected(paragraph_panel::Alignment, {0, 1, 2}, 0)}));
}

void Generators::insertAlignedDivision()
{
    // The division's generator numbers its alignments 5 (left), 4 (centred) and 3 (right).
    const int place = selected(position_panel::Alignment, {0, 1, 2}, 0);
    applier.apply(gen::makeDivAlign({applier.editorState(), 5 - place}));
}

void Generators::insertPreformatted()
{
    applier.apply(gen::makePre({applier.editorState()}));
}

void Generators::insertPageJump()
{
    applier.apply(gen::makePageJump({applier.editorState(), checked(page_jump_panel::SourceOption), text(page_jump_panel::SourceNameBox), text(page_jump_panel::TargetNameBox)}));
}

void Generators::insertDocumentInfo()
{
    applier.apply(gen::makeMeta({applier.editorState(), text(document_info_panel::AuthorBox), text(document_info_panel::KeywordsBox), text(document_info_panel::DescriptionBox)}));
}

void Generators::insertSamplePage()
{
    applier.apply(gen::makeSamplePage({expandedText(ws.current())}));
}

void Generators::insertPageSkeleton()
{
    applier.apply(gen::makePageSkeleton({expandedText(ws.current())}));
}
