#include "ui/Control.h"

#include <utility>

namespace tarnwick {

Rect Label::Bounds(const Skin& skin) const {
  const int w = width != kFitText ? width : skin.measure.TextWidth(skin.font, text);
  return {origin.x, origin.y, origin.x + w, origin.y + kHeight};
}

void Label::Paint(Canvas& canvas, const Skin& skin) const {
  canvas.SetFont(skin.font);
  canvas.TextInRect(Bounds(skin), origin, text, enabled ? skin.text : kDisabledText, skin.background);
}

void Controls::Paint(Canvas& canvas) const {
  for (const Control* control : m_controls) control->Paint(canvas);
}

bool Controls::MouseDown(MouseButton button, Point point) {
  bool acted = false;
  for (Control* control : m_controls) acted = control->MouseDown(button, point) || acted;
  return acted;
}

bool Controls::MouseUp(MouseButton button, Point point) {
  bool acted = false;
  for (Control* control : m_controls) acted = control->MouseUp(button, point) || acted;
  return acted;
}

bool Controls::MouseDoubleClick(MouseButton button, Point point) {
  bool acted = false;
  for (Control* control : m_controls) acted = control->MouseDoubleClick(button, point) || acted;
  return acted;
}

std::vector<Hint> Controls::Hints() const {
  std::vector<Hint> hints;
  for (const Control* control : m_controls) {
    for (Hint& hint : control->Hints()) hints.push_back(std::move(hint));
  }
  return hints;
}

bool ClickControl::MouseDown(MouseButton button, Point point) {
  m_pressed = button == MouseButton::Left && Bounds().Contains(point);
  return false;
}

bool ClickControl::MouseUp(MouseButton button, Point point) {
  const bool clicked = m_pressed && button == MouseButton::Left && Bounds().Contains(point);
  m_pressed = false;
  if (clicked) m_action();
  return clicked;
}

}  // namespace tarnwick
