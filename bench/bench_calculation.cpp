#include <benchmark/benchmark.h>

#include "core/fault_calculation.h"
#include "core/fixed4.h"
#include "core/number_text.h"

using namespace ampera;

static void BM_FaultCalculation(benchmark::State& state) {
    FaultTexts f;
    f.transformer = {"400", "10", "400", "5,5", "4,5", "10"};
    f.r11 = "961", f.x11 = "9,2", f.r12 = f.x12 = f.r13 = f.x13 = "0";
    f.rd = "0,108", f.xd = f.rd1 = f.xd1 = f.rd2 = f.xd2 = "0", f.rr = "100", f.xr = "25,132";
    f.r01 = "1095", f.x01 = "57,9", f.r02 = f.x02 = f.r03 = f.x03 = "0", f.r0y = "55,8", f.x0y = "149";
    f.mode = FaultMode::SinglePhase;
    for (auto _ : state) {
        FaultResult r = calculateFault(f);
        std::string texts = r.xtText() + r.rtText() + r.xsText() + r.currentText() + r.rSumText() + r.xSumText();
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
