// Playing the lesson: a whole run with ▶ and with >>, going back one step and to the start, the
// run to a line, and what the lesson does with documents that are not its own.
#include "LessonFixture.h"

#include "platform/Twips.h"
#include "shell/ShellMenus.h"
#include "workspace/DocumentFiles.h"
#include "workspace/Workspace.h"

#include <QTimer>
#include <optional>
#include <vector>

class LessonRun : public LessonFixture {
protected:
    void SetUp() override
    {
        LessonFixture::SetUp();
        startLesson();
    }
    // The user's own work in document 0.
    void typeInFirst(const QString& t)
    {
        w().ws.sourceEditor(0)->setText(t);
        ASSERT_TRUE(w().ws.doc(0).modified);
    }
};

TEST_F(LessonRun, StepByStepAndToTheEndGiveTheSameDocuments)
{
    openLesson();
    const int presses = stepToTheEnd();
    EXPECT_LT(presses, lesson().lines.size());
    const LessonState stepped = state();
    ASSERT_EQ(stepped.names, QStringList({u("$$$000.html"), u("Kaisetu.css"), u("$$$002.html")}));

    pressRunToEnd();
    EXPECT_EQ(runTo(), QString::number(lesson().lines.size()));
    EXPECT_EQ(lesson().lineNo, lesson().lines.size());
    EXPECT_FALSE(lesson().running);
    const LessonState run = state();
    EXPECT_EQ(run.names, stepped.names);
    EXPECT_EQ(run.texts, stepped.texts);
    EXPECT_EQ(run, stepped);
}

TEST_F(LessonRun, BackOneGivesTheStateOfTheStepBefore)
{
    openLesson();
    std::vector<LessonState> after;
    for (int i = 0; i < 30; ++i) {
        step();
        after.push_back(state());
    }
    // From the middle, twice in a row, and from the first step, which runs again.
    pressStepBack();
    EXPECT_EQ(state(), after[28]);
    pressStepBack();
    EXPECT_EQ(state(), after[27]);

    pressBackToStart();
    step();
    const LessonState first = state();
    EXPECT_EQ(first.texts, after[0].texts);
    pressStepBack();
    EXPECT_EQ(state(), first);
}

TEST_F(LessonRun, BackToTheStartResetsTheLessonAndClosesItsStylesheet)
{
    openLesson();
    stepPast("<挿入>");
    ASSERT_EQ(w().ws.documentCount(), 2);
    pressBackToStart();
    EXPECT_EQ(lesson().lineNo, 0);
    EXPECT_EQ(runTo(), u("0"));
    EXPECT_EQ(caption(), u("CSSペルモア  実行行 = 0"));
    EXPECT_EQ(lesson().explanation(), QString());
    EXPECT_FALSE(shown(css_builder::Panel));
    EXPECT_EQ(style(), QString());
    ASSERT_EQ(w().ws.documentCount(), 1);
    EXPECT_EQ(text(0), QString());
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 1);

    // The step after the start shows the line it began on.
    step();
    EXPECT_EQ(stepLine(), u("0"));
}

TEST_F(LessonRun, TheBuilderAPreviewHidStaysClosedAfterGoingBackToTheStart)
{
    play(script({"<初期化>", "TAB 0", "<メニュー>", "プロパティ", "<TABSEL>", "2"}));
    for (int i = 0; i < 3; ++i)
        step();
    ASSERT_FALSE(shown(css_builder::Panel));
    pressBackToStart();
    w().ws.tabStrip().setCurrentIndex(2);
    w().ws.tabStrip().setCurrentIndex(1);
    EXPECT_FALSE(shown(css_builder::Panel));
}

TEST_F(LessonRun, TheRunToALineStopsBeforeTheStepThatBeginsAtOrAfterIt)
{
    openLesson();
    setRunTo(40);
    pressStep();
    // The steps begin at 0, 8, 18, 23, 28, 33, 38 and 43.
    EXPECT_EQ(lesson().lineNo, 43);
    EXPECT_EQ(stepLine(), u("38"));
    EXPECT_FALSE(lesson().running);

    // A line already passed: one step.
    pressStep();
    EXPECT_EQ(lesson().lineNo, 49);
}

