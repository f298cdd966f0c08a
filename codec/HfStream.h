// The HF stream decoder: the packed payload that Install.EXE carries.
//
// Classes in this file:
//   HfBlockState  the code tree and counts of the block being decoded
//
// The decoder trusts nothing in the stream beyond its packed-size field
// (offset 0): every read stays below stream + packed size. A caller that holds
// the stream's bytes must check that it really has that many before decoding.
// A stream that is not well formed gives a null result (see HfUnpack).
#pragma once

#include <cstdint>

struct HfBlockState {
    std::uint32_t m_nBitCount;     // bits in the data area; 0 for a stored block
    std::uint32_t m_nOutputCount;  // bytes the block produces
    // The code tree: m_links[0] are the 0-branch links, m_links[1] the 1-branch
    // links, both indexed by node number (0 is the root). A link of 0 is empty,
    // a positive link is an inner node, a negative link is the leaf of byte
    // value link + 256.
    std::int16_t m_links[2][512];
    // One past the last byte of the stream that may be read.
    const unsigned char* m_pStreamEnd;
};

// The unpacked size of a stream, or 0xFFFFFFFF when it does not start with the
// magic. Reads the first 10 bytes only.
std::uint32_t HfUnpackedSize(const void* stream);

// Reads the header of the block at `block` into `state` and sets `headerSize`
// to its length (8 for a stored block, 264 + code bits for a Huffman block).
// Returns the output count of a stored block; for a Huffman block it rebuilds
// the code tree in `state` and returns 0. Returns a negative value, with the
// state unusable, when the block does not lie whole (data included) before
// state.m_pStreamEnd, its output count is 2^31 or more, or its codes are not
// prefix-free or need an inner node above 511.
std::int32_t HfReadBlockHeader(HfBlockState& state, const void* block, std::uint32_t& headerSize);

// Decodes a stream held whole in memory.
// - No destination, magic present: allocates `size` bytes with malloc (the
//   unpacked size when `size` is 0), decodes into them and returns them; the
//   caller releases them with free. Null when the allocation fails or `size`
//   is below the unpacked size.
// - No destination, magic absent: null, nothing allocated.
// - Destination, magic present: decodes into the destination, which must hold
//   the unpacked size (`size` is not consulted), and returns it.
// - Destination, magic absent: the input is plain data; copies its first
//   `size` bytes to the destination and returns it.
// A stream that is not well formed gives null after releasing any buffer
// allocated here; a destination may then hold part of the output.
void* HfUnpack(const void* stream, void* destination = nullptr, std::uint32_t size = 0);
