#include "persist/byte_source.h"

#include <algorithm>

namespace kovrin {

MemoryBytes::MemoryBytes(std::string_view bytes, std::size_t pieceSize)
    : m_bytes(bytes)
    , m_pieceSize(pieceSize == 0 ? std::max(bytes.size(), kSmallestPiece)
                                 : std::max(pieceSize, kSmallestPiece))
{
}

std::string_view MemoryBytes::bytesAt(std::size_t offset, std::size_t length)
{
    return offset >= m_bytes.size() ? std::string_view() : m_bytes.substr(offset, length);
}

} // namespace kovrin
