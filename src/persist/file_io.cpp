#include "persist/file_io.h"

#include "model/path_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

namespace kovrin {
namespace {

std::string describe(const std::filesystem::path &path, const std::string &reason)
{
    return "\"" + pathText(path) + "\": " + reason;
}

std::string lastError()
{
    const int code = errno;
    return code != 0 ? std::string(std::strerror(code)) : std::string("unknown error");
}

std::filesystem::path temporaryBeside(const std::filesystem::path &target)
{
    std::random_device device;
    const auto suffix = std::to_string(device() % 1000000u);
    auto name = target.filename();
    name += ".tmp" + suffix;
    return target.parent_path() / name;
}

} // namespace

Result<std::string> readWholeFile(const std::filesystem::path &path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return Result<std::string>::failure(describe(path, "it is a folder, not a file"));
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Result<std::string>::failure(
            describe(path, "cannot be opened (" + lastError() + ")"));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return Result<std::string>::failure(describe(path, "cannot be read (" + lastError() + ")"));
    return Result<std::string>::of(std::move(bytes));
}

Status writeFileAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return Status::failure(describe(path, "it is a folder, not a file"));
    const auto temporary = temporaryBeside(path);
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return Status::failure(describe(path, "cannot be written (" + lastError() + ")"));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const auto reason = lastError();
            out.close();
            std::filesystem::remove(temporary, ec);
            return Status::failure(
                describe(path, "could not be written completely (" + reason + ")"));
        }
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Status::failure(describe(path, "could not replace the file (" + ec.message() + ")"));
    }
    return Status::success();
}

} // namespace kovrin
