// Costs of the menu window's hot paths: one trigger-monitor tick, and placing plus fully painting
// a large menu through a recording canvas (the drawing itself is the platform's cost).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "activation/TriggerMonitor.h"
#include "app/Application.h"
#include "contextmenu/TAMenu.h"
#include "fakes/FakePlatform.h"
#include "menuwindow/TTarnwick.h"
#include "options/TOptions.h"

// Counts every allocation of the process, for the allocations-per-tick counters: a tick runs
// ten times a second for the life of the program and must allocate nothing.
namespace {

std::atomic<size_t> g_allocations{0};

// Out of line, so that the compiler does not pair the malloc and free it would see inlined
// with the operators' new and delete.
[[gnu::noinline]] void* CountedAllocate(size_t size) {
  ++g_allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
[[gnu::noinline]] void CountedFree(void* pointer) { std::free(pointer); }

}  // namespace

void* operator new(size_t size) { return CountedAllocate(size); }
void* operator new[](size_t size) { return CountedAllocate(size); }
void operator delete(void* pointer) noexcept { CountedFree(pointer); }
void operator delete[](void* pointer) noexcept { CountedFree(pointer); }
void operator delete(void* pointer, size_t) noexcept { CountedFree(pointer); }
void operator delete[](void* pointer, size_t) noexcept { CountedFree(pointer); }

namespace tarnwick {
namespace {

// Allocations per iteration of the timed loop that `run` makes.
template <typename Run>
void CountAllocations(benchmark::State& state, Run run) {
  const size_t before = g_allocations.load();
  run();
  state.counters["allocs_per_tick"] =
      benchmark::Counter(static_cast<double>(g_allocations.load() - before), benchmark::Counter::kAvgIterations);
}

// Three monitors in a row, one left of the primary (negative coordinates) and one right of it.
const std::vector<Rect> kThreeMonitors{{-1920, 0, 0, 1080}, {0, 0, 1280, 800}, {1280, 0, 2560, 1024}};

// A menu of 20 columns and 50 rows holding 1,000 items, as a configuration file.
std::string LargeMenu() {
  std::string text = "[Setting]\nVersion=2.0\n[Menu]\nBig=0\n[Menu Column]\nBig=20\n[Menu Row]\nBig=50\n";
  for (int i = 0; i < 1000; ++i) {
    text += "[Program number " + std::to_string(i) + "]\nExec=C:\\Program Files\\Tool " + std::to_string(i % 37) +
            "\\tool.exe\nIcon=" + std::to_string(i % 30) + "\nColumn=" + std::to_string(i % 20) +
            "\nRow=" + std::to_string(i / 20) + "\n";
  }
  return text;
}

// The application started over the fakes, as the program starts.
struct Running {
  Running() {
    fake.files.files[fake.ConfigPath()] = LargeMenu();
    app = std::make_unique<Application>(fake.platform);
    app->Start();
  }
  fakes::FakePlatform fake;
  std::unique_ptr<Application> app;
};

void BM_DecideTick(benchmark::State& state) {
  const std::array<bool, kTriggerCount> enabled{true, true, true, true, true, true, true, true, true, false};
  TickInput in;
  in.screen = {1280, 800};
  in.triggerEnabled = &enabled;
  in.menuVisible = true;
  in.menuShowing = true;
  in.activeTrigger = 4;
  in.menuBounds = {1000, 300, 1280, 500};
  int x = 0;
  for (auto _ : state) {
    in.cursor = {x++ % 1280, 400};
    benchmark::DoNotOptimize(DecideTick(in));
  }
}
BENCHMARK(BM_DecideTick);

// The same over three monitors, every monitor's corners and edges on, the cursor sweeping the
// whole desktop along the primary's bottom row: it crosses outer and inner edges, and at the
// outer ones the guards are asked.
void BM_DecideTickThreeMonitors(benchmark::State& state) {
  const std::array<bool, kTriggerCount> enabled{true, true, true, true, true, true, true, true, true, false};
  fakes::FakeScreen guards;
  TickInput in;
  in.screen = {1280, 800};
  in.triggerEnabled = &enabled;
  in.allMonitors = true;
  in.monitors = kThreeMonitors;
  in.guards = &guards;
  in.menuVisible = true;
  in.menuShowing = true;
  in.activeTrigger = 6;
  in.menuBounds = {1000, 600, 1280, 800};
  int x = 0;
  CountAllocations(state, [&] {
    for (auto _ : state) {
      in.cursor = {-1920 + x++ % 4480, 799};
      benchmark::DoNotOptimize(DecideTick(in));
    }
  });
}
BENCHMARK(BM_DecideTickThreeMonitors);

void BM_TriggerMonitorTick(benchmark::State& state) {
  Running app;
  app.fake.screen.cursor = {640, 400};
  fakes::FakeWindow& options = *app.fake.windows.Find("Tarnwick");
  CountAllocations(state, [&] {
    for (auto _ : state) options.events.FormTimer(kTriggerTimerId);
  });
}
BENCHMARK(BM_TriggerMonitorTick);

// A whole tick of the running program with "All Monitors" on over three monitors, the cursor
// resting on an inner edge (where nothing may pop up).
void BM_TriggerMonitorTickThreeMonitors(benchmark::State& state) {
  Running app;
  app.app->State().Options().AllMonitors = true;
  app.fake.screen.monitors = kThreeMonitors;
  app.fake.screen.cursor = {-1, 400};
  fakes::FakeWindow& options = *app.fake.windows.Find("Tarnwick");
  options.events.FormTimer(kTriggerTimerId);  // hides the resting pixel
  CountAllocations(state, [&] {
    for (auto _ : state) options.events.FormTimer(kTriggerTimerId);
  });
}
BENCHMARK(BM_TriggerMonitorTickThreeMonitors);

void BM_ShowMenuAtAndPaint20x50(benchmark::State& state) {
  Running app;
  fakes::FakeWindow& window = *app.fake.windows.Find("TTarnwick");
  for (auto _ : state) {
    app.app->MenuWindow().HideMenu();
    app.app->MenuWindow().ShowMenuAt(1279, 799, 0);
    fakes::RecordingCanvas canvas;
    window.events.FormPaint(canvas);
    benchmark::DoNotOptimize(canvas.calls.size());
  }
}
BENCHMARK(BM_ShowMenuAtAndPaint20x50)->Unit(benchmark::kMicrosecond);

// The Remove Row command on the middle row of the 20 x 50 menu of 1,000 items, confirmed, with
// the menu showing (so that it is re-placed and repainted); the row is put back between runs.
void BM_RemoveRowCommand(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Running app;
    app.app->MenuWindow().ShowMenuAt(1279, 799, 0);
    fakes::FakeWindow& menu = *app.fake.windows.Find("TTarnwick");
    const Rect cell = app.app->MenuWindow().Grid().CellRect({10, 25});
    const Point point{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    menu.events.FormMouseMove(point);
    menu.events.FormMouseDown(MouseButton::Right, point);
    TAMenu& context = app.app->ContextMenu();
    int entry = 0;
    while (context.Entries()[entry].command != ContextCommand::RemoveRow) ++entry;
    const Point onEntry{40, 20 * entry + 10};
    context.FormMouseMove(onEntry);
    state.ResumeTiming();
    context.FormMouseUp(MouseButton::Left, onEntry);
    benchmark::DoNotOptimize(app.app->State().Table().Count());
  }
}
BENCHMARK(BM_RemoveRowCommand)->Unit(benchmark::kMicrosecond);

// The item editor with 5,000 items in the table (a 50 x 100 menu, full): the load of the cell in
// the middle of the table, and the store of an edit of it, which replaces the item (removed from
// its place, appended at the end). The page's boxes are written too, as the options window does.
struct FullTable {
  FullTable() {
    std::string text = "[Setting]\nVersion=2.0\n[Menu]\nBig=0\n[Menu Column]\nBig=50\n[Menu Row]\nBig=100\n";
    for (int i = 0; i < 5000; ++i) {
      text += "[Program number " + std::to_string(i) + "]\nExec=C:\\Tools\\tool" + std::to_string(i % 37) +
              ".exe\nIcon=" + std::to_string(i % 29) + "\nColumn=" + std::to_string(i % 50) +
              "\nRow=" + std::to_string(i / 50) + "\n";
    }
    fake.files.files[fake.ConfigPath()] = text;
    app = std::make_unique<Application>(fake.platform);
    app->Start();
    app->Options().ShowPage(OptionsPage::MenuItem);
  }
  fakes::FakePlatform fake;
  std::unique_ptr<Application> app;
};

void BM_ItemEditorLoad5000(benchmark::State& state) {
  FullTable full;
  TOptions& options = full.app->Options();
  for (auto _ : state) {
    options.EditCell({25, 50, 0});
    benchmark::DoNotOptimize(options.Editor().Texts().description.size());
  }
}
BENCHMARK(BM_ItemEditorLoad5000)->Unit(benchmark::kMicrosecond);

void BM_ItemEditorCommit5000(benchmark::State& state) {
  FullTable full;
  TOptions& options = full.app->Options();
  fakes::FakeEditBox& parameters = *full.fake.windows.Find("Tarnwick")->editBoxes.at(MenuItemPage::kParameters);
  int n = 0;
  options.EditCell({25, 50, 0});
  for (auto _ : state) {
    parameters.Type("-n " + std::to_string(n++));
    if (!options.Editor().CommitItemEditor()) state.SkipWithError("refused");
  }
  benchmark::DoNotOptimize(full.app->State().Table().Count());
}
BENCHMARK(BM_ItemEditorCommit5000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarnwick

BENCHMARK_MAIN();
