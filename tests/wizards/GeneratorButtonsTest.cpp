#include "ApplyEdit.h"
#include "wizards/EasyPanelControls.h"
#include "platform/RichEdit.h"
#include "support/AppFixture.h"
#include "wizards/generators/BlockGenerators.h"
#include "wizards/generators/HeadGenerators.h"
#include "wizards/generators/ImageGenerator.h"
#include "wizards/generators/LinkGenerators.h"
#include "wizards/generators/ListGenerator.h"
#include "wizards/generators/MailFormGenerator.h"
#include "wizards/generators/MarqueeGenerator.h"
#include "wizards/generators/MediaGenerators.h"
#include "wizards/generators/PageAttributeGenerators.h"
#include "wizards/generators/RuleGenerator.h"
#include "wizards/generators/TableGenerator.h"
#include "wizards/generators/TextStyleGenerators.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Page = QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n見出しと本文\r\n二行目です\r\n</BODY>\r\n</HTML>");

// The runs of red text in an editor, in order.
QStringList paintedRuns(RichEdit* ed)
{
    const QString text = ed->text();
    QStringList runs;
    QString run;
    for (int i = 0; i < text.size(); ++i) {
        // A line feed belongs to the line break that its carriage return starts.
        const int at = (text[i] == QLatin1Char('\n') && i > 0 && text[i - 1] == QLatin1Char('\r')) ? i - 1 : i;
        if (ed->paintAt(at) == QColor(255, 0, 0)) {
            run += text[i];
        } else if (!run.isEmpty()) {
            runs << run;
            run.clear();
        }
    }
    if (!run.isEmpty())
        runs << run;
    return runs;
}

// The same runs of the reference application, adjacent pieces joined.
QStringList referenceRuns(const AppliedText& a)
{
    QList<gen::Range> ranges = a.painted;
    std::sort(ranges.begin(), ranges.end(), [](const gen::Range& x, const gen::Range& y) { return x.start < y.start; });
    QStringList runs;
    int end = -1;
    for (const gen::Range& r : ranges) {
        if (r.length == 0)
            continue;
        if (!runs.isEmpty() && r.start <= end) {
            runs.last() += a.text.mid(end, r.start + r.length - end);
        } else {
            runs << a.text.mid(r.start, r.length);
        }
        end = std::max(end, r.start + r.length);
    }
    return runs;
}

} // namespace

class GeneratorButtonsTest : public AppFixture {
public:
    // The cases' set-ups write the panels through these.
    using AppFixture::w;
    RichEdit* ed() { return w().ws.currentEditor(); }
    QString folder() { return w().ws.current().folder; }
    void set(ControlRef id, const QString& text)
    {
        if (auto* line = qobject_cast<QLineEdit*>(w().controls.find(id)))
            line->setText(text);
        else
            w().controls.get<QPlainTextEdit>(id)->setPlainText(text);
    }
    void tick(ControlRef id, bool on = true) { w().controls.get<QAbstractButton>(id)->setChecked(on); }

protected:
    struct Case {
        const char* name;
        ExecuteButton button;
        QString text;
        QString selected; // selected at its first occurrence; empty: the caret at caretAt
        int caretAt = 0;
        std::function<void(GeneratorButtonsTest&)> setup;
        // What the button's generator gives for the inputs the setup wrote.
        std::function<gen::GeneratedEdit(const gen::EditorState&, const QString& folder)> expected;
    };