// ---- the lesson's own documents and the user's ----

TEST_F(LessonRun, TheFirstInitialisingAsksOnceBeforeClearingUnsavedWork)
{
    typeInFirst(u("my own page"));
    openLesson();
    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::No);
    pressStep();
    EXPECT_EQ(text(0), u("my own page"));
    EXPECT_EQ(lesson().lineNo, 0);
    EXPECT_EQ(caption(), u("ＣＳＳペルモア"));

    // >> before the lesson has cleared anything leaves the documents to that question too.
    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::No);
    pressRunToEnd();
    EXPECT_EQ(text(0), u("my own page"));
    EXPECT_EQ(lesson().lineNo, 0);
    EXPECT_FALSE(lesson().running);

    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::Yes);
    dialogs.expectMsg(u("現在のファイルを保存しますか？"), MsgResult::No);
    pressStep();
    EXPECT_TRUE(text(0).startsWith(u("<!DOCTYPE")));
    // Replays clear the lesson's documents without asking.
    step();
    pressStepBack();
    pressRunToEnd();
    EXPECT_EQ(lesson().lineNo, lesson().lines.size());

    // Shown again, the lesson asks again before clearing what it left.
    lesson().close();
    openLesson();
    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::No);
    pressStep();
    EXPECT_EQ(w().ws.documentCount(), 3);
}

TEST_F(LessonRun, EachUnsavedDocumentGetsTheCloseQuestionBeforeTheLessonClearsIt)
{
    // The answers to "save?" for document 0, then document 1; a save under a name, or its
    // dialog cancelled.
    struct Answer {
        MsgResult reply;
        std::optional<QString> saveAs = std::nullopt;
    };
    const struct {
        const char* name;
        std::vector<Answer> answers;
        bool cleared;
    } cases[] = {
        {"cancel at the first", {{MsgResult::Cancel}}, false},
        {"not the first, cancel at the second", {{MsgResult::No}, {MsgResult::Cancel}}, false},
        {"the save dialog cancelled", {{MsgResult::Yes}}, false},
        {"neither saved", {{MsgResult::No}, {MsgResult::No}}, true},
        {"the second saved", {{MsgResult::No}, {MsgResult::Yes, u("second.html")}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // From one empty document, the lesson closed.
        lesson().close();
        for (int i = 0; i < w().ws.documentCount(); ++i)
            w().ws.sourceEditor(i)->setText(QString());
        w().files.clearAll();
        typeInFirst(u("mine"));
        ASSERT_TRUE(w().ws.addDocument());
        w().ws.sourceEditor(1)->setText(u("mine too"));
        w().ws.tabStrip().setCurrentIndex(1);
        openLesson();

        dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::Yes);
        QString saved;
        for (const Answer& a : c.answers) {
            dialogs.expectMsg(u("現在のファイルを保存しますか？"), a.reply);
            if (a.reply != MsgResult::Yes)
                continue;
            if (a.saveAs) {
                saved = path(*a.saveAs);
                dialogs.expectSave(saved);
            } else {
                dialogs.expectSave(std::nullopt);
                dialogs.expectMsg(u("データｰは保存されませんでした"));
                dialogs.expectMsg(u("ファイルが正常に書き込まれなかった"));
            }
        }
        pressStep();
        EXPECT_EQ(dialogs.pending(), 0);

        if (!c.cleared) {
            ASSERT_EQ(w().ws.documentCount(), 2);
            EXPECT_EQ(text(0), u("mine"));
            EXPECT_EQ(text(1), u("mine too"));
            EXPECT_TRUE(w().ws.doc(0).modified);
            EXPECT_TRUE(w().ws.doc(1).modified);
            EXPECT_EQ(w().ws.tabStrip().currentIndex(), 1);
            // The lesson has not moved: ▶ asks again.
            EXPECT_EQ(lesson().lineNo, 0);
            EXPECT_EQ(caption(), u("ＣＳＳペルモア"));
            continue;
        }
        EXPECT_EQ(w().ws.documentCount(), 1);
        EXPECT_TRUE(text(0).startsWith(u("<!DOCTYPE")));
        EXPECT_EQ(lesson().lineNo, 8);
        if (!saved.isEmpty())
            EXPECT_EQ(readFile(saved), QByteArray("mine too\r\n"));
    }
}

TEST_F(LessonRun, AReplayAsksAboutTheUsersDocumentsButNotAboutTheLessonsOwn)
{
    openLesson();
    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::Yes);
    dialogs.expectMsg(u("現在のファイルを保存しますか？"), MsgResult::No);
    typeInFirst(u("before the lesson"));
    stepPast("<タブ名変更>");
    ASSERT_EQ(w().ws.documentCount(), 2);
    // The user types into the lesson's page and opens a document of their own.
    w().ws.sourceEditor(0)->setText(text(0) + u("typed"));
    ASSERT_TRUE(w().ws.addDocument());
    w().ws.sourceEditor(2)->setText(u("mine"));

    // Initialising all from the File menu asks about it too.
    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::No);
    w().commands.invoke(file_menu::ClearAll);
    ASSERT_EQ(w().ws.documentCount(), 3);

    // Back one replays from the start: only the user's document is asked about.
    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::Yes);
    dialogs.expectMsg(u("現在のファイルを保存しますか？"), MsgResult::Cancel);
    pressStepBack();
    EXPECT_EQ(lesson().lineNo, 0);
    ASSERT_GE(w().ws.documentCount(), 1);
    EXPECT_EQ(text(w().ws.documentCount() - 1), u("mine"));

    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::Yes);
    dialogs.expectMsg(u("現在のファイルを保存しますか？"), MsgResult::No);
    pressStep();
    EXPECT_EQ(w().ws.documentCount(), 1);
    EXPECT_EQ(lesson().lineNo, 8);
}

