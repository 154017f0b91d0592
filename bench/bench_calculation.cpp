#include <benchmark/benchmark.h>

#include "core/fault_calculation.h"
#include "core/fixed4.h"
#include "core/number_text.h"

using namespace ampera;

static void BM_FaultCalculation(benchmark::State& state) {
    FaultTexts f;
    f.transformer = {"400", "10", "400", "5,5", "4,5", "10"};
    f.positive = {"961", "9,2", "0", "0", "0", "0", "0,108", "0", "0", "0", "0", "0", "100", "25,132"};
    f.zero = {"1095", "57,9", "0", "0", "0", "0", "55,8", "149"};
    f.mode = FaultMode::SinglePhase;
    for (auto _ : state) {
        FaultResult r = calculateFault(f);
        std::string texts = r.text1() + r.text3() + r.text5() + r.text4() + r.text6() + r.text7();
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_FaultCalculation);

static void BM_ParseDouble(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(parseDouble("1153,2"));
}
BENCHMARK(BM_ParseDouble);

static void BM_ParseFixed4(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Fixed4::parse("18,0629"));
}
BENCHMARK(BM_ParseFixed4);

static void BM_FormatDouble(benchmark::State& state) {
    double v = 17.139136;
    for (auto _ : state) benchmark::DoNotOptimize(formatDouble(v));
}
BENCHMARK(BM_FormatDouble);

static void BM_FormatFixed4(benchmark::State& state) {
    Fixed4 v = Fixed4::fromRaw(180629);
    for (auto _ : state) benchmark::DoNotOptimize(v.toText());
}
BENCHMARK(BM_FormatFixed4);

BENCHMARK_MAIN();
