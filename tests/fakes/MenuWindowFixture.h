#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "activation/TriggerMonitor.h"
#include "app/Application.h"
#include "contextmenu/TAMenu.h"
#include "fakes/FakePlatform.h"
#include "menuwindow/TTarnwick.h"

namespace tarnwick::testing_support {

// The application started over the fakes from a configuration file, as the program starts,
// without running the message loop.
class MenuWindowFixture : public ::testing::Test {
 protected:
  void Start(const std::string& configuration) {
    fake.files.files[fake.ConfigPath()] = configuration;
    app = std::make_unique<Application>(fake.platform);
    app->Start();
    menu = &app->MenuWindow();
  }

  ItemTable& Table() { return app->State().Table(); }
  Settings& Options() { return app->State().Options(); }
  RuntimeFlags& Flags() { return app->State().Flags(); }
  // One tick of the trigger monitor, as its timer delivers it.
  void Tick() { OptionsWindow().events.FormTimer(kTriggerTimerId); }

  fakes::FakeWindow& MenuWindow() { return *fake.windows.Find("TTarnwick"); }
  fakes::FakeWindow& OptionsWindow() { return *fake.windows.Find("Tarnwick"); }
  fakes::FakeWindow& ContextWindow() { return *fake.windows.Find("TAMenu"); }
  // Client point of the centre of a cell of the menu on screen.
  Point CentreOf(Cell cell) const {
    const Rect r = menu->Grid().CellRect(cell);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void Click(Cell cell, MouseButton button = MouseButton::Left) {
    menu->FormMouseMove(CentreOf(cell));
    menu->FormMouseDown(button, CentreOf(cell));
    menu->FormMouseUp(button, CentreOf(cell));
  }
  void Drag(Cell from, Cell to) {
    menu->FormMouseMove(CentreOf(from));
    menu->FormMouseDown(MouseButton::Left, CentreOf(from));
    menu->FormMouseMove(CentreOf(to));
    menu->FormMouseUp(MouseButton::Left, CentreOf(to));
  }
  // Item description at a cell of the current menu, or "" for a free cell.
  std::string At(int column, int row) const {
    const ItemTable& table = app->State().Table();
    const int i = table.FindItemAt(column, row, table.CurrentMenuId());
    return i < 0 ? "" : table.At(static_cast<size_t>(i)).Description;
  }
  void PopUp() { menu->ShowMenuAt(1279, 799, 0); }

  fakes::FakePlatform fake;
  std::unique_ptr<Application> app;
  TTarnwick* menu = nullptr;
};

// A current-layout file: one menu of the given size and these item sections.
inline std::string Configuration(int columns, int rows, const std::string& settings, const std::string& items) {
  return "[Setting]\nVersion=2.0\n" + settings + "[Menu]\nTarnwick=0\n[Menu Column]\nTarnwick=" +
         std::to_string(columns) + "\n[Menu Row]\nTarnwick=" + std::to_string(rows) + "\n" + items;
}

inline std::string ItemSection(const std::string& name, const std::string& exec, int column, int row,
                               const std::string& extra = "") {
  // The first of duplicate keys wins, so extra keys come first.
  return "[" + name + "]\n" + extra + "Exec=" + exec + "\nIcon=-1\nColumn=" + std::to_string(column) +
         "\nRow=" + std::to_string(row) + "\n";
}

}  // namespace tarnwick::testing_support
