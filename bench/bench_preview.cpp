// The preview tab: the first preview of a document, a preview after an edit, and a switch back to
// a preview whose text did not change.
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/WebBrowser.h"
#include "bench/BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using bench::htmlOfSize;

struct Session : bench::Session {
    Session() : bench::Session(true) {}
    double engineStartMs = 0;
};

// Ended before the application object: the browsers must go before the engine's profile.
std::unique_ptr<Session> current;

Session& session()
{
    if (!current)
        current = std::make_unique<Session>();
    return *current;
}

// Runs the event loop until done() holds or a minute has passed; false then.
template <typename Done>
bool runUntil(Done done)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 60000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// Selects the preview tab of document n and returns the nanoseconds until its browser reported
// the temporary page complete; -1 when it did not.
qint64 timePreview(MainWindow& w, int n)
{
    Document& d = w.ws.doc(n);
    const QUrl page = QUrl::fromLocalFile(w.ws.tempPagePath(n));
    qint64 completeAt = -1;
    QElapsedTimer timer;
    QMetaObject::Connection connection;
    auto watch = [&](WebBrowser* b) {
        connection = QObject::connect(b, &WebBrowser::loadFinished, b, [&](const QUrl& url, bool) {
            if (url == page && completeAt < 0)
                completeAt = timer.nsecsElapsed();
        });
    };
    if (d.browser)
        watch(d.browser);
    timer.start();
    w.ws.tabStrip().setCurrentIndex(2 * n + 2);
    const bool ok = runUntil([&] {
        if (!connection && d.browser) {
            watch(d.browser);
            // Already done before the first look: count it from here.
            if (!d.browser->isLoading() && QUrl(d.browser->url()) == page)
                completeAt = timer.nsecsElapsed();
        }
        return completeAt >= 0;
    });
    QObject::disconnect(connection);
    return ok ? completeAt : -1;
}

// The first document's first preview also starts the engine; it is timed once, before the rest.
void warmUp()
{
    Session& s = session();
    static bool done = false;
    if (done)
        return;
    done = true;
    s.w().ws.sourceEditor(0)->setText(htmlOfSize(20'000));
    s.engineStartMs = static_cast<double>(timePreview(s.w(), 0)) / 1e6;
}

// A new document each time: its browser is created, the engine loads the page for the first time.
void BM_FirstPreviewOfADocument(benchmark::State& state)
{
    warmUp();
    MainWindow& w = session().w();
    const QString text = htmlOfSize(state.range(0));
    for (auto _ : state) {
        if (w.ws.documentCount() >= MaxDocuments - 1) {
            state.SkipWithError("no room for another document");
            break;
        }
        w.ws.addDocument();
        const int n = w.ws.documentCount() - 1;
        w.ws.sourceEditor(n)->setText(text);
        const qint64 ns = timePreview(w, n);
        if (ns < 0) {
            state.SkipWithError("the preview did not complete");
            break;
        }
        state.SetIterationTime(static_cast<double>(ns) / 1e9);
    }
    state.counters["first_preview_with_engine_start_ms"] = session().engineStartMs;
}
BENCHMARK(BM_FirstPreviewOfADocument)->Arg(20'000)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// Back to the source, one more character, and the preview again: the page is written and loaded.
void BM_PreviewAfterAnEdit(benchmark::State& state)
{
    warmUp();
    MainWindow& w = session().w();
    w.ws.tabStrip().setCurrentIndex(1);
    // Unlike every text shown before, so that this preview loads.
    w.ws.sourceEditor(0)->setText(htmlOfSize(state.range(0)) + QStringLiteral("<!-- after an edit -->"));
    if (timePreview(w, 0) < 0) {
        state.SkipWithError("the preview did not complete");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        w.ws.tabStrip().setCurrentIndex(1);
        RichEdit* ed = w.ws.sourceEditor(0);
        ed->setSelectionStart(ed->textLength());
        ed->replaceSelection(QString::number(i++ % 10));
        const qint64 ns = timePreview(w, 0);
        if (ns < 0) {
            state.SkipWithError("the preview did not complete");
            break;
        }
        state.SetIterationTime(static_cast<double>(ns) / 1e9);
    }
}
BENCHMARK(BM_PreviewAfterAnEdit)->Arg(20'000)->Arg(1'000'000)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// Back to the source and to the preview without a change: the shown page stays, only the tick
// runs (it waits for the timer's 5 ms).
void BM_SwitchWithoutChange(benchmark::State& state)
{
    warmUp();
    MainWindow& w = session().w();
    w.ws.tabStrip().setCurrentIndex(1);
    w.ws.sourceEditor(0)->setText(htmlOfSize(state.range(0)) + QStringLiteral("<!-- unchanged -->"));
    if (timePreview(w, 0) < 0) {
        state.SkipWithError("the preview did not complete");
        return;
    }
    int navigations = 0;
    QObject::connect(w.ws.doc(0).browser, &WebBrowser::loadFinished, w.ws.doc(0).browser, [&] { ++navigations; });
    for (auto _ : state) {
        w.ws.tabStrip().setCurrentIndex(1);
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        w.ws.tabStrip().setCurrentIndex(2);
        runUntil([&] { return !w.preview.previewDelay.isActive(); });
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    QApplication::processEvents();
    state.counters["pages_loaded"] = navigations;
}
BENCHMARK(BM_SwitchWithoutChange)->Arg(20'000)->Arg(1'000'000)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv, [] { current.reset(); });
}
