// The editing commands in the real window on a large document: replace all, re-indenting and the
// grammar check, each through its button or menu item (undo snapshot, new text, recolour).
#include "bench/BenchSupport.h"
#include "editor/EditorMenus.h"
#include "editor/EditorControls.h"
#include "platform/RichEdit.h"

#include <QLineEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using bench::htmlOfSize;

// Made on first use and gone before the application, whose widgets it holds.
std::unique_ptr<bench::Session> current;
bench::Session& session()
{
    if (!current)
        current = std::make_unique<bench::Session>(false);
    return *current;
}

// Puts the page back before each run, outside the measured time.
void resetText(benchmark::State& state, RichEdit* ed, const QString& text)
{
    state.PauseTiming();
    ed->setText(text);
    ed->setSelectionStart(0);
    state.ResumeTiming();
}

// Every "e" of the page replaced by "E" through the replace panel's "一斉置換".
void BM_ReplaceAllButton(benchmark::State& state)
{
    MainWindow& w = session().w();
    RichEdit* ed = w.ws.currentEditor();
    const QString text = htmlOfSize(state.range(0));
    w.commands.invoke(edit_menu::Replace);
    w.controls.get<QLineEdit>(replace_panel::FindBox)->setText(QStringLiteral("e"));
    w.controls.get<QLineEdit>(replace_panel::ReplacementBox)->setText(QStringLiteral("E"));
    auto* all = w.controls.get<QRadioButton>(replace_panel::AllAtOnce);
    for (auto _ : state) {
        resetText(state, ed, text);
        all->setChecked(true);
        w.dispatcher.press(ExecuteButton::ReplaceAll);
    }
    state.counters["replacements"] = static_cast<double>(text.count(QLatin1Char('e')));
}
BENCHMARK(BM_ReplaceAllButton)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_ReindentItem(benchmark::State& state)
{
    MainWindow& w = session().w();
    RichEdit* ed = w.ws.currentEditor();
    const QString text = htmlOfSize(state.range(0));
    for (auto _ : state) {
        resetText(state, ed, text);
        w.commands.invoke(edit2_menu::Indent);
    }
}
BENCHMARK(BM_ReindentItem)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The three checks find an unclosed DIV at the end: the panel shows it and the marks are painted.
void BM_GrammarCheckItem(benchmark::State& state)
{
    MainWindow& w = session().w();
    RichEdit* ed = w.ws.currentEditor();
    QString text = htmlOfSize(state.range(0));
    text.replace(QStringLiteral("</BODY>"), QStringLiteral("<DIV></BODY>"));
    for (auto _ : state) {
        resetText(state, ed, text);
        w.commands.invoke(edit2_menu::CheckGrammar);
    }
}
BENCHMARK(BM_GrammarCheckItem)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv, [] { current.reset(); });
}
