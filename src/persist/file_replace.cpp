// How a save replaces a file, and the one place that calls the platform for it. The rules are
// told in file_io.h; the POSIX and the Windows calls differ only in the four steps below them:
// telling a stream from a file, writing to a stream, and replacing a regular file.
#include "persist/file_io.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kovrin {
namespace {

namespace fs = std::filesystem;

// Links are followed one by one, as the system does, up to the system's own limit.
constexpr int kMostLinks = 40;
// Names tried for the temporary file before giving up.
constexpr int kTemporaryAttempts = 100;

// The file a chain of symbolic links finally names; a link whose target is missing gives the
// path the new file is to have.
Result<fs::path> linkTarget(const fs::path &path)
{
    fs::path at = path;
    for (int i = 0; i < kMostLinks; ++i) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(at, ec)))
            return Result<fs::path>::of(at);
        const fs::path next = fs::read_symlink(at, ec);
        if (ec)
            return Result<fs::path>::failure(
                fileProblem(path, "the link cannot be followed (" + ec.message() + ")"));
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return Result<fs::path>::failure(fileProblem(path, "too many links in a row"));
}

// ".NAME.1a2b3c4d.tmp" beside the target: hidden where a leading dot hides, and never the
// name of a design file.
fs::path temporaryName(const fs::path &target, std::mt19937 &random)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string suffix;
    for (std::uint32_t n = random(), i = 0; i < 8; ++i, n >>= 4)
        suffix += kDigits[n & 0xF];
    fs::path name(".");
    name += target.filename();
    name += "." + suffix + ".tmp";
    return target.parent_path() / name;
}

// No write permission for anyone: a rename would still replace the file, so it is refused here.
bool readOnly(const fs::file_status &status)
{
    constexpr auto writable
        = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & writable) == fs::perms::none;
}

#ifdef _WIN32

std::string systemError(DWORD code)
{
    return std::error_code(static_cast<int>(code), std::system_category()).message();
}

// The read-only attribute; access rights are checked by the replacement itself.
bool mayWrite(const fs::path &, const fs::file_status &status)
{
    return !readOnly(status);
}

// Devices (NUL, CON, COM1) and pipes, told by what the system opens for them.
bool isStream(const fs::path &target)
{
    const HANDLE handle
        = CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
}

bool writeAll(HANDLE handle, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

Status writeStream(const fs::path &target, const fs::path &shown, std::string_view bytes)
{
    const HANDLE handle
        = CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return Status::failure(
            fileProblem(shown, "cannot be written (" + systemError(GetLastError()) + ")"));
    const bool written = writeAll(handle, bytes);
    const DWORD error = GetLastError();
    CloseHandle(handle);
    if (!written)
        return Status::failure(
            fileProblem(shown, "could not be written completely (" + systemError(error) + ")"));
    return Status::success();
}

// ReplaceFileW keeps the replaced file's attributes, access rights and creation time; a new
// file takes the rights its folder passes on.
Status replaceRegular(const fs::path &target, const fs::path &shown, std::string_view bytes,
                      bool exists)
{
    std::mt19937 random(std::random_device {}());
    fs::path temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int i = 0; i < kTemporaryAttempts && handle == INVALID_HANDLE_VALUE; ++i) {
        temporary = temporaryName(target, random);
        handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (handle == INVALID_HANDLE_VALUE)
        return Status::failure(
            fileProblem(shown, "cannot be written (" + systemError(GetLastError()) + ")"));
    const bool written = writeAll(handle, bytes) && FlushFileBuffers(handle);
    DWORD error = GetLastError();
    CloseHandle(handle);
    bool replaced = false;
    if (written) {
        replaced = exists ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                          : MoveFileExW(temporary.c_str(), target.c_str(),
                                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        error = GetLastError();
    }
    if (!replaced) {
        DeleteFileW(temporary.c_str());
        return Status::failure(
            fileProblem(shown,
                        std::string(written ? "could not replace the file ("
                                            : "could not be written completely (")
                            + systemError(error) + ")"));
    }
    return Status::success();
}

#else

std::string systemError(int code)
{
    return std::strerror(code);
}

// Write permission for the user who saves; a rename needs only the folder's.
bool mayWrite(const fs::path &target, const fs::file_status &status)
{
    return !readOnly(status) && !(::access(target.c_str(), W_OK) != 0 && errno == EACCES);
}

bool isStream(const fs::path &target)
{
    std::error_code ec;
    const auto type = fs::status(target, ec).type();
    return type == fs::file_type::character || type == fs::file_type::fifo;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Broken pipes are told by EPIPE, not by the signal that would end the program.
class PipeSignalIgnored
{
public:
    PipeSignalIgnored()
    {
        struct sigaction ignore
        {
        };
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, &m_before);
    }
    ~PipeSignalIgnored() { sigaction(SIGPIPE, &m_before, nullptr); }
    PipeSignalIgnored(const PipeSignalIgnored &) = delete;
    PipeSignalIgnored &operator=(const PipeSignalIgnored &) = delete;

private:
    struct sigaction m_before
    {
    };
};

// Writes every byte (then flushes them to disk when asked) and closes the file, whatever happened;
// the first failure names the file and its reason.
Status writeAndClose(int fd, std::string_view bytes, bool flush, const fs::path &shown)
{
    const bool written = writeAll(fd, bytes) && (!flush || ::fsync(fd) == 0);
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed)
        return Status::failure(fileProblem(shown,
                                           "could not be written completely ("
                                               + systemError(written ? errno : error) + ")"));
    return Status::success();
}

Status writeStream(const fs::path &target, const fs::path &shown, std::string_view bytes)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Status::failure(
            fileProblem(shown, "cannot be written (" + systemError(errno) + ")"));
    const PipeSignalIgnored quietPipe;
    return writeAndClose(fd, bytes, false, shown);
}

