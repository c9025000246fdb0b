// Read, write and generate on designs of growing size, each reported as a ratio to the floor of
// a line-based text format: reading the same bytes and splitting them into lines. Floor and work
// alternate in every iteration and both are timed on this thread's CPU clock, so the ratio does
// not follow a neighbour's load. At the end a table gives each figure beside its target.
//
// Columns: Time is the work's own CPU time per operation (the floor runs beside it and is left
// out); bytes_per_second is the design file's or the code's size over that time; x_floor is the
// median of work / floor over the iterations; floor_ms the floor's CPU time per operation;
// us_per_control the work's CPU time per control (flat when the cost is linear).

#include "bench_clock.h"
#include "codegen/generate_code.h"
#include "design_fixture.h"
#include "persist/design_reader.h"
#include "persist/design_writer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using kovrin::bench::threadCpuSeconds;

constexpr double kTargetRatio = 8.0;

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

double median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

struct Figure
{
    double ratio = 0;
    double workMs = 0;
    double megabytesPerSecond = 0;
};

// The last run of each benchmark, for the table at the end.
std::map<std::string, Figure> &figures()
{
    static std::map<std::string, Figure> all;
    return all;
}

// How often floor and work run back to back inside one timed stretch, so that the stretch is
// long against the clock's own cost even for the smallest designs.
int batchFor(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    const double begin = threadCpuSeconds();
    splitLines(bytes, lines);
    const double once = std::max(threadCpuSeconds() - begin, 1e-7);
    return std::clamp(static_cast<int>(200e-6 / once), 1, 1000);
}

template<typename Work>
void measure(benchmark::State &state, const char *what, std::string_view bytes, Work work)
{
    const int batch = batchFor(bytes);
    std::vector<std::string_view> lines;
    std::vector<double> ratios;
    std::vector<double> floors;
    double workSeconds = 0;
    for (auto _ : state) {
        double begin = threadCpuSeconds();
        for (int i = 0; i < batch; ++i)
            benchmark::DoNotOptimize(splitLines(bytes, lines));
        const double floor = threadCpuSeconds() - begin;
        begin = threadCpuSeconds();
        for (int i = 0; i < batch; ++i)
            work();
        const double worked = threadCpuSeconds() - begin;
        // One iteration stands for one operation; the batch only serves the clock.
        state.SetIterationTime(worked / batch);
        workSeconds += worked / batch;
        ratios.push_back(worked / std::max(floor, 1e-9));
        floors.push_back(floor / batch);
    }
    const auto iterations = static_cast<double>(state.iterations());
    const double ratio = median(ratios);
    const long controls = state.range(1);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["x_floor"] = ratio;
    state.counters["target_x"] = kTargetRatio;
    state.counters["met"] = ratio <= kTargetRatio ? 1 : 0;
    state.counters["floor_ms"] = median(floors) * 1e3;
    state.counters["us_per_control"]
        = workSeconds / iterations / static_cast<double>(controls) * 1e6;

    const double workPerOp = workSeconds / iterations;
    char name[64];
    std::snprintf(name, sizeof name, "%-8s %2ld dialogs %5ld controls", what, state.range(0),
                  controls);
    figures()[name]
        = Figure {ratio, workPerOp * 1e3, static_cast<double>(bytes.size()) / workPerOp / 1e6};
}

kovrin::DialogSet designFor(const benchmark::State &state)
{
    return kovrin::bench::makeDesign(static_cast<std::size_t>(state.range(0)),
                                     static_cast<std::size_t>(state.range(1)));
}

void BM_Read(benchmark::State &state)
{
    const std::string bytes = kovrin::designBytes(designFor(state)).bytes;
    measure(state, "read", bytes, [&] {
        auto design = kovrin::parseDesign(bytes, '.');
        benchmark::DoNotOptimize(design);
    });
}

void BM_Write(benchmark::State &state)
{
    const kovrin::DialogSet set = designFor(state);
    const std::string bytes = kovrin::designBytes(set).bytes;
    measure(state, "write", bytes, [&] {
        auto written = kovrin::designBytes(set);
        benchmark::DoNotOptimize(written);
    });
}

void BM_Generate(benchmark::State &state)
{
    const kovrin::DialogSet set = designFor(state);
    const std::string code = kovrin::generateCode(set);
    measure(state, "generate", code, [&] {
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
    b->ArgNames({"dialogs", "controls"})->Unit(benchmark::kMillisecond)->UseManualTime();
}

void printTargets()
{
    std::printf("\nEach figure beside its target (work / floor <= %.0f)\n", kTargetRatio);
    std::printf("%-44s %9s %9s %10s  %s\n", "benchmark", "ms", "MB/s", "x floor", "target");
    bool allMet = true;
    for (const auto &[name, figure] : figures()) {
        const bool met = figure.ratio <= kTargetRatio;
        allMet = allMet && met;
        std::printf("%-44s %9.3f %9.1f %10.2f  %s\n", name.c_str(), figure.workMs,
                    figure.megabytesPerSecond, figure.ratio, met ? "met" : "NOT MET");
    }
    std::printf("%s\n", allMet ? "Every target met." : "Some targets NOT MET.");
}

} // namespace

BENCHMARK(BM_Read)->Apply(designSizes);
BENCHMARK(BM_Write)->Apply(designSizes);
BENCHMARK(BM_Generate)->Apply(designSizes);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printTargets();
    return 0;
}
