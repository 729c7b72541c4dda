// Opening, colouring, typing and undo snapshots in large documents.
#include "editor/Colouring.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "bench/BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using bench::htmlOfSize;

bench::Session& session()
{
    static bench::Session s(false);
    return s;
}

void BM_DecodeCp932(benchmark::State& state)
{
    const QByteArray bytes = encodeText(htmlOfSize(state.range(0)), TextEncoding::Cp932, true).bytes;
    for (auto _ : state) {
        const TextEncoding enc = detectEncoding(bytes);
        QString text = decodeText(bytes, enc);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeCp932)->Arg(5'500'000)->Unit(benchmark::kMillisecond);

void BM_SetText(benchmark::State& state)
{
    RichEdit* ed = session().w().ws.sourceEditor(0);
    const QString text = htmlOfSize(state.range(0));
    for (auto _ : state)
        ed->setText(text);
}
BENCHMARK(BM_SetText)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// Opening a large code page 932 file: reading, decoding, setting and colouring it.
void BM_OpenLargeFile(benchmark::State& state)
{
    MainWindow& w = session().w();
    QTemporaryDir dir;
    const QString name = QStringLiteral("large.html");
    {
        const QByteArray bytes = encodeText(htmlOfSize(state.range(0)), TextEncoding::Cp932, true).bytes;
        QFile f(dir.path() + QLatin1Char('/') + name);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    w.ws.tabStrip().setCurrentIndex(1);
    for (auto _ : state) {
        if (!w.files.readFile(dir.path(), name))
            state.SkipWithError("the file could not be read");
    }
}
BENCHMARK(BM_OpenLargeFile)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// Reading and decoding alone, with the check that saving gives the same bytes back.
void BM_ReadTextFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/large.html");
    {
        const QByteArray bytes = encodeText(htmlOfSize(state.range(0)), TextEncoding::Cp932, true).bytes;
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    for (auto _ : state) {
        TextReadResult r = readTextFile(file);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadTextFile)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// One scan and one styling call over the whole text.
void BM_FullRecolour(benchmark::State& state)
{
    MainWindow& w = session().w();
    RichEdit* ed = w.ws.sourceEditor(0);
    ed->setText(htmlOfSize(state.range(0)));
    for (auto _ : state)
        w.colour.recolour(ed);
}
BENCHMARK(BM_FullRecolour)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void BM_ColourScanOnly(benchmark::State& state)
{
    const QByteArray text = htmlOfSize(state.range(0)).toUtf8();
    std::vector<char> styles(static_cast<size_t>(text.size()));
    for (auto _ : state) {
        colourScan(text.constData(), text.size(), styles.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ColourScanOnly)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// A typed character in the middle of a coloured 1 MB document, with the change event.
void BM_KeystrokeInMiddle(benchmark::State& state)
{
    MainWindow& w = session().w();
    RichEdit* ed = w.ws.sourceEditor(0);
    ed->setText(htmlOfSize(state.range(0)));
    w.colour.recolour(ed);
    ed->setSelectionStart(ed->textLength() / 2);
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(ed, &press);
    }
}
BENCHMARK(BM_KeystrokeInMiddle)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void BM_UndoSnapshot(benchmark::State& state)
{
    MainWindow& w = session().w();
    RichEdit* ed = w.ws.sourceEditor(0);
    const QString text = htmlOfSize(state.range(0));
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ed->setText(text + QString::number(i++));
        state.ResumeTiming();
        w.undo.takeSnapshot();
    }
    // What ten snapshots hold, in copies of the text.
    qsizetype held = 0;
    for (const auto& slot : w.ws.doc(0).undoRing)
        held += slot.text.capacity();
    state.counters["snapshots_in_text_copies"] = static_cast<double>(held) / static_cast<double>(text.size());
}
BENCHMARK(BM_UndoSnapshot)->Arg(1'000'000)->Iterations(20)->Unit(benchmark::kMillisecond);

// From start-up to the window shown, for an empty program folder.
void BM_StartToWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir dir;
        QElapsedTimer timer;
        timer.start();
        StartupOptions options;
        options.programFolder = dir.path();
        auto app = Main(options);
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        state.counters["browsers_created"] = app->window->ws.doc(0).browser ? 1 : 0;
    }
}
BENCHMARK(BM_StartToWindowShown)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
