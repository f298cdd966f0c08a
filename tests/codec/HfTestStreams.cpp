#include "HfTestStreams.h"

#include "HfStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace hftest {

namespace {

std::uint32_t ReadLe32(const Bytes& bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | bytes[offset + i];
    return value;
}

void AppendLe32(Bytes& bytes, std::uint32_t value)
{
    bytes.resize(bytes.size() + 4);
    PutLe32(bytes, bytes.size() - 4, value);
}

// The bytes the decoder may read: the packed-size field's length, and the 10
// bytes that hold the magic in any case.
Bytes BoundedCopy(const Bytes& stream)
{
    const std::size_t bound = std::max<std::size_t>(10, ReadLe32(stream, 0));
    EXPECT_LE(bound, stream.size()) << "the test stream is shorter than it claims";
    return Bytes(stream.begin(), stream.begin() + std::min(bound, stream.size()));
}

}  // namespace

Bytes BytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

Bytes PackBits(const std::string& bits)
{
    Bytes packed;
    int used = 0;
    for (const char bit : bits) {
        if (bit == ' ')
            continue;
        if (used % 8 == 0)
            packed.push_back(0);
        if (bit == '1')
            packed.back() |= static_cast<unsigned char>(0x80 >> used % 8);
        ++used;
    }
    return packed;
}

std::string CodeBitsOf(const Codes& codes, const std::string& text)
{
    std::string bits;
    for (const char c : text)
        bits += codes.at(static_cast<unsigned char>(c));
    return bits;
}

std::string Repeat(const std::string& bits, std::size_t times)
{
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i)
        repeated += bits;
    return repeated;
}

Bytes StoredBlock(const Bytes& content)
{
    Bytes block;
    AppendLe32(block, 0);
    AppendLe32(block, static_cast<std::uint32_t>(content.size()));
    block.insert(block.end(), content.begin(), content.end());
    return block;
}

Bytes HuffmanBlock(const Codes& codes, const std::string& dataBits, std::uint32_t outputCount)
{
    const auto bitCount = std::count_if(dataBits.begin(), dataBits.end(), [](char c) { return c != ' '; });
    return HuffmanBlock(codes, dataBits, outputCount, static_cast<std::uint32_t>(bitCount));
}

Bytes HuffmanBlock(const Codes& codes, const std::string& dataBits, std::uint32_t outputCount,
                   std::uint32_t bitCount)
{
    Bytes block;
    AppendLe32(block, bitCount);
    AppendLe32(block, outputCount);
    Bytes lengths(256, 0);
    std::string codeBits;
    for (const auto& [value, word] : codes) {  // ascending order of value
        lengths[value] = static_cast<unsigned char>(word.size());
        codeBits += word;
    }
    block.insert(block.end(), lengths.begin(), lengths.end());
    const Bytes packedCodes = PackBits(codeBits);
    block.insert(block.end(), packedCodes.begin(), packedCodes.end());
    const Bytes data = PackBits(dataBits);
    block.insert(block.end(), data.begin(), data.end());
    return block;
}

Bytes Stream(std::uint32_t unpackedSize, const std::vector<Bytes>& blocks)
{
    Bytes stream(24, 0);
    stream[8] = 'H';
    stream[9] = 'F';
    for (const Bytes& block : blocks)
        stream.insert(stream.end(), block.begin(), block.end());
    PutLe32(stream, 0, static_cast<std::uint32_t>(stream.size()));
    PutLe32(stream, 4, unpackedSize);
    return stream;
}

void PutLe32(Bytes& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<unsigned char>(value >> 8 * i);
}

Bytes WorkedExampleStream()
{
    Bytes stream = {
        0x35, 0x01, 0x00, 0x00,  // packed size 309
        0x07, 0x00, 0x00, 0x00,  // unpacked size 7
        0x48, 0x46,              // magic
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x06, 0x00, 0x00, 0x00,  // Huffman block: bit count 6
        0x04, 0x00, 0x00, 0x00,  //   output count 4
    };
    Bytes lengths(256, 0);
    lengths[0x41] = 1;
    lengths[0x42] = 2;
    lengths[0x43] = 2;
    stream.insert(stream.end(), lengths.begin(), lengths.end());
    const Bytes rest = {
        0x58,                                            // codes 0, 10, 11
        0x68,                                            // data 0 11 0 10
        0, 0, 0, 0, 0, 0, 0, 0,                          // empty stored block
        0, 0, 0, 0, 0x03, 0, 0, 0, 0x78, 0x79, 0x7A,     // stored "xyz"
    };
    stream.insert(stream.end(), rest.begin(), rest.end());
    return stream;
}

std::optional<Bytes> UnpackAllocating(const Bytes& stream)
{
    const Bytes bounded = BoundedCopy(stream);
    const std::unique_ptr<unsigned char, decltype(&std::free)> output(
        static_cast<unsigned char*>(HfUnpack(bounded.data())), &std::free);
    if (!output)
        return std::nullopt;
    return Bytes(output.get(), output.get() + ReadLe32(stream, 4));
}

std::optional<Bytes> UnpackIntoDestination(const Bytes& stream)
{
    const Bytes bounded = BoundedCopy(stream);
    const std::uint32_t size = ReadLe32(stream, 4);
    const std::unique_ptr<unsigned char[]> destination(new unsigned char[size]);
    if (HfUnpack(bounded.data(), destination.get()) != destination.get())
        return std::nullopt;
    return Bytes(destination.get(), destination.get() + size);
}

}  // namespace hftest
