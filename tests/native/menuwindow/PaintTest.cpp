#include <gtest/gtest.h>

#include "fakes/MenuWindowFixture.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;
using testing_support::ItemSection;

class PaintTest : public testing_support::MenuWindowFixture {};

// Two columns of 100 pixels, two rows: 204 x 42.
const std::string kMenu = Configuration(
    2, 2, "Text=16777215\n",
    ItemSection("Note (2)", "notepad.exe", 0, 0, "Icon=7\nColor=255\n") +
        ItemSection("Sep", "Separator", 0, 1, "Para=Tools\n") +
        ItemSection("Label", "b.exe", 1, 0, "Icon=99\n") +
        ItemSection("Elsewhere", "c.exe", 0, 0, "Type=4\n") + ItemSection("Outside", "d.exe", 5, 0, "Type=0\n"));

// The resting pixel is filled, not measured and drawn as a whole menu.
TEST_F(PaintTest, TheRestingPixelPaintsNoMenu) {
  Start(kMenu);
  MenuWindow().Repaint();
  EXPECT_EQ(MenuWindow().painted, std::vector<std::string>{"fill 0,0,1,1 000000"});
}

TEST_F(PaintTest, PaintsFrameGroovesItemsAndSeparatorInOrder) {
  Start(kMenu);
  PopUp();
  MenuWindow().Repaint();
  const std::vector<std::string> expected = {
      "fill 0,0,204,42 000000",
      "fill 0,0,204,2 AFAFAF",
      "fill 0,0,2,42 AFAFAF",
      "fill 0,40,204,42 5F5F5F",
      "fill 202,0,204,42 5F5F5F",
      "font MS Sans Serif 8",
      "line 101,5 101,37 AFAFAF w1",
      "line 100,5 100,37 5F5F5F w1",
      // Note (2) at column 0, row 0, its number hidden; image 7 exists.
      "text 104,22,200,39 @132,24 'Note' 0000FF on 000000",
      "image 7 @105,23",
      // The separator at column 0, row 1, its caption centred in Small Fonts.
      "line 195,11 107,11 5F5F5F w1",
      "line 195,13 107,13 AFAFAF w1",
      "font Small Fonts 7",
      "opaque @142,7 'Tools' FFFFFF on 000000",
      "font MS Sans Serif 8",
      // Column 1, row 0; picture 99 is beyond the image list and is not drawn.
      "text 2,22,98,39 @30,24 'Label' FFFFFF on 000000",
  };
  EXPECT_EQ(MenuWindow().painted, expected);
  EXPECT_EQ(MenuWindow().raises, 1);
}

TEST_F(PaintTest, HoverRedrawsOnlyTheCellsThatChange) {
  Start(kMenu);
  PopUp();
  menu->FormMouseMove(CentreOf({0, 0}));
  EXPECT_EQ(MenuWindow().drawn, (std::vector<std::string>{
                                    "font MS Sans Serif 8",
                                    "text 104,22,200,39 @132,24 'Note' 00FFFF on 800000",
                                    "image 7 @105,23",
                                }));
  MenuWindow().drawn.clear();
  menu->FormMouseMove({CentreOf({0, 0}).x + 3, CentreOf({0, 0}).y + 1});  // same cell
  EXPECT_TRUE(MenuWindow().drawn.empty());

  menu->FormMouseMove(CentreOf({1, 1}));  // an empty cell
  EXPECT_EQ(MenuWindow().drawn, (std::vector<std::string>{
                                    "font MS Sans Serif 8",
                                    "text 104,21,200,39 @132,24 'Note' 0000FF on 000000",
                                    "image 7 @105,23",
                                    "fill 2,2,98,19 800000",
                                }));
  MenuWindow().drawn.clear();
  menu->FormMouseMove(CentreOf({0, 1}));  // the separator: never highlighted
  EXPECT_EQ(MenuWindow().drawn, (std::vector<std::string>{"font MS Sans Serif 8", "fill 2,1,98,19 000000"}));
  EXPECT_EQ(MenuWindow().repaints, 0);
}

TEST_F(PaintTest, AFullPaintShowsTheHotCellAndHideDupNoOffKeepsNumbers) {
  Start(Configuration(1, 1, "Hide Dup No=0\n", ItemSection("Notepad (2)", "n.exe", 0, 0)));
  PopUp();
  menu->FormMouseMove(CentreOf({0, 0}));
  MenuWindow().Repaint();
  EXPECT_EQ(MenuWindow().painted.back(), "text 2,2,114,19 @30,4 'Notepad (2)' 00FFFF on 800000");
}
TEST_F(PaintTest, MovesAreIgnoredWhileRestingOrWhileTheContextMenuIsOpen) {
  Start(kMenu);
  const Cell loaded = menu->HotCell();  // the last item loaded
  menu->FormMouseMove({0, 0});
  EXPECT_EQ(menu->HotCell(), loaded);
  PopUp();
  ContextWindow().visible = true;
  menu->FormMouseMove(CentreOf({0, 0}));
  EXPECT_EQ(menu->HotCell(), Cell{});
  EXPECT_TRUE(MenuWindow().drawn.empty());
}

}  // namespace
}  // namespace tarnwick
