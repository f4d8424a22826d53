// The first choice of "Currencies" in a freshly opened main window: reading the
// rates file, filling the lists and converting the first pair, offscreen. One
// choice a process, so that nothing is warm from an earlier one: run it several
// times (bench/currencies.sh) and take the median.
#include "app/ui/form2.h"
#include "fake_platform.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

using namespace corrolab;

void FirstCurrenciesChoice(benchmark::State& state)
{
    FakePlatform platform;
    platform.folder = CORROLAB_DATA_DIR;
    platform.programFile = platform.folder / "corrolab";
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<Form2>(platform);
        form->show();
        const int currencies = form->Combo5->findText("Currencies");
        state.ResumeTiming();
        form->Combo5->setCurrentIndex(currencies);
        form->Combo5_Click();
        state.PauseTiming();
        if (form->List2->count() < 2)
            state.SkipWithError("no currencies were listed");
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(FirstCurrenciesChoice)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
