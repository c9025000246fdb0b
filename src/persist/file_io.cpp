#include "persist/file_io.h"

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

Result<std::string> readWholeFile(const std::filesystem::path &path)
{
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
        bytes.resize(static_cast<std::size_t>(size));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    // Whatever more there is (a file that grew, a pipe or a device) is read to its end.
    if (in)
        bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return Result<std::string>::failure(
            fileProblem(path, "cannot be read (" + lastError() + ")"));
    return Result<std::string>::of(std::move(bytes));
}

bool isSameFile(const std::filesystem::path &first, const std::filesystem::path &second)
{
    std::error_code ec;
    return std::filesystem::equivalent(first, second, ec) && !ec;
}

} // namespace kovrin
