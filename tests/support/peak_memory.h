#pragma once
// A program run as a child process, with its exit code, its captured streams and its peak
// resident size as the process accounting reports it. POSIX only: on Windows exitCode is -1.

#include <string>
#include <vector>

namespace kovrin::test {

struct ChildRun
{
    int exitCode; // -1 when it could not run or did not exit normally
    long peakKb; // the child's largest resident set, in KB
    std::string out, err;
};

ChildRun runChild(std::vector<std::string> argv);

} // namespace kovrin::test
