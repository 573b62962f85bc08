#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Font.h"
#include "model/Geometry.h"
#include "platform/Canvas.h"
#include "ui/LanguageTexts.h"

namespace tarnwick {

// The commands of the context menu, told apart by this id and never by their captions, which
// a translation may make equal.
enum class ContextCommand {
  Add,
  AddSpecial,
  AddColumn,
  Remove,
  RemoveRow,
  RemoveColumn,
  Properties,
  Lock,
  UnLock,
  Disable,
  Enable,
  Options,
  Save,
  About,
  Exit,
};

// What decides the entries of a right click.
struct ContextMenuState {
  Size screen;
  Size menuWindow;
  Cell hot;  // the right-clicked cell, or none
  int rows = 1;
  int columns = 1;
  bool locked = false;
  bool popupsDisabled = false;
};

// The caption that draws an entry as a separator bar, also when a translation gives it.
inline constexpr const char* kBarCaption = "Bar";

struct ContextEntry {
  std::optional<ContextCommand> command;  // none for a bar
  std::string caption;
  int image = -1;
  // A bar runs nothing and is never highlighted.
  bool IsBar() const { return !command || caption == kBarCaption; }
};

inline constexpr int kContextEntryHeight = 20;

// The window for entries whose widest caption is that many pixels, opened at a screen point:
// down and right of it, or up and left where the screen ends, its corner on the cursor.
Rect PlaceContextMenu(Point at, Size screen, int widestCaption, size_t entryCount);
// Entry i's rectangle in a window of that size (the highlight and the caption's clip).
Rect ContextEntryRect(size_t index, Size window);
// The entry under a client point: -1 on the frame.
int ContextEntryAt(Point client, Size window);

struct ContextColors {
  Color background;
  Color text;
  Color highlight;
  Color highlightText;
};

// The whole window: background, raised frame, every entry (the hot one highlighted).
void PaintContextMenu(Canvas& canvas, Size window, const std::vector<ContextEntry>& entries, int hotEntry,
                      const ContextColors& colors, const FontSpec& font);
// One entry, for the hover: highlighted or not.
void PaintContextEntry(Canvas& canvas, Size window, const ContextEntry& entry, size_t index, bool hot,
                       const ContextColors& colors);

// The hover of the open context menu, entry by entry.
class ContextHover {
 public:
  struct Change {
    int previous = -1;
    int current = -1;
  };
  int HotEntry() const { return m_hot; }
  // The window has just opened: nothing is hot until the cursor moves onto an entry.
  void Reset() { m_hot = -1; }
  // The new hot entry (never a bar); nullopt when it did not change.
  std::optional<Change> Move(Point client, Size window, const std::vector<ContextEntry>& entries);

 private:
  int m_hot = -1;
};

}  // namespace tarnwick
