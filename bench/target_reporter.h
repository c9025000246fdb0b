#pragma once
// The console's report of a benchmark program, then each figure in milliseconds beside its
// target, ending with "Every target met." or "Some targets NOT MET.".

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kovrin::bench {

class TargetReporter : public benchmark::ConsoleReporter
{
public:
    // Targets in milliseconds by benchmark name; every benchmark reports milliseconds.
    explicit TargetReporter(std::map<std::string, double> targets)
        : ConsoleReporter(OO_Tabular) // plain text, also when the output is a log
        , m_targets(std::move(targets))
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            m_milliseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    bool printTargets() const
    {
        std::printf("\nEach figure beside its target\n");
        bool allMet = true;
        for (const auto &[name, milliseconds] : m_milliseconds) {
            const auto target = m_targets.find(name);
            if (target == m_targets.end()) {
                std::printf("%-40s %9.3f ms\n", name.c_str(), milliseconds);
                continue;
            }
            const bool met = milliseconds < target->second;
            allMet = allMet && met;
            std::printf("%-40s %9.3f ms  < %5.0f ms  %s\n", name.c_str(), milliseconds,
                        target->second, met ? "met" : "NOT MET");
        }
        std::printf("%s\n", allMet ? "Every target met." : "Some targets NOT MET.");
        return allMet;
    }

private:
    std::map<std::string, double> m_targets;
    std::map<std::string, double> m_milliseconds;
};

} // namespace kovrin::bench
