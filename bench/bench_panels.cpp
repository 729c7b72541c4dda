// The guided panels: a start of the program in this process until its window is shown with every
// panel built, and opening a panel from its menu until the window has drawn it.
#include "bench/BenchSupport.h"
#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyMenu.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/FramesWizardControls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

void BM_StartUpWithAllPanels(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        bench::Session session(true);
        QApplication::processEvents();
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!session.w().isVisible() || !session.w().controls.has(table_panel::Panel)
            || !session.w().controls.has(frames_wizard::Panel)) {
            state.SkipWithError("the window or a panel is missing");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartUpWithAllPanels)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

struct Item {
    CommandId opener;
    ControlId panel;
};
// The table panel (the largest), the image panel, the frames wizard and the font-size panel.
const Item Items[] = {
    {advanced_menu::MakeTable, table_panel::Panel},
    {advanced_menu::InsertImage, image_panel::Panel},
    {advanced_menu::MakeFrames, frames_wizard::Panel},
    {easy_menu::FontSizePanel, font_size_panel::Panel},
};

std::unique_ptr<bench::Session> current;

void BM_OpenPanelFromMenu(benchmark::State& state)
{
    if (!current)
        current = std::make_unique<bench::Session>(true);
    MainWindow& w = current->w();
    const Item& item = Items[state.range(0)];
    QWidget* panel = w.controls.get<QWidget>(item.panel);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        w.commands.invoke(item.opener);
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        panel->hide();
        QApplication::processEvents();
    }
    state.SetLabel(item.opener.key);
}
BENCHMARK(BM_OpenPanelFromMenu)->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv, [] { current.reset(); });
}
