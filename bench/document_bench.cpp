// Reading and saving whole documents of 1,000, 8,000 and 32,767 matches
// (players, ranking histories and finances in proportion), beside a plain
// in-memory copy of the same bytes as the yardstick.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

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

void SetSizeCounters(benchmark::State& state, const std::vector<uint8_t>& bytes) {
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes.size()));
}

// Reading into an empty document; closing the document read is measured
// apart (BM_Close), since the program only pays it when another one opens.
void BM_Read(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = DocumentBytes(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto document = std::make_unique<PROJECT_DOC>();
    state.ResumeTiming();
    if (!document->ReadBytes(bytes).ok()) state.SkipWithError("read failed");
    benchmark::ClobberMemory();
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
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
  for (auto _ : state) {
    if (!document.Save(path).ok()) state.SkipWithError("save failed");
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
