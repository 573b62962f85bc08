#pragma once

#include <string>
#include <string_view>

#include "model/Item.h"
#include "platform/Shortcuts.h"

namespace tarnwick {

// The name part of a path up to its first "."; the whole file name when that is empty (".profile");
// the folder when the path ends with a folder separator.
std::string DescriptionFromPath(std::string_view path);
// The folder part of a path, with its trailing separator; empty when there is none.
std::string FolderOf(std::string_view path);

// The shortcut's show command as a window mode: minimised 0, normal 1, maximised 2; other
// values are kept as they are.
int WindowModeOfShowCommand(int showCommand);
// The shortcut hotkey's high byte (1 Shift, 2 Control, 4 Alt) as hotkey modifier bits
// (4 Shift, 2 Ctrl, 1 Alt).
int ModifiersOfShortcutHotkey(uint16_t hotkey);

// The item a file becomes: a plain file points at itself; a shortcut file, with getShortcut on,
// takes its target's fields when it can be read and has a target.
Item ItemFromFile(const std::string& path, bool getShortcut, Shortcuts& shortcuts, Color textColor);

}  // namespace tarnwick
