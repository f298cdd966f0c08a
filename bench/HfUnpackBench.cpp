// Decoding speed of the HF decoder on a payload-sized stream of executable-like
// bytes (two Huffman blocks, like the real payload), next to zlib's inflate of
// the same bytes (level 6), memcpy, and the literal walk the decoder must beat.
// Ends with a summary: decoder and inflate MB/s and their ratio.
#include "ExecutableLikeBytes.h"
#include "HfEncoder.h"
#include "HfStream.h"
#include "PlainWalk.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

// The link options route the calls of malloc and operator new in this
// program's own code, the decoder's included, through these counters.
namespace {
std::size_t g_nAllocations = 0;
}

extern "C" void* __real_malloc(std::size_t size);
extern "C" void* __wrap_malloc(std::size_t size)
{
    ++g_nAllocations;
    return __real_malloc(size);
}

extern "C" void* __real__Znwm(std::size_t size);  // operator new
extern "C" void* __wrap__Znwm(std::size_t size)
{
    ++g_nAllocations;
    return __real__Znwm(size);
}

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t kPayloadSize = 2093056;  // the replacement executable's size

struct Sample {
    Bytes input = ExecutableLikeBytes(kPayloadSize, 1);
    Bytes stream = hf::HfPack(input.data(), input.size());
    Bytes deflated = Deflate(input);

    static Bytes Deflate(const Bytes& input)
    {
        uLongf size = compressBound(input.size());
        Bytes deflated(size);
        if (compress2(deflated.data(), &size, input.data(), input.size(), 6) != Z_OK)
            std::abort();
        deflated.resize(size);
        return deflated;
    }
};

const Sample& TheSample()
{
    static const Sample sample;
    return sample;
}

void ReportSizes(benchmark::State& state, std::size_t packedSize)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPayloadSize));
    state.counters["packed/unpacked"] = static_cast<double>(packedSize) / kPayloadSize;
}

void HfUnpackAllocating(benchmark::State& state)
{
    const Sample& sample = TheSample();
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = g_nAllocations;
        void* output = HfUnpack(sample.stream.data());
        allocations += g_nAllocations - before;
        // Comparing every output keeps the decoding from being optimised away
        // (benchmark::DoNotOptimize on the pointer broke under GCC 12 with
        // AddressSanitizer).
        if (!output || std::memcmp(output, sample.input.data(), kPayloadSize) != 0) {
            state.SkipWithError("the decoder's output differs from the input");
            std::free(output);
            break;
        }
        std::free(output);
    }
    ReportSizes(state, sample.stream.size());
    state.counters["allocations/decode"] = static_cast<double>(allocations) / state.iterations();
}
BENCHMARK(HfUnpackAllocating)->Unit(benchmark::kMillisecond);

void PlainWalk(benchmark::State& state)
{
    const Sample& sample = TheSample();
    Bytes output(kPayloadSize);
    for (auto _ : state) {
        PlainWalkUnpack(sample.stream.data(), output.data());
        benchmark::ClobberMemory();
    }
    if (output != sample.input)
        state.SkipWithError("the plain walk's output differs from the input");
    ReportSizes(state, sample.stream.size());
}
BENCHMARK(PlainWalk)->Unit(benchmark::kMillisecond);

void ZlibInflate(benchmark::State& state)
{
    const Sample& sample = TheSample();
    Bytes output(kPayloadSize);
    for (auto _ : state) {
        uLongf size = kPayloadSize;
        if (uncompress(output.data(), &size, sample.deflated.data(), sample.deflated.size()) != Z_OK)
            state.SkipWithError("inflate failed");
        benchmark::ClobberMemory();
    }
    ReportSizes(state, sample.deflated.size());
}
BENCHMARK(ZlibInflate)->Unit(benchmark::kMillisecond);

void Memcpy(benchmark::State& state)
{
    const Sample& sample = TheSample();
    Bytes output(kPayloadSize);
    for (auto _ : state) {
        std::memcpy(output.data(), sample.input.data(), kPayloadSize);
        benchmark::ClobberMemory();
    }
    ReportSizes(state, kPayloadSize);
}
BENCHMARK(Memcpy)->Unit(benchmark::kMillisecond);

// Prints the usual table and keeps each benchmark's rate for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            if (rate != run.counters.end() && !run.error_occurred)
                m_megabytesPerSecond[run.benchmark_name()] = rate->second.value / 1e6;
        }
    }

    void PrintSummary() const
    {
        const double decoder = Rate("HfUnpackAllocating");
        const double plain = Rate("PlainWalk");
        const double inflate = Rate("ZlibInflate");
        if (decoder == 0 || plain == 0 || inflate == 0)
            return;
        std::printf("\nHF decoder %.1f MB/s, zlib inflate %.1f MB/s: %.2f of inflate's speed\n", decoder, inflate,
                    decoder / inflate);
        std::printf("plain walk %.1f MB/s (%.2f of inflate's): the decoder is %.2f times as fast\n", plain,
                    plain / inflate, decoder / plain);
        std::printf("memcpy %.1f MB/s\n", Rate("Memcpy"));
    }

private:
    double Rate(const std::string& name) const
    {
        const auto found = m_megabytesPerSecond.find(name);
        return found == m_megabytesPerSecond.end() ? 0 : found->second;
    }

    std::map<std::string, double> m_megabytesPerSecond;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    return 0;
}
