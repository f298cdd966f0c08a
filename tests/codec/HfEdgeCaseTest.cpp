// Well-formed streams at the edges of the format, each decoded both into a
// buffer the decoder allocates and into a destination of exactly the unpacked
// size.
#include "HfTestStreams.h"

#include <gtest/gtest.h>

using namespace hftest;

namespace {

struct ValidCase {
    const char* name;
    Bytes stream;
    Bytes expected;
};

const Codes kAbc = {{'A', "0"}, {'B', "10"}, {'C', "11"}};

// Value v has the word of v zeros and a one, 255 has 255 zeros: lengths 1 to 255.
Codes LengthsUpTo255()
{
    Codes codes;
    for (int value = 0; value < 255; ++value)
        codes[value] = Repeat("0", value) + "1";
    codes[255] = Repeat("0", 255);
    return codes;
}

// Every value as "1" and its 8 bits: each word crosses a byte boundary
// somewhere, and the tree takes 511 numbers.
Codes NineBitsForEveryValue()
{
    Codes codes;
    for (int value = 0; value < 256; ++value) {
        std::string word = "1";
        for (int bit = 7; bit >= 0; --bit)
            word += (value >> bit & 1) ? '1' : '0';
        codes[value] = word;
    }
    return codes;
}

// Three 255-bit words whose tree takes numbers 1 to 512; the last one goes to
// a leaf, so the inner nodes fit the tables.
Codes FiveHundredTwelveNumbers()
{
    return {{'a', Repeat("0", 255)}, {'b', Repeat("1", 255)}, {'c', Repeat("1", 253) + "00"}};
}

std::string AllValues(int rounds)
{
    std::string text;
    for (int round = 0; round < rounds; ++round)
        for (int i = 0; i < 256; ++i)
            text += static_cast<char>((i * 167 + round * 31) & 0xFF);  // each value once a round
    return text;
}

Bytes WithFillBitsSet()
{
    Bytes stream = WorkedExampleStream();
    stream[24 + 264] |= 0x07;      // the code bits 0 10 11 leave 3 fill bits
    stream[24 + 264 + 1] |= 0x03;  // the data bits 0 11 0 10 leave 2
    return stream;
}

Bytes WithTrailingBytes()
{
    const Bytes notABlock(8, 0xFF);  // would be refused if it were read
    return Stream(3, {StoredBlock(BytesOf("xyz")), notABlock});
}

Bytes HuffmanStream(const Codes& codes, const std::string& text)
{
    return Stream(static_cast<std::uint32_t>(text.size()),
                  {HuffmanBlock(codes, CodeBitsOf(codes, text), static_cast<std::uint32_t>(text.size()))});
}

std::vector<ValidCase> ValidCases()
{
    const std::string allValues = AllValues(1);
    const std::string allValuesBack(allValues.rbegin(), allValues.rend());
    const std::string manyValues = AllValues(5);
    const std::string abc = "abcbcacab";
    const Codes ab = {{'a', "0"}, {'b', "1"}};
    const Codes cde = {{'c', "0"}, {'d', "10"}, {'e', "11"}};
    const Codes abSwapped = {{'a', "1"}, {'b', "0"}};
    return {
        {"WorkedExample", WorkedExampleStream(), BytesOf("ACABxyz")},
        {"EmptyStoredBlockProducesNothing", Stream(3, {StoredBlock({}), StoredBlock(BytesOf("xyz"))}), BytesOf("xyz")},
        {"EmptyOutputFromAnEmptyStoredBlock", Stream(0, {StoredBlock({})}), {}},
        {"HuffmanBlockWithOutputCountZeroIsSkipped",
         Stream(3, {HuffmanBlock(kAbc, "0110 1011 0101", 0), StoredBlock(BytesOf("xyz"))}), BytesOf("xyz")},
        {"SingleValueWithOneBitCodeOne", Stream(20, {HuffmanBlock({{0x7F, "1"}}, Repeat("1", 20), 20)}),
         Bytes(20, 0x7F)},
        {"SingleValueWithOneBitCodeZeroOverManyWords",
         Stream(300, {HuffmanBlock({{0x00, "0"}}, Repeat("0", 300), 300)}), Bytes(300, 0x00)},
        {"CodesOfLengths1To255", HuffmanStream(LengthsUpTo255(), allValues + allValuesBack),
         BytesOf(allValues + allValuesBack)},
        {"NineBitCodesCrossByteBoundaries", HuffmanStream(NineBitsForEveryValue(), manyValues), BytesOf(manyValues)},
        {"InnerNodesNumberedUpTo511Fit", HuffmanStream(FiveHundredTwelveNumbers(), abc), BytesOf(abc)},
        {"NonZeroFillBitsAreIgnored", WithFillBitsSet(), BytesOf("ACABxyz")},
        {"StoredAndHuffmanBlocksMixed",
         Stream(14, {HuffmanBlock(ab, "0110", 4), StoredBlock(BytesOf("--")), HuffmanBlock(cde, "0 10 11 0", 4),
                     StoredBlock({}), HuffmanBlock(abSwapped, "1010", 4)}),
         BytesOf("abba--cdecabab")},
        {"DataAreaLongerThanItsCodes", Stream(63, {HuffmanBlock({{0x11, "0"}}, Repeat("0", 64), 63)}), Bytes(63, 0x11)},
        {"WalkMayRunIntoTheFillBitsOfItsArea", Stream(4, {HuffmanBlock(kAbc, "0110 10", 4, 4)}), BytesOf("ACAB")},
        {"BytesAfterTheLastBlockAreNotRead", WithTrailingBytes(), BytesOf("xyz")},
    };
}

class HfValidStreamTest : public ::testing::TestWithParam<ValidCase> {};

TEST_P(HfValidStreamTest, DecodesToItsBytes)
{
    EXPECT_EQ(UnpackAllocating(GetParam().stream), GetParam().expected);
    EXPECT_EQ(UnpackIntoDestination(GetParam().stream), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, HfValidStreamTest, ::testing::ValuesIn(ValidCases()),
                         CaseName());

}  // namespace
