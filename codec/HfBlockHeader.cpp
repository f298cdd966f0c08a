// Reading a block header and rebuilding its code tree.
#include "HfStream.h"

#include "HfBitReader.h"
#include "HfFormat.h"

#include <cstdint>
#include <cstring>

namespace {

using namespace hf;

constexpr std::int32_t kBadBlock = -1;

std::uint64_t BytesBefore(const unsigned char* end, const unsigned char* from)
{
    return from <= end ? static_cast<std::uint64_t>(end - from) : 0;
}

std::uint32_t SumOfCodeLengths(const unsigned char* lengths)
{
    std::uint32_t sum = 0;
    for (std::uint32_t value = 0; value < kByteValues; ++value)
        sum += lengths[value];
    return sum;
}

// Walks each code word from the root, numbering every empty link it finds in
// order, and puts the leaf on the link of its last step. The code bits hold
// exactly the sum of the lengths, so the reader never runs past them.
// False when the codes are not prefix-free or an inner node would be numbered
// above the tables' last entry.
bool BuildCodeTree(HfBlockState& state, const unsigned char* lengths, const unsigned char* codeBits,
                   std::uint32_t codeBitsSize)
{
    std::memset(state.m_links, 0, sizeof state.m_links);
    HfBitReader reader(codeBits, codeBits + codeBitsSize);
    int lastNumber = 0;
    for (int value = 0; value < static_cast<int>(kByteValues); ++value) {
        if (lengths[value] == 0)
            continue;
        int node = 0;
        for (int step = 1; step < lengths[value]; ++step) {
            std::int16_t& link = state.m_links[reader.NextBit()][node];
            if (link < 0)
                return false;  // an earlier code ends here: it begins this one
            if (link == 0) {
                if (++lastNumber >= kTreeNodes)
                    return false;
                link = static_cast<std::int16_t>(lastNumber);
            }
            node = link;
        }
        std::int16_t& leaf = state.m_links[reader.NextBit()][node];
        if (leaf != 0)
            return false;  // this code equals or begins an earlier one
        ++lastNumber;  // handed out to the leaf's link, so it never names a node
        leaf = static_cast<std::int16_t>(LeafLink(value));
    }
    return true;
}

}  // namespace

std::int32_t HfReadBlockHeader(HfBlockState& state, const void* block, std::uint32_t& headerSize)
{
    const auto* bytes = static_cast<const unsigned char*>(block);
    const std::uint64_t available = BytesBefore(state.m_pStreamEnd, bytes);
    headerSize = kBlockHeaderSize;
    if (available < kBlockHeaderSize)
        return kBadBlock;
    state.m_nBitCount = ReadLe32(bytes);
    state.m_nOutputCount = ReadLe32(bytes + 4);
    // The count must stay apart from the error results and the signed return.
    if (state.m_nOutputCount > INT32_MAX)
        return kBadBlock;

    if (state.m_nBitCount == 0) {
        if (available - kBlockHeaderSize < state.m_nOutputCount)
            return kBadBlock;
        return static_cast<std::int32_t>(state.m_nOutputCount);
    }

    if (available < kCodeBitsOffset)
        return kBadBlock;
    const std::uint32_t codeBitsSize =
        static_cast<std::uint32_t>(BytesForBits(SumOfCodeLengths(bytes + kBlockHeaderSize)));
    headerSize = kCodeBitsOffset + codeBitsSize;
    // In 64 bits, rounding the bit count up cannot overflow; a count near 2^32
    // asks for a data area that the stream does not hold.
    if (available < headerSize || available - headerSize < BytesForBits(state.m_nBitCount))
        return kBadBlock;
    if (!BuildCodeTree(state, bytes + kBlockHeaderSize, bytes + kCodeBitsOffset, codeBitsSize))
        return kBadBlock;
    return 0;
}
