// The tree walk, written for speed without a lookup table.
#include "HfDataArea.h"

#include "HfBitReader.h"
#include "HfFormat.h"

#include <cstddef>
#include <cstdint>

namespace hf {

namespace {

constexpr std::ptrdiff_t kBitsPerWord = 64;

}  // namespace

bool DecodeDataArea(const HfBlockState& state, const unsigned char* area, unsigned char* out)
{
    HfBitReader reader(area, area + BytesForBits(state.m_nBitCount));
    unsigned char* const end = out + state.m_nOutputCount;
    std::ptrdiff_t node = 0;

    // Main loop, a word of bits at a time and without a branch on where a code
    // ends: every step stores the link's low byte and moves the output on
    // only when the link is a leaf, so a later step overwrites the bytes of
    // inner links. A step moves the output by one byte at most, so with 64
    // bytes left a word's steps write inside the block. An empty link is
    // noted, and the block given up, at the end of the word.
    // The speed is that of the chain from one link to the next; picking the
    // table by the bit apart from the node keeps that chain to the load and
    // the test for a leaf.
    const std::int16_t* const zeroLinks = state.m_links[0];
    const std::int16_t* const oneLinks = state.m_links[1];
    while (end - out >= kBitsPerWord && reader.CanTakeWord()) {
        std::uint64_t word = reader.TakeWord();
        bool metEmptyLink = false;
        for (int step = 0; step < kBitsPerWord; ++step) {
            const std::int16_t* const links = (word >> 63) != 0 ? oneLinks : zeroLinks;
            const std::ptrdiff_t link = links[node];
            word <<= 1;
            *out = static_cast<unsigned char>(link);
            out += link < 0;
            metEmptyLink |= link == 0;
            node = link < 0 ? 0 : link;
        }
        if (metEmptyLink)
            return false;
    }

    // The last bytes of the block, and areas too short for a word.
    while (out != end) {
        if (reader.AtEnd())
            return false;
        const std::ptrdiff_t link = state.m_links[reader.NextBit()][node];
        if (link == 0)
            return false;
        if (link < 0) {
            *out++ = static_cast<unsigned char>(link);
            node = 0;
        } else {
            node = link;
        }
    }
    return true;
}

}  // namespace hf
