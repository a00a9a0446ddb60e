// Speed of the engine: whole calculations per second, and the conversions under them.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "engine/calculation.h"
#include "engine/entry.h"
#include "engine/timecode.h"

namespace {

struct Case {
    const char *first;
    Operator op;
    const char *second;
};

// Every operator, drop-frame labels and wraps below midnight among them.
constexpr std::array<Case, 12> kCases = {{
    {"00:00:10:00", Operator::Add, "00:00:05:00"},
    {"00:09:00:00", Operator::Add, "00:01:00:00"},
    {"00:00:05:00", Operator::Subtract, "00:00:10:00"},
    {"00:05:00:10", Operator::Subtract, "00:04:59:20"},
    {"00:00:00:02", Operator::Multiply, "00:10:00:00"},
    {"01:00:00:00", Operator::Multiply, "00:00:00:03"},
    {"00:01:00:00", Operator::Divide, "00:00:00:02"},
    {"23:59:59:29", Operator::Divide, "00:00:00:07"},
    {"00:00:00:00", Operator::Percent, "00:00:10:00"},
    {"00:00:00:00", Operator::Percent, "12:34:56:12"},
    {"00:00:05:00", Operator::Difference, "00:00:10:00"},
    {"10:00:00:00", Operator::Difference, "01:23:45:12"},
}};

std::array<CalcRequest, kCases.size()> MakeRequests()
{
    std::array<CalcRequest, kCases.size()> requests;
    for (std::size_t i = 0; i < kCases.size(); ++i) {
        requests[i].first = kCases[i].first;
        requests[i].second = kCases[i].second;
        requests[i].op = kCases[i].op;
        requests[i].percent = "12.5";
    }
    return requests;
}

// One calculation: both fields parsed, the range check, six modes, six new rows.
void Calculation(benchmark::State &bench)
{
    const auto requests = MakeRequests();
    CalcState state;
    state.FramesFps = 29.97;
    std::size_t i = 0;
    for (auto _ : bench) {
        CalcOutcome outcome = ComputeCalculations(state, requests[i]);
        benchmark::DoNotOptimize(outcome);
        i = (i + 1) % requests.size();
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(Calculation);

void CalculationFrameMode(benchmark::State &bench)
{
    CalcState state;
    CalcRequest request;
    request.frameMode = true;
    request.frameIn = "123456";
    request.frameOut = "7890";
    for (auto _ : bench) {
        CalcOutcome outcome = ComputeCalculations(state, request);
        benchmark::DoNotOptimize(outcome);
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(CalculationFrameMode);

void GenericTCAnyCount(benchmark::State &bench)
{
    FrameCount frames = -9'000'000'000'000'000'000;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(GenericTC(30, frames));
        frames += 1'000'000'007'777;
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(GenericTCAnyCount);

void DropFrameRoundTrip(benchmark::State &bench)
{
    FrameCount frames = 0;
    for (auto _ : bench) {
        const Timecode label = FramesToDropFrame(frames);
        benchmark::DoNotOptimize(DropFrameToFrames(label));
        frames = (frames + 7919) % kDropFrameDay;
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(DropFrameRoundTrip);

void DigitEntry(benchmark::State &bench)
{
    EntryField field;
    const char keys[] = "1234.5\b67890";
    std::size_t i = 0;
    for (auto _ : bench) {
        field = TypeKey(field, keys[i]);
        benchmark::DoNotOptimize(field);
        i = (i + 1) % (sizeof keys - 1);
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(DigitEntry);

} // namespace

BENCHMARK_MAIN();
