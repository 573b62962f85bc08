#include "ui/ImageControls.h"

#include <utility>

namespace tarnwick {

namespace {

// A picture is drawn with its mask, so what was under it shows through: the place is cleared
// to the window's colour first.
void DrawGlyphOn(Canvas& canvas, Point image, int glyph, Color window) {
  canvas.FillRect({image.x, image.y, image.x + kGlyphSize, image.y + kGlyphSize}, window);
  canvas.DrawImage(glyph, image);
}

}  // namespace

ImageControl::ImageControl(const Skin& skin, Point image, DoubleClick doubleClick)
    : m_skin(skin), m_image(image), m_doubleClick(doubleClick) {}

bool ImageControl::Hit(Point point) const {
  return ImageBounds().Contains(point) || (m_caption && m_caption->Bounds(m_skin).Contains(point));
}

// The hint belongs to the picture: a caption says what the picture does already.
std::vector<Hint> ImageControl::Hints() const {
  if (m_hint.empty()) return {};
  return {Hint{ImageBounds(), m_hint}};
}

bool ImageControl::MouseDown(MouseButton button, Point point) {
  if (button == MouseButton::Left) m_pressed = Hit(point);
  return false;
}

bool ImageControl::MouseUp(MouseButton button, Point point) {
  if (button != MouseButton::Left) return false;
  const bool clicked = m_pressed && Hit(point);
  m_pressed = false;
  if (clicked) Click();
  return clicked;
}

// The second press clicks at once, and its release is no click: a double click makes two
// clicks where it counts and one where it does not.
bool ImageControl::MouseDoubleClick(MouseButton button, Point point) {
  if (button != MouseButton::Left) return false;
  m_pressed = false;
  if (m_doubleClick == DoubleClick::Ignored || !Hit(point)) return false;
  Click();
  return true;
}

void ImageControl::PaintCaption(Canvas& canvas) const {
  if (m_caption) m_caption->Paint(canvas, m_skin);
}

ImageButton::ImageButton(const Skin& skin, Point image, int picture, DoubleClick doubleClick,
                         std::function<void()> action)
    : ImageControl(skin, image, doubleClick), m_picture(picture), m_action(std::move(action)) {}

void ImageButton::Paint(Canvas& canvas) const {
  canvas.DrawImage(m_picture, m_image);
  PaintCaption(canvas);
}

void DrawToggleGlyph(Canvas& canvas, Point image, bool on, int offGlyph, int onGlyph, Color window) {
  DrawGlyphOn(canvas, image, on ? onGlyph : offGlyph, window);
}

ImageCheckBox::State ImageCheckBox::Of(bool& setting) {
  return {[&setting] { return setting ? 1 : 0; }, [&setting](int state) { setting = state != 0; }};
}

ImageCheckBox::State ImageCheckBox::Of(int& setting) {
  return {[&setting] { return setting; }, [&setting](int state) { setting = state; }};
}

ImageCheckBox::ImageCheckBox(const Skin& skin, Point image, State state, std::vector<int> glyphs)
    : ImageControl(skin, image, DoubleClick::Clicks), m_state(std::move(state)), m_glyphs(std::move(glyphs)) {}

int ImageCheckBox::ShownState() const {
  const int last = static_cast<int>(m_glyphs.size()) - 1;
  const int state = m_state.read();
  return state >= 0 && state <= last ? state : last;
}

void ImageCheckBox::Click() {
  if (m_glyphs.empty()) return;
  m_state.write((ShownState() + 1) % static_cast<int>(m_glyphs.size()));
}

void ImageCheckBox::Paint(Canvas& canvas) const {
  if (!m_glyphs.empty()) DrawGlyphOn(canvas, m_image, m_glyphs[ShownState()], m_skin.background);
  PaintCaption(canvas);
}

}  // namespace tarnwick
