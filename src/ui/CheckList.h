#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace tarnwick {

// A list of captions with a check mark each and one selected row, drawn like the window's other
// lists: black text on white in a field frame, the selected row in the selection colours. A
// press on a row selects it; a press on its check box also toggles the mark (the second press
// of a double click is a press of its own). The marks are not the control's: they are read
// through `checked`, and a toggle is handed to `toggled`, which changes them.
class CheckList final : public Control {
 public:
  static constexpr int kRowHeight = 13;
  static constexpr Color kSelectedFill = 0x800000;
  static constexpr Color kSelectedText = 0xFFFFFF;

  struct Events {
    std::function<bool(int)> checked;
    std::function<void(int)> selected;  // a row was selected by a press
    std::function<void(int)> toggled;   // the check mark of a row was pressed
  };

  CheckList(const Skin& skin, const Rect& bounds, Events events);

  void SetCaptions(std::vector<std::string> captions) { m_captions = std::move(captions); }
  int Count() const { return static_cast<int>(m_captions.size()); }
  int Selected() const { return m_selected; }
  // Selects a row without telling the owner (-1: none).
  void Select(int row) { m_selected = row >= 0 && row < Count() ? row : -1; }
  const Rect& Bounds() const { return m_bounds; }
  Rect RowBounds(int row) const;
  Rect CheckBounds(int row) const;

  void Paint(Canvas& canvas) const override;
  bool MouseDown(MouseButton button, Point point) override;
  bool MouseUp(MouseButton, Point) override { return false; }
  bool MouseDoubleClick(MouseButton button, Point point) override { return MouseDown(button, point); }

 private:
  const Skin& m_skin;
  Rect m_bounds;
  Events m_events;
  std::vector<std::string> m_captions;
  int m_selected = -1;
};

}  // namespace tarnwick
