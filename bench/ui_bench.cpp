// Window benchmarks on the offscreen platform.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/ui/forms.hpp"
#include "app/ui/look.hpp"
#include "app/ui/message_sink.hpp"
#include "app/ui/tform1.hpp"

namespace {

using namespace zun::ui;

// Start-up: the four windows created and the main window shown.
void StartUp(benchmark::State& state) {
    RecordingSink messages;
    for (auto _ : state) {
        ZunProgram program(messages);
        program.ShowMainWindow();
        QApplication::processEvents();
        state.PauseTiming();
        program.forms().Form1->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

// One press of the first tab's calculate button on the worked example,
// table read included.
void SimpleSelectionClick(benchmark::State& state) {
    RecordingSink messages;
    ZunProgram program(messages);
    program.ShowMainWindow();
    TForm1& f = *program.forms().Form1;
    f.ComboBox1->setCurrentIndex(1);
    f.ComboBox4->setCurrentIndex(0);
    f.Edit3->setText("20");
    f.Edit22->setText("45");
    f.Edit1->setText("10");
    f.Edit2->setText("40");
    for (auto _ : state) {
        f.SpeedButton1->click();
        QApplication::processEvents();
    }
    if (!messages.boxes.empty()) state.SkipWithError("the click showed a box");
}
BENCHMARK(SimpleSelectionClick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
