#include <gtest/gtest.h>

#include "fakes/MenuWindowFixture.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;
using testing_support::ItemSection;

class MouseTest : public testing_support::MenuWindowFixture {};

TEST_F(MouseTest, AClickLaunchesTheItemAndHidesTheMenu) {
  Start(Configuration(1, 2, "", ItemSection("A", "C:\\a.exe", 0, 0, "Para=-x\nStart=C:\\w\nMode=2\n")));
  PopUp();
  Click({0, 0});
  ASSERT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(fake.shell.opened[0].file, "C:\\a.exe");
  EXPECT_EQ(fake.shell.opened[0].parameters, "-x");
  EXPECT_EQ(fake.shell.opened[0].folder, "C:\\w");
  EXPECT_EQ(fake.shell.opened[0].showCommand, 3);
  EXPECT_FALSE(MenuWindow().visible);
  EXPECT_FALSE(menu->MenuShowing());
}

TEST_F(MouseTest, ClicksOnEmptyCellsOtherButtonsAndWithHideOff) {
  Start(Configuration(1, 2, "Tarnwik=0\n", ItemSection("A", "a.exe", 0, 0)));
  PopUp();
  Click({0, 0}, MouseButton::Right);
  EXPECT_TRUE(ContextWindow().visible) << "a right click opens the context menu";
  app->ContextMenu().Hide();  // as the trigger monitor does once the cursor leaves it
  Click({0, 0}, MouseButton::Middle);
  EXPECT_TRUE(fake.shell.opened.empty());
  Click({0, 0});
  EXPECT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_TRUE(MenuWindow().visible);  // "hide after click" is off

  Options().Tarnwik = true;
  Click({0, 1});  // empty: launches nothing, still hides
  EXPECT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_FALSE(MenuWindow().visible);
}

TEST_F(MouseTest, AJitteryClickRightAfterARePlacementStillLaunches) {
  Start(Configuration(1, 1, "", ItemSection("A", "a.exe", 0, 0)));
  PopUp();  // the hot cell is unknown until the mouse moves
  const Point p = CentreOf({0, 0});
  menu->FormMouseDown(MouseButton::Left, p);
  menu->FormMouseMove({p.x + 1, p.y});
  menu->FormMouseUp(MouseButton::Left, {p.x + 1, p.y});
  EXPECT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(Table().At(0).Column, 0);
  EXPECT_EQ(Table().At(0).Row, 0);
}

TEST_F(MouseTest, DraggingShowsOnlyTheDropMarker) {
  Start(Configuration(1, 2, "", ItemSection("A", "a.exe", 0, 0)));
  PopUp();
  menu->FormMouseMove(CentreOf({0, 0}));
  menu->FormMouseDown(MouseButton::Left, CentreOf({0, 0}));
  MenuWindow().drawn.clear();
  menu->FormMouseMove(CentreOf({0, 1}));
  EXPECT_EQ(MenuWindow().drawn, (std::vector<std::string>{
                                    "font MS Sans Serif 8",
                                    "text 2,21,98,39 @30,24 'A' FFFFFF on 000000",
                                    "line 2,21 100,21 000000 w1",
                                    "line 2,1 100,1 FFFFFF w1",
                                }));
  menu->FormMouseUp(MouseButton::Left, CentreOf({0, 1}));
  EXPECT_TRUE(fake.shell.opened.empty());
  EXPECT_EQ(Table().At(0).Row, 1);
  EXPECT_EQ(MenuWindow().repaints, 1);
}

TEST_F(MouseTest, ADragIsADragEvenWhenTheWindowCouldNotBeDrawnOn) {
  Start(Configuration(1, 2, "", ItemSection("A", "a.exe", 0, 0)));
  PopUp();
  MenuWindow().drawable = false;
  Drag({0, 0}, {0, 1});
  EXPECT_TRUE(fake.shell.opened.empty()) << "the release launched the item";
  EXPECT_EQ(At(0, 1), "A");
}

