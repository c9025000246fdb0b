// Read, write and generate on designs of growing size, each reported as a ratio to the floor of
// a line-based text format: reading the same bytes and splitting them into lines, measured in the
// same run so that the ratio stays stable on a noisy machine.

#include "codegen/generate_code.h"
#include "design_fixture.h"
#include "persist/design_reader.h"
#include "persist/design_writer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The floor: walk the bytes once and cut them into lines.
std::size_t splitLines(std::string_view bytes, std::vector<std::string_view> &lines)
{
    lines.clear();
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find('\n', start);
        const auto stop = end == std::string_view::npos ? bytes.size() : end;
        lines.push_back(bytes.substr(start, stop - start));
        start = stop + 1;
    }
    return lines.size();
}

double floorSeconds(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::vector<double> runs;
    for (int run = 0; run < 15; ++run) {
        const auto begin = Clock::now();
        benchmark::DoNotOptimize(splitLines(bytes, lines));
        runs.push_back(std::chrono::duration<double>(Clock::now() - begin).count());
    }
    std::nth_element(runs.begin(), runs.begin() + 7, runs.end());
    return runs[7];
}

template<typename Work>
void measure(benchmark::State &state, std::string_view bytes, double target, Work work)
{
    const double floor = floorSeconds(bytes);
    std::int64_t iterations = 0;
    const auto begin = Clock::now();
    for (auto _ : state) {
        work();
        ++iterations;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    const double ratio = (seconds / static_cast<double>(iterations)) / floor;
    state.SetBytesProcessed(iterations * static_cast<std::int64_t>(bytes.size()));
    state.counters["x_floor"] = ratio;
    state.counters["target_x"] = target;
    state.counters["met"] = ratio <= target ? 1 : 0;
}

kovrin::DialogSet designFor(const benchmark::State &state)
{
    return kovrin::bench::makeDesign(static_cast<std::size_t>(state.range(0)),
                                     static_cast<std::size_t>(state.range(1)));
}

void BM_Read(benchmark::State &state)
{
    const std::string bytes = kovrin::designBytes(designFor(state)).bytes;
    measure(state, bytes, 8.0, [&] {
        auto design = kovrin::parseDesign(bytes, '.');
        benchmark::DoNotOptimize(design);
    });
}

void BM_Write(benchmark::State &state)
{
    const kovrin::DialogSet set = designFor(state);
    const std::string bytes = kovrin::designBytes(set).bytes;
    measure(state, bytes, 8.0, [&] {
        auto written = kovrin::designBytes(set);
        benchmark::DoNotOptimize(written);
    });
}

void BM_Generate(benchmark::State &state)
{
    const kovrin::DialogSet set = designFor(state);
    const std::string code = kovrin::generateCode(set);
    measure(state, code, 8.0, [&] {
        auto text = kovrin::generateCode(set);
        benchmark::DoNotOptimize(text);
    });
}

void designSizes(benchmark::internal::Benchmark *b)
{
    for (long dialogs : {1, 10, 50}) {
        for (long controls : {10, 100, 1000, 10000}) {
            if (controls >= dialogs)
                b->Args({dialogs, controls});
        }
    }
    b->ArgNames({"dialogs", "controls"})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_Read)->Apply(designSizes);
BENCHMARK(BM_Write)->Apply(designSizes);
BENCHMARK(BM_Generate)->Apply(designSizes);

BENCHMARK_MAIN();