    // Presses the button over the case's text and compares the editor with the reference
    // application of the expected result: text, selection, red runs, messages, snapshot, undo.
    void check(const Case& c)
    {
        SCOPED_TRACE(c.name);
        // The last character typed: something for the editor's own undo.
        ASSERT_TRUE(c.text.endsWith(QLatin1Char('>')));
        ed()->setText(c.text.chopped(1));
        ed()->setFocus();
        ed()->setSelectionStart(ed()->textLength());
        QTest::keyClicks(ed(), QStringLiteral(">"));
        ASSERT_EQ(ed()->text(), c.text);
        ASSERT_TRUE(ed()->canUndo());
        gen::EditorState state = c.selected.isEmpty() ? editorWith(c.text, c.caretAt) : editorSelecting(c.text, c.selected);
        if (c.setup)
            c.setup(*this);
        ed()->setFocus();
        ed()->select(state.selStart, state.selLength);
        state = editorWith(ed()->text(), ed()->selectionStart(), ed()->selectionLength());
        const gen::GeneratedEdit e = c.expected(state, folder());
        if (e.message)
            dialogs.expectMsg(e.message->text);
        w().dispatcher.press(c.button);
        const AppliedText a = applyEdit(state, e);
        EXPECT_EQ(ed()->text(), a.text);
        EXPECT_EQ(ed()->selectionStart(), a.selStart);
        EXPECT_EQ(ed()->selectionLength(), a.selLength);
        EXPECT_EQ(paintedRuns(ed()), referenceRuns(a));
        EXPECT_FALSE(ed()->canUndo());
        if (e.changesText()) {
            const Document& d = w().ws.current();
            EXPECT_EQ(d.undoRing[static_cast<size_t>(d.undoPosition)].text, c.text) << "the snapshot holds the text before";
        }
        for (const gen::ControlRef& hidden : e.hide)
            EXPECT_TRUE(w().controls.get<QWidget>(hidden)->isHidden()) << hidden.key;
        for (const gen::FieldWrite& f : e.fields)
            EXPECT_EQ(w().controls.get<QLineEdit>(f.control)->text(), f.text);
    }
};

