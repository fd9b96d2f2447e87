// Benchmarks of the calculation core:
//   build/bin/zun_core_bench
#include <benchmark/benchmark.h>

#include "duty/simple_selection.hpp"
#include "duty/working_condition_profile.hpp"
#include "rating/derating_table.hpp"

namespace {

const std::string kTable = std::string(ZUN_SOURCE_DIR) + "/data/bked.txt";

void LoadShippedTable(benchmark::State& state) {
    for (auto _ : state) {
        zun::DeratingTable t = zun::LoadDeratingTable(kTable);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(LoadShippedTable)->Unit(benchmark::kMicrosecond);

// One press of the calculate button: the table is read afresh, then the
// worked example is computed.
void SimpleSelectionWithLoad(benchmark::State& state) {
    const zun::SimpleSelectionInputs in{zun::VoltageClass::V380, zun::CurrentCondition::DcBus, "20", "45", "10", "40",
                                        false};
    for (auto _ : state) {
        const zun::DeratingTable t = zun::LoadDeratingTable(kTable);
        auto r = zun::ComputeSimpleSelection(in, t);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(SimpleSelectionWithLoad)->Unit(benchmark::kMicrosecond);

// The working-condition window's evaluation: 15 steps of ordinary times, and
// 15 steps of 1,000,000 s each (drawn from the step ends).
void EvaluateFifteenSteps(benchmark::State& state) {
    zun::WorkingConditionProfile steps;
    for (int k = 0; k < 15; ++k) {
        steps.push_back({std::to_string(10 + k) + ".5", std::to_string(state.range(0) + k)});
    }
    for (auto _ : state) {
        auto s = zun::EvaluateProfile(steps);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(EvaluateFifteenSteps)->Arg(20)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
