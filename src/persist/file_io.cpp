#include "persist/file_io.h"
#include "persist/file_identity.h"

#include "model/message_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>
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
        return Status::failure(tooLargeProblem(path, maxBytes));
    return Status::success();
}

std::string tooLargeProblem(const std::filesystem::path &path, std::size_t maxBytes)
{
    return fileProblem(path,
                       "it is larger than " + sizeLimitText(maxBytes) + ", the most Kovrin reads");
}

Result<std::string> readWholeFile(const std::filesystem::path &path, std::size_t maxBytes)
{
    const auto tooLarge = [&] {
        return Result<std::string>::failure(tooLargeProblem(path, maxBytes));
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

namespace {

// A regular file read where the reader asks: one piece is held at a time, and the piece at hand
// is kept where the next request starts inside it.
class FileBytes final : public ByteSource
{
public:
    FileBytes(const std::filesystem::path &path, std::size_t pieceSize)
        : m_in(path, std::ios::binary)
        , m_pieceSize(std::max(pieceSize, kSmallestPiece))
    {
    }

    bool isOpen() const { return static_cast<bool>(m_in); }

    std::string_view bytesAt(std::size_t offset, std::size_t length) override
    {
        const std::size_t bufferEnd = m_bufferAt + m_buffer.size();
        if (offset >= m_bufferAt && offset + length <= bufferEnd)
            return std::string_view(m_buffer).substr(offset - m_bufferAt, length);
        if (offset >= m_size)
            return {};
        // What the piece at hand holds from offset on moves to the front; the rest is read.
        std::size_t kept = 0;
        if (offset >= m_bufferAt && offset < bufferEnd) {
            kept = bufferEnd - offset;
            std::memmove(m_buffer.data(), m_buffer.data() + (offset - m_bufferAt), kept);
        }
        m_buffer.resize(std::min(length, m_size - offset));
        m_bufferAt = offset;
        const std::size_t from = offset + kept;
        if (from != m_filePos || !m_in.good()) {
            m_in.clear();
            m_in.seekg(static_cast<std::streamoff>(from));
        }
        m_in.read(m_buffer.data() + kept, static_cast<std::streamsize>(m_buffer.size() - kept));
        const auto got = static_cast<std::size_t>(std::max<std::streamsize>(m_in.gcount(), 0));
        m_filePos = from + got;
        if (kept + got < m_buffer.size()) {
            // The file ends here, or cannot be read further.
            if (m_in.bad() && m_failure.empty())
                m_failure = "cannot be read (" + lastError() + ")";
            m_buffer.resize(kept + got);
            m_size = offset + m_buffer.size();
        }
        return m_buffer;
    }

    std::size_t size() const override { return m_size; }
    std::size_t pieceSize() const override { return m_pieceSize; }
    std::string failure() const override { return m_failure; }
    bool bad() const { return m_in.bad(); }

private:
    std::ifstream m_in;
    std::size_t m_pieceSize;
    std::size_t m_size = std::numeric_limits<std::size_t>::max(); // known once the end is met
    std::string m_buffer;
    std::size_t m_bufferAt = 0;
    std::size_t m_filePos = 0;
    std::string m_failure;
};

// Bytes read whole, held by their source.
class HeldBytes final : public ByteSource
{
public:
    HeldBytes(std::string bytes, std::size_t pieceSize)
        : m_bytes(std::move(bytes))
        , m_view(m_bytes, pieceSize)
    {
    }

    std::string_view bytesAt(std::size_t offset, std::size_t length) override
    {
        return m_view.bytesAt(offset, length);
    }
    std::size_t size() const override { return m_view.size(); }
    std::size_t pieceSize() const override { return m_view.pieceSize(); }

private:
    std::string m_bytes;
    MemoryBytes m_view;
};

} // namespace

Result<std::unique_ptr<ByteSource>> openFileBytes(const std::filesystem::path &path,
                                                  std::size_t maxBytes, std::size_t pieceSize,
                                                  const std::function<void(std::string_view)> &see)
{
    using Opened = Result<std::unique_ptr<ByteSource>>;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() != std::filesystem::file_type::regular) {
        auto bytes = readWholeFile(path, maxBytes);
        if (!bytes)
            return Opened::failure(bytes.message);
        auto held = std::make_unique<HeldBytes>(std::move(*bytes.value), pieceSize);
        for (std::size_t at = 0; at < held->size(); at += held->pieceSize())
            see(held->bytesAt(at, held->pieceSize()));
        return Opened::of(std::move(held));
    }
    errno = 0;
    auto file = std::make_unique<FileBytes>(path, pieceSize);
    if (!file->isOpen())
        return Opened::failure(fileProblem(path, "cannot be opened (" + lastError() + ")"));
    // Refused from its size before anything is read, and again should it grow past the limit
    // while it is read.
    if (const auto size = std::filesystem::file_size(path, ec); !ec && size > maxBytes)
        return Opened::failure(tooLargeProblem(path, maxBytes));
    std::size_t at = 0;
    for (std::string_view piece; !(piece = file->bytesAt(at, file->pieceSize())).empty();) {
        at += piece.size();
        if (at > maxBytes)
            return Opened::failure(tooLargeProblem(path, maxBytes));
        see(piece);
    }
    if (file->bad())
        return Opened::failure(fileProblem(path, file->failure()));
    return Opened::of(std::move(file));
}

bool isSameFile(const std::filesystem::path &first, const std::filesystem::path &second)
{
    const auto identity = fileIdentityOf(first);
    return identity && identity == fileIdentityOf(second);
}

} // namespace kovrin
