// The benchmark's yardstick: the decoding steps of the format taken
// literally, a byte reload test on every bit and a loop for every code.
// Well-formed streams only.
#pragma once

// Decodes into a destination that holds the unpacked size.
void PlainWalkUnpack(const void* stream, void* destination);
