#include "platform/win32/UniqueHandle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tarnwick {
namespace {

// Handles are ints, 0 is invalid; every close is recorded.
struct CountingTraits {
  using Value = int;
  static inline std::vector<int> closed;
  static Value Invalid() noexcept { return 0; }
  static void Close(Value value) noexcept { closed.push_back(value); }
};
using Counted = UniqueHandle<CountingTraits>;

class UniqueHandleTest : public ::testing::Test {
 protected:
  void SetUp() override { CountingTraits::closed.clear(); }
  std::vector<int>& closed = CountingTraits::closed;
};

TEST_F(UniqueHandleTest, ClosesOnceAtScopeEnd) {
  { Counted h(7); }
  { Counted empty; }
  EXPECT_EQ(closed, std::vector<int>{7});
}

TEST_F(UniqueHandleTest, ReleaseGivesUpWithoutClosing) {
  {
    Counted h(7);
    EXPECT_EQ(h.Release(), 7);
    EXPECT_FALSE(h);
  }
  EXPECT_TRUE(closed.empty());
}

TEST_F(UniqueHandleTest, ResetClosesTheOldHandle) {
  {
    Counted h(7);
    h.Reset(8);
    EXPECT_EQ(closed, std::vector<int>{7});
    h.Reset();
    EXPECT_EQ(closed, (std::vector<int>{7, 8}));
  }
  EXPECT_EQ(closed.size(), 2u);
}

TEST_F(UniqueHandleTest, MoveTransfersOwnership) {
  {
    Counted a(7);
    Counted b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), 7);
    Counted c(9);
    c = std::move(b);  // c's old handle closes now, 7 at scope end
    EXPECT_EQ(closed, std::vector<int>{9});
    EXPECT_EQ(c.Get(), 7);
  }
  EXPECT_EQ(closed, (std::vector<int>{9, 7}));
}

TEST_F(UniqueHandleTest, SelfMoveKeepsTheHandle) {
  Counted h(7);
  Counted& alias = h;
  h = std::move(alias);
  EXPECT_EQ(h.Get(), 7);
  EXPECT_TRUE(closed.empty());
}

}  // namespace
}  // namespace tarnwick
