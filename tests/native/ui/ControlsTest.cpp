#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakePlatform.h"
#include "ui/ColorSwatch.h"
#include "ui/Control.h"
#include "ui/ImageControls.h"

namespace tarnwick {
namespace {

using fakes::FakeDialogs;
using fakes::FakeTextMeasure;
using fakes::RecordingCanvas;

// A mouse event as a window hands it on: down, up or the second press of a double click.
struct Event {
  enum Kind { Down, Up, Double } kind;
  Point point;
  MouseButton button = MouseButton::Left;
};

int Send(Control& control, const std::vector<Event>& events) {
  int acted = 0;
  for (const Event& e : events) {
    const bool did = e.kind == Event::Down ? control.MouseDown(e.button, e.point)
                     : e.kind == Event::Up ? control.MouseUp(e.button, e.point)
                                           : control.MouseDoubleClick(e.button, e.point);
    acted += did ? 1 : 0;
  }
  return acted;
}

std::vector<Event> Click(Point p) { return {{Event::Down, p}, {Event::Up, p}}; }
std::vector<Event> DoubleClickAt(Point p) {
  return {{Event::Down, p}, {Event::Up, p}, {Event::Double, p}, {Event::Up, p}};
}

std::vector<std::string> Painted(const Control& control) {
  RecordingCanvas canvas;
  control.Paint(canvas);
  return canvas.calls;
}

class ImageControlTest : public ::testing::Test {
 protected:
  FakeTextMeasure measure;
  Skin skin{measure};
};

// Picture at 100,50 (to 115,65); caption "Apply" at 120,52, 30 pixels wide in the fake font
// (to 149,64).
TEST_F(ImageControlTest, AClickIsAPressAndReleaseOnThePictureOrItsCaption) {
  struct Case {
    const char* name;
    std::vector<Event> events;
    int clicksWhenIgnored;
    int clicksWhenCounted;
  };
  const Point image{100, 50};
  const Point caption{130, 58};
  const Case cases[] = {
      {"picture", Click(image), 1, 1},
      {"last pixel of the picture", Click({115, 65}), 1, 1},
      {"caption", Click(caption), 1, 1},
      {"last pixel of the caption", Click({149, 64}), 1, 1},
      {"past the caption's text", Click({150, 58}), 0, 0},
      {"below the caption", Click({130, 65}), 0, 0},
      {"between picture and caption", Click({117, 58}), 0, 0},
      {"pressed on it, released off it", {{Event::Down, image}, {Event::Up, {200, 200}}}, 0, 0},
      {"pressed off it, released on it", {{Event::Down, {200, 200}}, {Event::Up, image}}, 0, 0},
      {"pressed on the picture, released on the caption", {{Event::Down, image}, {Event::Up, caption}}, 1, 1},
      {"right button",
       {{Event::Down, image, MouseButton::Right}, {Event::Up, image, MouseButton::Right}},
       0,
       0},
      {"right press between left press and release",
       {{Event::Down, image}, {Event::Down, {0, 0}, MouseButton::Right}, {Event::Up, image}},
       1,
       1},
      {"double click", DoubleClickAt(image), 1, 2},
      {"double click on the caption", DoubleClickAt(caption), 1, 2},
      {"second press of a double click off it",
       {{Event::Down, image}, {Event::Up, image}, {Event::Double, {0, 0}}, {Event::Up, image}},
       1,
       1},
  };
  for (const DoubleClick mode : {DoubleClick::Ignored, DoubleClick::Clicks}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) +
                   (mode == DoubleClick::Ignored ? ", double click ignored" : ", double click counts"));
      int clicks = 0;
      ImageButton button(skin, image, 4, mode, [&] { ++clicks; });
      button.SetCaption({{120, 52}, "Apply"});
      const int acted = Send(button, c.events);
      EXPECT_EQ(clicks, mode == DoubleClick::Ignored ? c.clicksWhenIgnored : c.clicksWhenCounted);
      EXPECT_EQ(acted, clicks) << "the window is told of each click";
    }
  }
}