TEST_F(LessonRun, SavedOrBlankDocumentsAreClearedWithoutAQuestion)
{
    w().ws.sourceEditor(0)->setText(u("saved text"));
    w().ws.doc(0).modified = false;
    ASSERT_TRUE(w().ws.addDocument());
    w().ws.sourceEditor(1)->setText(u("   "));
    openLesson();
    pressStep();
    EXPECT_EQ(w().ws.documentCount(), 1);
    EXPECT_TRUE(text(0).startsWith(u("<!DOCTYPE")));
}

TEST_F(LessonRun, GoingBackBeforeTheLessonClearedAnythingLeavesTheDocuments)
{
    typeInFirst(u("mine"));
    ASSERT_TRUE(w().ws.addDocument());
    w().ws.sourceEditor(1)->setText(u("mine too"));
    openLesson();
    pressBackToStart();
    EXPECT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(text(0), u("mine"));
    EXPECT_EQ(text(1), u("mine too"));
    EXPECT_EQ(lesson().lineNo, 0);
    EXPECT_EQ(caption(), u("CSSペルモア  実行行 = 0"));
}

TEST_F(LessonRun, InitialisingAllAsksNothingWhileTheLessonIsShownWithItsOwnDocuments)
{
    typeInFirst(u("text"));
    openLesson();
    // The documents are still the user's: the question comes before they are cleared.
    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::No);
    w().commands.invoke(file_menu::ClearAll);
    EXPECT_EQ(text(0), u("text"));
    // Once the lesson has taken them over, its own initialising asks nothing.
    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::Yes);
    dialogs.expectMsg(u("現在のファイルを保存しますか？"), MsgResult::No);
    pressStep();
    w().ws.sourceEditor(0)->setText(u("lesson text"));
    w().files.clearAll();
    EXPECT_EQ(text(0), QString());

    lesson().close();
    typeInFirst(u("text"));
    dialogs.expectMsg(u("全て初期化していいですか？"), MsgResult::No);
    w().commands.invoke(file_menu::ClearAll);
    EXPECT_EQ(text(0), u("text"));
}

