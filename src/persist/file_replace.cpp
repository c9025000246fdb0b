// How a save replaces a file, and the one place that calls the platform for it. The rules are
// told in file_io.h; the POSIX and the Windows calls differ only in the steps below them:
// telling a stream from a file, writing to a stream, replacing a regular file, writing a file in
// place and telling whether a process still runs.
#include "persist/file_identity.h"
#include "persist/file_io.h"
#include "persist/temporary_name.h"

#include "model/message_text.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <limits>
#include <mutex>
#include <optional>
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

// From the first byte on; a file written in place is then cut to the new size and flushed.
Status writeStream(const fs::path &target, const fs::path &shown, std::string_view bytes,
                   bool inPlace = false)
{
    const HANDLE handle
        = CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return Status::failure(
            fileProblem(shown, "cannot be written (" + systemError(GetLastError()) + ")"));
    const bool written = writeAll(handle, bytes)
        && (!inPlace || (SetEndOfFile(handle) && FlushFileBuffers(handle)));
    const DWORD error = GetLastError();
    CloseHandle(handle);
    if (!written)
        return Status::failure(
            fileProblem(shown, "could not be written completely (" + systemError(error) + ")"));
    return Status::success();
}

unsigned long processId()
{
    return GetCurrentProcessId();
}

bool processRunning(unsigned long id)
{
    const HANDLE process
        = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED; // there but not ours to look at
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

Status overwrite(const fs::path &target, const fs::path &shown, std::string_view bytes)
{
    return writeStream(target, shown, bytes, true);
}

// ReplaceFileW keeps the replaced file's attributes, access rights and creation time; a new
// file takes the rights its folder passes on.
Status replaceRegular(const fs::path &target, const fs::path &shown, std::string_view bytes,
                      bool exists, bool = false)
{
    std::mt19937 random(std::random_device {}());
    fs::path temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int i = 0; i < kTemporaryAttempts && handle == INVALID_HANDLE_VALUE; ++i) {
        temporary = temporaryName(target, processId(), random());
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

// The temporary files of the saves under way (an autosave on a worker may meet a Save), for the
// signal handler to remove: fixed buffers, since a handler may not allocate, each claimed through
// a flag a handler may read.
constexpr int kFree = 0, kClaimed = 1, kPending = 2;
struct PendingSlot
{
    std::atomic<int> state {kFree};
    char path[4096] {};
};
static_assert(std::atomic<int>::is_always_lock_free);
std::array<PendingSlot, 8> g_pending;
constexpr std::array<int, 3> kEndingSignals {SIGINT, SIGTERM, SIGHUP};

extern "C" void removeTemporariesAndStop(int signal)
{
    for (PendingSlot &slot : g_pending) {
        if (slot.state.load() == kPending)
            ::unlink(slot.path);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Once, before the first temporary file exists, and for good: a signal that would end the
// program (Ctrl+C, a hang-up, a kill) removes the temporary files first. A handler of the
// program's own stays in place.
void removeTemporariesOnSignals()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        for (const int signal : kEndingSignals) {
            struct sigaction before
            {
            }, handler {};
            handler.sa_handler = removeTemporariesAndStop;
            sigemptyset(&handler.sa_mask);
            if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_DFL)
                sigaction(signal, &handler, nullptr);
        }
    });
}

// Removes the temporary file unless the rename took it, also when a signal ends the program. Its
// name is registered before the file is made, so no moment leaves a made file unregistered; a
// name that stood already belongs to this process (the name holds its number).
class TemporaryFile
{
public:
    TemporaryFile()
    {
        removeTemporariesOnSignals();
        for (PendingSlot &slot : g_pending) {
            int free = kFree;
            if (slot.state.compare_exchange_strong(free, kClaimed)) {
                m_slot = &slot;
                break;
            }
        }
    }
    ~TemporaryFile()
    {
        if (m_made && !m_taken)
            ::unlink(m_path.c_str());
        if (m_slot)
            m_slot->state.store(kFree);
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    // Creates the file exclusively, its name registered first.
    int create(const fs::path &path, mode_t mode)
    {
        const std::string &text = path.native();
        if (m_slot && text.size() < sizeof m_slot->path) {
            m_slot->state.store(kClaimed);
            std::memcpy(m_slot->path, text.c_str(), text.size() + 1);
            m_slot->state.store(kPending);
        }
        m_path = path;
        const int fd
            = ::open(text.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        m_made = fd >= 0;
        return fd;
    }
    void taken() { m_taken = true; }

private:
    PendingSlot *m_slot = nullptr;
    fs::path m_path;
    bool m_made = false;
    bool m_taken = false;
};

unsigned long processId()
{
    return static_cast<unsigned long>(::getpid());
}

bool processRunning(unsigned long id)
{
    if (id > static_cast<unsigned long>(std::numeric_limits<pid_t>::max()))
        return false;
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

// From the first byte on, cut to the new size, flushed to disk.
Status overwrite(const fs::path &target, const fs::path &shown, std::string_view bytes)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Status::failure(
            fileProblem(shown, "cannot be written (" + systemError(errno) + ")"));
    const bool written = writeAll(fd, bytes)
        && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!written)
        return Status::failure(
            fileProblem(shown, "could not be written completely (" + systemError(error) + ")"));
    return Status::success();
}

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
                      bool exists, bool privateCopy = false)
{
    struct stat before
    {
    };
    exists = exists && ::stat(target.c_str(), &before) == 0;
    // A new file: 0666 less the user's umask, as the system makes every new file.
    const mode_t mode = exists ? (before.st_mode & 07777) : privateCopy ? 0600 : 0666;

    std::mt19937 random(std::random_device {}());
    fs::path temporary;
    TemporaryFile guard;
    int fd = -1;
    for (int i = 0; i < kTemporaryAttempts && fd < 0; ++i) {
        temporary = temporaryName(target, processId(), random());
        fd = guard.create(temporary, mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return Status::failure(
            fileProblem(shown, "cannot be written (" + systemError(errno) + ")"));
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

// A file with several names keeps them all only when its own bytes change. The old bytes are
// copied beside it first, so that a failure can put them back; a save cut short by the end of the
// program leaves that copy for the user.
Status writeInPlace(const fs::path &target, const fs::path &shown, std::string_view bytes)
{
    const auto old = readWholeFile(target, std::numeric_limits<std::size_t>::max());
    if (!old)
        return Status::failure(old.message);
    std::mt19937 random(std::random_device {}());
    const fs::path copy = temporaryName(target, processId(), random(), kKeptCopyEnding);
    if (Status kept = replaceRegular(copy, shown, *old, false, true); !kept)
        return Status::failure(kept.message + "; the file was left as it was");
    std::error_code ignored;
    const Status written = overwrite(target, shown, bytes);
    if (written) {
        fs::remove(copy, ignored);
        return written;
    }
    if (!overwrite(target, shown, *old))
        return Status::failure(written.message + "; its old content is kept in "
                               + quotedPath(copy));
    fs::remove(copy, ignored);
    return Status::failure(written.message + "; its old content was put back");
}

} // namespace

std::size_t removeLeftTemporaries(const fs::path &folder)
{
    std::size_t removed = 0;
    std::error_code ec;
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
        const auto owner = temporaryOwner(entry->path());
        if (owner && *owner != processId() && entry->is_regular_file(ec) && !entry->is_symlink(ec)
            && !processRunning(*owner) && fs::remove(entry->path(), ec))
            ++removed;
    }
    return removed;
}

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
        if (const auto identity = fileIdentityOf(*target); identity && identity->links > 1)
            return writeInPlace(*target, path, bytes);
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
