#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "support/AppFixture.h"
#include "wizards/generators/FramesetGenerator.h"
#include "workspace/DocumentText.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/FramesWizardControls.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString LeftText = QStringLiteral("<HTML>\r\n<head>\r\n<TITLE>左</TITLE>\r\n</head>\r\n<BODY>\r\n<A HREF=\"a.html\">目次</A>\r\n</BODY>\r\n</HTML>");
const QString BaseLine = QStringLiteral("<BASE TARGET=\"right\">\r\n");

QByteArray cp932(const QString& text)
{
    return encodeText(text + CrLf, TextEncoding::Cp932, true).bytes;
}

} // namespace

class FramesWizardTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        leftFolder = temp.path() + QStringLiteral("/site");
        rightFolder = temp.path() + QStringLiteral("/site/pages");
        QDir().mkpath(rightFolder);
    }
    // Two saved pages: the left one in the site's folder, the right one, with a folded region
    // and its header hidden, in a folder below.
    void twoPages()
    {
        start();
        Document& left = w().ws.doc(0);
        left.fileName = QStringLiteral("left.html");
        left.folder = leftFolder;
        left.sourceEditor->setText(LeftText);
        ASSERT_TRUE(w().ws.addDocument());
        Document& right = w().ws.doc(1);
        right.fileName = QStringLiteral("right.html");
        right.folder = rightFolder;
        right.header = QStringLiteral("<HTML><HEAD><TITLE>右</TITLE></HEAD>\r\n<BODY>\r\n");
        right.footer = QStringLiteral("</BODY></HTML>");
        right.regions[1] = QStringLiteral("<P>たたんだ本文</P>");
        right.sourceEditor->setText(QStringLiteral("<P>右のページ</P>\r\n") + regionMarker(1) + CrLf);
        rightWhole = expandedText(right);
        set(frames_wizard::FirstFileBox, QStringLiteral("left.html"));
        set(frames_wizard::SecondFileBox, QStringLiteral("right.html"));
    }
    void set(ControlId box, const QString& text) { w().controls.get<QLineEdit>(box)->setText(text); }
    void press(ControlId button) { w().controls.get<QPushButton>(button)->click(); }
    QString pageOf(const gen::FramesetInput& in) { return gen::makeFrameset(in).page; }

    QString leftFolder;
    QString rightFolder;
    QString rightWhole;
};

TEST_F(FramesWizardTest, RunWritesTheThreePagesEachIntoItsDocumentsFolder)
{
    twoPages();
    press(frames_wizard::RunButton);
    ASSERT_EQ(w().ws.documentCount(), 3) << "the frameset page goes into a new third document";
    const Document& frameset = w().ws.doc(2);
    EXPECT_EQ(frameset.sourceEditor->text(), pageOf({}));
    EXPECT_EQ(frameset.fileName, QStringLiteral("index.html"));
    EXPECT_EQ(w().ws.tabStrip().tabText(5), QStringLiteral("index.html"));
    EXPECT_TRUE(w().controls.get<QWidget>(frames_wizard::Panel)->isHidden());

    const QString leftWithBase = QStringLiteral("<HTML>\r\n<head>\r\n<TITLE>左</TITLE>\r\n") + BaseLine
        + QStringLiteral("</head>\r\n<BODY>\r\n<A HREF=\"a.html\">目次</A>\r\n</BODY>\r\n</HTML>");
    EXPECT_EQ(w().ws.doc(0).sourceEditor->text(), leftWithBase);
    EXPECT_EQ(readFile(leftFolder + QStringLiteral("/left.html")), cp932(leftWithBase));
    EXPECT_EQ(readFile(rightFolder + QStringLiteral("/right.html")), cp932(rightWhole)) << "the whole text, region and header included";
    EXPECT_EQ(readFile(frameset.folder + QStringLiteral("/index.html")), cp932(pageOf({})));
    EXPECT_FALSE(QFile::exists(rightFolder + QStringLiteral("/index.html")));
    EXPECT_FALSE(w().ws.doc(0).modified) << "what is on disk is what the document holds";
}

