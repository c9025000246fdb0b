#pragma once
// The command-line subcommands (generate, convert, check, --help, --version), shared by the
// designer and the Qt-free kovrin-cli. They need no display.

#include <iosfwd>
#include <optional>

namespace kovrin {

// Which program reads the arguments; --help tells the designer's own use too.
enum class Program { Designer, CommandLineOnly };

// Runs the subcommand the arguments name and returns its exit status; none when the arguments
// name no subcommand (no argument, or a design file for the designer to open).
std::optional<int> runCommandLine(int argc, const char *const *argv, std::ostream &out,
                                  std::ostream &err, Program program = Program::CommandLineOnly);

} // namespace kovrin
