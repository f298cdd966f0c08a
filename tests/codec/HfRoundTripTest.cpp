// The packer's streams decode to the packer's input, and the packer lays out
// its blocks and codes as the payload build expects.
#include "ExecutableLikeBytes.h"
#include "HfEncoder.h"
#include "HfStream.h"
#include "HfTestStreams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <stdexcept>

using namespace hftest;

namespace {

struct BlockLayout {
    std::uint32_t bitCount;
    std::uint32_t outputCount;
    std::uint32_t headerSize;
};

// The blocks of a well-formed stream, read with the decoder's own header step.
std::vector<BlockLayout> BlocksOf(const Bytes& stream)
{
    HfBlockState state{};
    state.m_pStreamEnd = stream.data() + stream.size();
    std::vector<BlockLayout> blocks;
    const unsigned char* block = stream.data() + 24;
    while (block != state.m_pStreamEnd) {
        std::uint32_t headerSize = 0;
        if (HfReadBlockHeader(state, block, headerSize) < 0) {
            ADD_FAILURE() << "unreadable block at offset " << block - stream.data();
            break;
        }
        blocks.push_back({state.m_nBitCount, state.m_nOutputCount, headerSize});
        block += headerSize + (state.m_nBitCount == 0 ? state.m_nOutputCount : (state.m_nBitCount + 7ull) / 8);
    }
    return blocks;
}

Bytes RandomBytes(std::size_t size, std::uint32_t seed)
{
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (unsigned char& byte : bytes)
        byte = static_cast<unsigned char>(random());
    return bytes;
}

Bytes AllByteValues()
{
    Bytes bytes;
    for (int value = 0; value < 256; ++value)
        bytes.insert(bytes.end(), 1 + value % 7, static_cast<unsigned char>(value));  // uneven frequencies
    return bytes;
}

struct RoundTrip {
    const char* name;
    Bytes input;
    hf::HfPackOptions options;
};

hf::HfPackOptions Shuffled(std::uint32_t seed, std::uint32_t blockSize = hf::kDefaultBlockSize)
{
    hf::HfPackOptions options;
    options.blockSize = blockSize;
    options.shuffleCodes = true;
    options.shuffleSeed = seed;
    return options;
}

hf::HfPackOptions Blocks(std::uint32_t blockSize)
{
    hf::HfPackOptions options;
    options.blockSize = blockSize;
    return options;
}

std::vector<RoundTrip> RoundTrips()
{
    const Bytes executable = ExecutableLikeBytes(3 * 1048576 + 12345, 7);
    return {
        {"Empty", {}, {}},
        {"OneByte", {0x5A}, {}},
        {"OneValueRepeated", Bytes(5000, 0xCC), {}},
        {"AllByteValues", AllByteValues(), {}},
        {"AllByteValuesShuffled", AllByteValues(), Shuffled(1)},
        {"RandomBytesStored", RandomBytes(3000, 2), {}},
        {"ExecutableLikeBytes", executable, {}},
        {"ExecutableLikeBytesShuffled", executable, Shuffled(3)},
        {"SmallBlocksShuffled", ExecutableLikeBytes(20000, 4), Shuffled(5, 333)},
        {"OneByteBlocks", AllByteValues(), Blocks(1)},
    };
}

class HfPackRoundTripTest : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(HfPackRoundTripTest, DecodesToTheInput)
{
    const Bytes stream = hf::HfPack(GetParam().input.data(), GetParam().input.size(), GetParam().options);
    EXPECT_EQ(UnpackAllocating(stream), GetParam().input);
    EXPECT_EQ(UnpackIntoDestination(stream), GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(Inputs, HfPackRoundTripTest, ::testing::ValuesIn(RoundTrips()),
                         CaseName());

// Streams of random block layouts: stored and Huffman blocks of random sizes,
// some empty, each with shuffled codes.
TEST(HfRandomLayoutTest, DecodesToTheBlocksContent)
{
    std::mt19937 random(11);
    const Bytes source = ExecutableLikeBytes(200000, 12);
    for (int round = 0; round < 40; ++round) {
        Bytes stream = hf::StartStream();
        Bytes expected;
        const int blocks = 1 + random() % 6;
        for (int i = 0; i < blocks; ++i) {
            const std::size_t size = random() % 3 == 0 ? random() % 4 : random() % 9000;
            const unsigned char* data = source.data() + random() % (source.size() - size);
            if (random() % 3 == 0 || size == 0) {
                hf::AppendStoredBlock(stream, data, size);
            } else {
                const hf::HfCodeBook codes = hf::ShuffleCodes(hf::BuildHuffmanCodes(data, size), random());
                hf::AppendHuffmanBlock(stream, data, size, codes);
            }
            expected.insert(expected.end(), data, data + size);
        }
        hf::FinishStream(stream, expected.size());
        ASSERT_EQ(UnpackAllocating(stream), expected) << "round " << round;
    }
}

TEST(HfPackLayoutTest, CutsBlocksOfOneMebibyteAndCodesThem)
{
    const Bytes payloadSized = ExecutableLikeBytes(2093056, 1);
    const std::vector<BlockLayout> blocks = BlocksOf(hf::HfPack(payloadSized.data(), payloadSized.size()));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].outputCount, 1048576u);
    EXPECT_EQ(blocks[1].outputCount, 1044480u);
    EXPECT_NE(blocks[0].bitCount, 0u);
    EXPECT_NE(blocks[1].bitCount, 0u);
}

TEST(HfPackLayoutTest, StoresABlockThatCodingWouldNotMakeSmaller)
{
    const Bytes noise = RandomBytes(3000, 2);
    const std::vector<BlockLayout> blocks = BlocksOf(hf::HfPack(noise.data(), noise.size()));
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].bitCount, 0u);
    EXPECT_EQ(blocks[0].outputCount, 3000u);
}