// ---- every step moves on ----

TEST_F(LessonRun, FailedStepsBreakMarksAndStrayTextAreAllPassed)
{
    play(script({"/* a note", "<CLASSNAME>", "a", "<SELECTHTML>", "not in the page", "<解説>", "shown by the next step",
                 "<STOP>", "stray text", "<TABSEL>", "99", "<CLASSNAME>", "b"}));
    const QString welcome = lesson().explanation();
    // The failed selection shows nothing and leaves its argument behind.
    step();
    step();
    const QString captionBefore = caption();
    step();
    EXPECT_EQ(lesson().lineNo, 5);
    EXPECT_EQ(caption(), captionBefore);
    EXPECT_EQ(lesson().explanation(), welcome);
    while (lesson().lineNo < lesson().lines.size() && lesson().lineNo < 50)
        step();
    EXPECT_EQ(lesson().lineNo, lesson().lines.size());
    EXPECT_EQ(line(css_builder::SelectorBox), u(".b"));

    // A run stops at the failed step; the next ▶ runs on from there to the end.
    pressRunToEnd();
    EXPECT_EQ(lesson().lineNo, 5);
    EXPECT_EQ(line(css_builder::SelectorBox), u(".a"));
    pressStep();
    EXPECT_EQ(lesson().lineNo, 11);
    pressStep();
    EXPECT_EQ(lesson().lineNo, lesson().lines.size());
    EXPECT_EQ(line(css_builder::SelectorBox), u(".b"));
}

TEST_F(LessonRun, GoingBackWithOneDocumentResetsTheLessonAndReplaysFromTheStart)
{
    play(script({"<初期化>", "TAB 0", "<書き込み>", "\tone line", "</書き込み>", "<CLASSNAME>", "x"}));
    step();
    step();
    ASSERT_EQ(w().ws.documentCount(), 1);
    const QString page = text(0);
    ASSERT_EQ(page.count(u("one line")), 1);

    pressBackToStart();
    EXPECT_EQ(lesson().lineNo, 0);
    EXPECT_EQ(text(0), QString());
    pressRunToEnd();
    EXPECT_EQ(text(0), page);
    EXPECT_EQ(line(css_builder::SelectorBox), u(".x"));

    // The last step, which runs to the end of the script, shows its line like any other, so
    // that < goes back one step from the end.
    EXPECT_EQ(stepLine(), u("5"));
    pressStepBack();
    EXPECT_EQ(text(0), page);
    EXPECT_EQ(lesson().lineNo, 5);
}

// ---- one thing at a time ----

TEST_F(LessonRun, APressDuringAStepActsWhenTheStepIsOver)
{
    openLesson();
    stepPast("<書き込み>");
    // The next step serves the event queue before it selects the preview tab.
    QTimer::singleShot(0, &lesson(), [this] { lesson().goBackToStart(); });
    lesson().stepForward();
    EXPECT_TRUE(lesson().busy());
    waitIdle();
    EXPECT_EQ(lesson().lineNo, 0);
    EXPECT_EQ(caption(), u("CSSペルモア  実行行 = 0"));
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 1);
}

TEST_F(LessonRun, ARunGoesOnFromTheEventLoop)
{
    openLesson();
    pressStep();
    setRunTo(lesson().lines.size());
    lesson().stepForward();
    // The first step has run; the rest follow one an event-loop turn.
    EXPECT_EQ(lesson().lineNo, 18);
    EXPECT_TRUE(lesson().running);
    waitIdle();
    EXPECT_EQ(lesson().lineNo, lesson().lines.size());
    EXPECT_FALSE(lesson().running);
}

// ---- the window ----

