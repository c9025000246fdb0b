#pragma once
// The words a program was started with, in the form the command line takes them. Windows hands
// main() its arguments in the ANSI code page, which loses every character it cannot hold (a
// Cyrillic or CJK folder name); there they are read from the wide command line instead and held
// in UTF-8. Elsewhere they are the system's own bytes, as main() got them.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

class ProgramArguments
{
public:
    ProgramArguments(int argc, char **argv);

    int count() const { return static_cast<int>(m_words.size()); }
    // As main's argv: count() words (the program first), then a null pointer.
    const char *const *words() const { return m_argv.data(); }

private:
    std::vector<std::string> m_words;
    std::vector<const char *> m_argv;
};

// A file name given on the command line, as a path: decoded from UTF-8 on Windows, taken byte for
// byte elsewhere.
std::filesystem::path pathFromArgument(std::string_view word);

} // namespace kovrin
