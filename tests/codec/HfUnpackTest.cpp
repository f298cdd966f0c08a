// HfUnpack's four cases, HfUnpackedSize and HfReadBlockHeader on the worked
// example of the format.
#include "HfStream.h"
#include "HfTestStreams.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace hftest;

namespace {

const Bytes kWorkedExampleOutput = {0x41, 0x43, 0x41, 0x42, 0x78, 0x79, 0x7A};

// The worked example without its magic: plain data to the decoder.
Bytes PlainData()
{
    Bytes plain = WorkedExampleStream();
    plain[8] = 'X';
    return plain;
}

TEST(HfUnpackTest, WorkedExampleDecodesToItsSevenBytes)
{
    EXPECT_EQ(UnpackAllocating(WorkedExampleStream()), kWorkedExampleOutput);
    EXPECT_EQ(UnpackIntoDestination(WorkedExampleStream()), kWorkedExampleOutput);
}

TEST(HfUnpackTest, WithoutDestinationOrMagicGivesNullWhateverTheSize)
{
    const Bytes plain = PlainData();
    EXPECT_EQ(HfUnpack(plain.data()), nullptr);
    EXPECT_EQ(HfUnpack(plain.data(), nullptr, 100), nullptr);
}

TEST(HfUnpackTest, AllocatesTheSizeAskedForWhenItHoldsTheOutput)
{
    const Bytes stream = WorkedExampleStream();
    for (const std::uint32_t size : {7u, 8u, 4096u}) {
        auto* output = static_cast<unsigned char*>(HfUnpack(stream.data(), nullptr, size));
        ASSERT_NE(output, nullptr) << "size " << size;
        EXPECT_EQ(Bytes(output, output + 7), kWorkedExampleOutput) << "size " << size;
        output[size - 1] = 0;  // the whole size is ours (AddressSanitizer checks)
        std::free(output);
    }
}

TEST(HfUnpackTest, RefusesToAllocateLessThanTheUnpackedSize)
{
    EXPECT_EQ(HfUnpack(WorkedExampleStream().data(), nullptr, 6), nullptr);
}

TEST(HfUnpackTest, DecodesIntoTheDestinationWithoutConsultingTheSize)
{
    const Bytes stream = WorkedExampleStream();
    for (const std::uint32_t size : {0u, 3u, 7u}) {
        unsigned char destination[16];
        std::memset(destination, 0xEE, sizeof destination);
        ASSERT_EQ(HfUnpack(stream.data(), destination, size), destination) << "size " << size;
        EXPECT_EQ(Bytes(destination, destination + 7), kWorkedExampleOutput) << "size " << size;
        EXPECT_EQ(Bytes(destination + 7, destination + 16), Bytes(9, 0xEE))
            << "wrote past the unpacked size with size " << size;
    }
}

TEST(HfUnpackTest, CopiesPlainDataToTheDestination)
{
    const Bytes plain = PlainData();
    unsigned char destination[16];
    std::memset(destination, 0xEE, sizeof destination);
    ASSERT_EQ(HfUnpack(plain.data(), destination, 12), destination);
    EXPECT_EQ(Bytes(destination, destination + 12), Bytes(plain.begin(), plain.begin() + 12));
    EXPECT_EQ(Bytes(destination + 12, destination + 16), Bytes(4, 0xEE));
}

TEST(HfUnpackTest, CopiesNothingFromPlainDataOfSizeZero)
{
    const Bytes plain = PlainData();
    unsigned char destination[4] = {1, 2, 3, 4};
    ASSERT_EQ(HfUnpack(plain.data(), destination, 0), destination);
    EXPECT_EQ(Bytes(destination, destination + 4), (Bytes{1, 2, 3, 4}));
}

TEST(HfUnpackedSizeTest, IsTheFieldWhenTheMagicIsPresentAndReadsTenBytes)
{
    Bytes header = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xF0, 0x1F, 0x00, 'H', 'F'};  // exactly 10 bytes
    EXPECT_EQ(HfUnpackedSize(header.data()), 2093056u);
}

TEST(HfUnpackedSizeTest, IsAllOnesWithoutTheMagic)
{
    for (const Bytes& header : {Bytes{7, 0, 0, 0, 7, 0, 0, 0, 'F', 'H'}, Bytes{7, 0, 0, 0, 7, 0, 0, 0, 'H', 'f'},
                                Bytes(10, 0)})
        EXPECT_EQ(HfUnpackedSize(header.data()), 0xFFFFFFFFu);
}

class HfReadBlockHeaderTest : public ::testing::Test {
protected:
    HfReadBlockHeaderTest()
    {
        m_state.m_pStreamEnd = m_stream.data() + m_stream.size();
        // A pattern that the tree building must clear and a stored block keep.
        for (auto& table : m_state.m_links)
            for (std::int16_t& link : table)
                link = 0x1234;
    }

    const Bytes m_stream = WorkedExampleStream();
    HfBlockState m_state;
    std::uint32_t m_headerSize = 0;
};

TEST_F(HfReadBlockHeaderTest, RebuildsTheWorkedExampleTree)
{
    ASSERT_EQ(HfReadBlockHeader(m_state, m_stream.data() + 24, m_headerSize), 0);
    EXPECT_EQ(m_headerSize, 265u);
    EXPECT_EQ(m_state.m_nBitCount, 6u);
    EXPECT_EQ(m_state.m_nOutputCount, 4u);

    HfBlockState expected{};
    expected.m_links[0][0] = 0x41 - 256;  // code 0; number 1 went to this link
    expected.m_links[1][0] = 2;           // the inner node of codes 10 and 11
    expected.m_links[0][2] = 0x42 - 256;  // code 10, number 3
    expected.m_links[1][2] = 0x43 - 256;  // code 11, number 4
    for (int bit = 0; bit < 2; ++bit)
        for (int node = 0; node < 512; ++node)
            EXPECT_EQ(m_state.m_links[bit][node], expected.m_links[bit][node]) << bit << "-link of node " << node;
}

TEST_F(HfReadBlockHeaderTest, ReturnsTheCountOfAStoredBlockAndLeavesTheTreeAlone)
{
    const std::size_t storedXyz = 24 + 265 + 1 + 8;
    ASSERT_EQ(HfReadBlockHeader(m_state, m_stream.data() + storedXyz, m_headerSize), 3);
    EXPECT_EQ(m_headerSize, 8u);
    EXPECT_EQ(m_state.m_nBitCount, 0u);
    EXPECT_EQ(m_state.m_nOutputCount, 3u);
    for (const auto& table : m_state.m_links)
        for (const std::int16_t link : table)
            ASSERT_EQ(link, 0x1234);
}

}  // namespace