TEST_F(FramesWizardTest, UndoClosesExactlyTheDocumentTheRunAdded)
{
    twoPages();
    press(frames_wizard::RunButton);
    ASSERT_EQ(w().ws.documentCount(), 3);
    press(frames_wizard::UndoButton);
    EXPECT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.doc(0).sourceEditor->text(), LeftText);
    EXPECT_EQ(expandedText(w().ws.doc(1)), rightWhole);
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 1);
    // A second undo has nothing left to take back.
    press(frames_wizard::UndoButton);
    EXPECT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.doc(0).sourceEditor->text(), LeftText);
}

TEST_F(FramesWizardTest, AnEmptyThirdDocumentReceivesThePageAndUndoEmptiesIt)
{
    twoPages();
    ASSERT_TRUE(w().ws.addDocument());
    ASSERT_TRUE(w().ws.addDocument());
    w().ws.sourceEditor(3)->setText(QStringLiteral("<P>四つ目</P>"));
    press(frames_wizard::RunButton);
    ASSERT_EQ(w().ws.documentCount(), 4) << "no document is added";
    EXPECT_EQ(w().ws.sourceEditor(2)->text(), pageOf({}));
    press(frames_wizard::UndoButton);
    EXPECT_EQ(w().ws.documentCount(), 4);
    EXPECT_TRUE(w().ws.sourceEditor(2)->text().isEmpty());
    EXPECT_EQ(w().ws.doc(2).fileName, QStringLiteral("$$$002.html"));
    EXPECT_EQ(w().ws.sourceEditor(3)->text(), QStringLiteral("<P>四つ目</P>")) << "nothing else";
}

TEST_F(FramesWizardTest, PagesWithOnlyTheirTemporaryNamesAreToBeSavedFirst)
{
    start();
    ASSERT_TRUE(w().ws.addDocument());
    dialogs.expectMsg(gen::framesSaveFirstMessage());
    press(frames_wizard::RunButton);
    EXPECT_EQ(w().ws.documentCount(), 2);
    press(frames_wizard::UndoButton);
    EXPECT_EQ(w().ws.documentCount(), 2) << "without a run, undo does nothing";
}

TEST_F(FramesWizardTest, ReplacingAnotherFileAsksTheOverwriteQuestion)
{
    twoPages();
    writeFile(leftFolder + QStringLiteral("/index.html"), "mine");
    dialogs.expectMsg(QStringLiteral("同じ名前のファイルが既にあります、上書きしますか？"), MsgResult::No);
    press(frames_wizard::RunButton);
    EXPECT_EQ(readFile(leftFolder + QStringLiteral("/index.html")), QByteArray("mine"));
    EXPECT_TRUE(QFile::exists(rightFolder + QStringLiteral("/right.html"))) << "the frames' pages are written";
    press(frames_wizard::UndoButton);
    dialogs.expectMsg(QStringLiteral("同じ名前のファイルが既にあります、上書きしますか？"), MsgResult::Yes);
    press(frames_wizard::RunButton);
    EXPECT_EQ(readFile(leftFolder + QStringLiteral("/index.html")), cp932(pageOf({})));
}

TEST_F(FramesWizardTest, TheBorderWidthAndAFailedWriteAreReported)
{
    twoPages();
    set(frames_wizard::BorderWidthBox, QStringLiteral("1"));
    press(frames_wizard::RunButton);
    gen::FramesetInput in;
    in.borderWidth = QStringLiteral("1");
    EXPECT_EQ(w().ws.sourceEditor(2)->text(), pageOf(in));
    EXPECT_TRUE(w().ws.sourceEditor(2)->text().contains(QStringLiteral("BORDER=\"3\"")));
    press(frames_wizard::UndoButton);

    QDir(rightFolder).removeRecursively();
    dialogs.expectMsg(QStringLiteral("設定が違います"));
    press(frames_wizard::RunButton);
    EXPECT_EQ(readFile(leftFolder + QStringLiteral("/left.html")).isEmpty(), false) << "what was done before stays done";
}

TEST_F(FramesWizardTest, TheCloseButtonsHideThePanel)
{
    start();
    for (ControlId button : {frames_wizard::CloseBox, frames_wizard::CloseButton}) {
        w().commands.invoke(advanced_menu::MakeFrames);
        press(button);
        EXPECT_TRUE(w().controls.get<QWidget>(frames_wizard::Panel)->isHidden());
    }
}
