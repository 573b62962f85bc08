#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "contextmenu/TAMenu.h"
#include "fakes/FakePlatform.h"
#include "menuwindow/TTarnwick.h"
#include "options/TOptions.h"

namespace tarnwick::testing_support {

// The options window, the menu window and the context menu, created over the fakes from a
// configuration file, as start-up creates them.
class MenuWindowFixture : public ::testing::Test {
 protected:
  void Start(const std::string& configuration) {
    fake.files.files[fake.ConfigPath()] = configuration;
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
    const int i = menu->Table().FindItemAt(column, row, menu->Table().CurrentMenuId);
    return i < 0 ? "" : menu->Table().At(static_cast<size_t>(i)).Description;
  }
  void PopUp() { menu->ShowMenuAt(1279, 799, 0); }

  fakes::FakePlatform fake;
  std::unique_ptr<TOptions> options;
  std::unique_ptr<TTarnwick> menu;
  std::unique_ptr<TAMenu> contextMenu;
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
