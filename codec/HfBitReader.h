// Classes in this file:
//   HfBitReader  takes the bits of a byte range, most significant bit first
#pragma once

#include <cstdint>

namespace hf {

// Gives bits one at a time from a byte it holds, or, while it holds none, a
// whole 64-bit word at once, so that one bounds check covers 64 bits.
class HfBitReader {
public:
    HfBitReader(const unsigned char* begin, const unsigned char* end) : m_pNext(begin), m_pEnd(end) {}

    // The range has no bit left.
    bool AtEnd() const { return m_nHeld == 0 && m_pNext == m_pEnd; }

    // Takes one bit, loading the next byte when none is held. The caller has
    // made sure that the range is not at its end.
    unsigned NextBit()
    {
        if (m_nHeld == 0) {
            m_byte = *m_pNext++;
            m_nHeld = 8;
        }
        --m_nHeld;
        return m_byte >> m_nHeld & 1;
    }

    bool CanTakeWord() const { return m_pEnd - m_pNext >= 8; }

    // The next 64 bits, the first in the most significant place; only when
    // CanTakeWord() and before the first NextBit, which may hold a byte.
    std::uint64_t TakeWord()
    {
        std::uint64_t word = 0;
        for (int i = 0; i < 8; ++i)  // compilers make this one load and a byte swap
            word = word << 8 | m_pNext[i];
        m_pNext += 8;
        return word;
    }

private:
    const unsigned char* m_pNext;
    const unsigned char* m_pEnd;
    unsigned m_byte = 0;
    unsigned m_nHeld = 0;
};

}  // namespace hf
