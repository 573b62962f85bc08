#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Window.h"

namespace tarnwick {

// What a window's owner-drawn controls are drawn and measured with. The window owns one, keeps
// it current with its colours and language font, and its controls refer to it.
struct Skin {
  explicit Skin(TextMeasure& measure) : measure(measure) {}
  TextMeasure& measure;
  Color background = kDefaultBackground;
  Color text = kDefaultText;
  FontSpec font;
};

// A caption drawn on the window in the skin's text colour; greyed while disabled.
struct Label {
  static constexpr int kHeight = 13;
  // Labels that are not given a width are as wide as their text.
  static constexpr int kFitText = 0;
  static constexpr Color kDisabledText = 0x808080;

  Point origin;
  std::string text;
  int width = kFitText;
  bool enabled = true;

  Rect Bounds(const Skin& skin) const;
  void Paint(Canvas& canvas, const Skin& skin) const;
};

// An owner-drawn control: the window paints it and hands it its mouse events, in client pixels.
// A mouse handler returns true when the control acted (ran its action or changed what it
// shows), so that the window repaints.
class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  virtual void Paint(Canvas& canvas) const = 0;
  virtual bool MouseDown(MouseButton button, Point point) = 0;
  virtual bool MouseUp(MouseButton button, Point point) = 0;
  // The second press of a double click.
  virtual bool MouseDoubleClick(MouseButton button, Point point) = 0;
  // What the control shows while the cursor rests on it.
  virtual std::vector<Hint> Hints() const { return {}; }
};

// A control that runs its action on a left click: a press and a release both on it. The second
// press of a double click does nothing.
class ClickControl : public Control {
 public:
  explicit ClickControl(std::function<void()> action) : m_action(std::move(action)) {}
  // Where a click counts, in client pixels.
  virtual Rect Bounds() const = 0;

  bool MouseDown(MouseButton button, Point point) override;
  bool MouseUp(MouseButton button, Point point) override;
  bool MouseDoubleClick(MouseButton, Point) override { return false; }

 private:
  std::function<void()> m_action;
  bool m_pressed = false;  // a press on it waits for its release
};

// The controls of a window or a page, which it paints and routes its mouse events to. It does
// not own them. Every control sees every event, so that each can forget a press that ended
// elsewhere.
class Controls {
 public:
  void Add(Control& control) { m_controls.push_back(&control); }
  void Paint(Canvas& canvas) const;
  bool MouseDown(MouseButton button, Point point);
  bool MouseUp(MouseButton button, Point point);
  bool MouseDoubleClick(MouseButton button, Point point);
  // The hints of all its controls, in the order they were added.
  std::vector<Hint> Hints() const;

 private:
  std::vector<Control*> m_controls;
};

}  // namespace tarnwick