TEST_F(ImageControlTest, TheCaptionIsAsWideAsItsTextInTheSkinsFont) {
  int clicks = 0;
  ImageButton button(skin, {100, 50}, 4, DoubleClick::Ignored, [&] { ++clicks; });
  Send(button, Click({130, 58}));
  EXPECT_EQ(clicks, 0) << "no caption, nothing beside the picture";

  button.SetCaption({{120, 52}, "Apply"});
  Send(button, Click({160, 58}));
  EXPECT_EQ(clicks, 0);
  button.SetCaption({{120, 52}, "Appliquer"});  // a language file's caption: 54 pixels
  Send(button, Click({160, 58}));
  EXPECT_EQ(clicks, 1);
  skin.font.Face = "Small Fonts";  // 36 pixels
  Send(button, Click({160, 58}));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ImageControlTest, AButtonPaintsItsPictureAndItsCaptionInTheSkin) {
  skin.background = 0x102030;
  skin.text = 0x00FFFF;
  ImageButton button(skin, {220, 98}, 2, DoubleClick::Ignored, [] {});
  EXPECT_EQ(Painted(button), std::vector<std::string>{"image 2 @220,98"});
  button.SetCaption({{241, 100}, "Cancel"});
  EXPECT_EQ(Painted(button),
            (std::vector<std::string>{"image 2 @220,98", "font MS Sans Serif 8",
                                      "text 241,100,277,113 @241,100 'Cancel' 00FFFF on 102030"}));
  button.SetCaption({{241, 100}, "Cancel", Label::kFitText, false});
  EXPECT_EQ(Painted(button).back(), "text 241,100,277,113 @241,100 'Cancel' 808080 on 102030") << "greyed";
}

TEST_F(ImageControlTest, ACheckBoxShowsAndStepsTheSettingItEdits) {
  skin.background = 0x400000;
  bool autosave = false;
  ImageCheckBox box(skin, {12, 12}, ImageCheckBox::Of(autosave));
  box.SetCaption({{32, 14}, "Autosave when exit"});
  EXPECT_EQ(Painted(box).at(0), "fill 12,12,28,28 400000") << "the place is cleared before the glyph";
  EXPECT_EQ(Painted(box).at(1), "image 10 @12,12");

  EXPECT_EQ(Send(box, Click({40, 20})), 1);
  EXPECT_TRUE(autosave);
  EXPECT_EQ(Painted(box).at(1), "image 11 @12,12");
  autosave = false;  // changed elsewhere: the box shows the setting, it keeps no state
  EXPECT_EQ(Painted(box).at(1), "image 10 @12,12");

  Send(box, DoubleClickAt({20, 20}));
  EXPECT_FALSE(autosave) << "a double click toggles twice";
}

TEST_F(ImageControlTest, AThreeStateBoxCyclesItsGlyphs) {
  struct Case {
    int before;
    int after;
    int glyphBefore;
  };
  const Case cases[] = {
      {0, 1, 13},  {1, 2, 14},
      {2, 0, 15},  {7, 0, 15},  // a hand-edited value above the states shows and acts as the last
      {-1, 0, 15},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    int sensitive = c.before;
    ImageCheckBox box(skin, {12, 180}, ImageCheckBox::Of(sensitive), {13, 14, 15});
    EXPECT_EQ(Painted(box).at(1), "image " + std::to_string(c.glyphBefore) + " @12,180");
    Send(box, Click({12, 180}));
    EXPECT_EQ(sensitive, c.after);
  }
  int sensitive = 0;
  ImageCheckBox box(skin, {12, 180}, ImageCheckBox::Of(sensitive), {13, 14, 15});
  Send(box, DoubleClickAt({12, 180}));
  EXPECT_EQ(sensitive, 2) << "a double click steps twice";
}

TEST(DrawToggleGlyph, ClearsThePlaceThenDrawsTheGlyphOfTheState) {
  for (const bool on : {false, true}) {
    RecordingCanvas canvas;
    DrawToggleGlyph(canvas, {5, 6}, on, 29, 6, 0x123456);
    EXPECT_EQ(canvas.calls,
              (std::vector<std::string>{"fill 5,6,21,22 123456", on ? "image 6 @5,6" : "image 29 @5,6"}));
  }
}

TEST(ColorSwatch, PaintsItsColourInAFieldFrame) {
  FakeDialogs dialogs;
  const ColorSwatch swatch(dialogs, {338, 64, 357, 83}, 0x0000FF);
  EXPECT_EQ(Painted(swatch), (std::vector<std::string>{
                                 "fill 336,62,359,85 000000",  // the 23 x 23 frame: outline
                                 "fill 337,63,358,84 FFFFFF",  // white inside
                                 "fill 338,64,357,83 000000",  // the 19 x 19 swatch: outline
                                 "fill 339,65,356,82 0000FF",  // its colour
                             }));
}

