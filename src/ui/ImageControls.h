#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "ui/Control.h"

namespace tarnwick {

// Pictures of the shared image list are 16 x 16.
inline constexpr int kGlyphSize = 16;

// Whether the second press of a double click is a click of its own. Buttons that step or
// toggle something count it, so a double click steps twice; tabs and Apply do not.
enum class DoubleClick { Ignored, Clicks };

// A 16 x 16 picture of the shared image list, with an optional caption beside it; a left click
// on either is a click of the control: the press and the release both on it.
class ImageControl : public Control {
 public:
  ImageControl(const Skin& skin, Point image, DoubleClick doubleClick);

  void SetCaption(Label caption) { m_caption = std::move(caption); }
  // The text shown while the cursor rests on the picture; none when empty.
  void SetHint(std::string hint) { m_hint = std::move(hint); }
  std::vector<Hint> Hints() const override;
  const std::optional<Label>& Caption() const { return m_caption; }
  Rect ImageBounds() const { return {m_image.x, m_image.y, m_image.x + kGlyphSize, m_image.y + kGlyphSize}; }
  bool Hit(Point point) const;

  bool MouseDown(MouseButton button, Point point) override;
  bool MouseUp(MouseButton button, Point point) override;
  bool MouseDoubleClick(MouseButton button, Point point) override;

 protected:
  virtual void Click() = 0;
  void PaintCaption(Canvas& canvas) const;
  const Skin& m_skin;
  Point m_image;

 private:
  DoubleClick m_doubleClick;
  std::optional<Label> m_caption;
  std::string m_hint;
  bool m_pressed = false;
};

// An image button: a fixed picture that runs its action when clicked.
class ImageButton final : public ImageControl {
 public:
  ImageButton(const Skin& skin, Point image, int picture, DoubleClick doubleClick, std::function<void()> action);
  void Paint(Canvas& canvas) const override;

 private:
  void Click() override { m_action(); }
  int m_picture;
  std::function<void()> m_action;
};

// Fills a picture's place with the window's colour, then draws the on- or off-glyph in it.
void DrawToggleGlyph(Canvas& canvas, Point image, bool on, int offGlyph, int onGlyph, Color window);

// An image check box: one glyph per state, and a click steps to the next state, after the last
// back to the first. The state is not the control's: it is read from and written to the
// setting the box edits, so the box always shows the setting as it is.
class ImageCheckBox final : public ImageControl {
 public:
  static constexpr int kOffGlyph = 10;
  static constexpr int kOnGlyph = 11;

  struct State {
    std::function<int()> read;
    std::function<void(int)> write;
  };
  // A state given by a boolean setting: 0 off, 1 on.
  static State Of(bool& setting);
  // A state given by a number setting.
  static State Of(int& setting);

  // The glyphs of the states, from state 0 (two-state boxes: kOffGlyph, kOnGlyph).
  ImageCheckBox(const Skin& skin, Point image, State state, std::vector<int> glyphs = {kOffGlyph, kOnGlyph});
  // The state shown: a setting outside the states (a number from a hand-edited file) shows as
  // the last state, the one such a value behaves as.
  int ShownState() const;
  void Paint(Canvas& canvas) const override;

 private:
  void Click() override;
  State m_state;
  std::vector<int> m_glyphs;
};

}  // namespace tarnwick
