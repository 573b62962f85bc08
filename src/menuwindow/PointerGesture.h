#pragma once

#include "model/Geometry.h"

namespace tarnwick {

// The press, hover and drag of the mouse over the grid, as decisions only: each call says
// what happened before anything is drawn, so a drawing that cannot take place (no device
// context) never changes what a release does.
class PointerGesture {
 public:
  enum class Feedback { Highlight, DropMarker };
  // The hot cell moved away from `from`: with the button held this is a drag, shown by the
  // drop marker; else a hover, shown by the highlight.
  Feedback Move(Cell from);
  void Press() { m_held = true; }

  struct Release {
    bool dragged = false;  // else a click
    Cell source;           // with dragged: the cell the drag started from
  };
  // Every release ends the gesture, wherever it happens.
  Release EndAtRelease();
  // Forgets a gesture in progress (the menu was re-placed).
  void Reset();

  bool Held() const { return m_held; }
  bool Dragged() const { return m_dragged; }

 private:
  bool m_held = false;
  bool m_dragged = false;
  Cell m_source;
};

}  // namespace tarnwick
