#include "model/start_folder.h"

namespace kovrin {

std::string startFolder(const std::string &lastUsed, const std::string &documents,
                        const std::string &home,
                        const std::function<bool(const std::string &)> &isFolder)
{
    for (const std::string *folder : {&lastUsed, &documents}) {
        if (!folder->empty() && isFolder(*folder))
            return *folder;
    }
    return home;
}

} // namespace kovrin
