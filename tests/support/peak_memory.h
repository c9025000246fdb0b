#pragma once
// A program run as a child process, with its exit code, its captured streams and its peak
// resident size as the process accounting reports it. POSIX only: on Windows exitCode is -1.

#include <string>
#include <vector>

#if defined(_WIN32) || defined(__SANITIZE_ADDRESS__)
#define KOVRIN_PEAK_UNMEASURED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KOVRIN_PEAK_UNMEASURED 1
#endif
#endif

namespace kovrin::test {

// Whether a child's peak can be judged here: it is read from POSIX process accounting, and the
// address sanitizer multiplies memory.
#ifdef KOVRIN_PEAK_UNMEASURED
inline constexpr bool kPeakIsMeasured = false;
#else
inline constexpr bool kPeakIsMeasured = true;
#endif

struct ChildRun
{
    int exitCode; // -1 when it could not run or did not exit normally
    long peakKb; // the child's largest resident set, in KB
    std::string out, err;
};

ChildRun runChild(std::vector<std::string> argv);

} // namespace kovrin::test
