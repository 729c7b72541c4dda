// Automatic creation on the real window: the run, its menu, the automatic run of a text file
// that is opened, the settings panel, the in-page links and the Edit menu's skeleton.
#include "autocreate/AutoCreateTexts.h"
#include "autocreate/AutoCreateControls.h"
#include "autocreate/WholeRunCases.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "support/AppFixture.h"
#include "support/BrowserWaits.h"
#include "toolwindows/ColourPickerControls.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"
#include "wizards/FramesWizardControls.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <map>
#include <new>

namespace {

QByteArray cp932(const QString& text)
{
    return encodeText(text, TextEncoding::Cp932, true).bytes;
}

} // namespace

class AutoCreateWindowTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        web = temp.path() + QStringLiteral("/web");
        QDir().mkpath(web);
    }

    // The control, or a stand-in registered under its name while its panel is not built. The
    // stand-ins of one array share a parent, so that option buttons exclude each other.
    template <typename T>
    T* control(ControlRef id)
    {
        if (!w().controls.has(id)) {
            QWidget*& holder = standInHolders_[QString::fromLatin1(id.key)];
            if (!holder)
                holder = new QWidget(&w());
            w().controls.add(id, new T(holder));
        }
        return w().controls.get<T>(id);
    }
    std::map<QString, QWidget*> standInHolders_;
    QString box(ControlRef id) { return control<QLineEdit>(id)->text(); }

    // Opens a file through the File menu and lets the automatic run that follows happen.
    void openThroughMenu(const QString& file)
    {
        dialogs.expectOpen(file);
        w().fileMenu.openFile();
        QApplication::processEvents();
    }

    // The current document holds the text under a name in the web folder.
    void documentWith(const QString& text, const QString& name)
    {
        Document& d = w().ws.current();
        d.sourceEditor->setText(text);
        d.fileName = name;
        d.folder = web;
    }

    void run() { w().commands.invoke(auto_create_menu::Run); }

    QVariant script(WebBrowser* b, const QString& js)
    {
        auto result = std::make_shared<std::optional<QVariant>>();
        b->runScript(js, [result](const QVariant& v) { *result = v; });
        EXPECT_TRUE(waitUntil([&] { return result->has_value(); }));
        return result->value_or(QVariant());
    }

    // Every page of the browsers: a frame tells the page around it what it loaded, its links and
    // where it jumped to, and follows its second link when asked; the page keeps what it hears.
    void reportFrames()
    {
        QWebEngineScript listen;
        listen.setName(QStringLiteral("listen"));
        listen.setInjectionPoint(QWebEngineScript::DocumentCreation);
        listen.setWorldId(QWebEngineScript::ApplicationWorld);
        listen.setSourceCode(QStringLiteral(
            "window.framesReports = [];"
            "window.addEventListener('message', function (e) { window.framesReports.push(String(e.data)); });"));
        QWebEngineScript report;
        report.setName(QStringLiteral("report"));
        report.setInjectionPoint(QWebEngineScript::DocumentReady);
        report.setWorldId(QWebEngineScript::ApplicationWorld);
        report.setRunsOnSubFrames(true);
        report.setSourceCode(QStringLiteral(
            "if (window !== window.top) {"
            "  var tell = function (what) { window.top.postMessage(window.name + ' ' + what, '*'); };"
            "  tell('loaded ' + location.href.split('/').pop() + ' '"
            "       + Array.from(document.links).map(function (a) { return a.getAttribute('href'); }).join(','));"
            "  window.addEventListener('hashchange', function () {"
            "    var a = document.getElementsByName(location.hash.substring(1))[0];"
            "    tell('hash ' + location.hash + ' ' + (a ? a.textContent : '(no anchor)'));"
            "  });"
            "  window.addEventListener('message', function (e) { if (e.data === 'click 1') document.links[1].click(); });"
            "}"));
        scripts_ = {listen, report};
        for (const QWebEngineScript& s : scripts_)
            WebBrowser::sharedProfile()->scripts()->insert(s);
    }
    QStringList frameReports(WebBrowser* b)
    {
        return script(b, QStringLiteral("(window.framesReports || []).join('\\n')")).toString().split('\n');
    }
    void TearDown() override
    {
        for (const QWebEngineScript& s : scripts_)
            WebBrowser::sharedProfile()->scripts()->remove(s);
        AppFixture::TearDown();
    }
    QList<QWebEngineScript> scripts_;

    QString web;
};