TEST_F(LessonRun, TheWindowSitsAtTheMainWindowsCornerAndKeepsItsSize)
{
    openLesson();
    QWidget& main = w();
    LessonWindow& win = lesson();
    EXPECT_TRUE(win.isVisible());
    EXPECT_EQ(twips::WindowLeft(&win) + 5665, twips::WindowLeft(&main) + twips::WindowWidth(&main));
    EXPECT_EQ(twips::WindowTop(&win) + 3075, twips::WindowTop(&main) + twips::WindowHeight(&main));
    EXPECT_EQ(win.size(), QSize(twips::toPixels(5665), twips::toPixels(3075)));
    win.resize(200, 100);
    EXPECT_EQ(win.size(), QSize(twips::toPixels(5665), twips::toPixels(3075)));
    EXPECT_TRUE(win.frontTimer.isActive());
    EXPECT_EQ(win.frontTimer.interval(), 1000);

    // Hidden, the timer stops at its next tick; closed, at once.
    win.hide();
    win.keepInFront();
    EXPECT_FALSE(win.frontTimer.isActive());
    openLesson();
    EXPECT_TRUE(win.frontTimer.isActive());
    win.close();
    EXPECT_FALSE(win.frontTimer.isActive());
}

TEST_F(LessonRun, QuittingClosesTheLessonWindow)
{
    openLesson();
    EXPECT_TRUE(quit());
    EXPECT_FALSE(lesson().isVisible());
    EXPECT_FALSE(lesson().frontTimer.isActive());
}

TEST_F(LessonRun, AScriptThatCannotBeReadIsReportedAndStepsDoNothing)
{
    QFile::remove(path(u("resource/CSSDEMO.txt")));
    dialogs.expectMsg(u("CSSDEMO.txtが読めません"));
    openLesson();
    EXPECT_TRUE(lesson().explanation().startsWith(u("CSSDEMO.txtが読めません")));
    pressStep();
    pressRunToEnd();
    EXPECT_EQ(lesson().lineNo, 0);
    EXPECT_EQ(w().ws.documentCount(), 1);
}

TEST_F(LessonRun, TheLessonWritesOnlyIntoItsOwnFolderAndTheStatusBarFollowsItsDocuments)
{
    // The user's two pages, open and shown once, so that their own pages are in their folder.
    const QString site = temp.path() + u("/site");
    QDir().mkpath(site);
    writeFile(site + u("/a.html"), "<P>a</P>\r\n");
    writeFile(site + u("/b.html"), "<P>b</P>\r\n");
    dialogs.expectOpen(site + u("/a.html"));
    ASSERT_TRUE(w().fileMenu.openFile());
    dialogs.expectOpen(site + u("/b.html"));
    w().commands.invoke(file_menu::OpenInNewTab);
    ASSERT_EQ(w().ws.documentCount(), 2);
    for (int n = 0; n < 2; ++n) {
        w().ws.selectPreviewTab(n);
        w().ws.selectSourceTab(n);
    }
    const auto contents = [&] {
        QStringList files;
        for (const QString& name : QDir(site).entryList(QDir::Files | QDir::Hidden))
            files << name + u(": ") + QString::fromUtf8(readFile(site + u("/") + name));
        return files;
    };
    const QStringList before = contents();

    openLesson();
    while (lesson().lineNo < lesson().lines.size()) {
        const int line = lesson().lineNo;
        step();
        SCOPED_TRACE(line);
        // Whatever the step did to the documents' names, the status bar names the current one,
        // as a click on its source tab would.
        ASSERT_EQ(w().ws.statusText(), w().ws.documentPath(w().ws.currentIndex()));
    }
    EXPECT_EQ(contents(), before);
    ASSERT_GE(w().ws.documentCount(), 2);
    for (int n = 0; n < w().ws.documentCount(); ++n) {
        EXPECT_EQ(w().ws.doc(n).folder, lessonFolder()) << n;
        EXPECT_TRUE(w().ws.tempPagePath(n).startsWith(lessonFolder() + u("/"))) << n;
    }
    EXPECT_EQ(w().ws.doc(1).fileName, u("Kaisetu.css"));
}
