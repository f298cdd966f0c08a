// Decoding the data area of a Huffman block (internal to the decoder).
#pragma once

#include "HfStream.h"

namespace hf {

// Writes the state's output count of bytes at `out`, walking the state's code
// tree bit by bit from `area`, which holds the state's bit count rounded up to
// whole bytes. False when the walk meets an empty link or needs more bits than
// the area holds (its fill bits count as part of it).
bool DecodeDataArea(const HfBlockState& state, const unsigned char* area, unsigned char* out);

}  // namespace hf