TEST_F(AutoCreateWindowTest, OpeningATextFileMakesTheThreeFramePagesBesideIt)
{
    start();
    reportFrames();
    // The frames panel shows what the run used; the split follows the frame choice.
    control<QRadioButton>(ControlRef(frames_wizard::Split, 0));
    control<QRadioButton>(ControlRef(frames_wizard::Split, 1))->setChecked(true);
    for (ControlId name : {frames_wizard::FirstFileBox, frames_wizard::SecondFileBox, frames_wizard::FramesetFileBox})
        control<QLineEdit>(name);
    control<QLineEdit>(body_colours_panel::BackgroundBox);
    const QString file = web + QStringLiteral("/memo.txt");
    writeFile(file, cp932(wholerun::Text));
    dialogs.expectOpen(file);
    w().fileMenu.openFile();
    // The pages go beside the text file, whatever the current folder is by then.
    const QString elsewhere = temp.path() + QStringLiteral("/elsewhere");
    QDir().mkpath(elsewhere);
    QDir::setCurrent(elsewhere);
    QApplication::processEvents();

    ASSERT_EQ(w().ws.documentCount(), 3);
    EXPECT_FALSE(w().state.autoCreating);
    const QStringList names = {"memoleft.html", "memoright.html", "memoindex.html"};
    const QStringList texts = {wholerun::navigationPage(), wholerun::bodyPage(), wholerun::framesetPage()};
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(names[n].toStdString());
        const Document& d = w().ws.doc(n);
        EXPECT_EQ(d.fileName, names[n]);
        EXPECT_EQ(d.folder, web);
        // Each tab names its page whole, and its tooltip says where the page is.
        EXPECT_EQ(w().ws.sourceCaption(n), names[n]);
        EXPECT_EQ(w().ws.tabStrip().tabToolTip(Workspace::sourceTab(n)), web + QLatin1Char('/') + names[n]);
        EXPECT_EQ(d.sourceEditor->text(), texts[n]);
        EXPECT_EQ(readFile(web + QLatin1Char('/') + names[n]), cp932(texts[n] + CrLf));
    }
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
    // The open recorded the text file, not a page made from it.
    EXPECT_EQ(w().files.recentFiles[0], file);
    EXPECT_TRUE(control<QRadioButton>(ControlRef(frames_wizard::Split, 0))->isChecked());
    EXPECT_EQ(box(frames_wizard::FirstFileBox), names[0]);
    EXPECT_EQ(box(frames_wizard::SecondFileBox), names[1]);
    EXPECT_EQ(box(frames_wizard::FramesetFileBox), names[2]);
    EXPECT_EQ(box(body_colours_panel::BackgroundBox), QStringLiteral("#BBDDFF"));

    // The run ends on the frameset's preview. The frames' pages come from files, which the page
    // around them may not look into: they report to it, and a navigation link is followed in
    // the navigation frame itself.
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 6);
    ASSERT_TRUE(waitUntil([this] { return !w().preview.previewDelay.isActive(); }));
    WebBrowser* b = w().ws.doc(2).browser;
    ASSERT_NE(b, nullptr);
    const QString loaded = QStringLiteral(
        "left loaded memoleft.html memoright.html#Pelmor1,memoright.html#Pelmor2,memoright.html#Pelmor3");
    ASSERT_TRUE(waitUntil([&] { return frameReports(b).contains(QStringLiteral("right loaded memoright.html ")); }))
        << frameReports(b).join('|').toStdString();
    ASSERT_TRUE(waitUntil([&] { return frameReports(b).contains(loaded); })) << frameReports(b).join('|').toStdString();
    script(b, QStringLiteral("window.frames[0].postMessage('click 1', '*')"));
    EXPECT_TRUE(waitUntil([&] { return frameReports(b).contains(QStringLiteral("right hash #Pelmor2 Fruits")); }))
        << frameReports(b).join('|').toStdString();
}

