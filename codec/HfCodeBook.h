// Code words for the packer: Huffman codes, canonical or shuffled.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace hf {

// The code word of each byte value as '0' and '1' characters, the bit taken
// at the root first; empty when the value does not occur.
using HfCodeBook = std::array<std::string, 256>;

// Huffman codes for the frequencies of the bytes, assigned canonically. A
// single distinct value gets a one-bit code, no bytes give no codes.
HfCodeBook BuildHuffmanCodes(const unsigned char* data, std::size_t size);

// The same lengths assigned in a shuffled, non-canonical but prefix-free way:
// values of equal length trade code words, and each inner node of the tree
// swaps its two branches or not at random.
HfCodeBook ShuffleCodes(const HfCodeBook& codes, std::uint32_t seed);

}  // namespace hf
