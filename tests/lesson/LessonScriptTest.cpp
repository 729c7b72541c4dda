#include "ScriptLines.h"
#include "lesson/LessonScript.h"
#include "platform/SharedConstants.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <set>

using lesson::Run;
using lesson::StepResult;
using lesson::Word;
using Kind = lesson::StepResult::Kind;

namespace {

// What a step handed to its commands: "word line [arguments] text" for each command.
struct Recorder {
    QStringList calls;
    // The line whose command fails, or stops the lesson.
    int failAt = -1;
    int stopAt = -1;
    Run operator()(const lesson::Command& c)
    {
        calls << lesson::wordText(c.word) + QStringLiteral(" ") + QString::number(c.line) + QStringLiteral(" [")
                + c.arguments.join(QStringLiteral("|")) + QStringLiteral("] ") + QString(c.text).replace(CrLf, QStringLiteral("/"));
        if (c.line == failAt)
            return Run::Failed;
        if (c.line == stopAt)
            return Run::Stopped;
        return Run::Ok;
    }
};

} // namespace

TEST(LessonWords, EveryWordIsRecognisedExactlyAsWritten)
{
    // The words and the lines after each one that the command reads, then passes over.
    const struct {
        const char* text;
        int arguments;
        int skipped;
    } words[] = {
        {"<STOP>", 0, 0}, {"<解説>", 0, 0}, {"<初期化>", 1, 0}, {"<書き込み>", 0, 0}, {"<タブの挿入>", 0, 1},
        {"<タブ名変更>", 0, 0}, {"<メニュー>", 1, 0}, {"<要素選択>", 1, 0}, {"<要素プルダウン>", 0, 1},
        {"<要素プルダウン選択>", 1, 0}, {"<項目選択>", 1, 0}, {"<プロパティ選択>", 1, 0}, {"<バリュー選択>", 1, 0},
        {"<カラーネーム>", 1, 0}, {"<画像>", 1, 0}, {"<画像挿入>", 0, 1}, {"<OKCLICK>", 0, 1}, {"<挿入>", 0, 1},
        {"<end>", 0, 0}, {"<%>", 1, 0}, {"<pt>", 1, 0}, {"<em>", 1, 0}, {"<TABSEL>", 1, 0}, {"<リンク>", 0, 1},
        {"<SELECTHTML>", 1, 0}, {"<SELFUKUSU>", 2, 0}, {"<LISTSHOW>", 0, 1}, {"<CSSSHOWOFF>", 0, 1},
        {"<CSSSHOWON>", 0, 1}, {"<LISTSEL>", 1, 0}, {"<LIST3SEL>", 1, 0}, {"<CSSCLEAR>", 0, 1},
        {"<COLORNAMEWIDE>", 1, 0}, {"<CLASSNAME>", 1, 0}, {"<CSSTEXTSELECTEND>", 0, 1}, {"<CLOSEBILDER>", 0, 0},
    };
    std::set<Word> seen;
    for (const auto& w : words) {
        SCOPED_TRACE(w.text);
        const std::optional<Word> word = lesson::commandWord(u(w.text));
        ASSERT_TRUE(word.has_value());
        EXPECT_FALSE(seen.count(*word));
        seen.insert(*word);
        EXPECT_EQ(lesson::entryOf(*word).arguments, w.arguments);
        EXPECT_EQ(lesson::entryOf(*word).skipped, w.skipped);
        // A blank around the word or another case makes it text.
        for (const QString& other : {u(w.text) + u(" "), u(" ") + u(w.text), u(w.text).toLower(), u(w.text).toUpper()}) {
            if (other != u(w.text))
                EXPECT_FALSE(lesson::commandWord(other).has_value()) << other.toStdString();
        }
    }
    EXPECT_EQ(static_cast<int>(seen.size()), lesson::WordCount);
}

