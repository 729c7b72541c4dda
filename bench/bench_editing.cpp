// The editing commands' text logic on large documents: replace all, re-indenting and the grammar
// check, each a function of the text alone.
#include "bench/BenchSupport.h"
#include "editor/GrammarCheck.h"
#include "editor/Reindent.h"
#include "editor/SearchReplace.h"

#include <benchmark/benchmark.h>

namespace {

using bench::htmlOfSize;

// Every "e" of the page (several on each line) replaced by "E".
void BM_ReplaceAllOneCharacter(benchmark::State& state)
{
    const QString text = htmlOfSize(state.range(0));
    int count = 0;
    for (auto _ : state) {
        auto r = replaceAll(text, {0, 0}, QStringLiteral("e"), QStringLiteral("E"));
        count = r ? r->count : 0;
        benchmark::DoNotOptimize(r);
    }
    state.counters["replacements"] = count;
}
BENCHMARK(BM_ReplaceAllOneCharacter)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_Reindent(benchmark::State& state)
{
    const QString text = htmlOfSize(state.range(0));
    for (auto _ : state) {
        QString indented = indentHtml(text);
        benchmark::DoNotOptimize(indented);
    }
}
BENCHMARK(BM_Reindent)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// Long runs of blanks and line breaks in front of line-break marks, each of which is drawn up.
void BM_ReindentBlanksBeforeMarks(benchmark::State& state)
{
    const QString line = QStringLiteral("x") + QString(500, QLatin1Char(' ')) + QStringLiteral("\r\n\t　<BR>\r\n");
    QString text;
    while (text.size() < state.range(0))
        text += line;
    for (auto _ : state) {
        QString indented = indentHtml(text);
        benchmark::DoNotOptimize(indented);
    }
}
BENCHMARK(BM_ReindentBlanksBeforeMarks)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The three scans and, as after Yes to the question, the replacement of the half-width katakana
// (one run on every line).
void BM_GrammarCheck(benchmark::State& state)
{
    QString text = htmlOfSize(state.range(0));
    text.replace(QStringLiteral("テキスト"), QStringLiteral("ﾃｷｽﾄ"));
    text.replace(QStringLiteral("</BODY>"), QStringLiteral("<DIV></BODY>"));
    for (auto _ : state) {
        const GrammarReport report = grammarCheck(text);
        QString widened = widenKana(text);
        benchmark::DoNotOptimize(report);
        benchmark::DoNotOptimize(widened);
    }
}
BENCHMARK(BM_GrammarCheck)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
