#include "persist/file_identity.h"

#include "persist/file_io.h"

#include "model/message_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace kovrin {

std::optional<FileIdentity> fileIdentityOf(const std::filesystem::path &path)
{
#ifdef _WIN32
    // Backup semantics let a folder be opened too; no access is asked, so nothing is read.
    const HANDLE handle
        = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info {};
    const BOOL known = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    return FileIdentity {info.dwVolumeSerialNumber,
                         (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                         info.nNumberOfLinks};
#else
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity {static_cast<std::uint64_t>(info.st_dev),
                         static_cast<std::uint64_t>(info.st_ino),
                         static_cast<std::uint64_t>(info.st_nlink)};
#endif
}

void FilesRead::add(const std::filesystem::path &path)
{
    if (const auto identity = fileIdentityOf(path))
        m_files.emplace_back(*identity, path);
}

void FilesRead::add(const FilesRead &other)
{
    m_files.insert(m_files.end(), other.m_files.begin(), other.m_files.end());
}

std::optional<std::filesystem::path> FilesRead::readAs(const std::filesystem::path &path) const
{
    const auto identity = fileIdentityOf(path);
    if (!identity)
        return std::nullopt;
    // The file as it was read, and as its path names it now: a save that replaced it since gave
    // it a new identity.
    for (const auto &[read, readPath] : m_files)
        if (read == *identity || fileIdentityOf(readPath) == identity)
            return readPath;
    return std::nullopt;
}

Status outputIsNotRead(const FilesRead &read, const std::filesystem::path &output)
{
    const auto input = read.readAs(output);
    if (!input)
        return Status::success();
    return Status::failure(fileProblem(output,
                                       "it is the file read as " + quotedPath(*input)
                                           + "; choose another output. Nothing was "
                                             "written."));
}

} // namespace kovrin
