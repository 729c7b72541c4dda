#pragma once

// What the benchmark programs share: a large page, a running program in a temporary program
// folder, and the start of the Qt application around the benchmarks.
#include "platform/WebBrowser.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace bench {

// An HTML page of about `bytes` bytes of UTF-8: short paragraphs of Japanese and English text.
inline QString htmlOfSize(qsizetype bytes)
{
    const QString line = QStringLiteral("<P class=\"note\">日本語のテキストと English text, 番号 %1</P>\r\n");
    QString text = QStringLiteral("<HTML><HEAD><TITLE>大きな文書</TITLE></HEAD><BODY>\r\n");
    qsizetype size = 0;
    for (int i = 0; size < bytes; ++i) {
        const QString l = line.arg(i);
        size += l.toUtf8().size();
        text += l;
    }
    text += QStringLiteral("</BODY></HTML>\r\n");
    return text;
}

// The program started in an empty temporary program folder.
struct Session {
    QTemporaryDir dir;
    std::unique_ptr<Application> app;
    explicit Session(bool show)
    {
        StartupOptions options;
        options.programFolder = dir.path();
        options.show = show;
        app = Main(options);
        QApplication::processEvents();
    }
    MainWindow& w() { return *app->window; }
};

// Runs the registered benchmarks inside a Qt application; `beforeExit` runs while it still exists.
inline int runBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The engine's sandbox cannot start for root, as on the build machines.
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    WebBrowser::prepareApplication();
    QApplication app(argc, argv);
    setupApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeExit)
        beforeExit();
    return 0;
}

} // namespace bench
