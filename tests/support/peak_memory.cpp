#include "support/peak_memory.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>

namespace kovrin::test {
namespace {

#ifndef _WIN32
std::string allOf(std::FILE *file)
{
    std::string text;
    std::rewind(file);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}
#endif

} // namespace

ChildRun runChild(std::vector<std::string> argv)
{
#ifdef _WIN32
    (void)argv;
    return {-1, 0, {}, {}};
#else
    // The streams go to unnamed files, so a talkative child never blocks on a full pipe.
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    std::vector<char *> args;
    for (std::string &arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(fileno(out), STDOUT_FILENO);
        dup2(fileno(err), STDERR_FILENO);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    const bool waited = child > 0 && wait4(child, &status, 0, &usage) == child;
    ChildRun run {waited && WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss, {}, {}};
    run.out = allOf(out);
    run.err = allOf(err);
    return run;
#endif
}

} // namespace kovrin::test
