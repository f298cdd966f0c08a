// libFuzzer entry point for the HF decoder. It calls HfUnpack as the program
// does, after checking the packed-size field against the bytes it holds, and
// crashes when the decoder's cases disagree; the sanitizers catch the rest.
#include "HfStream.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

std::uint32_t ReadLe32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | static_cast<std::uint32_t>(p[3]) << 24;
}

void PutLe32(unsigned char* p, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> 8 * i);
}

// The fuzzer's bytes as the caller would hand them over: a heap copy of the
// length that the packed-size field claims (the 10 bytes that hold the magic
// at least), the field cut down to the bytes there are.
std::vector<unsigned char> BoundedStream(const std::uint8_t* data, std::size_t size)
{
    const std::uint32_t claimed = ReadLe32(data);
    std::vector<unsigned char> stream(data, data + std::max<std::size_t>(10, std::min<std::size_t>(claimed, size)));
    if (claimed > size)
        PutLe32(stream.data(), static_cast<std::uint32_t>(size));
    return stream;
}

void DecodeIntoDestinationAsWell(const std::vector<unsigned char>& stream, const unsigned char* allocated)
{
    const std::uint32_t unpackedSize = HfUnpackedSize(stream.data());
    if (unpackedSize > 8 * stream.size())
        return;  // more than a stream of this length can hold: refused before allocating
    const std::unique_ptr<unsigned char[]> destination(new unsigned char[unpackedSize]);
    const void* decoded = HfUnpack(stream.data(), destination.get());
    if ((decoded != nullptr) != (allocated != nullptr))
        __builtin_trap();
    if (decoded && (decoded != destination.get() || std::memcmp(decoded, allocated, unpackedSize) != 0))
        __builtin_trap();
}

void CopyPlainData(const std::vector<unsigned char>& stream)
{
    const auto size = static_cast<std::uint32_t>(stream.size());
    const std::unique_ptr<unsigned char[]> destination(new unsigned char[size]);
    if (HfUnpack(stream.data(), destination.get(), size) != destination.get() ||
        std::memcmp(destination.get(), stream.data(), size) != 0)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 10)
        return 0;
    const std::vector<unsigned char> stream = BoundedStream(data, size);
    void* allocated = HfUnpack(stream.data());
    if (stream[8] == 'H' && stream[9] == 'F') {
        DecodeIntoDestinationAsWell(stream, static_cast<unsigned char*>(allocated));
    } else {
        if (allocated)
            __builtin_trap();  // without the magic nothing is decoded or allocated
        CopyPlainData(stream);
    }
    std::free(allocated);
    return 0;
}
