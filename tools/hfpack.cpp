// hfpack: packs a file into an HF stream, the payload format of Install.EXE.
//
// Exit codes: 0 packed, 1 the input could not be read or the output written,
// 2 wrong command line.
#include "HfEncoder.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: hfpack [--shuffle SEED] [--block-size BYTES] INPUT OUTPUT\n"
    "  Packs INPUT into the HF stream OUTPUT in Huffman blocks of BYTES output bytes\n"
    "  (default 1048576), storing a block where coding would not make it smaller.\n"
    "  --shuffle SEED assigns the code words in a shuffled, non-canonical order.\n";

struct CommandLine {
    hf::HfPackOptions options;
    const char* input = nullptr;
    const char* output = nullptr;
};

bool ParseCount(const char* text, std::uint32_t& value)
{
    if (*text < '0' || *text > '9')
        return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed > UINT32_MAX)
        return false;
    value = static_cast<std::uint32_t>(parsed);
    return true;
}

bool ParseCommandLine(int argc, char** argv, CommandLine& line)
{
    int i = 1;
    for (; i + 1 < argc && argv[i][0] == '-'; i += 2) {
        const std::string option = argv[i];
        if (option == "--shuffle") {
            line.options.shuffleCodes = true;
            if (!ParseCount(argv[i + 1], line.options.shuffleSeed))
                return false;
        } else if (option == "--block-size") {
            if (!ParseCount(argv[i + 1], line.options.blockSize) || line.options.blockSize == 0 ||
                line.options.blockSize > 0x7FFFFFFF)
                return false;
        } else {
            return false;
        }
    }
    if (argc - i != 2)
        return false;
    line.input = argv[i];
    line.output = argv[i + 1];
    return true;
}

void ReportFileError(const char* what, const char* path)
{
    std::fprintf(stderr, "hfpack: cannot %s %s: %s\n", what, path, std::strerror(errno));
}

bool ReadWholeFile(const char* path, hf::ByteVector& bytes)
{
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        ReportFileError("open", path);
        return false;
    }
    unsigned char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(file) != 0;
    if (failed)
        ReportFileError("read", path);
    std::fclose(file);
    return !failed;
}

// A failed write leaves no partial stream behind for the build to take as done.
bool WriteWholeFile(const char* path, const hf::ByteVector& bytes)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file) {
        ReportFileError("create", path);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return true;
    ReportFileError("write", path);
    std::remove(path);
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    CommandLine line;
    if (!ParseCommandLine(argc, argv, line)) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    hf::ByteVector input;
    if (!ReadWholeFile(line.input, input))
        return kExitFailure;
    hf::ByteVector stream;
    try {
        stream = hf::HfPack(input.data(), input.size(), line.options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hfpack: cannot pack %s: %s\n", line.input, error.what());
        return kExitFailure;
    }
    return WriteWholeFile(line.output, stream) ? EXIT_SUCCESS : kExitFailure;
}
