#include "documents/ignore_case.h"

#include <cstdint>
#include <cstring>

namespace brevane {

namespace {
constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;

// 'A'..'Z' to 'a'..'z' in all eight bytes at once; bytes from 0x80 up are left alone.
std::uint64_t lowerAscii8(std::uint64_t bytes) {
    const std::uint64_t low7 = bytes & (0x7f * kEveryByte);
    const std::uint64_t fromA = low7 + (0x80 - 'A') * kEveryByte;     // top bit set from 'A' up
    const std::uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * kEveryByte; // top bit set past 'Z'
    const std::uint64_t upper = (fromA ^ pastZ) & ~bytes & (0x80 * kEveryByte);
    return bytes | (upper >> 2);
}

std::uint64_t mix(std::uint64_t hash, std::uint64_t word) {
    hash ^= word;
    hash *= 0x9e3779b97f4a7c15ull;
    return hash ^ (hash >> 29);
}
} // namespace

// Eight bytes at a time: the index hashes every key of a document at each load.
std::size_t hashIgnoreCase(std::string_view text) {
    std::uint64_t hash = text.size();
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        hash = mix(hash, lowerAscii8(word));
    }
    if (at < text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, text.size() - at);
        hash = mix(hash, lowerAscii8(word));
    }
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

} // namespace brevane
