// Costs of the menu window's hot paths: one trigger-monitor tick, and placing plus fully painting
// a large menu through a recording canvas (the drawing itself is the platform's cost).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "activation/TriggerMonitor.h"
#include "contextmenu/TAMenu.h"
#include "fakes/FakePlatform.h"
#include "menuwindow/TTarnwick.h"
#include "options/TOptions.h"

namespace tarnwick {
namespace {

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

struct Running {
  Running() {
    fake.files.files[fake.ConfigPath()] = LargeMenu();
    options = std::make_unique<TOptions>(fake.platform);
    options->FormCreate();
    menu = std::make_unique<TTarnwick>(fake.platform, *options);
    options->AttachMenuWindow(*menu);
    menu->FormCreate();
    contextMenu = std::make_unique<TAMenu>(fake.platform, *options);
    contextMenu->FormCreate();
    options->AttachContextMenu(*contextMenu);
    menu->AttachContextMenu(*contextMenu);
  }
  fakes::FakePlatform fake;
  std::unique_ptr<TOptions> options;
  std::unique_ptr<TTarnwick> menu;
  std::unique_ptr<TAMenu> contextMenu;
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

void BM_TriggerMonitorTick(benchmark::State& state) {
  Running app;
  app.fake.screen.cursor = {640, 400};
  for (auto _ : state) app.options->TriggerMonitor();
}
BENCHMARK(BM_TriggerMonitorTick);

void BM_ShowMenuAtAndPaint20x50(benchmark::State& state) {
  Running app;
  fakes::FakeWindow& window = *app.fake.windows.Find("TTarnwick");
  for (auto _ : state) {
    app.menu->HideMenu();
    app.menu->ShowMenuAt(1279, 799, 0);
    fakes::RecordingCanvas canvas;
    window.events.FormPaint(canvas);
    benchmark::DoNotOptimize(canvas.calls.size());
  }
}
BENCHMARK(BM_ShowMenuAtAndPaint20x50)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarnwick

BENCHMARK_MAIN();
