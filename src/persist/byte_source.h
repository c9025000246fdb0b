#pragma once
// The bytes of a design file as the reader takes them: a piece at a time from where it stands,
// and again from any place it has passed. A file is read in pieces, so a load holds one piece of
// its bytes beside what it has made of them rather than the whole file.

#include <cstddef>
#include <string>
#include <string_view>

namespace kovrin {

// The size of a piece of a file read: large enough that nearly every item lies whole in one, and
// small beside the records a file of that size makes.
inline constexpr std::size_t kReadPieceBytes = 1024u * 1024u;
// A piece is never smaller: a CR at its end is held over to the next one, where it may find its LF.
inline constexpr std::size_t kSmallestPiece = 2;

class ByteSource
{
public:
    virtual ~ByteSource() = default;

    // The bytes from offset on, length of them or fewer where the bytes end; valid until the next
    // call.
    virtual std::string_view bytesAt(std::size_t offset, std::size_t length) = 0;
    // How many bytes there are.
    virtual std::size_t size() const = 0;
    // How many bytes a reader takes at once.
    virtual std::size_t pieceSize() const = 0;
    // Why the bytes stopped coming before their end (a read failed); empty while they come.
    virtual std::string failure() const { return {}; }
};

// Bytes already held, viewed rather than copied; they must outlive the source. By default one
// piece holds them all.
class MemoryBytes final : public ByteSource
{
public:
    explicit MemoryBytes(std::string_view bytes, std::size_t pieceSize = 0);

    std::string_view bytesAt(std::size_t offset, std::size_t length) override;
    std::size_t size() const override { return m_bytes.size(); }
    std::size_t pieceSize() const override { return m_pieceSize; }

private:
    std::string_view m_bytes;
    std::size_t m_pieceSize;
};

} // namespace kovrin
