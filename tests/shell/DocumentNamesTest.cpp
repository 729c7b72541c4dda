#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "shell/ShellControls.h"
#include "shell/ShellMenus.h"
#include "stylesheet/StylesheetControls.h"
#include "support/AppFixture.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/FramesWizardControls.h"
#include "workspace/PathHelpers.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <functional>
#include <gtest/gtest.h>

// Wherever a document's name changes, its tab, the pane on show and the status bar name the same
// document at once.
class DocumentNamesTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        site = temp.path() + QStringLiteral("/site");
        QDir().mkpath(site);
        useShippedResource(QStringLiteral("csssample.txt"));
    }
    template <typename T>
    T* control(ControlId id)
    {
        return w().controls.get<T>(id);
    }
    // What the status bar of the window shows.
    QString statusBar()
    {
        const auto labels = w().findChild<QStatusBar*>()->findChildren<QLabel*>();
        return labels.isEmpty() ? QString() : labels.first()->text();
    }
    void expectNamesOneDocument(const QString& fileName)
    {
        const int n = w().ws.currentIndex();
        EXPECT_EQ(w().ws.doc(n).fileName, fileName);
        // The tab on show is one of the document's two; its source shows with the source tab.
        const int tab = w().ws.tabStrip().currentIndex();
        EXPECT_EQ(Workspace::documentOfTab(tab), n);
        EXPECT_EQ(w().ws.sourceEditor(n)->isVisible(), !Workspace::isPreviewTab(tab));
        EXPECT_EQ(w().ws.sourceCaption(n), fileName);
        const QString shown = w().ws.documentPath(n);
        EXPECT_TRUE(shown.endsWith(QLatin1Char('/') + fileName)) << shown.toStdString();
        EXPECT_EQ(w().ws.statusText(), shown);
        EXPECT_EQ(statusBar(), shown);
        // A click on the preview tab and back on the source tab shows the same.
        w().ws.selectPreviewTab(n);
        w().ws.selectSourceTab(n);
        EXPECT_EQ(statusBar(), shown);
    }
    QString site;
};

TEST_F(DocumentNamesTest, EveryWayANameChangesShowsAtOnceInTheStatusBar)
{
    struct Way {
        const char* what;
        std::function<void()> rename;
        QString fileName;
    };
    const Way ways[] = {
        {"a stylesheet with its sample", [this] { w().commands.invoke(stylesheet_menu::InsertSampleStylesheet); },
         QStringLiteral("csssample.css")},
        {"an empty stylesheet of a name",
         [this] {
             w().commands.invoke(stylesheet_menu::CreateEmptyStylesheet);
             control<QLineEdit>(stylesheet_name_panel::NameBox)->setText(QStringLiteral("mine"));
             w().dispatcher.press(ExecuteButton::CreateStylesheet);
         },
         QStringLiteral("mine.css")},
        {"automatic creation of an opened text",
         [this] {
             const QString memo = site + QStringLiteral("/memo.txt");
             writeFile(memo, "題名\r\n\r\n見出し\r\n本文です。\r\n");
             dialogs.expectOpen(memo);
             w().fileMenu.openFile();
             QApplication::processEvents();
         },
         QStringLiteral("memoindex.html")},
        {"the frames wizard",
         [this] {
             w().ws.doc(0).fileName = QStringLiteral("left.html");
             w().ws.doc(0).folder = site;
             w().ws.sourceEditor(0)->setText(QStringLiteral("<HTML><HEAD></HEAD><BODY>左</BODY></HTML>"));
             ASSERT_TRUE(w().ws.addDocument());
             w().ws.doc(1).fileName = QStringLiteral("right.html");
             w().ws.doc(1).folder = site;
             w().ws.sourceEditor(1)->setText(QStringLiteral("<HTML><HEAD></HEAD><BODY>右</BODY></HTML>"));
             control<QLineEdit>(frames_wizard::FirstFileBox)->setText(QStringLiteral("left.html"));
             control<QLineEdit>(frames_wizard::SecondFileBox)->setText(QStringLiteral("right.html"));
             control<QPushButton>(frames_wizard::RunButton)->click();
         },
         QStringLiteral("index.html")},
        {"the rename panel",
         [this] {
             w().commands.invoke(file_menu::RenameFile);
             control<QListWidget>(rename_panel::NameList)->setCurrentRow(0);
             control<QLineEdit>(rename_panel::NewNameBox)->setText(QStringLiteral("renamed.html"));
             w().dispatcher.press(ExecuteButton::RenameFile);
         },
         QStringLiteral("renamed.html")},
        {"save as",
         [this] {
             w().ws.sourceEditor(0)->setText(QStringLiteral("<P>page</P>"));
             dialogs.expectSave(site + QStringLiteral("/saved.html"));
             w().commands.invoke(file_menu::SaveAs);
         },
         QStringLiteral("saved.html")},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        start();
        way.rename();
        expectNamesOneDocument(way.fileName);
        EXPECT_EQ(dialogs.pending(), 0);
        stop();
        dialogs.clear();
        for (const QString& folder : {site, programFolder, programFolder + QStringLiteral("/resource")}) {
            for (const QString& name : QDir(folder).entryList({QStringLiteral("$$$*")}, QDir::Files))
                QFile::remove(folder + QLatin1Char('/') + name);
        }
    }
}

TEST_F(DocumentNamesTest, TheImagePanelCountsFromTheDocumentsPathAsItIsNow)
{
    start();
    w().commands.invoke(advanced_menu::InsertImage);
    auto* basePath = control<QLabel>(image_panel::DocumentPathLabel);
    EXPECT_EQ(basePath->text(), w().ws.documentPath(0));
    EXPECT_TRUE(basePath->text().endsWith(QStringLiteral("/$$$000.html")));

    // Saved while the panel is open: the box names the saved page.
    w().ws.sourceEditor(0)->setText(QStringLiteral("<P>page</P>"));
    dialogs.expectSave(site + QStringLiteral("/index.html"));
    w().commands.invoke(file_menu::SaveAs);
    EXPECT_EQ(basePath->text(), site + QStringLiteral("/index.html"));
    EXPECT_EQ(basePath->toolTip(), basePath->text()) << "a path longer than the panel shows whole in the tip";

    // Another document made current, and back.
    ASSERT_TRUE(w().ws.addDocument());
    EXPECT_EQ(basePath->text(), w().ws.documentPath(1));
    w().ws.selectSourceTab(0);
    EXPECT_EQ(basePath->text(), site + QStringLiteral("/index.html"));
    // Opened again after the panel was closed.
    w().dispatcher.press(ExecuteButton::CloseImagePanel);
    w().commands.invoke(advanced_menu::InsertImage);
    EXPECT_EQ(basePath->text(), site + QStringLiteral("/index.html"));
}

TEST_F(DocumentNamesTest, TheSamplePageKeepsTheTabsCaptionAndTheStatusBarFollowsItsName)
{
    useShippedResource(QStringLiteral("htmlsample.html"));
    start();
    w().ws.nameDocument(0, site, QStringLiteral("index.html"));
    w().commands.invoke(stylesheet_menu::InsertSamplePage);
    EXPECT_EQ(w().ws.sourceCaption(0), QStringLiteral("index.html"));
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("htmlsample.html"));
    EXPECT_EQ(statusBar(), w().ws.documentPath(0));
    EXPECT_TRUE(statusBar().endsWith(QStringLiteral("/resource/htmlsample.html")));
}
