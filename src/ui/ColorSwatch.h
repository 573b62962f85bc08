#pragma once

#include "platform/Dialogs.h"
#include "ui/Control.h"

namespace tarnwick {

// The white rectangle with a black one-pixel outline, two pixels larger on every side, in
// which an edit box, a list or a colour swatch stands.
void DrawFieldFrame(Canvas& canvas, const Rect& field);

// A colour swatch: a rectangle of its colour with a black outline, in a field frame. A press
// of any button on it, while it is enabled, opens the colour chooser preset to its colour, and
// the swatch takes the colour chosen. The colour is the swatch's own until its owner reads it.
class ColorSwatch final : public Control {
 public:
  ColorSwatch(Dialogs& dialogs, const Rect& bounds, Color color);

  Color Value() const { return m_color; }
  void SetValue(Color color) { m_color = color; }
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled) { m_enabled = enabled; }

  void Paint(Canvas& canvas) const override;
  bool MouseDown(MouseButton button, Point point) override;
  bool MouseUp(MouseButton, Point) override { return false; }
  // A second press is a press like the first.
  bool MouseDoubleClick(MouseButton button, Point point) override { return MouseDown(button, point); }

 private:
  Dialogs& m_dialogs;
  Rect m_bounds;
  Color m_color;
  bool m_enabled = true;
};

}  // namespace tarnwick
