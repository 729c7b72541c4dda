// Automatic creation of a large text: every step of the run, with the real construct generators
// and with the small stand-ins of the unit tests, without the program session; and the whole
// run on the window, documents, files and temporary pages included.
#include "autocreate/AutoCreateControls.h"
#include "autocreate/AutoCreatePipeline.h"
#include "autocreate/AutoCreateControls.h"
#include "autocreate/GeneratorAdapters.h"
#include "bench/BenchSupport.h"
#include "platform/RichEdit.h"
#include "tests/autocreate/StandInGenerators.h"

#include <QRadioButton>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

// Size of the text in code page 932: one byte for ASCII, two for the other characters here.
qsizetype cp932Size(const QString& s)
{
    qsizetype n = 0;
    for (const QChar c : s)
        n += c.unicode() < 0x80 ? 1 : 2;
    return n;
}

// A text of about `bytes` bytes in code page 932: a title, then paragraphs of hard-wrapped lines,
// every third holding a list, every fifth a table, every seventh an image.
QString textOfSize(qsizetype bytes, int* paragraphs)
{
    QString text = QStringLiteral("大きな文書のタイトル\r\n\r\n");
    qsizetype size = cp932Size(text);
    int i = 0;
    for (; size < bytes; ++i) {
        QString p = QStringLiteral("見出し %1\r\n").arg(i);
        p += QStringLiteral("日本語の文章が続きます。English words & \"quotes\" too.\r\n");
        p += QStringLiteral("折り返された行はつながります。\r\n");
        p += QStringLiteral("　字下げした行は改行が残ります。Another sentence follows here.\r\n");
        if (i % 7 == 0)
            p += QStringLiteral(" <画像 picture%1.gif>\r\n").arg(i);
        if (i % 3 == 0)
            p += QStringLiteral("<項目>\r\n　りんご\r\n　みかん\r\n </項目>\r\n");
        else if (i % 5 == 0)
            p += QStringLiteral("<表>\r\n 品名,値段\r\n りんご、百円\r\n </表>\r\n");
        p += QStringLiteral("\r\n");
        size += cp932Size(p);
        text += p;
    }
    *paragraphs = i;
    return text;
}

void BM_AutoCreate(benchmark::State& state)
{
    int paragraphs = 0;
    const QString text = textOfSize(state.range(0), &paragraphs);
    autocreate::AutoCreateSettings settings;
    settings.frames = state.range(1) ? autocreate::FrameLayout::SideBySide
                                     : autocreate::FrameLayout::None;
    auto effects = std::make_shared<autocreate::GeneratorEffects>();
    const autocreate::AutoCreateGenerators generators =
        state.range(2) ? autocreate::realGenerators(autocreate::PanelInputs(), QStringLiteral("/home/user/web"), effects)
                       : standin::generators();
    for (auto _ : state) {
        autocreate::AutoCreateOutcome out =
            autocreate::runAutoCreateSteps(text, QStringLiteral("memo.txt"), settings, generators);
        benchmark::DoNotOptimize(out);
    }
    state.counters["paragraphs"] = paragraphs;
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AutoCreate)
    ->ArgsProduct({{1'000'000, 4'000'000}, {0, 1}, {1, 0}})
    ->ArgNames({"bytes", "frames", "real"})
    ->Unit(benchmark::kMillisecond);

// The menu's run on the window's single document, until the last page's preview is asked for.
void BM_AutoCreateInWindow(benchmark::State& state)
{
    int paragraphs = 0;
    const QString text = textOfSize(state.range(0), &paragraphs);
    bench::Session session(false);
    MainWindow& w = session.w();
    w.controls.get<QRadioButton>(ControlRef(auto_settings::FrameLayoutOption, state.range(1) ? 1 : 0))->setChecked(true);
    for (auto _ : state) {
        state.PauseTiming();
        w.ws.removeAllButFirst();
        w.ws.selectSourceTab(0);
        Document& d = w.ws.doc(0);
        d.sourceEditor->setText(text);
        d.fileName = QStringLiteral("memo.txt");
        d.folder = session.dir.path();
        state.ResumeTiming();
        w.commands.invoke(auto_create_menu::Run);
        state.PauseTiming();
        // The preview would start the browser engine; it is not part of the run.
        w.preview.previewDelay.stop();
        state.ResumeTiming();
    }
    state.counters["paragraphs"] = paragraphs;
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AutoCreateInWindow)
    ->ArgsProduct({{1'000'000, 4'000'000}, {0, 1}})
    ->ArgNames({"bytes", "frames"})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