TEST_F(MouseTest, AGestureEndsAtEveryRelease) {
  Start(Configuration(2, 2, "", ItemSection("A", "a.exe", 0, 0) + ItemSection("B", "b.exe", 1, 1)));
  PopUp();
  // Pressed on A, dragged off the grid and released there.
  menu->FormMouseMove(CentreOf({0, 0}));
  menu->FormMouseDown(MouseButton::Left, CentreOf({0, 0}));
  menu->FormMouseMove({1, 1});
  menu->FormMouseUp(MouseButton::Left, {1, 1});
  // The next click on B launches B instead of finishing a move from A.
  Click({1, 1});
  EXPECT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(At(0, 0), "A");
  EXPECT_EQ(At(1, 1), "B");
}

TEST_F(MouseTest, ADragFromOutsideEveryCellMovesNothing) {
  Start(Configuration(2, 1, "", ItemSection("A", "a.exe", 0, 0)));
  PopUp();
  const int groove = menu->WidthAfterColumn(0) - 1;
  menu->FormMouseMove({groove, 10});
  menu->FormMouseDown(MouseButton::Left, {groove, 10});
  menu->FormMouseMove(CentreOf({0, 0}));
  menu->FormMouseUp(MouseButton::Left, CentreOf({0, 0}));
  EXPECT_EQ(At(0, 0), "A");
  EXPECT_TRUE(fake.shell.opened.empty());
}

struct DragCase {
  const char* name;
  Cell from;
  Cell to;
  // Column 0 holds A..E in rows 0..4 (row 5 empty); column 1 holds X in row 0.
  std::vector<std::string> column0;  // rows 0..5 afterwards
  std::vector<std::string> column1;  // rows 0..5 afterwards
};

class MoveByDragTest : public testing_support::MenuWindowFixture, public testing::WithParamInterface<DragCase> {};

TEST_P(MoveByDragTest, MovesShiftsAndSwaps) {
  std::string items;
  const char* names[] = {"A", "B", "C", "D", "E"};
  for (int row = 0; row < 5; ++row) items += ItemSection(names[row], "x.exe", 0, row);
  items += ItemSection("X", "x.exe", 1, 0);
  Start(Configuration(2, 6, "", items));
  PopUp();
  Drag(GetParam().from, GetParam().to);
  std::vector<std::string> column0;
  std::vector<std::string> column1;
  for (int row = 0; row < 6; ++row) {
    column0.push_back(At(0, row));
    column1.push_back(At(1, row));
  }
  EXPECT_EQ(column0, GetParam().column0);
  EXPECT_EQ(column1, GetParam().column1);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, MoveByDragTest,
    testing::Values(
        DragCase{"DownOneRowSwapsWithTheItemBelow", {0, 1}, {0, 0}, {"B", "A", "C", "D", "E", ""}, {"X", "", "", "", "", ""}},
        DragCase{"DownThreeRowsShiftsTheItemsBetweenUp", {0, 4}, {0, 1}, {"A", "E", "B", "C", "D", ""}, {"X", "", "", "", "", ""}},
        DragCase{"UpShiftsTheItemsBetweenDown", {0, 0}, {0, 3}, {"B", "C", "D", "A", "E", ""}, {"X", "", "", "", "", ""}},
        DragCase{"AnEmptySourceMovesTheGap", {0, 5}, {0, 3}, {"A", "B", "C", "", "D", "E"}, {"X", "", "", "", "", ""}},
        DragCase{"OntoAnEmptyCellOfAnotherColumn", {0, 2}, {1, 4}, {"A", "B", "", "D", "E", ""}, {"X", "", "", "", "C", ""}},
        DragCase{"OntoAnItemOfAnotherColumnSwaps", {0, 2}, {1, 0}, {"A", "B", "X", "D", "E", ""}, {"C", "", "", "", "", ""}},
        DragCase{"FromAnEmptyCellPullsTheTargetIn", {1, 3}, {0, 1}, {"A", "", "C", "D", "E", ""}, {"X", "", "", "B", "", ""}},
        DragCase{"BetweenTwoEmptyCellsChangesNothing", {1, 3}, {1, 5}, {"A", "B", "C", "D", "E", ""}, {"X", "", "", "", "", ""}}),
    [](const testing::TestParamInfo<DragCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tarnwick
