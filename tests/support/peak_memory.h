#pragma once
// Runs a program as a child process and reports how much memory it took at its peak, as the
// system accounts for its children. POSIX only; elsewhere the run fails with exit code -1.

#include <string>
#include <vector>

namespace kovrin::test {

struct ChildRun
{
    int exitCode; // -1 when it could not run or did not exit by itself
    long peakKb; // the child's largest resident size
    std::string out, err;
};

// argv[0] is the program's path; its standard output and error are captured whole.
ChildRun runChild(std::vector<std::string> argv);

} // namespace kovrin::test
