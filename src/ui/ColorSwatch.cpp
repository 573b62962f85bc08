#include "ui/ColorSwatch.h"

#include <optional>

namespace tarnwick {

namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

void DrawOutlined(Canvas& canvas, const Rect& rect, Color inside) {
  canvas.FillRect(rect, kBlack);
  canvas.FillRect({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, inside);
}

}  // namespace

void DrawFieldFrame(Canvas& canvas, const Rect& field) {
  DrawOutlined(canvas, {field.left - 2, field.top - 2, field.right + 2, field.bottom + 2}, kWhite);
}

ColorSwatch::ColorSwatch(Dialogs& dialogs, const Rect& bounds, Color color)
    : m_dialogs(dialogs), m_bounds(bounds), m_color(color) {}

void ColorSwatch::Paint(Canvas& canvas) const {
  DrawFieldFrame(canvas, m_bounds);
  DrawOutlined(canvas, m_bounds, m_color);
}

bool ColorSwatch::MouseDown(MouseButton, Point point) {
  if (!m_enabled || !m_bounds.Contains(point)) return false;
  const std::optional<Color> chosen = m_dialogs.PickColor(m_color);
  if (!chosen) return false;
  m_color = *chosen;
  return true;
}

}  // namespace tarnwick
