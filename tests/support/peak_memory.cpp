#include "peak_memory.h"

#ifndef _WIN32
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kovrin::test {

#ifdef _WIN32

ChildRun runChild(std::vector<std::string>)
{
    return {-1, 0, {}, {}};
}

#else

namespace {

// A file that takes one of the child's streams; files rather than pipes, so a child that
// writes much to both never waits for the parent.
struct CaptureFile
{
    std::string path;
    int fd = -1;

    CaptureFile()
    {
        char name[] = "/tmp/kovrin-child-XXXXXX";
        fd = mkstemp(name);
        path = name;
    }
    ~CaptureFile()
    {
        if (fd >= 0)
            close(fd);
        std::remove(path.c_str());
    }
    std::string text() const
    {
        std::ostringstream all;
        all << std::ifstream(path, std::ios::binary).rdbuf();
        return all.str();
    }
};

} // namespace

ChildRun runChild(std::vector<std::string> argv)
{
    CaptureFile out;
    CaptureFile err;
    std::vector<char *> args;
    for (std::string &arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out.fd, STDOUT_FILENO);
        dup2(err.fd, STDERR_FILENO);
        execv(args[0], args.data());
        _exit(127);
    }
    ChildRun run {-1, 0, {}, {}};
    if (child < 0)
        return run;
    int status = 0;
    rusage usage {};
    // wait4 gives this child's own accounting, whatever other children the test ran before.
    if (wait4(child, &status, 0, &usage) == child) {
        run.peakKb = usage.ru_maxrss;
        if (WIFEXITED(status))
            run.exitCode = WEXITSTATUS(status);
    }
    run.out = out.text();
    run.err = err.text();
    return run;
}

#endif

} // namespace kovrin::test
