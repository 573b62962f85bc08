// Load and save of generated configurations, as the program does them at start and at a save,
// with icon extraction and hotkeys faked out. Run through scripts/bench.sh (a Release build).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <malloc.h>

#include <map>
#include <new>
#include <string>

#include "SampleConfiguration.h"
#include "fakes/Cp1252CodePage.h"
#include "fakes/FakePlatform.h"
#include "storage/ConfigurationFile.h"

// Heap accounting for the peak-memory counter: every allocation of the process goes through
// these, with its size stored in front of the block.
namespace {

std::atomic<size_t> g_heapInUse{0};
std::atomic<size_t> g_heapPeak{0};
constexpr size_t kHeader = alignof(std::max_align_t);

void* CountedAllocate(size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) throw std::bad_alloc();
  *static_cast<size_t*>(block) = size;
  const size_t inUse = g_heapInUse.fetch_add(size) + size;
  size_t peak = g_heapPeak.load();
  while (inUse > peak && !g_heapPeak.compare_exchange_weak(peak, inUse)) {
  }
  return static_cast<char*>(block) + kHeader;
}

void CountedFree(void* pointer) {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  g_heapInUse.fetch_sub(*static_cast<size_t*>(block));
  std::free(block);
}

}  // namespace

void* operator new(size_t size) { return CountedAllocate(size); }
void* operator new[](size_t size) { return CountedAllocate(size); }
void operator delete(void* pointer) noexcept { CountedFree(pointer); }
void operator delete[](void* pointer) noexcept { CountedFree(pointer); }
void operator delete(void* pointer, size_t) noexcept { CountedFree(pointer); }
void operator delete[](void* pointer, size_t) noexcept { CountedFree(pointer); }

namespace tarnwick::bench {
namespace {

const fakes::Cp1252CodePage& CodePage() {
  static const fakes::Cp1252CodePage codePage;
  return codePage;
}

const std::string& Sample(int itemCount) {
  static std::map<int, std::string> samples;
  auto [it, inserted] = samples.try_emplace(itemCount);
  if (inserted) it->second = SampleConfigurationBytes(itemCount, CodePage());
  return it->second;
}

// Peak heap, beyond what was in use before, while `work` runs.
template <typename Work>
double PeakHeapBytes(Work&& work) {
  const size_t before = g_heapInUse.load();
  g_heapPeak.store(before);
  work();
  return static_cast<double>(g_heapPeak.load() - before);
}

void BM_Load(benchmark::State& state) {
  const int itemCount = static_cast<int>(state.range(0));
  const std::string& bytes = Sample(itemCount);
  for (auto _ : state) {
    LoadedConfiguration loaded(CodePage());
    LoadConfiguration(bytes, loaded);
    benchmark::DoNotOptimize(loaded.table.Count());
  }
  state.SetComplexityN(itemCount);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
  state.counters["peak_heap"] = PeakHeapBytes([&] {
    LoadedConfiguration loaded(CodePage());
    LoadConfiguration(bytes, loaded);
  });
}

void BM_Save(benchmark::State& state) {
  const int itemCount = static_cast<int>(state.range(0));
  const std::string& bytes = Sample(itemCount);
  LoadedConfiguration loaded(CodePage());
  LoadConfiguration(bytes, loaded);
  for (auto _ : state) {
    benchmark::DoNotOptimize(SaveConfiguration(loaded));
  }
  if (SaveConfiguration(loaded) != bytes) state.SkipWithError("save differs from the file loaded");
  state.SetComplexityN(itemCount);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.counters["peak_heap"] = PeakHeapBytes([&] { SaveConfiguration(loaded); });
}

// A save as the program makes one after a change: the text, then ConfigurationFile::Save over
// files in memory, which reads the previous file, keeps it as the backup and writes the new
// one, each through a temporary file. The disk's own cost is left to tarnwick_save_bench.
void BM_SaveWithBackup(benchmark::State& state) {
  const int itemCount = static_cast<int>(state.range(0));
  const std::string& bytes = Sample(itemCount);
  LoadedConfiguration loaded(CodePage());
  LoadConfiguration(bytes, loaded);
  const std::string path = "C:\\Tools\\Tarnwick.ini";
  fakes::FakeFileSystem files;
  files.files[path] = bytes;
  ConfigurationFile store(files, path);
  const auto changeAndSave = [&] {
    // One setting changed since the last save, so the bytes differ and the backup is kept.
    FontSpec& font = loaded.session.Options().MenuFont;
    font.Size = font.Size == 9 ? 10 : 9;
    return static_cast<bool>(store.Save(SaveConfiguration(loaded)));
  };
  for (auto _ : state) {
    if (!changeAndSave()) state.SkipWithError("the save failed");
  }
  if (files.files[path] == files.files[store.BackupPath()] || files.files.size() != 2) {
    state.SkipWithError("the save did not keep exactly the previous file as the backup");
  }
  state.SetComplexityN(itemCount);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.counters["peak_heap"] = PeakHeapBytes(changeAndSave);
}

BENCHMARK(BM_Load)->Arg(100)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_Save)->Arg(100)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_SaveWithBackup)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
  // Freed memory stays in the process, so that every run measures the loader's own work; else
  // the runs of one size can each get fresh pages from the kernel while those of another do
  // not, and on a virtual machine those page faults cost more than the load itself.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
