#pragma once
// Registration of the core benchmarks that time one call: over a spread of inputs in turn, so that branch
// prediction does not see one value over and over, or on one fixed input.

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

namespace tmcalc::bench {

// The next of `values` after index i, round and round.
template <std::size_t N>
double Next(const std::array<double, N>& values, std::size_t& i)
{
    i = (i + 1) % N;
    return values[i];
}

// Benchmark `name`: f(x) for each x of `inputs` in turn.
template <std::size_t N, typename F>
void OverInputs(const char* name, const std::array<double, N>& inputs, F f)
{
    benchmark::RegisterBenchmark(name, [&inputs, f](benchmark::State& state) {
        std::size_t i = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(f(Next(inputs, i)));
        }
    });
}

// Benchmark `name`: f() over and over.
template <typename F>
benchmark::internal::Benchmark* Repeatedly(const char* name, F f)
{
    return benchmark::RegisterBenchmark(name, [f](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(f());
    });
}

}  // namespace tmcalc::bench
