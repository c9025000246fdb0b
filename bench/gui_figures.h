#pragma once
// What the headless timings of the designer share: a quiet offscreen platform, and figures taken
// as wall and CPU milliseconds per run, reported as their medians beside a target judged on the
// wall time.

#include "bench_clock.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace kovrin::bench {

// The offscreen platform (unless QT_QPA_PLATFORM says otherwise), without its note for every
// window of what it cannot do.
void useQuietOffscreenPlatform();

inline double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Wall and CPU milliseconds of each run of one operation.
class Timing
{
public:
    void start()
    {
        m_wall = monotonicSeconds();
        m_cpu = processCpuSeconds();
    }
    void stop()
    {
        m_wallMs.push_back((monotonicSeconds() - m_wall) * 1e3);
        m_cpuMs.push_back((processCpuSeconds() - m_cpu) * 1e3);
    }
    void add(double wallMs, double cpuMs)
    {
        m_wallMs.push_back(wallMs);
        m_cpuMs.push_back(cpuMs);
    }
    double wallMs() const { return median(m_wallMs); }
    double cpuMs() const { return median(m_cpuMs); }

private:
    double m_wall = 0;
    double m_cpu = 0;
    std::vector<double> m_wallMs;
    std::vector<double> m_cpuMs;
};

// One line: the figure's medians and its target; true when the target is met.
inline bool report(const char *what, const Timing &timing, double target)
{
    const double wall = timing.wallMs();
    const bool met = wall >= 0 && wall < target;
    std::printf("%-50s %8.1f ms %8.1f ms  < %4.0f ms  %s\n", what, wall, timing.cpuMs(), target,
                met ? "met" : "NOT MET");
    return met;
}

} // namespace kovrin::bench