// The temporary file of the save under way, for the signal handler to remove: a fixed buffer,
// since a handler may not allocate.
char g_pendingTemporary[4096];
volatile std::sig_atomic_t g_temporaryPending = 0;

extern "C" void removeTemporaryAndStop(int signal)
{
    if (g_temporaryPending)
        ::unlink(g_pendingTemporary);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Removes the temporary file unless the rename took it, also when the save is interrupted by
// a signal that would end the program (Ctrl+C, a hang-up, a kill); a handler of the program's
// own stays in place.
class TemporaryFile
{
public:
    explicit TemporaryFile(const fs::path &path)
        : m_path(path)
    {
        const std::string &text = path.native();
        if (text.size() < sizeof g_pendingTemporary) {
            std::memcpy(g_pendingTemporary, text.c_str(), text.size() + 1);
            g_temporaryPending = 1;
        }
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            struct sigaction handler
            {
            };
            handler.sa_handler = removeTemporaryAndStop;
            sigemptyset(&handler.sa_mask);
            sigaction(kSignals[i], nullptr, &m_before[i]);
            m_installed[i] = m_before[i].sa_handler == SIG_DFL
                && sigaction(kSignals[i], &handler, nullptr) == 0;
        }
    }
    ~TemporaryFile()
    {
        if (!m_taken)
            ::unlink(m_path.c_str());
        g_temporaryPending = 0;
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            if (m_installed[i])
                sigaction(kSignals[i], &m_before[i], nullptr);
        }
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    void taken() { m_taken = true; }

private:
    static constexpr std::array<int, 3> kSignals {SIGINT, SIGTERM, SIGHUP};
    fs::path m_path;
    bool m_taken = false;
    std::array<struct sigaction, 3> m_before {};
    std::array<bool, 3> m_installed {};
};

void flushFolder(const fs::path &folder)
{
    const int fd
        = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Some file systems cannot flush a folder; the file itself is on disk already.
    ::fsync(fd);
    ::close(fd);
}

Status replaceRegular(const fs::path &target, const fs::path &shown, std::string_view bytes,
                      bool exists)
{
    struct stat before
    {
    };
    exists = exists && ::stat(target.c_str(), &before) == 0;
    // A new file: 0666 less the user's umask, as the system makes every new file.
    const mode_t mode = exists ? (before.st_mode & 07777) : 0666;

    std::mt19937 random(std::random_device {}());
    fs::path temporary;
    int fd = -1;
    for (int i = 0; i < kTemporaryAttempts && fd < 0; ++i) {
        temporary = temporaryName(target, random);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return Status::failure(
            fileProblem(shown, "cannot be written (" + systemError(errno) + ")"));
    TemporaryFile guard(temporary);
    if (exists) {
        // The umask took bits off at creation; the owner and group are kept where the user may
        // give them (root, or a group the user is in).
        ::fchmod(fd, mode);
        if (::fchown(fd, before.st_uid, before.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), before.st_gid);
    }
    if (Status written = writeAndClose(fd, bytes, true, shown); !written)
        return written;
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return Status::failure(
            fileProblem(shown, "could not replace the file (" + systemError(errno) + ")"));
    guard.taken();
    flushFolder(target.parent_path());
    return Status::success();
}

#endif

} // namespace

Status writeFileAtomically(const fs::path &path, std::string_view bytes)
{
    // The system follows the links to a stream itself, also those that name no path, such as
    // /dev/stdout when it is a pipe.
    if (isStream(path))
        return writeStream(path, path, bytes);
    const auto target = linkTarget(path);
    if (!target)
        return Status::failure(target.message);
    std::error_code ec;
    const fs::file_status status = fs::status(*target, ec);
    switch (status.type()) {
    case fs::file_type::not_found:
        return replaceRegular(*target, path, bytes, false);
    case fs::file_type::regular:
        if (!mayWrite(*target, status))
            return Status::failure(fileProblem(path, "the file is read-only"));
        return replaceRegular(*target, path, bytes, true);
    case fs::file_type::directory:
        return Status::failure(fileProblem(path, "it is a folder, not a file"));
    case fs::file_type::none:
        return Status::failure(fileProblem(path, "cannot be examined (" + ec.message() + ")"));
    default:
        return Status::failure(fileProblem(path, "it is not a file that can be saved to"));
    }
}

} // namespace kovrin
