// A fresh start as a user meets it: a new process of the real program, offscreen, with a 10 MB
// code page 932 page on its command line, from launch until its window is shown and its event
// loop is first idle. Wall time is the iteration time; the process's CPU time is a counter.
// bench/launch_side_by_side.sh measures the same start under a real X server, beside a peer.
#include "platform/TextFile.h"
#include "bench/BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    bool ok = false;
};

Run launch(const QString& program, const QStringList& arguments, const QString& folder)
{
    const QByteArray exe = program.toLocal8Bit();
    std::vector<QByteArray> args{exe};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const QByteArray dir = folder.toLocal8Bit();

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.constData()) != 0)
            _exit(126);
        // Offscreen unless told otherwise (PELMOR_BENCH_PLATFORM=xcb with a DISPLAY measures
        // a real window system).
        const char* platform = getenv("PELMOR_BENCH_PLATFORM");
        setenv("QT_QPA_PLATFORM", platform && *platform ? platform : "offscreen", 1);
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
        setenv("PELMOR_QUIT_WHEN_IDLE", "1", 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Run run;
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// A copy of the program in a folder of its own, so that every run starts from the same
// settings and no leftover pages.
struct ProgramCopy {
    QTemporaryDir dir;
    QString program;
    ProgramCopy()
    {
        const QString built = QStringLiteral(PELMOR_EXECUTABLE);
        program = dir.path() + QStringLiteral("/pelmor");
        QFile::copy(built, program);
        QDir().mkpath(dir.path() + QStringLiteral("/resource"));
    }
    void clean() const
    {
        QDir folder(dir.path());
        for (const QString& name : folder.entryList(QDir::Files)) {
            if (name != QStringLiteral("pelmor"))
                folder.remove(name);
        }
    }
};

void runLaunches(benchmark::State& state, const QStringList& arguments, const QString& from)
{
    ProgramCopy copy;
    double cpu = 0;
    for (auto _ : state) {
        copy.clean();
        const Run run = launch(copy.program, arguments, from);
        if (!run.ok) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        state.SetIterationTime(run.wallSeconds);
        cpu += run.cpuSeconds;
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

constexpr qsizetype LargePageBytes = 10'000'000;

// The large page of the benchmark: about `bytes` bytes of HTML in code page 932.
bool writeLargePage(const QString& path, qsizetype bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly)
        && f.write(encodeText(bench::htmlOfSize(bytes), TextEncoding::Cp932, true).bytes) > 0 && f.flush();
}

void BM_LaunchWithLargeFile(benchmark::State& state)
{
    QTemporaryDir pages;
    const QString name = QStringLiteral("large.html");
    writeLargePage(pages.path() + QLatin1Char('/') + name, state.range(0));
    runLaunches(state, {pages.path() + QLatin1Char('/') + name}, pages.path());
}
BENCHMARK(BM_LaunchWithLargeFile)->Arg(LargePageBytes)->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);

void BM_LaunchEmpty(benchmark::State& state)
{
    QTemporaryDir folder;
    runLaunches(state, {}, folder.path());
}
BENCHMARK(BM_LaunchEmpty)->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // `bench_launch --write-page=FILE` only writes the large page, for measurements made outside
    // (bench/launch_side_by_side.sh).
    const QByteArray writePage("--write-page=");
    if (argc == 2 && QByteArray(argv[1]).startsWith(writePage))
        return writeLargePage(QString::fromLocal8Bit(argv[1] + writePage.size()), LargePageBytes) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
