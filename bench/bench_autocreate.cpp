// Automatic creation of a large text: every step of the run, with small stand-ins for the
// construct generators (the ones the unit tests use), without the program session.
#include "autocreate/AutoCreatePipeline.h"
#include "tests/autocreate/StandInGenerators.h"

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
    const autocreate::AutoCreateGenerators generators = standin::generators();
    for (auto _ : state) {
        autocreate::AutoCreateOutcome out =
            autocreate::runAutoCreateSteps(text, QStringLiteral("memo.txt"), settings, generators);
        benchmark::DoNotOptimize(out);
    }
    state.counters["paragraphs"] = paragraphs;
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AutoCreate)
    ->ArgsProduct({{1'000'000, 4'000'000}, {0, 1}})
    ->ArgNames({"bytes", "frames"})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
