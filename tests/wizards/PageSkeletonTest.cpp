#include "wizards/generators/PageSkeletons.h"

#include "ApplyEdit.h"

#include <gtest/gtest.h>

namespace {

QString version()
{
    return QStringLiteral("%1.%2.%3").arg(PELMOR_VERSION_MAJOR).arg(PELMOR_VERSION_MINOR).arg(PELMOR_VERSION_PATCH);
}

QString head(const char* contentTypeEnd)
{
    return QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
                          "<HTML lang=\"ja\">\r\n"
                          "<HEAD>\r\n"
                          "<META name=\"GENERATOR\" content=\"ZUDOzediva ")
           + version()
           + QStringLiteral(" for Windows\">\r\n"
                            "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\"")
           + QLatin1String(contentTypeEnd)
           + QStringLiteral("\r\n"
                            "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n"
                            "<TITLE></TITLE>\r\n"
                            "</HEAD>\r\n");
}

TEST(PageSkeleton, TheTwoPagesByteForByte)
{
    EXPECT_EQ(gen::generatorContent(), "ZUDOzediva " + version() + " for Windows");
    EXPECT_EQ(gen::pageSkeletonText(), head(" > ") + "<BODY> \r\n</BODY>\r\n</HTML>");

    const QString welcome = QString(10, QChar(0x3000)) + QStringLiteral("「HTMLペルモア」とは? <BR>\r\n");
    const QString sample = gen::samplePageText();
    ASSERT_TRUE(sample.startsWith(head(" >") + "<BODY>\r\n<P>\r\n" + welcome)) << sample.toStdString();
    EXPECT_TRUE(sample.contains(QStringLiteral("「HTMLペルモア」はHTMLのソースエディターです。<BR>\r\n")));
    EXPECT_TRUE(sample.endsWith(QStringLiteral("又テキストの必要な個所だけを表示して編集できる「リージョン機能」はHTMLドキュメントの作成や<BR>\r\n"
                                               "編集の効率を飛躍的に高めます。<BR>\r\n</P>\r\n</BODY>\r\n</HTML>")));
    EXPECT_EQ(sample.count(QStringLiteral("<BR>\r\n")), 7);

    EXPECT_EQ(gen::WrapPage("a\r\nb"), head(" >") + "<BODY>\r\na\r\nb\r\n</BODY>\r\n</HTML>");
}

TEST(PageSkeleton, AsksBeforeOverwritingTextOnly)
{
    struct Case { const char* text; bool asks; };
    const Case cases[] = {{"", false}, {"   ", false}, {"\r\n\r\n", true}, {"x", true}, {"\t", true}};
    for (const Case& c : cases) {
        for (const auto& make : {gen::makePageSkeleton, gen::makeSamplePage}) {
            const gen::GeneratedEdit e = make({QString::fromUtf8(c.text)});
            ASSERT_EQ(e.confirm.has_value(), c.asks) << c.text;
            if (c.asks) {
                EXPECT_EQ(e.confirm->text, QStringLiteral("ソースが存在しますが上書きしますか?"));
                EXPECT_EQ(e.confirm->buttons, gen::Buttons::YesNo);
            }
        }
    }
}

TEST(PageSkeleton, ReplacesTheWholeDocumentAndWritesTheTemporaryPage)
{
    const gen::EditorState old = editorWith("<!--Reg001-->old body", 5, 3);
    const gen::GeneratedEdit skeleton = gen::makePageSkeleton({"header\r\n<!--Reg001-->old body\r\nfooter"});
    const AppliedText s = applyEdit(old, skeleton);
    EXPECT_EQ(s.text, gen::pageSkeletonText());
    EXPECT_EQ(s.selStart, 0);
    EXPECT_EQ(s.selLength, 0);
    EXPECT_TRUE(s.painted.isEmpty());

    const gen::GeneratedEdit sample = gen::makeSamplePage({"x"});
    EXPECT_EQ(applyEdit(old, sample).text, gen::samplePageText());
    EXPECT_FALSE(sample.selectAfter.has_value());

    // Both commands leave nothing of the old document's regions, header or footer, and the undo
    // snapshot is taken of the whole old text.
    for (const gen::GeneratedEdit& e : {skeleton, sample}) {
        EXPECT_TRUE(e.replacesDocument);
        EXPECT_TRUE(e.snapshot);
        EXPECT_TRUE(e.writeTempPage);
        EXPECT_FALSE(e.message.has_value());
    }
}

} // namespace