TEST(ColorSwatch, APressWhileEnabledPicksItsColour) {
  struct Case {
    const char* name;
    bool enabled;
    Event press;
    std::optional<Color> chosen;
    bool asked;
    Color after;
  };
  const Case cases[] = {
      {"left press, colour chosen", true, {Event::Down, {338, 64}}, 0x00FF00, true, 0x00FF00},
      {"right press", true, {Event::Down, {356, 82}, MouseButton::Right}, 0x00FF00, true, 0x00FF00},
      {"second press of a double click", true, {Event::Double, {345, 70}}, 0x00FF00, true, 0x00FF00},
      {"chooser cancelled", true, {Event::Down, {345, 70}}, std::nullopt, true, 0xFFFFFF},
      {"disabled", false, {Event::Down, {345, 70}}, 0x00FF00, false, 0xFFFFFF},
      {"on the frame, not the swatch", true, {Event::Down, {337, 70}}, 0x00FF00, false, 0xFFFFFF},
      {"release", true, {Event::Up, {345, 70}}, 0x00FF00, false, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDialogs dialogs;
    dialogs.chosenColor = c.chosen;
    ColorSwatch swatch(dialogs, {338, 64, 357, 83}, 0xFFFFFF);
    swatch.SetEnabled(c.enabled);
    const int acted = Send(swatch, {c.press});
    EXPECT_EQ(dialogs.colorPresets, c.asked ? std::vector<Color>{0xFFFFFF} : std::vector<Color>{});
    EXPECT_EQ(swatch.Value(), c.after);
    EXPECT_EQ(acted == 1, c.after != 0xFFFFFF) << "the window repaints only for a new colour";
  }
}

// A page's controls side by side: each click reaches its own control only, a press on one
// released on another clicks neither, and everything is painted.
TEST(Controls, RouteEachEventToTheControlUnderIt) {
  FakeTextMeasure measure;
  Skin skin(measure);
  FakeDialogs dialogs;
  dialogs.chosenColor = 0x00FF00;
  std::vector<std::string> clicks;
  ImageButton cancel(skin, {220, 98}, 2, DoubleClick::Ignored, [&] { clicks.push_back("cancel"); });
  ImageButton apply(skin, {292, 98}, 4, DoubleClick::Ignored, [&] { clicks.push_back("apply"); });
  ColorSwatch swatch(dialogs, {338, 64, 357, 83}, 0xFFFFFF);
  Controls controls;
  controls.Add(cancel);
  controls.Add(apply);
  controls.Add(swatch);

  EXPECT_FALSE(controls.MouseDown(MouseButton::Left, {300, 106})) << "a press alone is no click";
  EXPECT_TRUE(controls.MouseUp(MouseButton::Left, {300, 106}));
  EXPECT_FALSE(controls.MouseDoubleClick(MouseButton::Left, {300, 106}));
  EXPECT_FALSE(controls.MouseUp(MouseButton::Left, {300, 106}));
  EXPECT_FALSE(controls.MouseDown(MouseButton::Left, {228, 106}));
  EXPECT_FALSE(controls.MouseUp(MouseButton::Left, {300, 106}));
  EXPECT_EQ(clicks, std::vector<std::string>{"apply"});

  EXPECT_TRUE(controls.MouseDown(MouseButton::Left, {345, 70}));
  EXPECT_EQ(swatch.Value(), 0x00FF00u);

  RecordingCanvas canvas;
  controls.Paint(canvas);
  EXPECT_EQ(canvas.calls.front(), "image 2 @220,98");
  EXPECT_EQ(canvas.calls.at(1), "image 4 @292,98");
  EXPECT_EQ(canvas.calls.back(), "fill 339,65,356,82 00FF00");
}

// Only controls given a hint have one, over their picture; a page gathers them in order.
TEST(Controls, GatherTheHintsOfTheirControls) {
  FakeTextMeasure measure;
  Skin skin(measure);
  ImageButton add(skin, {12, 40}, 0, DoubleClick::Ignored, [] {});
  ImageButton plain(skin, {40, 40}, 1, DoubleClick::Ignored, [] {});
  ImageButton remove(skin, {68, 40}, 2, DoubleClick::Ignored, [] {});
  add.SetHint("Add menu");
  remove.SetHint("Remove menu");
  remove.SetCaption({{88, 42}, "Remove"});
  Controls controls;
  controls.Add(add);
  controls.Add(plain);
  controls.Add(remove);
  EXPECT_EQ(controls.Hints(), (std::vector<Hint>{{{12, 40, 28, 56}, "Add menu"}, {{68, 40, 84, 56}, "Remove menu"}}));
  remove.SetHint("");
  EXPECT_EQ(controls.Hints().size(), 1u);
}

}  // namespace
}  // namespace tarnwick
