// The payload that the built Install.EXE carries decodes to exactly the bytes
// of the executable it was packed from. Windows only: it reads the program's
// resources as the executable update does.
#include "HfStream.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct ModuleFree {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using ModuleHandle = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree>;

Bytes ReadFile(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t PackedSizeField(const unsigned char* stream)
{
    return static_cast<std::uint32_t>(stream[0] | stream[1] << 8 | stream[2] << 16) |
           static_cast<std::uint32_t>(stream[3]) << 24;
}

TEST(HfPayloadTest, InstallExeCarriesThePackedGameExecutable)
{
    const ModuleHandle program(LoadLibraryExA(HF_INSTALL_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(program) << HF_INSTALL_EXE << ": error " << GetLastError();
    const HRSRC resource = FindResourceA(program.get(), MAKEINTRESOURCEA(IDR_PAYLOAD), "FILES");
    ASSERT_NE(resource, nullptr) << "no FILES resource " << IDR_PAYLOAD;
    const DWORD resourceSize = SizeofResource(program.get(), resource);
    const auto* stream = static_cast<const unsigned char*>(LockResource(LoadResource(program.get(), resource)));
    ASSERT_NE(stream, nullptr);
    // What the program must check before decoding: the field bounds every read.
    ASSERT_GE(resourceSize, 24u);
    ASSERT_EQ(PackedSizeField(stream), resourceSize);

    const Bytes executable = ReadFile(HF_PAYLOAD_INPUT);
    ASSERT_FALSE(executable.empty()) << "cannot read " << HF_PAYLOAD_INPUT;
    ASSERT_EQ(HfUnpackedSize(stream), executable.size());
    const std::unique_ptr<unsigned char, decltype(&std::free)> decoded(
        static_cast<unsigned char*>(HfUnpack(stream)), &std::free);
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(Bytes(decoded.get(), decoded.get() + executable.size()) == executable)
        << "the decoded payload differs from " << HF_PAYLOAD_INPUT;
}

}  // namespace
