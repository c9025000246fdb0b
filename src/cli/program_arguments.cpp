#include "cli/program_arguments.h"

#include "model/path_text.h"

#include <exception>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>
#endif

namespace kovrin {
namespace {

std::vector<std::string> narrowWords(int argc, char **argv)
{
    std::vector<std::string> words;
    for (int i = 0; i < argc; ++i)
        words.emplace_back(argv[i] ? argv[i] : "");
    return words;
}

#ifdef _WIN32
std::vector<std::string> wideCommandLineWords()
{
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return {};
    std::vector<std::string> words;
    try {
        for (int i = 0; i < count; ++i)
            words.push_back(pathText(std::filesystem::path(wide[i])));
    } catch (const std::exception &) {
        // A word that is not valid UTF-16 cannot be held in UTF-8: keep the narrow ones then.
        words.clear();
    }
    LocalFree(wide);
    return words;
}
#endif

} // namespace

ProgramArguments::ProgramArguments(int argc, char **argv)
{
#ifdef _WIN32
    m_words = wideCommandLineWords();
    if (m_words.empty())
#endif
        m_words = narrowWords(argc, argv);
    for (const std::string &word : m_words)
        m_argv.push_back(word.c_str());
    m_argv.push_back(nullptr);
}

std::filesystem::path pathFromArgument(std::string_view word)
{
#ifdef _WIN32
    return std::filesystem::path(std::u8string(word.begin(), word.end()));
#else
    return std::filesystem::path(word);
#endif
}

} // namespace kovrin
