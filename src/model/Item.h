#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Geometry.h"

namespace tarnwick {

// One cell's entry of a menu. Numbers are typed in memory and converted at the file boundary.
struct Item {
  std::string Description;
  std::string IconLocation;
  int IconIndex = -1;
  std::string ProgramFile;
  std::string StartIn;
  std::string Parameters;
  int WindowMode = 1;
  int HotkeyModifiers = 0;
  int HotkeyKey = 0;
  int ImageIndex = -1;
  int ItemId = 0;
  int Column = 0;
  int Row = 0;
  bool DisableAfterRun = false;
  Color ItemColor = kDefaultText;
  int MenuId = 0;
  // The system took the hotkey when the item was added; false when another program or an
  // earlier item holds the combination. Worked out by AddItem, never stored.
  bool HotkeyRegistered = false;
};

enum class ItemKind {
  Separator,      // "separator": Parameters is its caption
  Exit,           // "exit": ends the application
  WindowMessage,  // "send": Parameters holds class;title;message;wParam;lParam
  FakeEmpty,      // empty: a placeholder that only occupies a cell
  FreeCellMarker, // exactly "Empty": never written to the file
  Program,        // anything else: opened through the shell
};

ItemKind KindOf(std::string_view programFile);

// Image of the built-in exit picture in the shared image list.
inline constexpr int kExitImageIndex = 9;

}  // namespace tarnwick
