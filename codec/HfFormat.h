// Layout of an HF stream: the constants shared by the decoder and the packer.
//
// A stream is a 24-byte header (packed size, unpacked size, the magic "HF",
// reserved zeros) followed by blocks. A block is stored (bit count 0, then its
// bytes) or Huffman coded (counts, 256 code lengths, the code words bit by bit,
// then the data area), all integers little-endian.
#pragma once

#include <cstdint>

namespace hf {

constexpr std::uint32_t kStreamHeaderSize = 24;
constexpr std::uint32_t kPackedSizeOffset = 0;
constexpr std::uint32_t kUnpackedSizeOffset = 4;
constexpr std::uint32_t kMagicOffset = 8;
constexpr std::uint16_t kMagic = 0x4648;  // the bytes 'H' 'F'

constexpr std::uint32_t kBlockHeaderSize = 8;  // bit count, output count
constexpr std::uint32_t kByteValues = 256;
constexpr std::uint32_t kCodeLengthsSize = kByteValues;
constexpr std::uint32_t kCodeBitsOffset = kBlockHeaderSize + kCodeLengthsSize;

// Each link table has this many entries, so inner nodes are numbered 1 to 511.
constexpr int kTreeNodes = 512;

// A leaf link is the byte value minus 256: -256 to -1.
constexpr int LeafLink(int byteValue) { return byteValue - 256; }

// Bytes taken by a bit string of the given length, its last byte padded.
constexpr std::uint64_t BytesForBits(std::uint64_t bits) { return (bits + 7) / 8; }

inline std::uint16_t ReadLe16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint32_t ReadLe32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace hf