TEST_F(AutoCreateWindowTest, WithoutFramesThePageTakesTheTextsPlaceInOneChange)
{
    start();
    for (ControlId id : {title_panel::TitleBox, body_colours_panel::TextColourBox, body_colours_panel::BackgroundBox})
        control<QLineEdit>(id);
    control<QLineEdit>(image_panel::ChosenFileBox);
    control<QRadioButton>(ControlRef(image_panel::Alignment, 1));
    control<QRadioButton>(ControlRef(auto_settings::FrameLayoutOption, 0))->click();
    documentWith(wholerun::Text, QStringLiteral("memo.txt"));
    w().ws.doc(0).encoding = TextEncoding::Utf8;
    run();

    ASSERT_EQ(w().ws.documentCount(), 1);
    const Document& d = w().ws.doc(0);
    EXPECT_EQ(d.sourceEditor->text(), wholerun::page());
    // Saving writes the page beside the text file, never over it.
    EXPECT_EQ(d.fileName, QStringLiteral("memo.html"));
    EXPECT_EQ(w().ws.sourceCaption(0), QStringLiteral("memo.html"));
    EXPECT_EQ(d.encoding, TextEncoding::Cp932);
    EXPECT_TRUE(d.modified);
    EXPECT_FALSE(QFileInfo::exists(web + QStringLiteral("/memo.html")));
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 2);
    EXPECT_FALSE(w().state.autoCreating);
    EXPECT_EQ(box(title_panel::TitleBox), QStringLiteral("My Page"));
    EXPECT_EQ(box(body_colours_panel::TextColourBox), QStringLiteral("#0000A0"));
    EXPECT_EQ(box(body_colours_panel::BackgroundBox), QStringLiteral("#FFE8D0"));
    EXPECT_EQ(box(image_panel::ChosenFileBox), QStringLiteral(" cat.gif"));
    EXPECT_TRUE(control<QRadioButton>(ControlRef(image_panel::Alignment, 1))->isChecked());

    // One undo gives the text back.
    w().ws.selectSourceTab(0);
    w().undo.stepBack();
    EXPECT_EQ(d.sourceEditor->text(), wholerun::Text);
}

// A text file's line ends, CR LF or LF alone, are CR LF by the time the steps see its lines;
// either way each item and row of its lists and tables is a line of its own.
TEST_F(AutoCreateWindowTest, AnOpenedTextFilesListsAndTablesGetAnItemOrRowForEachLine)
{
    start();
    control<QRadioButton>(ControlRef(auto_settings::FrameLayoutOption, 0))->click();
    const struct {
        const char* name;
        QString text;
    } files[] = {
        {"crlf.txt", wholerun::BlocksText},
        {"lf.txt", QString(wholerun::BlocksText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))},
    };
    bool first = true;
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const QString file = web + QLatin1Char('/') + QLatin1String(f.name);
        writeFile(file, cp932(f.text));
        // The page of the file before is not saved.
        if (!first)
            dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::No);
        first = false;
        openThroughMenu(file);
        ASSERT_EQ(w().ws.documentCount(), 1);
        EXPECT_EQ(w().ws.currentEditor()->text(), wholerun::blocksPage());
    }
}

// A hidden header and footer stay round the converted text, which the body page holds.
TEST_F(AutoCreateWindowTest, AHiddenHeaderGoesWithTheBodyPage)
{
    start();
    const QString header = QStringLiteral("<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>\r\n");
    const QString footer = QStringLiteral("</BODY></HTML>");
    documentWith(QStringLiteral("Heading\r\ntext\r\n"), QStringLiteral("memo.txt"));
    w().ws.doc(0).header = header;
    w().ws.doc(0).footer = footer;
    // The text has no page of its own to take the title and the colours.
    dialogs.expectMsg(QStringLiteral("<TITLE> のタグがありません"));
    dialogs.expectMsg(QStringLiteral("<BODY>が有りません。"));
    run();
    ASSERT_EQ(w().ws.documentCount(), 3);
    const Document& body = w().ws.doc(1);
    EXPECT_EQ(body.header, header);
    EXPECT_EQ(body.footer, footer);
    EXPECT_EQ(readFile(web + QStringLiteral("/memoright.html")), cp932(fullText(body) + CrLf));
    EXPECT_TRUE(body.sourceEditor->text().contains(QStringLiteral("<A name=\"Pelmor1\">Heading</A>")));
    const Document& navigation = w().ws.doc(0);
    EXPECT_TRUE(navigation.header.isEmpty() && navigation.footer.isEmpty());
    EXPECT_EQ(readFile(web + QStringLiteral("/memoleft.html")), cp932(navigation.sourceEditor->text() + CrLf));
}

