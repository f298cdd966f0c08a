#include "ExecutableLikeBytes.h"

#include <initializer_list>
#include <random>
#include <utility>

namespace {

// Draws from the generator's raw output only: std::mt19937 is the same
// everywhere, its distributions are not.
class SampleWriter {
public:
    SampleWriter(std::size_t size, std::uint32_t seed) : m_random(seed) { m_bytes.reserve(size + 64); }

    unsigned Below(unsigned bound) { return static_cast<unsigned>(m_random() % bound); }
    bool OneIn(unsigned n) { return Below(n) == 0; }

    void Byte(unsigned value) { m_bytes.push_back(static_cast<unsigned char>(value)); }
    void Bytes(std::initializer_list<unsigned> values)
    {
        for (const unsigned value : values)
            Byte(value);
    }
    void Zeros(std::size_t count) { m_bytes.insert(m_bytes.end(), count, 0); }
    void Le32(std::uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            Byte(value >> 8 * i & 0xFF);
    }

    // A small displacement or immediate: mostly near zero, sometimes negative.
    void SmallOperand() { Byte(OneIn(4) ? 0x100 - 8 * (1 + Below(8)) : 8 * Below(16)); }
    // A call or jump distance within a few hundred kilobytes, either way.
    void RelativeOperand()
    {
        const std::uint32_t distance = Below(0x40000);
        Le32(OneIn(2) ? distance : 0u - distance);
    }

    void Instruction()
    {
        switch (Below(12)) {
        case 0: Bytes({0x48, 0x89, 0x44 + 8 * Below(4), 0x24}); SmallOperand(); break;  // mov [rsp+d], r
        case 1: Bytes({0x48, 0x8B, 0x45 + 8 * Below(4)}); SmallOperand(); break;        // mov r, [rbp+d]
        case 2: Byte(0xE8); RelativeOperand(); break;                                   // call
        case 3: Bytes({0x48, 0x83, 0xEC + Below(2)}); SmallOperand(); break;            // sub/add rsp
        case 4: Bytes({0x85, 0xC0 + Below(64)}); Bytes({0x74 + Below(2), Below(128)}); break;  // test; jcc
        case 5: Bytes({0x8B, 0x40 + Below(64)}); SmallOperand(); break;                 // mov r32, [r+d]
        case 6: Bytes({0xFF, 0x15}); RelativeOperand(); break;                          // call [rip+d]
        case 7: Bytes({0x48, 0x8D, 0x0D + 8 * Below(4)}); RelativeOperand(); break;     // lea r, [rip+d]
        case 8: Bytes({0x33, 0xC0 + 9 * Below(8)}); break;                              // xor r, r
        case 9: Bytes({0x0F, 0xB6, 0x40 + Below(64)}); SmallOperand(); break;           // movzx
        case 10: Bytes({0x41, 0x50 + Below(8)}); break;                                 // push r8..r15
        default: Byte(Below(256)); Byte(Below(256)); break;                             // anything else
        }
        if (OneIn(24)) {  // end of a function, padded to 16 bytes
            Byte(0xC3);
            while (m_bytes.size() % 16 != 0)
                Byte(0xCC);
        }
    }

    void Word(bool wide)
    {
        static const char* const kWords[] = {"Install", "Item", "Game", "File", "Error", "Window", "Dialog",
                                             "Registry", "Version", "%s", "%d", "Failed", "Open", "Close",
                                             "Message", "Resource", "Dungeon", "Load", "Save", "Data"};
        for (const char* c = kWords[Below(20)]; *c; ++c) {
            Byte(static_cast<unsigned char>(*c));
            if (wide)
                Byte(0);
        }
    }

    void Strings(bool wide)
    {
        const unsigned words = 1 + Below(5);
        for (unsigned i = 0; i < words; ++i) {
            Word(wide);
            Byte(i + 1 < words ? ' ' : 0);
            if (wide)
                Byte(0);
        }
    }

    void PointerTable()
    {
        for (unsigned i = 0, n = 2 + Below(8); i < n; ++i) {
            Le32(0x40001000 + Below(0x80000) * 8);
            Le32(0x00000001);
        }
    }

    void FillTo(std::size_t end, void (SampleWriter::*piece)())
    {
        while (m_bytes.size() < end)
            (this->*piece)();
    }

    void Header()
    {
        Bytes({'M', 'Z', 0x90, 0});
        while (m_bytes.size() < 0x400) {
            if (OneIn(6))
                Byte(Below(256));
            else
                Byte(0);
        }
    }
    void Code() { Instruction(); }
    void ReadOnlyData()
    {
        if (OneIn(3))
            PointerTable();
        else
            Strings(false);
        if (OneIn(4))
            Zeros(Below(32));
    }
    void Resources()
    {
        if (OneIn(5))
            for (unsigned i = 0, n = 16 + Below(64); i < n; ++i)
                Byte(Below(256));  // a packed bitmap: no pattern to find
        else
            Strings(true);
    }

    std::vector<unsigned char> Take(std::size_t size)
    {
        m_bytes.resize(size);
        return std::move(m_bytes);
    }

private:
    std::mt19937 m_random;
    std::vector<unsigned char> m_bytes;
};

}  // namespace

std::vector<unsigned char> ExecutableLikeBytes(std::size_t size, std::uint32_t seed)
{
    SampleWriter writer(size, seed);
    writer.Header();
    writer.FillTo(size * 6 / 10, &SampleWriter::Code);
    writer.FillTo(size * 8 / 10, &SampleWriter::ReadOnlyData);
    writer.FillTo(size, &SampleWriter::Resources);
    return writer.Take(size);
}
