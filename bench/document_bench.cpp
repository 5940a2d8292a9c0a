// Reading and saving whole documents of 1,000, 8,000 and 32,767 matches
// (players, ranking histories and finances in proportion), beside a plain
// in-memory copy of the same bytes as the yardstick: reading and saving also
// print their time as a multiple of that copy, measured in the same run
// (counter x_copy), so that a loaded machine slows both alike.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <thread>

#include <unistd.h>

#include "base/safe_file.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/document_generator.h"

namespace {

using scorvane::PROJECT_DOC;

// The encoded document of each size, generated once.
const std::vector<uint8_t>& DocumentBytes(int matches) {
  static std::map<int, std::vector<uint8_t>> cache;
  auto found = cache.find(matches);
  if (found != cache.end()) return found->second;
  scorvane::Registry().SetFolder(std::filesystem::temp_directory_path() / "scorvane-bench-RankSys");
  PROJECT_DOC document;
  scorvane::GeneratorOptions options;
  options.matches = matches;
  options.seasons = 3;
  options.operations_per_season = std::max(6, matches / 50);
  scorvane::GenerateDocument(document, options);
  std::vector<uint8_t> bytes = document.Encode().bytes;
  return cache.emplace(matches, std::move(bytes)).first->second;
}

using Clock = std::chrono::steady_clock;

// One copy of the bytes into a new buffer, as BM_CopyInMemory makes it.
double CopySeconds(const std::vector<uint8_t>& bytes) {
  const Clock::time_point start = Clock::now();
  std::vector<uint8_t> copy(bytes.size());
  std::memcpy(copy.data(), bytes.data(), bytes.size());
  benchmark::DoNotOptimize(copy.data());
  benchmark::ClobberMemory();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The median of many copies, taken just before the figure it is compared with.
double MedianCopySeconds(const std::vector<uint8_t>& bytes) {
  std::vector<double> times(31);
  for (double& time : times)
    time = CopySeconds(bytes);
  std::nth_element(times.begin(), times.begin() + 15, times.end());
  return times[15];
}

// Sets x_copy: the median of the timed runs over the median copy.
void SetCopyRatio(benchmark::State& state, std::vector<double>& runs, double copy) {
  if (runs.empty() || copy <= 0) return;
  std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
  state.counters["x_copy"] = runs[runs.size() / 2] / copy;
}

void SetSizeCounters(benchmark::State& state, const std::vector<uint8_t>& bytes) {
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes.size()));
}

// Reading into an empty document; closing the document read is measured
// apart (BM_Close), since the program only pays it when another one opens.
void BM_Read(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = DocumentBytes(static_cast<int>(state.range(0)));
  const double copy = MedianCopySeconds(bytes);
  std::vector<double> runs;
  for (auto _ : state) {
    state.PauseTiming();
    auto document = std::make_unique<PROJECT_DOC>();
    state.ResumeTiming();
    const Clock::time_point start = Clock::now();
    if (!document->ReadBytes(bytes).ok()) state.SkipWithError("read failed");
    benchmark::ClobberMemory();
    runs.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
  SetCopyRatio(state, runs, copy);
  SetSizeCounters(state, bytes);
}

// Deleting every record of a document that was read.
void BM_Close(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = DocumentBytes(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto document = std::make_unique<PROJECT_DOC>();
    document->ReadBytes(bytes);
    state.ResumeTiming();
    document.reset();
  }
  SetSizeCounters(state, bytes);
}

// Numbering, checking and encoding in memory: the whole save but the disk.
void BM_Encode(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = DocumentBytes(static_cast<int>(state.range(0)));
  PROJECT_DOC document;
  document.ReadBytes(bytes);
  for (auto _ : state) {
    scorvane::EncodedDocument encoded = document.Encode();
    benchmark::DoNotOptimize(encoded.bytes.data());
  }
  SetSizeCounters(state, bytes);
}

// The full save: encoding, then the temporary file, flush to disk and rename.
void BM_SaveToDisk(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = DocumentBytes(static_cast<int>(state.range(0)));
  PROJECT_DOC document;
  document.ReadBytes(bytes);
  const auto path = std::filesystem::temp_directory_path() / "scorvane-bench.ten";
  const double copy = MedianCopySeconds(bytes);
  std::vector<double> runs;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    if (!document.Save(path).ok()) state.SkipWithError("save failed");
    runs.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  SetCopyRatio(state, runs, copy);
  std::filesystem::remove(path);
  SetSizeCounters(state, bytes);
}

// The disk's part of a save: the same bytes, already encoded, written to a
// temporary file, flushed and renamed over the last copy, then the folder
// flushed. Each replace starts on a settled disk, as a user's saves do,
// seconds apart: the blocks of the copy replaced last time are given back
// first, untimed. (BM_SaveToDisk saves back to back, so each of its saves
// also waits for the last one's blocks.)
void BM_ReplaceOnDisk(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = DocumentBytes(static_cast<int>(state.range(0)));
  const auto path = std::filesystem::temp_directory_path() / "scorvane-bench.ten";
  std::string error;
  for (auto _ : state) {
    state.PauseTiming();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ::sync();
    state.ResumeTiming();
    if (!scorvane::WriteFileSafely(path, bytes, &error)) state.SkipWithError(error.c_str());
  }
  std::filesystem::remove(path);
  SetSizeCounters(state, bytes);
}

void BM_CopyInMemory(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = DocumentBytes(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::vector<uint8_t> copy(bytes.size());
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  SetSizeCounters(state, bytes);
}

}  // namespace

BENCHMARK(BM_CopyInMemory)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Read)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Close)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToDisk)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceOnDisk)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
