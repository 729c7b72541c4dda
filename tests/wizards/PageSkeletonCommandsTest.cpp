#include "platform/RichEdit.h"
#include "platform/TextFile.h"
#include "support/AppFixture.h"
#include "wizards/EasyMenu.h"
#include "workspace/DocumentText.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// The generator element of this build.
QString generatorLine()
{
    return QStringLiteral("<META name=\"GENERATOR\" content=\"ZUDOzediva %1.%2.%3 for Windows\">")
        .arg(PELMOR_VERSION_MAJOR)
        .arg(PELMOR_VERSION_MINOR)
        .arg(PELMOR_VERSION_PATCH);
}

QString skeleton()
{
    return QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
                          "<HTML lang=\"ja\">\r\n"
                          "<HEAD>\r\n")
        + generatorLine()
        + QStringLiteral("\r\n<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\" > \r\n"
                         "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n"
                         "<TITLE></TITLE>\r\n"
                         "</HEAD>\r\n"
                         "<BODY> \r\n"
                         "</BODY>\r\n"
                         "</HTML>");
}

QString samplePage()
{
    return QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
                          "<HTML lang=\"ja\">\r\n"
                          "<HEAD>\r\n")
        + generatorLine()
        + QStringLiteral("\r\n<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\" >\r\n"
                         "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n"
                         "<TITLE></TITLE>\r\n"
                         "</HEAD>\r\n"
                         "<BODY>\r\n"
                         "<P>\r\n");
}

} // namespace

class PageSkeletonCommandsTest : public AppFixture {
protected:
    RichEdit* ed() { return w().ws.currentEditor(); }
    QByteArray tempPage() { return readFile(w().ws.tempPagePath(0)); }
};

TEST_F(PageSkeletonCommandsTest, OnAnEmptyDocumentBothPagesComeWithoutAQuestion)
{
    start();
    w().commands.invoke(easy_menu::InsertPageSkeleton);
    EXPECT_EQ(ed()->text(), skeleton());
    EXPECT_EQ(ed()->selectionStart(), 0);
    EXPECT_EQ(ed()->selectionLength(), 0);
    EXPECT_FALSE(ed()->canUndo());
    EXPECT_EQ(tempPage(), encodeText(skeleton() + CrLf, TextEncoding::Cp932, true).bytes) << "the preview's page, in code page 932";

    ed()->setText(QStringLiteral("   "));
    w().commands.invoke(easy_menu::InsertSamplePage);
    EXPECT_TRUE(ed()->text().startsWith(samplePage()));
    EXPECT_TRUE(ed()->text().endsWith(QStringLiteral("編集の効率を飛躍的に高めます。<BR>\r\n</P>\r\n</BODY>\r\n</HTML>")));
    EXPECT_EQ(tempPage(), encodeText(ed()->text() + CrLf, TextEncoding::Cp932, true).bytes);
}

TEST_F(PageSkeletonCommandsTest, OverAnExistingTextItAsksAndNoChangesNothing)
{
    start();
    ed()->setText(QStringLiteral("\r\n"));
    ed()->setSelectionStart(2);
    QFile::remove(w().ws.tempPagePath(0));
    dialogs.expectMsg(QStringLiteral("ソースが存在しますが上書きしますか?"), MsgResult::No);
    w().commands.invoke(easy_menu::InsertPageSkeleton);
    EXPECT_EQ(ed()->text(), QStringLiteral("\r\n"));
    EXPECT_EQ(ed()->selectionStart(), 2);
    EXPECT_FALSE(QFile::exists(w().ws.tempPagePath(0))) << "no file is written";
}

TEST_F(PageSkeletonCommandsTest, TheNewPageReplacesTheWholeDocumentAndOneUndoGivesItBack)
{
    start();
    // A page whose header and footer are hidden and which holds a folded region.
    Document& d = w().ws.current();
    d.header = QStringLiteral("<HTML><HEAD><TITLE>古い</TITLE></HEAD>\r\n<BODY>\r\n");
    d.footer = QStringLiteral("</BODY></HTML>");
    d.regions[1] = QStringLiteral("<P>たたんだ段落</P>");
    ed()->setText(QStringLiteral("<P>本文</P>\r\n") + regionMarker(1) + CrLf);
    const QString whole = expandedText(d);

    for (int item : {1, 0}) {
        SCOPED_TRACE(item);
        dialogs.expectMsg(QStringLiteral("ソースが存在しますが上書きしますか?"), MsgResult::Yes);
        w().commands.invoke(easy_menu::Menu, item);
        EXPECT_TRUE(d.header.isEmpty());
        EXPECT_TRUE(d.footer.isEmpty());
        EXPECT_TRUE(d.regions[1].isEmpty());
        EXPECT_FALSE(ed()->text().contains(QStringLiteral("古い")));
        EXPECT_EQ(fullText(d), ed()->text()) << "nothing of the old page wraps the new one";
        // The temporary page is the new page alone.
        EXPECT_EQ(tempPage(), encodeText(ed()->text() + CrLf, TextEncoding::Cp932, true).bytes);
        w().undo.stepBack();
        EXPECT_EQ(ed()->text(), whole) << "the whole old text, header, footer and region included";
    }
}
