#include "menuwindow/PointerGesture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnwick {
namespace {

// A gesture as the menu window feeds it: 'P' press, a move leaving a cell, 'R' release.
struct Step {
  char what;   // 'P', 'M' or 'R'
  Cell from;   // for 'M': the cell left
};

TEST(PointerGesture, DecidesHoverClickAndDragBeforeAnythingIsDrawn) {
  using Feedback = PointerGesture::Feedback;
  struct Case {
    const char* name;
    std::vector<Step> steps;
    Feedback lastMove;
    bool dragged;
    Cell source;
  };
  const Case cases[] = {
      {"a hover", {{'M', {0, 0}}, {'R', {}}}, Feedback::Highlight, false, {}},
      {"a click", {{'M', {}}, {'P', {}}, {'R', {}}}, Feedback::Highlight, false, {}},
      {"a drag", {{'P', {}}, {'M', {1, 2}}, {'M', {1, 3}}, {'R', {}}}, Feedback::DropMarker, true, {1, 2}},
      {"a drag from a groove takes the next cell left", {{'P', {}}, {'M', {}}, {'M', {0, 1}}, {'R', {}}},
       Feedback::DropMarker, true, {0, 1}},
      {"a move after the release is a hover", {{'P', {}}, {'M', {0, 0}}, {'R', {}}, {'M', {0, 1}}},
       Feedback::Highlight, true, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointerGesture gesture;
    Feedback last = Feedback::Highlight;
    PointerGesture::Release release;
    for (const Step& step : c.steps) {
      if (step.what == 'P') gesture.Press();
      if (step.what == 'M') last = gesture.Move(step.from);
      if (step.what == 'R') release = gesture.EndAtRelease();
    }
    EXPECT_EQ(last, c.lastMove);
    EXPECT_EQ(release.dragged, c.dragged);
    EXPECT_EQ(release.source, c.source);
    EXPECT_FALSE(gesture.Held());
  }
}

TEST(PointerGesture, AResetForgetsAGestureInProgress) {
  PointerGesture gesture;
  gesture.Press();
  gesture.Move({0, 0});
  gesture.Reset();
  const PointerGesture::Release release = gesture.EndAtRelease();
  EXPECT_FALSE(release.dragged);
  EXPECT_EQ(release.source, Cell{});
}

}  // namespace
}  // namespace tarnwick
