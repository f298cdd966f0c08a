#include "HfEncoder.h"

#include "HfFormat.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace hf {

namespace {

// The decoder refuses output counts that do not fit a signed 32-bit value.
constexpr std::uint64_t kMaxBlockOutput = 0x7FFFFFFF;
constexpr std::size_t kMaxCodeLength = 255;

void PutLe32(ByteVector& stream, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        stream[offset + i] = static_cast<unsigned char>(value >> 8 * i);
}

void AppendLe32(ByteVector& stream, std::uint32_t value)
{
    stream.resize(stream.size() + 4);
    PutLe32(stream, stream.size() - 4, value);
}

void AppendBlockHeader(ByteVector& stream, std::uint64_t bitCount, std::size_t outputCount)
{
    if (outputCount > kMaxBlockOutput || bitCount > UINT32_MAX - 7)
        throw std::length_error("block too large for an HF stream");
    AppendLe32(stream, static_cast<std::uint32_t>(bitCount));
    AppendLe32(stream, static_cast<std::uint32_t>(outputCount));
}

// Appends code words bit by bit from the most significant bit of each byte;
// the fill bits of the last byte stay zero.
class BitPacker {
public:
    explicit BitPacker(ByteVector& stream) : m_stream(stream) {}

    void Append(const std::string& word)
    {
        for (const char bit : word) {
            if (m_nBits % 8 == 0)
                m_stream.push_back(0);
            if (bit == '1')
                m_stream.back() |= static_cast<unsigned char>(0x80 >> m_nBits % 8);
            ++m_nBits;
        }
    }

private:
    ByteVector& m_stream;
    std::uint64_t m_nBits = 0;
};

std::uint64_t DataBits(const unsigned char* data, std::size_t size, const HfCodeBook& codes)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (codes[data[i]].empty())
            throw std::invalid_argument("a byte of the block has no code word");
        bits += codes[data[i]].size();
    }
    return bits;
}

std::uint64_t CodeBits(const HfCodeBook& codes)
{
    std::uint64_t bits = 0;
    for (const std::string& word : codes) {
        if (word.size() > kMaxCodeLength)
            throw std::invalid_argument("code word longer than 255 bits");
        bits += word.size();
    }
    return bits;
}

}  // namespace

ByteVector StartStream()
{
    ByteVector stream(kStreamHeaderSize, 0);
    stream[kMagicOffset] = 'H';
    stream[kMagicOffset + 1] = 'F';
    return stream;
}

void AppendStoredBlock(ByteVector& stream, const unsigned char* data, std::size_t size)
{
    AppendBlockHeader(stream, 0, size);
    stream.insert(stream.end(), data, data + size);
}

void AppendHuffmanBlock(ByteVector& stream, const unsigned char* data, std::size_t size, const HfCodeBook& codes)
{
    const std::uint64_t dataBits = DataBits(data, size, codes);
    if (dataBits == 0)
        throw std::invalid_argument("a Huffman block needs data bits; an empty block is stored");
    CodeBits(codes);  // checks the lengths
    AppendBlockHeader(stream, dataBits, size);
    for (const std::string& word : codes)
        stream.push_back(static_cast<unsigned char>(word.size()));

    BitPacker codeBits(stream);
    for (const std::string& word : codes)
        codeBits.Append(word);
    BitPacker dataArea(stream);
    for (std::size_t i = 0; i < size; ++i)
        dataArea.Append(codes[data[i]]);
}

void AppendSmallerBlock(ByteVector& stream, const unsigned char* data, std::size_t size, const HfCodeBook& codes)
{
    const std::uint64_t huffmanSize =
        kCodeBitsOffset + BytesForBits(CodeBits(codes)) + BytesForBits(DataBits(data, size, codes));
    if (size == 0 || huffmanSize >= kBlockHeaderSize + size)
        AppendStoredBlock(stream, data, size);
    else
        AppendHuffmanBlock(stream, data, size, codes);
}

void FinishStream(ByteVector& stream, std::uint64_t unpackedSize)
{
    if (stream.size() > UINT32_MAX || unpackedSize > UINT32_MAX)
        throw std::length_error("input too large for an HF stream");
    PutLe32(stream, kPackedSizeOffset, static_cast<std::uint32_t>(stream.size()));
    PutLe32(stream, kUnpackedSizeOffset, static_cast<std::uint32_t>(unpackedSize));
}

ByteVector HfPack(const unsigned char* data, std::size_t size, const HfPackOptions& options)
{
    if (options.blockSize == 0 || options.blockSize > kMaxBlockOutput)
        throw std::invalid_argument("block size must be 1 to 2^31 - 1 bytes");
    if (size > UINT32_MAX)
        throw std::length_error("input too large for an HF stream");

    ByteVector stream = StartStream();
    std::size_t offset = 0;
    std::uint32_t blockNumber = 0;
    do {
        const std::size_t blockSize = std::min<std::size_t>(options.blockSize, size - offset);
        HfCodeBook codes = BuildHuffmanCodes(data + offset, blockSize);
        if (options.shuffleCodes)
            codes = ShuffleCodes(codes, options.shuffleSeed + blockNumber++);
        AppendSmallerBlock(stream, data + offset, blockSize, codes);
        offset += blockSize;
    } while (offset < size);
    FinishStream(stream, size);
    return stream;
}

}  // namespace hf