TEST_F(GeneratorButtonsTest, EveryExecuteButtonReadsItsPanelAndInsertsWhatItsGeneratorGives)
{
    start();
    using S = gen::EditorState;
    const Case cases[] = {
        {"link", ExecuteButton::InsertLink, Page, "本文", 0,
         [](auto& t) {
             t.w().commands.invoke(advanced_menu::SetLink);
             t.set(link_panel::TargetBox, QStringLiteral("page2.html"));
             t.tick(link_panel::NewWindowCheck);
         },
         [](const S& s, const QString& f) { return gen::makeLinkButton({s, "page2.html", true, f}, true); }},
        {"mail link", ExecuteButton::InsertLink, Page, "本文", 0,
         [](auto& t) {
             t.w().commands.invoke(advanced_menu::MailLink);
             t.set(link_panel::TargetBox, QStringLiteral("me@example.jp"));
         },
         [](const S& s, const QString& f) { return gen::makeLinkButton({s, "me@example.jp", false, f}, false); }},
        {"mail link without a selection", ExecuteButton::InsertLink, Page, "", 10,
         [](auto& t) { t.w().commands.invoke(advanced_menu::MailLink); },
         [](const S& s, const QString& f) { return gen::makeLinkButton({s, "me@example.jp", false, f}, false); }},
        {"rule", ExecuteButton::InsertRule, Page, "", 40,
         [](auto& t) {
             t.set(rule_panel::ThicknessBox, "2");
             t.set(rule_panel::LengthMmBox, "30");
             t.set(rule_panel::LengthPercentBox, "50");
             t.tick(ControlRef(rule_panel::Alignment, 2));
             t.tick(rule_panel::ShadedCheck, false);
             t.set(rule_panel::ColourBox, "#00FF00");
         },
         [](const S&, const QString&) { return gen::makeRule({"2", "30", "50", 2, false, "#00FF00"}); }},
        {"list", ExecuteButton::InsertList, Page, "見出しと本文\r\n二行目です", 0,
         [](auto& t) {
             t.tick(ControlRef(list_panel::Kind, 2));
             t.tick(ControlRef(list_panel::Mark, 0));
         },
         [](const S& s, const QString&) { return gen::makeList({s, 2, 0}); }},
        {"image", ExecuteButton::InsertImage, Page, "", 40,
         [](auto& t) {
             t.set(image_panel::ChosenFileBox, t.folder() + "/img/a.gif");
             t.set(image_panel::HeightPercentBox, "40");
             t.set(image_panel::WidthPercentBox, "50");
             t.set(image_panel::WidthMmBox, "10");
             t.set(image_panel::BorderBox, "2");
             t.tick(ControlRef(image_panel::Alignment, 4));
             t.set(image_panel::VerticalSpaceBox, "3");
             t.set(image_panel::HorizontalSpaceBox, "4");
             t.set(image_panel::AltTextBox, "写真");
         },
         [](const S& s, const QString& f) {
             gen::ImageInput in;
             in.editor = s;
             in.documentFolder = f;
             in.chosenFile = f + "/img/a.gif";
             in.heightPercent = "40";
             in.widthPercent = "50";
             in.widthMm = "10";
             in.border = "2";
             in.align = 4;
             in.vspace = "3";
             in.hspace = "4";
             in.alt = "写真";
             return gen::makeImage(in);
         }},
        {"image without a file", ExecuteButton::InsertImage, Page, "", 40, [](auto& t) { t.set(image_panel::ChosenFileBox, " "); },
         [](const S& s, const QString& f) {
             gen::ImageInput in;
             in.editor = s;
             in.documentFolder = f;
             in.chosenFile = " ";
             return gen::makeImage(in);
         }},
        {"marquee", ExecuteButton::InsertMarquee, Page, "本文", 0,
         [](auto& t) {
             t.set(marquee_panel::WidthPercentBox, "50");
             t.set(marquee_panel::HeightMmBox, "10");
             t.set(marquee_panel::SideMarginBox, "5");
             t.set(marquee_panel::TopBottomMarginBox, "6");
             t.set(marquee_panel::LoopCountBox, "3");
             t.set(marquee_panel::DelayBox, "100");
             t.set(marquee_panel::StepBox, "8");
             t.tick(ControlRef(marquee_panel::Behaviour, 1));
             t.tick(ControlRef(marquee_panel::Direction, 2));
             t.tick(marquee_panel::TrueSpeedCheck, true);
             t.set(marquee_panel::BackgroundBox, "#FF0000");
         },
         [](const S& s, const QString&) {
             gen::MarqueeInput in;
             in.editor = s;
             in.widthPercent = "50";
             in.heightMm = "10";
             in.hspace = "5";
             in.vspace = "6";
             in.loop = "3";
             in.delay = "100";
             in.amount = "8";
             in.behavior = 1;
             in.direction = 2;
             in.truespeed = true;
             in.background = "#FF0000";
             return gen::makeMarquee(in);
         }},
        {"table from its data box", ExecuteButton::InsertTable, Page, "", 60,
         [](auto& t) {
             t.set(table_panel::DataBox, "a,b\r\nc、d");
             t.tick(ControlRef(table_panel::Headings, 3));
             t.tick(ControlRef(table_panel::CellAlignment, 2));
             t.tick(ControlRef(table_panel::CellVerticalAlignment, 0));
             t.tick(ControlRef(table_panel::Position, 0));
             t.set(table_panel::BorderWidthBox, "2");
             t.set(table_panel::BorderColourBox, "#111111");
             t.set(table_panel::LightColourBox, "#222222");
             t.set(table_panel::DarkColourBox, "#333333");
             t.tick(ControlRef(table_panel::Frame, 3));
             t.tick(ControlRef(table_panel::Rules, 2));
             t.set(table_panel::HorizontalSpacingBox, "5");
             t.set(table_panel::VerticalSpacingBox, "6");
             t.set(table_panel::CellBackgroundBox, "#EEEEEE");
             t.set(table_panel::HeightBox, "20");
             t.set(table_panel::WidthBox, "40");
             t.set(table_panel::TitleBox, "表題");
             t.tick(ControlRef(table_panel::CaptionPosition, 0));
         },
         [](const S& s, const QString&) {
             gen::TableInput in{s, "a,b\r\nc、d", 3, 2, 0, 0, "2", "#111111", "#222222", "#333333", 3, 2, "5", "6",
                                "#EEEEEE", "20", "40", "表題", 0};
             return gen::makeTable(in);
         }},
        {"mail form", ExecuteButton::InsertMailForm, Page, "", 60, [](auto& t) { t.set(mail_form_panel::AddressBox, "me@example.jp"); },
         [](const S& s, const QString&) { return gen::makeMailForm({s, "me@example.jp"}); }},
        {"background sound", ExecuteButton::InsertBackgroundSound, Page, "", 0,
         [](auto& t) {
             t.set(background_sound_panel::FileBox, t.folder() + "/snd/a.wav");
             t.set(background_sound_panel::RepeatBox, "3");
         },
         [](const S& s, const QString& f) { return gen::makeBgsound({s, f + "/snd/a.wav", "3", f}); }},
        {"movie", ExecuteButton::InsertMovie, Page, "", 0,
         [](auto& t) {
             t.set(movie_panel::FileBox, t.folder() + "/m.avi");
             t.set(movie_panel::TextBox, "動画");
         },
         [](const S& s, const QString& f) { return gen::makeDynsrc({s, f + "/m.avi", "動画", f}); }},
        {"background image", ExecuteButton::InsertBackgroundImage, Page, "", 0,
         [](auto& t) {
             t.set(background_image_panel::FileBox, t.folder() + "/bg.gif");
             t.tick(ControlRef(background_image_panel::Repeat, 2));
         },
         [](const S& s, const QString& f) { return gen::makeBgImage({s, f + "/bg.gif", 2, f}); }},
        {"background image without a body", ExecuteButton::InsertBackgroundImage, QStringLiteral("<P>ただの文</P>"), "", 0,
         [](auto& t) { t.set(background_image_panel::FileBox, "bg.gif"); },
         [](const S& s, const QString& f) { return gen::makeBgImage({s, "bg.gif", 0, f}); }},
        {"font", ExecuteButton::InsertFont, Page, "本文", 0,
         [](auto& t) {
             auto* list = t.w().controls.template get<QListWidget>(font_panel::FontList);
             list->addItems({"IPAGothic", "Sans"});
         },
         [](const S& s, const QString&) { return gen::makeFont({s, {"IPAGothic", "Sans"}}); }},
        {"document type", ExecuteButton::InsertDoctype, Page, "", 0, [](auto& t) { t.tick(ControlRef(doctype_panel::Version, 2)); },
         [](const S& s, const QString&) { return gen::makeDoctype({s, 2}); }},
        {"font size", ExecuteButton::InsertFontSize, Page, "本文", 0, [](auto& t) { t.set(font_size_panel::SizeBox, "+2"); },
         [](const S& s, const QString&) { return gen::makeFontSize({s, "+2"}); }},
        {"font colour", ExecuteButton::InsertFontColour, Page, "本文", 0, [](auto& t) { t.set(font_colour_panel::ColourBox, "#123456"); },
         [](const S& s, const QString&) { return gen::makeFontColour({s, "#123456"}); }},
        {"emphasis", ExecuteButton::InsertEmphasis, Page, "本文", 0, {}, [](const S& s, const QString&) { return gen::makeEm({s}); }},
        {"strong emphasis", ExecuteButton::InsertStrong, Page, "本文", 0, {}, [](const S& s, const QString&) { return gen::makeStrong({s}); }},
        {"font shape", ExecuteButton::InsertFontShape, Page, "本文\r\n", 0,
         [](auto& t) {
             t.tick(font_shape_panel::BoldCheck);
             t.tick(font_shape_panel::TeletypeCheck);
             t.tick(font_shape_panel::ScriptCheck);
             t.tick(font_shape_panel::SuperscriptOption);
         },
         [](const S& s, const QString&) {
             gen::FontShapeInput in;
             in.editor = s;
             in.bold = in.teletype = in.script = in.superscript = true;
             return gen::makeFontShape(in);
         }},
        {"space", ExecuteButton::InsertSpace, Page, "", 10, {}, [](const S& s, const QString&) { return gen::makeSpace({s}); }},
        {"title", ExecuteButton::InsertTitle, Page, "", 0, [](auto& t) { t.set(title_panel::TitleBox, "題名"); },
         [](const S& s, const QString&) { return gen::makeTitle({s, "題名"}); }},
        {"heading", ExecuteButton::InsertHeading, Page, "見出しと本文\r\n", 0, [](auto& t) { t.set(heading_panel::LevelBox, "2"); },
         [](const S& s, const QString&) { return gen::makeHeading({s, "2"}); }},
        {"heading without a selection", ExecuteButton::InsertHeading, Page, "", 3, {}, [](const S& s, const QString&) { return gen::makeHeading({s, "2"}); }},
        {"body colours", ExecuteButton::SetBodyColours, Page, "", 0,
         [](auto& t) {
             t.set(body_colours_panel::TextColourBox, "#111111");
             t.set(body_colours_panel::BackgroundBox, "#EEEEEE");
         },
         [](const S& s, const QString&) { return gen::makeBodyColours({s, "#111111", "#EEEEEE"}); }},
        {"margins", ExecuteButton::SetMargins, Page, "", 0,
         [](auto& t) {
             t.set(margins_panel::TopMarginBox, "7");
             t.set(margins_panel::LeftMarginBox, "0.875");
         },
         [](const S& s, const QString&) { return gen::makeBodyMargins({s, "7", "0.875"}); }},
        {"comment", ExecuteButton::InsertComment, Page, "二行目です\r\n", 0, {}, [](const S& s, const QString&) { return gen::makeComment({s}); }},
        {"paragraph", ExecuteButton::InsertAlignedParagraph, Page, "本文", 0, [](auto& t) { t.tick(ControlRef(paragraph_panel::Alignment, 1)); },
         [](const S& s, const QString&) { return gen::makePAlign({s, 1}); }},
        {"position", ExecuteButton::InsertAlignedDivision, Page, "本文", 0, [](auto& t) { t.tick(ControlRef(position_panel::Alignment, 2)); },
         [](const S& s, const QString&) { return gen::makeDivAlign({s, 3}); }},
        {"preformatted", ExecuteButton::InsertPreformatted, Page, "本文", 0, {}, [](const S& s, const QString&) { return gen::makePre({s}); }},
        {"jump target", ExecuteButton::InsertPageJump, Page, "本文", 0,
         [](auto& t) {
             t.tick(page_jump_panel::TargetOption);
             t.set(page_jump_panel::TargetNameBox, "JMP9");
         },
         [](const S& s, const QString&) { return gen::makePageJump({s, false, "JMP1", "JMP9"}); }},
        {"document information", ExecuteButton::InsertDocumentInfo, Page, "", 0,
         [](auto& t) {
             t.set(document_info_panel::AuthorBox, "山田");
             t.set(document_info_panel::KeywordsBox, "a,b");
             t.set(document_info_panel::DescriptionBox, "説明");
         },
         [](const S& s, const QString&) { return gen::makeMeta({s, "山田", "a,b", "説明"}); }},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(GeneratorButtonsTest, SomeResultsWordForWord)
{
    start();
    using S = gen::EditorState;
    // 0.875 mm at 0.35 mm a dot is 2.5 dots: halves go to the even neighbour.
    check({"margins", ExecuteButton::SetMargins, Page, "", 0,
           [](auto& t) {
               t.set(margins_panel::TopMarginBox, "0.875");
               t.set(margins_panel::LeftMarginBox, "1.225");
           },
           [](const S& s, const QString&) { return gen::makeBodyMargins({s, "0.875", "1.225"}); }});
    EXPECT_TRUE(ed()->text().contains(QStringLiteral("<BODY leftmargin=\"   4\"  topmargin=\"   2\" >"))) << ed()->text().toStdString();

    // A comment over a selection that ends in a line break leaves the line break after it.
    check({"comment", ExecuteButton::InsertComment, Page, "二行目です\r\n", 0, {}, [](const S& s, const QString&) { return gen::makeComment({s}); }});
    EXPECT_TRUE(ed()->text().contains(QStringLiteral(" <!-- 二行目です --> \r\n</BODY>")));

    // The link's target is made relative to the document's folder.
    check({"link", ExecuteButton::InsertLink, Page, "本文", 0,
           [](auto& t) {
               t.w().commands.invoke(advanced_menu::SetLink);
               t.set(link_panel::TargetBox, t.folder() + QStringLiteral("/sub/page2.html"));
           },
           [](const S& s, const QString& f) { return gen::makeLinkButton({s, f + "/sub/page2.html", false, f}, true); }});
    EXPECT_TRUE(ed()->text().contains(QStringLiteral("見出しと <A href=\"sub/page2.html\" >本文 </A> ")));

    // With the focus in one of the panel's boxes, the title still goes into the document.
    ed()->setText(Page);
    auto* box = w().controls.get<QLineEdit>(title_panel::TitleBox);
    box->setText(QStringLiteral("題名"));
    box->setFocus();
    w().dispatcher.press(ExecuteButton::InsertTitle);
    EXPECT_TRUE(ed()->text().contains(QStringLiteral("<TITLE>題名</TITLE>")));
    EXPECT_EQ(box->text(), QStringLiteral("題名"));
}