TEST(LessonScriptLines, SplitAtEveryLineEnd)
{
    const struct {
        const char* text;
        QStringList expected;
    } cases[] = {
        {"a\r\nb\r\n", script({"a", "b", ""})},
        {"a\r\nb", script({"a", "b"})},
        {"a\nb\n", script({"a", "b", ""})},
        {"a\rb", script({"a\rb"})},
        {"", script({""})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lesson::splitScript(u(c.text)), c.expected) << c.text;
}

TEST(LessonScriptLines, CommandAtTakesTheLineItselfWhenItHoldsAnOpeningBracket)
{
    const QStringList lines = script({"<TABSEL>", "本文 <P> の中", "text", ""});
    EXPECT_EQ(lesson::commandAt(lines, 0), u("<TABSEL>"));
    EXPECT_EQ(lesson::commandAt(lines, 1), u("本文 <P> の中"));
    EXPECT_EQ(lesson::commandAt(lines, 2), QString());
    EXPECT_EQ(lesson::commandAt(lines, 3), QString());
    EXPECT_EQ(lesson::commandAt(lines, 9), QString());
}

TEST(LessonScriptLines, BlocksEndAtTheirClosingLine)
{
    const QStringList lines = script({"<書き込み>", "one", "<BR>two", " <P>three", "<end>", "after"});
    const lesson::Block write = lesson::writeBlock(lines, 1);
    EXPECT_EQ(write.text, u("one\r\n<BR>two\r\n <P>three\r\n"));
    EXPECT_EQ(write.end, 4);
    const lesson::Block explanation = lesson::explanationBlock(lines, 1);
    EXPECT_EQ(explanation.text, u("one\r\n"));
    EXPECT_EQ(explanation.end, 2);
    // A block that runs to the end of the script.
    EXPECT_EQ(lesson::explanationBlock(lines, 5).end, 6);
    EXPECT_EQ(lesson::explanationBlock(lines, 5).text, u("after\r\n"));
}

TEST(LessonScriptLines, NumbersAreRoundedHalfToEven)
{
    const struct {
        const char* text;
        int n;
    } cases[] = {{"3", 3}, {" 12 ", 12}, {"2.5", 2}, {"3.5", 4}, {"abc", 0}, {"", 0}, {"7番", 7}};
    for (const auto& c : cases)
        EXPECT_EQ(lesson::numberOf(u(c.text)), c.n) << c.text;
}

// ---- steps ----

struct StepCase {
    const char* name;
    QStringList script;
    int lineNo;
    Kind kind;
    int begin;
    int next;
    QStringList calls;
    int failAt = -1;
    int stopAt = -1;
};

void PrintTo(const StepCase& c, std::ostream* os)
{
    *os << c.name;
}

class LessonStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(LessonStep, CoversItsLinesAndRunsItsCommands)
{
    const StepCase& c = GetParam();
    Recorder recorder;
    recorder.failAt = c.failAt;
    recorder.stopAt = c.stopAt;
    const StepResult r = lesson::step(c.script, c.lineNo, std::ref(recorder));
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.begin, c.begin);
    EXPECT_EQ(r.next, c.next);
    EXPECT_EQ(recorder.calls, c.calls);
    if (c.kind != Kind::Stopped && c.kind != Kind::None)
        EXPECT_GT(r.next, r.begin) << "every step moves on";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, LessonStep,
    ::testing::Values(
        StepCase{"CommandArgumentAndExplanation",
                 script({"<TABSEL>", "2", "<解説>", "first", "", "second", "<TABSEL>", "1"}), 0, Kind::Done, 0, 6,
                 script({"<TABSEL> 0 [2] ", "<解説> 2 [] first//second/"})},
        StepCase{"BlankLinesBeforeTheCommandAreSkipped", script({"", "  ", "<end>", "<end>"}), 0, Kind::Done, 2, 3,
                 script({"<end> 2 [] "})},
        StepCase{"ACommandFollowedByACommandIsAStepOfItsOwn", script({"<CSSCLEAR>", "-", "<end>"}), 0, Kind::Done, 0, 2,
                 script({"<CSSCLEAR> 0 [] "})},
        StepCase{"BlankLinesToTheEndEndTheScript", script({"<end>", "", " ", ""}), 1, Kind::None, 4, 4, {}},
        StepCase{"PastTheEndNothingRuns", script({"<end>"}), 1, Kind::None, 1, 1, {}},
        StepCase{"AnExplanationToTheEndIsShownButTheStepRunsPastTheEnd", script({"<end>", "<解説>", "last", "words"}), 0,
                 Kind::PastEnd, 0, 4, script({"<end> 0 [] ", "<解説> 1 [] last/words/"})},
        StepCase{"AnExplanationRightBeforeACommandLineIsEmptyAndPassesItOver",
                 script({"<end>", "<解説>", "<TABSEL>", "9", "<end>"}), 0, Kind::Done, 0, 4,
                 script({"<end> 0 [] ", "<解説> 1 [] "})},
        StepCase{"TheWriteBlockAndItsClosingLine",
                 script({"<書き込み>", "a", "<BR>b", "c", "<TABSEL>", "<解説>", "x", "<end>"}), 0, Kind::Done, 0, 7,
                 script({"<書き込み> 0 [] a/<BR>b/c/", "<解説> 5 [] x/"})},
        StepCase{"AWriteBlockWithoutItsClosingLineRunsPastTheEnd", script({"<書き込み>", "a"}), 0, Kind::PastEnd, 0, 2,
                 script({"<書き込み> 0 [] a/"})},
        StepCase{"TwoArguments", script({"<SELFUKUSU>", "<P>", "</P>", "<end>"}), 0, Kind::Done, 0, 3,
                 script({"<SELFUKUSU> 0 [<P>|</P>] "})},
        StepCase{"SkippedLinesAreNotRead", script({"<リンク>", "<end>", "<end>"}), 0, Kind::Done, 0, 2,
                 script({"<リンク> 0 [] "})},
        StepCase{"AWordWithABlankOrAnotherCaseIsPassedOver", script({"<TABSEL> ", "2", "<End>", "<end>"}), 0, Kind::Done, 0,
                 2, {}},
        StepCase{"AnIndentedExplanationLineIsText", script({"<end>", " <解説>", "t", "<end>"}), 0, Kind::Done, 0, 3,
                 script({"<end> 0 [] "})},
        StepCase{"ABreakLineEndsTheStepAtItself", script({"", "/* note", "<end>"}), 0, Kind::Break, 1, 2, {}},
        StepCase{"StopEndsTheStepAtItself", script({"<STOP>", "<解説>", "never", "<end>"}), 0, Kind::Break, 0, 1, {}},
        StepCase{"TextWhereACommandBelongsIsPassedOver", script({"  <TABSEL>", "2"}), 0, Kind::Done, 0, 1, {}},
        StepCase{"AFailedCommandLeavesItsArgumentsBehind", script({"<TABSEL>", "9", "<解説>", "not shown", "<end>"}), 0,
                 Kind::Failed, 0, 2, script({"<TABSEL> 0 [9] "}), 0},
        StepCase{"AFailedCommandLeavesTheLineItSkipsBehind", script({"<タブの挿入>", "-", "<end>"}), 0, Kind::Failed, 0,
                 2, script({"<タブの挿入> 0 [] "}), 0},
        StepCase{"AMissingArgumentFailsWithoutRunning", script({"<end>", "<SELFUKUSU>", "<P>"}), 1, Kind::Failed, 1, 3, {}},
        StepCase{"AStoppedCommandKeepsTheStepWhereItBegan", script({"", "<初期化>", "TAB 0", "<解説>", "x"}), 0,
                 Kind::Stopped, 1, 1, script({"<初期化> 1 [TAB 0] "}), -1, 1}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });
