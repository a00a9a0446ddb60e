// Speed of the calculation document: writing and reading the bytes of 10,000 and 100,000 calculations.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

#include "documents/document.h"
#include "engine/timecode.h"

namespace {

// Calculations as a log holds them: timecodes (frame counts in the Frames log) and a description.
std::array<LogRows, kModeCount> MakeLogs(std::int64_t count)
{
    std::array<LogRows, kModeCount> logs;
    for (int mode = 0; mode < kModeCount; ++mode) {
        const std::int64_t rate = ModeRate(static_cast<TimecodeMode>(mode), 15);
        const char separator = mode == 1 ? ';' : ':';
        LogRows &rows = logs[static_cast<std::size_t>(mode)];
        rows.reserve(static_cast<std::size_t>(count));
        for (std::int64_t i = 0; i < count; ++i) {
            const FrameCount first = i * 37 % 2'000'000;
            const FrameCount second = i * 11 % 90'000;
            const auto cell = [&](FrameCount frames) {
                return mode == 5 ? std::to_string(frames) : TimecodeText(GenericTC(rate, frames), separator);
            };
            rows.push_back({cell(first), "+", cell(second), "=", cell(first + second), "",
                            "Scene " + std::to_string(i % 120) + " take " + std::to_string(i % 7)});
        }
    }
    return logs;
}

DocumentLogs Source(const std::array<LogRows, kModeCount> &logs)
{
    DocumentLogs source;
    for (std::size_t mode = 0; mode < logs.size(); ++mode)
        source.logs[mode] = RowsOf(logs[mode]);
    source.CalcCount = static_cast<std::int64_t>(logs[0].size());
    source.FramesFps = 29.97;
    return source;
}

void BM_WriteDocument(benchmark::State &state)
{
    const auto logs = MakeLogs(state.range(0));
    const DocumentLogs source = Source(logs);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray written = WriteDocument(source);
        bytes = written.size();
        benchmark::DoNotOptimize(written.constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_ReadDocument(benchmark::State &state)
{
    const auto logs = MakeLogs(state.range(0));
    const QByteArray bytes = WriteDocument(Source(logs));
    for (auto _ : state) {
        DocumentReadResult result = ReadDocument(bytes);
        if (!result.document) {
            state.SkipWithError("the written document does not read back");
            break;
        }
        benchmark::DoNotOptimize(result.document->logs.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

BENCHMARK(BM_WriteDocument)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocument)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
