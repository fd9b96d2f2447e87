// Window benchmarks on the offscreen platform.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/ui/forms.hpp"
#include "app/ui/look.hpp"
#include "app/ui/message_sink.hpp"
#include "app/ui/tform1.hpp"

#include <QLineSeries>

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

// One press of the elevator calculate button on the worked example (table
// read, calculation, charts filled); the argument is the stop time T4.
void ElevatorClick(benchmark::State& state) {
    RecordingSink messages;
    ZunProgram program(messages);
    program.ShowMainWindow();
    TForm1& f = *program.forms().Form1;
    f.PageControl1->setCurrentWidget(f.TabSheet2);
    f.ComboBox3->setCurrentIndex(0);
    f.ComboBox2->setCurrentIndex(1);
    const std::pair<QLineEdit*, const char*> entries[] = {
        {f.Edit4, "1000"}, {f.Edit5, "1200"}, {f.Edit8, "60"},  {f.Edit7, "0.4"},  {f.Edit11, "0.05"},
        {f.Edit12, "30"},  {f.Edit14, "380"}, {f.Edit15, "380"}, {f.Edit16, "2"},  {f.Edit17, "5"},
        {f.Edit18, "2"}};
    for (const auto& [edit, text] : entries) edit->setText(QString::fromLatin1(text));
    f.Edit19->setText(QString::number(state.range(0)));
    f.SpeedButton2->click();
    for (auto _ : state) {
        f.SpeedButton4->click();
        QApplication::processEvents();
    }
    state.counters["points"] = f.Series1->count();
}
BENCHMARK(ElevatorClick)->Arg(10)->Arg(1000000)->Unit(benchmark::kMillisecond);

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
