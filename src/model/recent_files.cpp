#include "model/recent_files.h"

#include <algorithm>

namespace kovrin {

RecentFiles::RecentFiles(const std::vector<std::string> &stored)
{
    for (const std::string &path : stored) {
        if (m_paths.size() == kMaxCount)
            break;
        // The first mention is the most recent one.
        if (!path.empty() && std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end())
            m_paths.push_back(path);
    }
}

void RecentFiles::use(const std::string &path)
{
    remove(path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > kMaxCount)
        m_paths.resize(kMaxCount);
}

bool RecentFiles::remove(const std::string &path)
{
    const auto it = std::find(m_paths.begin(), m_paths.end(), path);
    if (it == m_paths.end())
        return false;
    m_paths.erase(it);
    return true;
}

} // namespace kovrin
