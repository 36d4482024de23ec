// Formatting and parsing of values in the exponent form that every sample,
// spectrum line and grid point of a transfer text carries.

#include "core/NumberFormat.h"

#include <benchmark/benchmark.h>

#include <charconv>

#include <string>
#include <vector>

using namespace ombrix;

namespace {

constexpr int kValues = 1'000'000;

std::vector<double> Samples() {
    std::vector<double> values(kValues);
    double v = 1.2345e-7;
    for (auto& x : values) {
        x = v;
        v = v * 1.000037 + 3.1e-9;
    }
    return values;
}

void BM_FormatExponentMillion(benchmark::State& state) {
    const auto values = Samples();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (double v : values) bytes += FormatFloat(v, FloatForm::Exponent, 5, 2, '.').size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_FormatExponentMillion)->Unit(benchmark::kMillisecond);

void BM_ParseExponentMillion(benchmark::State& state) {
    std::vector<std::string> texts;
    texts.reserve(kValues);
    for (double v : Samples()) texts.push_back(FormatFloat(v, FloatForm::Exponent, 5, 2, ','));
    for (auto _ : state) {
        double sum = 0;
        for (const auto& t : texts) sum += ParseFloat(t, ',');
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ParseExponentMillion)->Unit(benchmark::kMillisecond);

// Baseline: the standard library's own shortest conversion of the same values.
void BM_ToCharsMillionBaseline(benchmark::State& state) {
    const auto values = Samples();
    char buffer[64];
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (double v : values) {
            auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 4);
            bytes += static_cast<std::size_t>(end - buffer);
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ToCharsMillionBaseline)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
