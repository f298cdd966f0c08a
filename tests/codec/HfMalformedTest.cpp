// Streams outside the format: each must give a null result, read nothing past
// its packed-size field and write nothing past the unpacked size (the helpers
// decode from and into exact-size heap copies, so AddressSanitizer sees it).
#include "HfStream.h"
#include "HfTestStreams.h"

#include <gtest/gtest.h>

using namespace hftest;

namespace {

struct MalformedCase {
    const char* name;
    Bytes stream;
};

const Codes kAbc = {{'A', "0"}, {'B', "10"}, {'C', "11"}};

// Keeps the first `length` bytes and makes the packed size say so.
Bytes CutTo(Bytes stream, std::size_t length)
{
    stream.resize(length);
    PutLe32(stream, 0, static_cast<std::uint32_t>(length));
    return stream;
}

// A Huffman block giving "ACAB" with the given counts.
Bytes AcabBlock(std::uint32_t outputCount, std::uint32_t bitCount)
{
    return HuffmanBlock(kAbc, "0110 10", outputCount, bitCount);
}

Bytes StoredHeader(std::uint32_t outputCount)
{
    Bytes header(8, 0);
    PutLe32(header, 4, outputCount);
    return header;
}

// Words whose tree needs inner node 512 while the root's 1-link is still
// empty: numbers 1 to 511 go to the first three words, and the last word's
// leaf would land on entry 512 of the 0-links, just past the table.
Codes InnerNode512()
{
    return {{'a', Repeat("0", 255)},
            {'b', "0" + Repeat("1", 254)},
            {'c', "0" + Repeat("1", 252) + "00"},
            {'d', "0" + Repeat("1", 251) + "00"}};
}

std::vector<MalformedCase> MalformedCases()
{
    const Bytes acab = Stream(4, {AcabBlock(4, 6)});
    const Codes tooManyNodes = InnerNode512();
    const Codes twoLongWords = {{'a', Repeat("0", 255)}, {'b', Repeat("1", 255)}};
    const Bytes longWords = Stream(2, {HuffmanBlock(twoLongWords, CodeBitsOf(twoLongWords, "ab"), 2)});
    const Bytes xyz = Stream(3, {StoredBlock(BytesOf("xyz"))});
    const Codes onlyA = {{'a', "0"}};
    return {
        // Output counts that add up past the unpacked size.
        {"StoredBlockPastTheUnpackedSize", Stream(2, {StoredBlock(BytesOf("xyz"))})},
        {"SecondBlockPastTheUnpackedSize", Stream(6, {StoredBlock(BytesOf("abcd")), StoredBlock(BytesOf("efgh"))})},
        {"HuffmanBlockPastTheUnpackedSize", Stream(3, {AcabBlock(4, 6)})},
        {"FirstBlockIsReadEvenForAnEmptyOutput", Stream(0, {StoredBlock(BytesOf("x"))})},
        // Codes that are not prefix-free, or need inner nodes above 511.
        {"DuplicateCodeWords", Stream(1, {HuffmanBlock({{'a', "0"}, {'b', "0"}}, "0", 1)})},
        {"EarlierWordBeginsALaterOne", Stream(1, {HuffmanBlock({{'a', "0"}, {'b', "01"}}, "0", 1)})},
        {"LaterWordBeginsAnEarlierOne", Stream(1, {HuffmanBlock({{'a', "01"}, {'b', "0"}}, "01", 1)})},
        {"InnerNodeNumberedAbove511", Stream(1, {HuffmanBlock(tooManyNodes, tooManyNodes.at('a'), 1)})},
        // Walks that meet an empty link.
        {"WalkMeetsAnEmptyLinkAtTheRoot", Stream(1, {HuffmanBlock(onlyA, "1", 1)})},
        {"WalkMeetsAnEmptyLinkInsideTheTree", Stream(2, {HuffmanBlock({{'a', "00"}, {'b', "01"}}, "00 1", 2)})},
        {"WalkMeetsAnEmptyLinkInsideAWord",
         Stream(199, {HuffmanBlock(onlyA, Repeat("0", 100) + "1" + Repeat("0", 99), 199)})},
        {"HuffmanBlockWithoutCodes", Stream(1, {HuffmanBlock({}, "0000 0000", 1)})},
        // Streams that end before their blocks do.
        {"NoBlockAfterTheHeader", Stream(0, {})},
        {"StreamEndsInsideABlockHeader", Stream(1, {Bytes(4, 0)})},
        {"StreamEndsInsideTheStoredBytes", CutTo(xyz, xyz.size() - 1)},
        {"StreamEndsInsideTheCodeLengths", CutTo(acab, 24 + 8 + 100)},
        {"StreamEndsInsideTheCodeBits", CutTo(longWords, 24 + 264 + 20)},
        {"StreamEndsInsideTheDataArea", CutTo(acab, acab.size() - 1)},
        {"StreamEndsBeforeItsSecondBlock", Stream(6, {StoredBlock(BytesOf("abc"))})},
        {"WalkNeedsMoreBitsThanItsArea", Stream(20, {HuffmanBlock(kAbc, "0110", 20)})},
        // A word leaves 7 bytes: too few for another word.
        {"WalkNeedsMoreBitsThanItsAreaAfterAWord", Stream(200, {HuffmanBlock(onlyA, Repeat("0", 120), 200)})},
        {"DataAreaPastTheStream", Stream(4, {AcabBlock(4, 0x7FFFFFF8)})},
        {"PackedSizeShorterThanTheHeader", CutTo(WorkedExampleStream(), 20)},
        {"UnpackedSizeBeyondWhatThePackedSizeCanHold", Stream(8 * 9 + 1, {StoredBlock(BytesOf("x"))})},
        // Counts beyond the signed 32-bit range, and bit counts that overflow.
        {"StoredOutputCountOf2To31", Stream(7, {StoredHeader(0x80000000)})},
        {"HuffmanOutputCountOf2To31", Stream(7, {AcabBlock(0x80000000, 6)})},
        {"BitCountOverflowingWhenRoundedUp", Stream(4, {AcabBlock(4, 0xFFFFFFF9)})},
        {"BitCountOfAllOnes", Stream(4, {AcabBlock(4, 0xFFFFFFFF)})},
    };
}

class HfMalformedStreamTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(HfMalformedStreamTest, GivesNull)
{
    EXPECT_EQ(UnpackAllocating(GetParam().stream), std::nullopt);
    EXPECT_EQ(UnpackIntoDestination(GetParam().stream), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(MalformedCases, HfMalformedStreamTest, ::testing::ValuesIn(MalformedCases()),
                         CaseName());

// HfReadBlockHeader on its own, for what the stream cases cannot show apart
// from other faults.
struct RefusedBlock {
    const char* name;
    Bytes block;
};

class HfRefusedBlockTest : public ::testing::TestWithParam<RefusedBlock> {};

TEST_P(HfRefusedBlockTest, ReadsAsNegative)
{
    const Bytes& block = GetParam().block;
    HfBlockState state{};
    state.m_pStreamEnd = block.data() + block.size();
    std::uint32_t headerSize = 0;
    EXPECT_LT(HfReadBlockHeader(state, block.data(), headerSize), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, HfRefusedBlockTest,
    ::testing::Values(RefusedBlock{"HuffmanOutputCountOf2To31", AcabBlock(0x80000000, 6)},
                      RefusedBlock{"HuffmanOutputCountOfAllOnes", AcabBlock(0xFFFFFFFF, 6)},
                      RefusedBlock{"ShorterThanABlockHeader", Bytes(7, 0)}),
    CaseName());

TEST(HfReadBlockHeaderBoundTest, ReadsNothingWithoutAStreamEnd)
{
    const Bytes block = StoredBlock(BytesOf("xyz"));
    HfBlockState state{};
    std::uint32_t headerSize = 0;
    EXPECT_LT(HfReadBlockHeader(state, block.data(), headerSize), 0);
}

}  // namespace
