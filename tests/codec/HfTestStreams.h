// Streams put together by hand for the decoder's tests, independent of the
// packer, and the calls that decode them under the decoder's bounds.
//
// Classes in this file:
//   CaseName  names the instances of table-driven tests
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace hftest {

using Bytes = std::vector<unsigned char>;

// Code words by byte value, as '0' and '1' characters.
using Codes = std::map<int, std::string>;

Bytes BytesOf(const std::string& text);

// A bit string ('0' and '1'; spaces are ignored) packed from the most
// significant bit of each byte; the fill bits of the last byte are 0.
Bytes PackBits(const std::string& bits);

// The code words of the text's bytes one after another.
std::string CodeBitsOf(const Codes& codes, const std::string& text);

std::string Repeat(const std::string& bits, std::size_t times);

Bytes StoredBlock(const Bytes& content);

// A Huffman block with the given words and data bits; the bit count is the
// number of data bits unless given.
Bytes HuffmanBlock(const Codes& codes, const std::string& dataBits, std::uint32_t outputCount);
Bytes HuffmanBlock(const Codes& codes, const std::string& dataBits, std::uint32_t outputCount,
                   std::uint32_t bitCount);

// A stream of the blocks, its packed size the whole length.
Bytes Stream(std::uint32_t unpackedSize, const std::vector<Bytes>& blocks);

void PutLe32(Bytes& bytes, std::size_t offset, std::uint32_t value);

// The worked example of the format, byte by byte: a Huffman block giving
// 0x41 0x43 0x41 0x42, an empty stored block and the stored bytes "xyz".
Bytes WorkedExampleStream();

// Decodes with HfUnpack, letting it allocate, from a heap copy of exactly the
// bytes that the packed-size field claims (at least the 10 that are always
// read), so that AddressSanitizer reports any read past that bound. Null for a
// null result.
std::optional<Bytes> UnpackAllocating(const Bytes& stream);

// The same into a destination of exactly the unpacked size.
std::optional<Bytes> UnpackIntoDestination(const Bytes& stream);

// Names the instances of a table-driven test after the `name` of each case.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& testCase) const
    {
        return testCase.param.name;
    }
};

}  // namespace hftest
