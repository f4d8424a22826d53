// The tools window measured through the real window classes, offscreen, with the
// tests' platform double (no dialog, no file, no editor).
#include "app/ui/form2.h"
#include "tests/ui/fake_platform.h"
#include "tools/ui/eqwt.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <cstdlib>

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

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
