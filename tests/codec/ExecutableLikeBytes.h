// Sample data for the codec's tests and benchmark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Bytes laid out like a Windows executable: a header page, machine code made
// of common x86-64 instruction patterns, string and pointer tables, UTF-16
// resources and a little incompressible data. The same seed gives the same
// bytes on every platform. Its Huffman coding takes about 6 bits a byte, as a
// real game executable does.
std::vector<unsigned char> ExecutableLikeBytes(std::size_t size, std::uint32_t seed);