TEST(HfPackLayoutTest, WritesOneEmptyStoredBlockForEmptyInput)
{
    const Bytes stream = hf::HfPack(nullptr, 0);
    EXPECT_EQ(stream.size(), 32u);
    const std::vector<BlockLayout> blocks = BlocksOf(stream);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].bitCount, 0u);
    EXPECT_EQ(blocks[0].outputCount, 0u);
}

TEST(HfCodeBookTest, ShufflingKeepsTheLengthsButMovesTheWords)
{
    const Bytes input = ExecutableLikeBytes(100000, 9);
    const hf::HfCodeBook canonical = hf::BuildHuffmanCodes(input.data(), input.size());
    const hf::HfCodeBook shuffled = hf::ShuffleCodes(canonical, 1);
    std::map<std::size_t, int> canonicalLengths;
    std::map<std::size_t, int> shuffledLengths;
    int movedWords = 0;
    for (int value = 0; value < 256; ++value) {
        ++canonicalLengths[canonical[value].size()];
        ++shuffledLengths[shuffled[value].size()];
        movedWords += shuffled[value] != canonical[value];
    }
    EXPECT_EQ(shuffledLengths, canonicalLengths);
    EXPECT_GT(movedWords, 128);
}

TEST(HfCodeBookTest, GivesASingleValueAOneBitWord)
{
    const Bytes input(10, 'q');
    const hf::HfCodeBook codes = hf::BuildHuffmanCodes(input.data(), input.size());
    EXPECT_EQ(codes['q'], "0");
    EXPECT_EQ(std::count_if(codes.begin(), codes.end(), [](const std::string& word) { return !word.empty(); }), 1);
}

TEST(HfEncoderTest, RefusesBytesWithoutAWordAndEmptyHuffmanBlocks)
{
    Bytes stream = hf::StartStream();
    hf::HfCodeBook codes;
    codes['a'] = "0";
    const Bytes text = BytesOf("ab");
    EXPECT_THROW(hf::AppendHuffmanBlock(stream, text.data(), text.size(), codes), std::invalid_argument);
    EXPECT_THROW(hf::AppendHuffmanBlock(stream, text.data(), 0, codes), std::invalid_argument);
    codes['b'] = std::string(256, '1');
    EXPECT_THROW(hf::AppendHuffmanBlock(stream, text.data(), text.size(), codes), std::invalid_argument);
}

}  // namespace
