#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <vector>

#include "thermocouple/deviation_fit.h"
#include "thermocouple/std_reference.h"
#include "thermocouple/std_type_b.h"
#include "thermocouple/std_type_s.h"

namespace {

using namespace tmcalc;

const SDeviation kRounded = SDeviationFromFixedPoints(3.4472, 5.8605, 10.5822, SDeviationVariant::Rounded);
const SDeviation kPrecise = SDeviationFromFixedPoints(3.4472, 5.8605, 10.5822, SDeviationVariant::Precise);

// Fixed points typed at random: no temperature gives 6.19 mV and Newton wanders until its 100001st step.
const SDeviation kWandering = SDeviationFromFixedPoints(4.2983037454835475, 7.156956359931776, -19.745324421287407,
                                                        SDeviationVariant::Precise);

constexpr StdBCalibration kLowRange = {StdBMode::LowRange,
                                       {-2.46508183460E-01, 5.90404211710E-03, -1.32579316360E-06,
                                        1.56682919010E-09, -1.69445292400E-12, 6.29903470940E-16}};
constexpr StdBCalibration kHighRange = {
    StdBMode::HighRange,
    {-3.89381686210E+03, 2.85717474700E+01, -8.48851047850E-02, 1.57852801640E-04, -1.68353448640E-07,
     1.11097940130E-10, -4.45154310330E-14, 9.89756408210E-18, -9.37913302890E-22}};
// 1 + t^2 µV: no root, so the polynomial iteration runs all its 1000001 steps.
constexpr StdBCalibration kNoRoot = {StdBMode::HighRange, {1, 0, 1}};

StdBCalibration FixedPoints(double a, double b, double c)
{
    StdBCalibration cal{StdBMode::FixedPoints, {}};
    for (std::size_t i = 0; i < kStdBFixedPointTemperatures.size(); ++i) {
        const double t = kStdBFixedPointTemperatures[i];
        cal.p[i] = StdRefEmf(ThermocoupleType::B, t) + a + b * t + c * t * t;
    }
    return cal;
}

const StdBCalibration kFixedPoints = FixedPoints(0.01, -1E-5, 3E-9);
// A deviation of absurd size: 389 Newton steps before the iteration leaves the range (NaN).
const StdBCalibration kFixedPointsLong =
    FixedPoints(0.15307483644639497, -0.00079665197697954241, -4.6802519922735427e-07);

// 64 values over [low, high], so every piece of the reference functions is visited.
std::vector<double> Spread(double low, double high)
{
    std::vector<double> values;
    for (int i = 0; i < 64; ++i) values.push_back(low + (high - low) * i / 63.0);
    return values;
}

template <typename F>
void OverInputs(benchmark::State& state, const std::vector<double>& inputs, F f)
{
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(inputs[next]));
        next = (next + 1) % inputs.size();
    }
}

void BM_SDeviationFromFixedPoints(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(SDeviationFromFixedPoints(3.4472, 5.8605, 10.5822, SDeviationVariant::Rounded));
    }
}

void BM_StdSEmf(benchmark::State& state)
{
    OverInputs(state, Spread(-50, 1768), [](double t) { return StdSEmf(t, 20, kRounded); });
}

void BM_StdSTemperature(benchmark::State& state)
{
    std::vector<double> emfs;
    for (double t : Spread(-50, 1700)) emfs.push_back(StdSEmf(t, 20, kRounded).emf);
    OverInputs(state, emfs, [](double emf) { return StdSTemperature(emf, 20, kPrecise); });
}

void BM_StdSTemperatureWorst(benchmark::State& state, SDeviation deviation, double emf)
{
    for (auto _ : state) benchmark::DoNotOptimize(StdSTemperature(emf, 0, deviation));
}

void BM_HundredDegreeTableWithTexts(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(HundredDegreeTableTexts(HundredDegreeTable(kRounded), kRounded));
}

void BM_FitDeviationQuadratic(benchmark::State& state)
{
    const std::span<const double> emfs(kFixedPoints.p.data(), kStdBFixedPointTemperatures.size());
    for (auto _ : state) benchmark::DoNotOptimize(FitDeviationQuadratic(kStdBFixedPointTemperatures, emfs));
}

void BM_StdBEmfMicro(benchmark::State& state, StdBCalibration cal, double low, double high)
{
    OverInputs(state, Spread(low, high), [&cal](double t) { return StdBEmfMicro(cal, t); });
}

void BM_StdBTemperature(benchmark::State& state, StdBCalibration cal, double low, double high)
{
    std::vector<double> emfs;
    for (double t : Spread(low, high)) emfs.push_back(StdBEmfMicro(cal, t));
    OverInputs(state, emfs, [&cal](double emf) { return StdBTemperature(cal, emf); });
}

void BM_StdBTemperatureWorst(benchmark::State& state, StdBCalibration cal, double emf)
{
    for (auto _ : state) benchmark::DoNotOptimize(StdBTemperature(cal, emf));
}

BENCHMARK(BM_SDeviationFromFixedPoints);
BENCHMARK(BM_StdSEmf);
BENCHMARK(BM_StdSTemperature);
BENCHMARK_CAPTURE(BM_StdSTemperatureWorst, InsideStepAt400, kPrecise, 3.2595);
BENCHMARK_CAPTURE(BM_StdSTemperatureWorst, BeyondReach_18_8mV, kPrecise, 18.8);
BENCHMARK_CAPTURE(BM_StdSTemperatureWorst, StepLimit_100001, kWandering, 6.1946486878258362)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HundredDegreeTableWithTexts);
BENCHMARK(BM_FitDeviationQuadratic);
BENCHMARK_CAPTURE(BM_StdBEmfMicro, LowRange, kLowRange, 0, 630);
BENCHMARK_CAPTURE(BM_StdBEmfMicro, HighRange, kHighRange, 631, 1820);
BENCHMARK_CAPTURE(BM_StdBEmfMicro, FixedPoints, kFixedPoints, 631, 1820);
BENCHMARK_CAPTURE(BM_StdBTemperature, LowRange, kLowRange, 50, 630);
BENCHMARK_CAPTURE(BM_StdBTemperature, HighRange, kHighRange, 631, 1820);
BENCHMARK_CAPTURE(BM_StdBTemperature, FixedPoints, kFixedPoints, 631, 1820);
BENCHMARK_CAPTURE(BM_StdBTemperatureWorst, HighRangeAboveInverse_13_9mV, kHighRange, 13900.0);
BENCHMARK_CAPTURE(BM_StdBTemperatureWorst, HighRangeStepLimit_1000001, kNoRoot, 0.0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StdBTemperatureWorst, FixedPoints389Steps, kFixedPointsLong, 95.377339587982732)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