TEST_F(AutoCreateWindowTest, WithTwoDocumentsOpenTheRunIsRefusedAndChangesNothing)
{
    start();
    bool built = false;
    w().autoRunner.makeGenerators = [&built](const autocreate::PanelInputs& p, const QString& f,
                                             const std::shared_ptr<autocreate::GeneratorEffects>& e) {
        built = true;
        return autocreate::realGenerators(p, f, e);
    };
    documentWith(QStringLiteral("first\r\n"), QStringLiteral("a.txt"));
    ASSERT_TRUE(w().ws.addDocument());
    documentWith(QStringLiteral("second\r\n"), QStringLiteral("b.txt"));
    dialogs.expectMsg(autotext::tooManyDocuments());
    run();
    EXPECT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.sourceEditor(0)->text(), QStringLiteral("first\r\n"));
    EXPECT_EQ(w().ws.sourceEditor(1)->text(), QStringLiteral("second\r\n"));
    EXPECT_FALSE(built);

    // A text file dropped while two documents are open is read, and stays as it was read.
    const QString file = web + QStringLiteral("/dropped.txt");
    writeFile(file, "Title\r\n\r\nbody\r\n");
    w().ws.sourceEditor(1)->setText(QString());
    dialogs.expectMsg(autotext::tooManyDocuments());
    w().fileMenu.openPath(file);
    QApplication::processEvents();
    EXPECT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.sourceEditor(1)->text(), QStringLiteral("Title\r\n\r\nbody\r\n"));
    EXPECT_EQ(w().ws.doc(1).fileName, QStringLiteral("dropped.txt"));
    EXPECT_FALSE(built);
}

TEST_F(AutoCreateWindowTest, TheSwitchDecidesWhetherAnOpenedTextFileIsConverted)
{
    start();
    control<QRadioButton>(ControlRef(auto_settings::FrameLayoutOption, 0))->click();
    w().commands.invoke(auto_create_menu::RunOnOpening);
    EXPECT_FALSE(w().autoCreate.autoRun.value());
    const QString file = web + QStringLiteral("/memo.txt");
    writeFile(file, "My Page\r\n\r\ntext\r\n");
    openThroughMenu(file);
    EXPECT_EQ(w().ws.currentEditor()->text(), QStringLiteral("My Page\r\n\r\ntext\r\n"));
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("memo.txt"));

    // Switched on again it is stored, and an extension in capitals counts too.
    w().commands.invoke(auto_create_menu::RunOnOpening);
    EXPECT_EQ(w().state.ini.value(QString(), QString(), QStringLiteral("Auto"), QString()), QStringLiteral("1"));
    const QString capitals = web + QStringLiteral("/NOTE.TXT");
    writeFile(capitals, "My Page\r\n\r\ntext\r\n");
    // The text just read is on disk: nothing is asked before it is replaced.
    openThroughMenu(capitals);
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("NOTE.html"));
    EXPECT_TRUE(w().ws.currentEditor()->text().contains(QStringLiteral("<TITLE>My Page</TITLE>")));
}

TEST_F(AutoCreateWindowTest, ATextFileNamedOnTheCommandLineIsConvertedAtStart)
{
    const QString file = web + QStringLiteral("/memo.txt");
    writeFile(file, "My Page\r\n\r\nHeading\r\ntext\r\n");
    start(QLatin1Char('"') + file + QLatin1Char('"'));
    ASSERT_EQ(w().ws.documentCount(), 3);
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("memoleft.html"));
    for (const char* page : {"memoleft.html", "memoright.html", "memoindex.html"})
        EXPECT_TRUE(QFileInfo::exists(web + QLatin1Char('/') + QLatin1String(page))) << page;
}

TEST_F(AutoCreateWindowTest, APageThatCannotBeWrittenIsReportedAndStaysInItsTab)
{
    start();
    // A folder stands where the body page's file would go.
    QDir().mkpath(web + QStringLiteral("/memoright.html"));
    documentWith(QStringLiteral("Heading\r\ntext\r\n"), QStringLiteral("memo.txt"));
    dialogs.expectMsg(QStringLiteral("自動作成したページが書き込めませんでした。ページはタブに残っています。"));
    run();
    ASSERT_EQ(w().ws.documentCount(), 3);
    EXPECT_TRUE(w().ws.sourceEditor(1)->text().contains(QStringLiteral("<A name=\"Pelmor1\">Heading</A>")));
    EXPECT_TRUE(QFileInfo(web + QStringLiteral("/memoright.html")).isDir());
    EXPECT_TRUE(QFileInfo::exists(web + QStringLiteral("/memoleft.html")));
    EXPECT_TRUE(QFileInfo::exists(web + QStringLiteral("/memoindex.html")));
}

