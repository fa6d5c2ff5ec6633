#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <optional>

#include "thermistor/ntc_conversions.h"
#include "thermistor/ntc_fits.h"

namespace {

using namespace tmcalc;

constexpr double kA = 1.129148e-3;
constexpr double kB = 2.34125e-4;
constexpr double kC = 8.76741e-8;
constexpr double kD = 8e-8;

// A spread of inputs so that branch prediction does not see one value over and over.
constexpr std::array<double, 6> kTemps{-40.0, -5.0, 0.0, 25.0, 80.0, 150.0};
constexpr std::array<double, 6> kRes{336000.0, 42000.0, 10000.0, 3600.0, 1250.0, 180.0};

template <std::size_t N>
double Next(const std::array<double, N>& values, std::size_t& i)
{
    i = (i + 1) % N;
    return values[i];
}

void BM_NtcBetaTemperature(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NtcBetaTemperature(10000, 3950, Next(kRes, i)));
}
BENCHMARK(BM_NtcBetaTemperature);

void BM_NtcBetaResistance(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NtcBetaResistance(10000, 3950, Next(kTemps, i)));
}
BENCHMARK(BM_NtcBetaResistance);

void BM_NtcShTemperature(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NtcShTemperature(kA, kB, kC, Next(kRes, i)));
}
BENCHMARK(BM_NtcShTemperature);

void BM_NtcShResistance(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NtcShResistance(kA, kB, kC, Next(kTemps, i)));
}
BENCHMARK(BM_NtcShResistance);

void BM_NtcShxTemperature(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NtcShxTemperature(kA, kB, 1e-6, kD, Next(kRes, i)));
}
BENCHMARK(BM_NtcShxTemperature);

void BM_NtcShxResistance(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NtcShxResistance(kA, kB, 1e-6, kD, Next(kTemps, i)));
}
BENCHMARK(BM_NtcShxResistance);

void BM_FitNtcBeta(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FitNtcBeta(FitPoint{0, 33620.6}, FitPoint{Next(kTemps, i) + 1, 3601.0}));
    }
}
BENCHMARK(BM_FitNtcBeta);

void BM_FitNtcSteinhartHart(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            FitNtcSteinhartHart(FitPoint{0, 32650.0}, FitPoint{25, Next(kRes, i) + 1}, FitPoint{50, 3602.0}));
    }
}
BENCHMARK(BM_FitNtcSteinhartHart);

}  // namespace

BENCHMARK_MAIN();
