// Decoding a whole stream: HfUnpackedSize and HfUnpack.
#include "HfStream.h"

#include "HfDataArea.h"
#include "HfFormat.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using namespace hf;

bool HasMagic(const unsigned char* stream)
{
    return ReadLe16(stream + kMagicOffset) == kMagic;
}

// Each output byte takes at least one bit of the stream after its header, so
// a larger unpacked size cannot be right; checked before it is allocated.
bool PackedSizeCanHoldOutput(const unsigned char* stream)
{
    const std::uint32_t packedSize = ReadLe32(stream + kPackedSizeOffset);
    const std::uint32_t unpackedSize = ReadLe32(stream + kUnpackedSizeOffset);
    return packedSize >= kStreamHeaderSize &&
           unpackedSize <= 8 * static_cast<std::uint64_t>(packedSize - kStreamHeaderSize);
}

// Decodes the blocks into `out`, which holds the unpacked size. Blocks whose
// output would pass the unpacked size are refused before they are written.
bool DecodeBlocks(const unsigned char* stream, unsigned char* out)
{
    const std::uint32_t unpackedSize = ReadLe32(stream + kUnpackedSizeOffset);
    HfBlockState state;
    state.m_pStreamEnd = stream + ReadLe32(stream + kPackedSizeOffset);
    const unsigned char* block = stream + kStreamHeaderSize;
    std::uint32_t total = 0;
    // The test follows each block: the first one is read even for an empty output.
    do {
        std::uint32_t headerSize = 0;
        if (HfReadBlockHeader(state, block, headerSize) < 0 || state.m_nOutputCount > unpackedSize - total)
            return false;
        block += headerSize;
        if (state.m_nBitCount == 0) {
            std::memcpy(out, block, state.m_nOutputCount);
            block += state.m_nOutputCount;
        } else {
            if (!DecodeDataArea(state, block, out))
                return false;
            block += BytesForBits(state.m_nBitCount);
        }
        out += state.m_nOutputCount;
        total += state.m_nOutputCount;
    } while (total < unpackedSize);
    return true;
}

void* DecodeIntoNewBuffer(const unsigned char* stream, std::uint32_t size)
{
    const std::uint32_t unpackedSize = ReadLe32(stream + kUnpackedSizeOffset);
    if (size == 0)
        size = unpackedSize;
    if (size < unpackedSize)
        return nullptr;
    // One byte at least, so that an empty output is a buffer on every run-time
    // library and never mistaken for a failure.
    auto* buffer = static_cast<unsigned char*>(std::malloc(size == 0 ? 1 : size));
    if (!buffer)
        return nullptr;
    if (DecodeBlocks(stream, buffer))
        return buffer;
    std::free(buffer);
    return nullptr;
}

}  // namespace

std::uint32_t HfUnpackedSize(const void* stream)
{
    const auto* bytes = static_cast<const unsigned char*>(stream);
    return HasMagic(bytes) ? ReadLe32(bytes + kUnpackedSizeOffset) : 0xFFFFFFFFu;
}

void* HfUnpack(const void* stream, void* destination, std::uint32_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(stream);
    if (!HasMagic(bytes)) {
        if (!destination)
            return nullptr;
        std::memcpy(destination, bytes, size);  // plain data, taken as it is
        return destination;
    }
    if (!PackedSizeCanHoldOutput(bytes))
        return nullptr;
    if (!destination)
        return DecodeIntoNewBuffer(bytes, size);
    return DecodeBlocks(bytes, static_cast<unsigned char*>(destination)) ? destination : nullptr;
}
