#include "PlainWalk.h"

#include "HfFormat.h"
#include "HfStream.h"

#include <cstdint>
#include <cstring>

namespace {

void WalkDataArea(const HfBlockState& state, const unsigned char* area, unsigned char* out)
{
    unsigned mask = 0;
    unsigned current = 0;
    for (std::uint32_t i = 0; i < state.m_nOutputCount; ++i) {
        int node = 0;
        do {
            mask >>= 1;
            if (mask == 0) {
                current = *area++;
                mask = 0x80;
            }
            node = (current & mask) != 0 ? state.m_links[1][node] : state.m_links[0][node];
        } while (node >= 0);
        *out++ = static_cast<unsigned char>(node);
    }
}

}  // namespace

void PlainWalkUnpack(const void* stream, void* destination)
{
    const auto* bytes = static_cast<const unsigned char*>(stream);
    auto* out = static_cast<unsigned char*>(destination);
    const std::uint32_t unpackedSize = hf::ReadLe32(bytes + hf::kUnpackedSizeOffset);
    HfBlockState state{};
    state.m_pStreamEnd = bytes + hf::ReadLe32(bytes + hf::kPackedSizeOffset);
    const unsigned char* block = bytes + hf::kStreamHeaderSize;
    std::uint32_t total = 0;
    do {
        std::uint32_t headerSize = 0;
        const std::int32_t stored = HfReadBlockHeader(state, block, headerSize);
        block += headerSize;
        if (stored > 0) {
            std::memcpy(out, block, static_cast<std::uint32_t>(stored));
            block += stored;
        } else {
            WalkDataArea(state, block, out);
            block += hf::BytesForBits(state.m_nBitCount);
        }
        out += state.m_nOutputCount;
        total += state.m_nOutputCount;
    } while (total < unpackedSize);
}
