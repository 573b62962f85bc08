#include "menuwindow/ItemFiles.h"

#include "model/Text.h"

namespace tarnwick {

namespace {

constexpr const char* kDefaultIcon = "Default Icon";

size_t NameStart(std::string_view path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? 0 : separator + 1;
}

bool IsShortcutPath(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  const size_t dot = name.rfind('.');
  return dot != std::string_view::npos && FoldCase(name.substr(dot)) == ".lnk";
}

}  // namespace

std::string FolderOf(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string DescriptionFromPath(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  const std::string_view stem = name.substr(0, name.find('.'));
  if (!stem.empty()) return std::string(stem);
  if (!name.empty()) return std::string(name);
  return FolderOf(path);
}

int WindowModeOfShowCommand(int showCommand) {
  switch (showCommand) {
    case 6: return 0;  // SW_MINIMIZE
    case 1: return 1;  // SW_SHOWNORMAL
    case 3: return 2;  // SW_SHOWMAXIMIZED
    default: return showCommand;
  }
}

int ModifiersOfShortcutHotkey(uint16_t hotkey) {
  const int flags = hotkey >> 8;
  return ((flags & 1) ? 4 : 0) | ((flags & 2) ? 2 : 0) | ((flags & 4) ? 1 : 0);
}

Item ItemFromFile(const std::string& path, bool getShortcut, Shortcuts& shortcuts, Color textColor) {
  Item item;
  item.Description = DescriptionFromPath(path);
  item.ProgramFile = path;
  item.StartIn = FolderOf(path);
  item.IconLocation = kDefaultIcon;
  item.IconIndex = -1;
  item.WindowMode = 1;
  item.ItemColor = textColor;

  if (getShortcut && IsShortcutPath(path)) {
    const std::optional<ShortcutInfo> link = shortcuts.Read(path);
    // An unreadable shortcut, or one to something that is not a file, stays the .lnk itself.
    if (link && !link->target.empty()) {
      if (!link->description.empty()) item.Description = link->description;
      item.ProgramFile = link->target;
      item.StartIn = link->workingFolder;
      item.Parameters = link->arguments;
      item.IconLocation = link->iconFile.empty() ? kDefaultIcon : link->iconFile;
      item.IconIndex = link->iconFile.empty() ? -1 : link->iconIndex;
      item.WindowMode = WindowModeOfShowCommand(link->showCommand);
      item.HotkeyKey = link->hotkey & 0xFF;
      item.HotkeyModifiers = ModifiersOfShortcutHotkey(link->hotkey);
    }
  }
  return item;
}

}  // namespace tarnwick
