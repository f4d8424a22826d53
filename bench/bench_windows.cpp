// The tools window measured through the real window classes, offscreen, with the
// tests' platform double (no dialog, no file, no editor).
#include "alloys/ui/alloy_browser.h"
#include "app/ui/form2.h"
#include "polarization/curve_readers.h"
#include "polarization/ui/polarization_window.h"
#include "tests/support/polarization_curves.h"
#include "tests/ui/fake_platform.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/periodic_table_window.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

using namespace corrolab;

const char* kNineComponents = "60Fe 10Ni 8Cr 6Mo 5Cu 4Mn 3Si 2Co 2Ti";

// The tools window in the Alloy mode with nine components loaded.
EqWt& NineComponentTools(Form2& form)
{
    EqWt& tools = form.EnsureTools();
    tools.Option2[1]->setChecked(true);
    tools.Option2_Click(1);
    tools.LoadComposition(kNineComponents);
    return tools;
}

// One Calculate with 9 components, including its hand-back to the main window.
void CalculateNineComponents(benchmark::State& state)
{
    FakePlatform platform;
    Form2 form(platform);
    EqWt& tools = NineComponentTools(form);
    for (auto _ : state)
        tools.Command1_Click();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CalculateNineComponents)->Unit(benchmark::kMicrosecond);

// One percentage edit in row 0 cascading down 9 rows, each step recalculating
// and handing back to the main window.
void CascadeNineRows(benchmark::State& state)
{
    FakePlatform platform;
    Form2 form(platform);
    EqWt& tools = NineComponentTools(form);
    int percent = 50;
    for (auto _ : state) {
        percent = percent == 50 ? 51 : 50;
        tools.Text2[0]->setText(QString::number(percent));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CascadeNineRows)->Unit(benchmark::kMicrosecond);

// Opening a window from its menu and drawing it: the first time, when it is
// made, and again after it was closed.
void OpenFromMenu(benchmark::State& state, QAction* MainMenu::*item, bool firstTime)
{
    FakePlatform platform;
    auto form = std::make_unique<Form2>(platform);
    for (auto _ : state) {
        if (firstTime) {
            state.PauseTiming();
            form = std::make_unique<Form2>(platform);
            state.ResumeTiming();
        }
        (form->menu.*item)->trigger();
        QWidget* window = QApplication::activeWindow();
        if (QWidget* opened = form->periodicTable(); opened && opened->isVisible())
            window = opened;
        if (QWidget* opened = form->alloyBrowser(); opened && opened->isVisible())
            window = opened;
        window->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        window->hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(OpenFromMenu, PeriodicTableFirst, &MainMenu::mnuPT, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(OpenFromMenu, PeriodicTableAgain, &MainMenu::mnuPT, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenFromMenu, AlloyBrowserFirst, &MainMenu::mnuAC, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(OpenFromMenu, AlloyBrowserAgain, &MainMenu::mnuAC, false)
    ->Unit(benchmark::kMillisecond);

// One step of a drag across the polarization plot of a 10,001-point curve: the
// new fit window, its analysis and the plot and table drawn again.
void DragAcrossTenThousandPoints(benchmark::State& state)
{
    FakePlatform platform;
    PolarizationWindow window(platform, {});
    window.resize(1000, 560);
    window.show();
    testing::SyntheticCurve synthetic;
    synthetic.step = 0.00005; // 10,001 points over +-250 mV
    CurveRead read = ReadCurveBytes(
        testing::GamryText(testing::MakeActivationCurve(synthetic), 1, 7.87, 27.92));
    window.OpenCurve(std::move(*read.curve), "scan.DTA");
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        // The window grows and shrinks as a hand drags it.
        const double half = 0.05 + 0.001 * (step++ % 100);
        window.SetFitWindow({-half, half});
        window.repaint();
        window.chartView->viewport()->repaint();
        QApplication::processEvents();
    }
    state.counters["points"] = window.report() ? window.report()->result.points : 0;
}
BENCHMARK(DragAcrossTenThousandPoints)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // window places stay out of the user's settings
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
