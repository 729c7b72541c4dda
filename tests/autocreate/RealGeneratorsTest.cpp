#include "autocreate/GeneratorAdapters.h"

#include "autocreate/WholeRunCases.h"
#include "support/QtPrinters.h"
#include "wizards/generators/GeneratorSupport.h"

#include <gtest/gtest.h>

using namespace autocreate;

namespace {

struct RunResult {
    AutoCreateOutcome outcome;
    std::shared_ptr<GeneratorEffects> effects = std::make_shared<GeneratorEffects>();
};

RunResult run(const QString& text, FrameLayout frames, const PanelInputs& panels = PanelInputs())
{
    RunResult r;
    AutoCreateSettings settings;
    settings.frames = frames;
    r.outcome = runAutoCreateSteps(text, QStringLiteral("memo.txt"), settings,
                                   realGenerators(panels, QStringLiteral("/home/user/web"), r.effects));
    return r;
}

QStringList boxWrites(const GeneratorEffects& effects)
{
    QStringList writes;
    for (const gen::FieldWrite& f : effects.fields)
        writes << QStringLiteral("%1(%2)=%3").arg(QString::fromLatin1(f.control.key)).arg(f.control.index).arg(f.text);
    return writes;
}

TEST(RealGenerators, MakeTheWholePageWithoutFrames)
{
    const RunResult r = run(wholerun::Text, FrameLayout::None);
    EXPECT_EQ(r.outcome.page, wholerun::page());
    EXPECT_TRUE(wholerun::crLfOnly(r.outcome.page));
    EXPECT_FALSE(r.outcome.frames.has_value());
    EXPECT_EQ(r.outcome.names.page, "memo.html");
    EXPECT_TRUE(r.effects->messages.isEmpty()) << r.effects->messages.join('|').toStdString();
    // The image step fills the image panel's file box, the generator its relative path, the
    // table generator its source box.
    EXPECT_EQ(boxWrites(*r.effects),
              QStringList({"image-panel.chosen-file(-1)= cat.gif", "image-panel.relative-path(-1)=cat.gif",
                           "table-panel.data-box(-1)=品名,値段<BR>\r\nりんご、百円<BR>\r\n"}));
}

TEST(RealGenerators, MakeTheThreeFramePages)
{
    const RunResult r = run(wholerun::Text, FrameLayout::SideBySide);
    ASSERT_TRUE(r.outcome.frames.has_value());
    const FrameOutput& f = *r.outcome.frames;
    EXPECT_EQ(f.body, wholerun::bodyPage());
    EXPECT_EQ(f.navigation, wholerun::navigationPage());
    EXPECT_EQ(f.frameset, wholerun::framesetPage());
    for (const QString* page : {&f.body, &f.navigation, &f.frameset})
        EXPECT_TRUE(wholerun::crLfOnly(*page));
    EXPECT_EQ(r.outcome.names.body, "memoright.html");
    EXPECT_TRUE(boxWrites(*r.effects).contains("background-image-panel.file(-1)=side.gif"));
}

TEST(RealGenerators, ListsAndTablesGetAnItemOrRowForEachLine)
{
    const RunResult r = run(wholerun::BlocksText, FrameLayout::None);
    EXPECT_EQ(r.outcome.page, wholerun::blocksPage());
    EXPECT_TRUE(r.effects->messages.isEmpty()) << r.effects->messages.join('|').toStdString();
}

// The panels' settings as they stand when the run starts shape what the generators make.
TEST(RealGenerators, ThePanelsSettingsReachTheGenerators)
{
    PanelInputs panels;
    panels.list.kind = 2;          // numbered
    panels.table.headers = 0;      // no header cells
    panels.rule.colour = "#123456";
    panels.image.alt = "cat";
    const RunResult r = run(wholerun::Text, FrameLayout::TopBottom, panels);
    ASSERT_TRUE(r.outcome.frames.has_value());
    const QString& body = r.outcome.frames->body;
    EXPECT_TRUE(body.contains("\r\n<OL>\r\n<LI>apple<BR>\r\n<LI>orange<BR>\r\n\r\n</OL>\r\n"));
    EXPECT_FALSE(body.contains("<TH"));
    EXPECT_EQ(body.count("color=\"#123456\""), 2) << "both rules around the title";
    EXPECT_TRUE(body.contains("alt=\"cat\""));
    // One above the other: the frames are renamed as the frames panel renames them.
    EXPECT_TRUE(r.outcome.frames->frameset.contains("<FRAMESET rows=\"20%,*\""));
    EXPECT_TRUE(r.outcome.frames->frameset.contains("NAME=\"top\""));
    EXPECT_TRUE(r.outcome.frames->frameset.contains("NAME=\"down\""));
    EXPECT_TRUE(r.outcome.frames->navigation.contains("<BASE TARGET=\"down\">\r\n</HEAD>"));
}

// A generator that refuses says why, and what it was given stays in the page.
TEST(RealGenerators, ARefusingGeneratorLeavesItsTextAndSaysWhy)
{
    PanelInputs panels;
    panels.table.border = "1e30";
    panels.frames.borderWidth = "1e30";
    const QString text = "Table\r\n<表>\r\n a,b\r\n </表>\r\n<画像>\r\n";
    const RunResult r = run(text, FrameLayout::SideBySide, panels);
    ASSERT_TRUE(r.outcome.frames.has_value());
    EXPECT_TRUE(r.outcome.frames->body.contains("\r\na,b<BR>\r\n"));
    EXPECT_TRUE(r.outcome.frames->frameset.isEmpty());
    EXPECT_EQ(r.effects->messages,
              QStringList({"画像が選択されていません。^_^;", gen::tooLargeMessage(), "設定が違います"}));
}

} // namespace
