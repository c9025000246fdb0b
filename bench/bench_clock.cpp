#include "bench_clock.h"

#include <chrono>
#include <ctime>

namespace kovrin::bench {
namespace {

#if defined(CLOCK_THREAD_CPUTIME_ID)
double secondsOf(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
#endif

} // namespace

double threadCpuSeconds()
{
#if defined(CLOCK_THREAD_CPUTIME_ID)
    return secondsOf(CLOCK_THREAD_CPUTIME_ID);
#else
    return processCpuSeconds(); // the benchmarks run on one thread
#endif
}

double processCpuSeconds()
{
#if defined(CLOCK_PROCESS_CPUTIME_ID)
    return secondsOf(CLOCK_PROCESS_CPUTIME_ID);
#else
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

double monotonicSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace kovrin::bench
