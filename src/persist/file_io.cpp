#include "persist/file_io.h"
#include "persist/file_identity.h"

#include "model/message_text.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace kovrin {
namespace {

std::string lastError()
{
    const int code = errno;
    return code != 0 ? std::string(std::strerror(code)) : std::string("unknown error");
}

} // namespace

std::string fileProblem(const std::filesystem::path &path, std::string_view reason)
{
    return quotedPath(path) + ": " + std::string(reason);
}

std::string sizeLimitText(std::size_t bytes)
{
    constexpr std::size_t kMegabyte = 1024u * 1024u;
    if (bytes >= kMegabyte && bytes % kMegabyte == 0)
        return std::to_string(bytes / kMegabyte) + " MB";
    return std::to_string(bytes) + " bytes";
}

Status checkOwnFile(const std::filesystem::path &path, std::size_t maxBytes)
{
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return Status::success();
    if (status.type() != std::filesystem::file_type::regular)
        return Status::failure(fileProblem(path, "it is not a regular file"));
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        return Status::failure(fileProblem(path, "cannot be examined (" + ec.message() + ")"));
    if (size > maxBytes)
        return Status::failure(fileProblem(
            path, "it is larger than " + sizeLimitText(maxBytes) + ", the most Kovrin reads"));
    return Status::success();
}

Result<std::string> readWholeFile(const std::filesystem::path &path, std::size_t maxBytes)
{
    const auto tooLarge = [&] {
        return Result<std::string>::failure(fileProblem(
            path, "it is larger than " + sizeLimitText(maxBytes) + ", the most Kovrin reads"));
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return Result<std::string>::failure(fileProblem(path, "it is a folder, not a file"));
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Result<std::string>::failure(
            fileProblem(path, "cannot be opened (" + lastError() + ")"));
    // Read in one piece where the size is known, so the text is held once and never regrown.
    std::string bytes;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && std::filesystem::is_regular_file(path, ec)) {
        if (size > maxBytes)
            return tooLarge();
        bytes.resize(static_cast<std::size_t>(size));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    // Whatever more there is (a file that grew, a pipe or a device) is read to its end, in pieces,
    // and never more than one piece past the limit.
    std::string piece(64u * 1024u, '\0');
    while (in) {
        in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        bytes.append(piece.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes)
            return tooLarge();
    }
    if (in.bad())
        return Result<std::string>::failure(
            fileProblem(path, "cannot be read (" + lastError() + ")"));
    return Result<std::string>::of(std::move(bytes));
}

bool isSameFile(const std::filesystem::path &first, const std::filesystem::path &second)
{
    const auto identity = fileIdentityOf(first);
    return identity && identity == fileIdentityOf(second);
}

} // namespace kovrin