TEST_F(AutoCreateWindowTest, FramesAreRefusedForADocumentThatWasNeverSaved)
{
    start();
    Document& d = w().ws.doc(0);
    d.sourceEditor->setText(QStringLiteral("My Page\r\n\r\ntext\r\n"));
    dialogs.expectMsg(autotext::saveBeforeFrames());
    run();
    EXPECT_EQ(w().ws.documentCount(), 1);
    EXPECT_EQ(d.sourceEditor->text(), QStringLiteral("My Page\r\n\r\ntext\r\n"));
    EXPECT_EQ(d.fileName, QStringLiteral("$$$000.html"));
}

TEST_F(AutoCreateWindowTest, AFailedRunTellsTheUserAndLeavesUndoWorking)
{
    start();
    w().autoRunner.makeGenerators = [](const autocreate::PanelInputs& p, const QString& f,
                                       const std::shared_ptr<autocreate::GeneratorEffects>& e) {
        autocreate::AutoCreateGenerators g = autocreate::realGenerators(p, f, e);
        g.makeList = [](const QString&) -> QString { throw std::bad_alloc(); };
        return g;
    };
    documentWith(wholerun::Text, QStringLiteral("memo.txt"));
    dialogs.expectMsg(autotext::runFailed(QStringLiteral("メモリーが足りません。"), true));
    run();
    EXPECT_FALSE(w().state.autoCreating);
    EXPECT_EQ(w().ws.documentCount(), 1);
    Document& d = w().ws.doc(0);
    EXPECT_EQ(d.sourceEditor->text(), wholerun::Text);
    EXPECT_EQ(d.fileName, QStringLiteral("memo.txt"));
    // Snapshots are taken again.
    const int before = d.undoPosition;
    w().undo.takeSnapshot();
    EXPECT_NE(d.undoPosition, before);
}

TEST_F(AutoCreateWindowTest, TheSettingsPanelShowsHidesAndKeepsItsValues)
{
    start();
    auto* panel = w().controls.get<QGroupBox>(auto_settings::Panel);
    using namespace auto_settings;
    const struct {
        ControlId box;
        const char* initial;
    } boxes[] = {{RuleColourBox, "#BBDDFF"},     {NavigationFontSizeBox, "2"}, {NavigationBackgroundBox, "#BBDDFF"},
                 {BodyFontSizeBox, "3"},         {BodyTextColourBox, "#0000A0"}, {BodyBackgroundBox, "#FFE8D0"},
                 {HeadingSizeBox, "3"},          {HeadingColourBox, "#0000BD"}};
    for (const auto& b : boxes)
        EXPECT_EQ(box(b.box), QString::fromUtf8(b.initial)) << b.box.key;
    EXPECT_TRUE(control<QRadioButton>(ControlRef(auto_settings::FrameLayoutOption, 1))->isChecked());

    for (ExecuteButton close : {ExecuteButton::CloseAutoSettingsPanel, ExecuteButton::AutoSettingsPanelCloseBox}) {
        w().commands.invoke(auto_create_menu::ShowSettings);
        EXPECT_TRUE(panel->isVisible());
        EXPECT_EQ(QList<int>({twips::Left(panel), twips::Top(panel), twips::Width(panel), twips::Height(panel)}),
                  QList<int>({3500, 3000, 7155, 5895}));
        EXPECT_EQ(w().controls.get<QPlainTextEdit>(auto_settings::Explanation)->toPlainText(),
                  QStringLiteral("自動執行の時の各設定を行います。"));
        control<QLineEdit>(auto_settings::HeadingSizeBox)->setText(QStringLiteral("5"));
        w().controls.get<QPushButton>(executeButton(close))->click();
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(box(auto_settings::HeadingSizeBox), QStringLiteral("5"));
    }

    // The navigation page's settings show only for frames side by side.
    w().commands.invoke(auto_create_menu::ShowSettings);
    auto* navigation = w().controls.get<QWidget>(auto_settings::NavigationGroup);
    // No frames, side by side, one above the other, side by side again.
    for (int option : {0, 1, 2, 1}) {
        control<QRadioButton>(ControlRef(FrameLayoutOption, option))->click();
        EXPECT_EQ(navigation->isVisible(), option == 1) << option;
    }

    // Each colour button opens the picker for its own box.
    const std::pair<ControlId, ControlId> buttons[] = {{HeadingColourButton, HeadingColourBox},
                                                       {BodyBackgroundButton, BodyBackgroundBox},
                                                       {BodyTextColourButton, BodyTextColourBox},
                                                       {RuleColourButton, RuleColourBox},
                                                       {NavigationBackgroundButton, NavigationBackgroundBox}};
    int n = 0;
    for (const auto& [button, colourBox] : buttons) {
        w().controls.get<QPushButton>(button)->click();
        EXPECT_TRUE(w().colourPicker.isVisible());
        EXPECT_TRUE(w().colourPicker.hasRequest()) << button.key;
        const QString colour = QStringLiteral("#12345") + QString::number(n++);
        w().colourPicker.controls.get<QLineEdit>(colour_picker::ValueBox)->setText(colour);
        w().colourPicker.insertChosenColour();
        EXPECT_EQ(box(colourBox), colour) << button.key;
    }
}

