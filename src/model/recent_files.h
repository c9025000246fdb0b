#pragma once
// The list of recently used design files shown in the File menu: the most recent first, each
// path once, at most five.

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

class RecentFiles
{
public:
    static constexpr std::size_t kMaxCount = 5;

    // A list as the settings store gave it back: empty entries and repeats dropped, cut to five.
    explicit RecentFiles(const std::vector<std::string> &stored = {});

    const std::vector<std::string> &paths() const { return m_paths; }

    // A file was loaded or saved: it moves to the front.
    void use(const std::string &path);
    // A file that has gone; false when it was not listed.
    bool remove(const std::string &path);

private:
    std::vector<std::string> m_paths;
};

} // namespace kovrin
