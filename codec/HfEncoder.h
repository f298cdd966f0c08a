// Writing HF streams: the packer's side of the format (the program itself only
// decodes).
//
// Classes in this file:
//   HfPackOptions  how HfPack cuts blocks and assigns code words
#pragma once

#include "HfCodeBook.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hf {

using ByteVector = std::vector<unsigned char>;

// Output bytes of each block that HfPack writes; the last block holds the rest.
constexpr std::uint32_t kDefaultBlockSize = 1048576;

struct HfPackOptions {
    std::uint32_t blockSize = kDefaultBlockSize;
    bool shuffleCodes = false;  // non-canonical code words drawn from shuffleSeed
    std::uint32_t shuffleSeed = 0;
};

// The stream header with both sizes still 0; FinishStream fills them in.
ByteVector StartStream();

// Appends a block holding the bytes unchanged.
void AppendStoredBlock(ByteVector& stream, const unsigned char* data, std::size_t size);

// Appends a Huffman block of at least one byte coded with `codes`, which must
// give each occurring byte a word of 1 to 255 bits (the words are taken as
// they are, prefix-free or not). Throws std::invalid_argument otherwise.
void AppendHuffmanBlock(ByteVector& stream, const unsigned char* data, std::size_t size, const HfCodeBook& codes);

// Appends a Huffman block, or a stored block when coding would not make the
// block smaller.
void AppendSmallerBlock(ByteVector& stream, const unsigned char* data, std::size_t size, const HfCodeBook& codes);

// Sets the packed size to the stream's length and the unpacked size.
// Throws std::length_error when the stream is too long for the format.
void FinishStream(ByteVector& stream, std::uint64_t unpackedSize);

// Packs the bytes into a whole stream of blocks of options.blockSize output
// bytes, each with its own Huffman codes unless stored is smaller. Empty input
// gives one empty stored block, since a decoder always reads a first block.
// Throws std::length_error for input the format cannot hold and
// std::invalid_argument for a block size of 0 or 2^31 and more.
ByteVector HfPack(const unsigned char* data, std::size_t size, const HfPackOptions& options = {});

}  // namespace hf