TEST_F(AutoCreateWindowTest, InPageLinksGoIntoTheBodyPageAfterASnapshot)
{
    start();
    // With one document the command does nothing.
    documentWith(QStringLiteral("x\r\n<A name=\"Pelmor1\">One</A>\r\n"), QStringLiteral("a.html"));
    w().commands.invoke(auto_create_menu::MakeAnchorLinks);
    EXPECT_EQ(w().ws.sourceEditor(0)->text(), QStringLiteral("x\r\n<A name=\"Pelmor1\">One</A>\r\n"));

    const QString body = QStringLiteral("<BODY>\r\n<P>\r\n<B><A name=\"Pelmor1\">One</A></B><BR>\r\ntext\r\n</P>\r\n"
                                        "<P>\r\n<B><A name=\"Pelmor2\">Two</A></B><BR>\r\n</P>\r\n</BODY>");
    ASSERT_TRUE(w().ws.addDocument());
    documentWith(body, QStringLiteral("memoright.html"));
    w().ws.selectSourceTab(0);
    w().commands.invoke(auto_create_menu::MakeAnchorLinks);
    EXPECT_EQ(w().ws.currentIndex(), 1);
    EXPECT_EQ(w().ws.sourceEditor(1)->text(),
              QStringLiteral("<BODY>\r\n<P>"
                             "<A href=\"#Pelmor1\">One</A><BR>\r\n<A href=\"#Pelmor2\">Two</A><BR>\r\n"
                             "\r\n<B><A name=\"Pelmor1\">One</A></B><BR>\r\ntext\r\n</P>\r\n"
                             "<P>\r\n<B><A name=\"Pelmor2\">Two</A></B><BR>\r\n</P>\r\n</BODY>"));
    w().ws.sourceEditor(1)->clearUndoHistory();
    w().undo.stepBack();
    EXPECT_EQ(w().ws.sourceEditor(1)->text(), body);
}

TEST_F(AutoCreateWindowTest, TheSkeletonWrapsOnlyATextWithoutPage)
{
    start();
    const struct {
        const char* text;
        bool wrapped;
    } cases[] = {
        {"plain text\r\n", true},
        {"<Body>\r\ntext", true},
        {"text <body> inside", false},
        {"<HTML>\r\n", false},
        {"<BODY>", false},
    };
    RichEdit* ed = w().ws.currentEditor();
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        ed->setText(text);
        w().autoRunner.insertPageSkeleton();
        EXPECT_EQ(ed->text(), c.wrapped ? gen::WrapPage(text) : text) << c.text;
    }
    // Undo gives the text back.
    ed->setText(QStringLiteral("plain"));
    w().autoRunner.insertPageSkeleton();
    w().undo.stepBack();
    EXPECT_EQ(ed->text(), QStringLiteral("plain"));

    // Nothing while the header is hidden.
    w().ws.current().header = QStringLiteral("<HTML><BODY>\r\n");
    w().autoRunner.insertPageSkeleton();
    EXPECT_EQ(ed->text(), QStringLiteral("plain"));
}
