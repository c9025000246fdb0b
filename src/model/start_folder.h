#pragma once
// The folder the file dialogs of Load, Save As and Import open in: the folder last used for any
// of them while it is still there, else the user's documents, else the home folder.

#include <functional>
#include <string>

namespace kovrin {

std::string startFolder(const std::string &lastUsed, const std::string &documents,
                        const std::string &home,
                        const std::function<bool(const std::string &)> &isFolder);

} // namespace kovrin
