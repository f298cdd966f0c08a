// The packer's command line: exit codes, messages, and files that decode to
// what was packed. The packer runs on the build machine only.
#include "ExecutableLikeBytes.h"
#include "HfTestStreams.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

using namespace hftest;

namespace {

struct CommandResult {
    int exitCode;
    std::string output;
};

CommandResult RunPacker(const std::string& arguments)
{
    const std::string command = std::string("'") + HFPACK_PATH + "' " + arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {-1, "popen failed"};
    std::string output;
    char chunk[256];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        output.append(chunk, got);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string ScratchPath(const std::string& name)
{
    return ::testing::TempDir() + "hfpack_test_" + name;
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct RefusedCommand {
    const char* name;
    std::string arguments;
    int exitCode;
    std::string message;
};

class HfPackRefusalTest : public ::testing::TestWithParam<RefusedCommand> {};

TEST_P(HfPackRefusalTest, ExitsWithItsCodeAndSaysWhy)
{
    const CommandResult result = RunPacker(GetParam().arguments);
    EXPECT_EQ(result.exitCode, GetParam().exitCode);
    EXPECT_NE(result.output.find(GetParam().message), std::string::npos) << result.output;
}

std::vector<RefusedCommand> RefusedCommands()
{
    const std::string input = ScratchPath("refusal_input");
    WriteFile(input, BytesOf("some bytes"));
    const std::string missing = ScratchPath("does_not_exist");
    std::remove(missing.c_str());
    const std::string usage = "usage: hfpack [--shuffle SEED] [--block-size BYTES] INPUT OUTPUT";
    return {
        {"NoArguments", "", 2, usage},
        {"OutputMissing", input, 2, usage},
        {"ExtraArgument", input + " out extra", 2, usage},
        {"UnknownOption", "--fast 1 " + input + " out", 2, usage},
        {"SeedNotANumber", "--shuffle x " + input + " out", 2, usage},
        {"BlockSizeZero", "--block-size 0 " + input + " out", 2, usage},
        {"BlockSizeOf2To31", "--block-size 2147483648 " + input + " out", 2, usage},
        {"MissingInput", "'" + missing + "' out", 1, "hfpack: cannot open " + missing + ": "},
        {"UnwritableOutput", input + " '" + missing + "/stream.hf'", 1, "hfpack: cannot create " + missing},
    };
}

INSTANTIATE_TEST_SUITE_P(Commands, HfPackRefusalTest, ::testing::ValuesIn(RefusedCommands()),
                         CaseName());

TEST(HfPackCommandTest, WritesStreamsThatDecodeToTheInput)
{
    const Bytes input = ExecutableLikeBytes(300000, 21);
    const std::string inputPath = ScratchPath("input.exe");
    WriteFile(inputPath, input);
    for (const std::string options : {"", "--shuffle 9 --block-size 70000"}) {
        const std::string streamPath = ScratchPath("stream.hf");
        std::remove(streamPath.c_str());
        const CommandResult result = RunPacker(options + " '" + inputPath + "' '" + streamPath + "'");
        ASSERT_EQ(result.exitCode, 0) << options << ": " << result.output;
        EXPECT_EQ(result.output, "") << options;
        EXPECT_EQ(UnpackAllocating(ReadFile(streamPath)), input) << options;
    }
}

}  // namespace
