#include "e2e/Harness.h"

namespace tarnwick::e2e {
namespace {

using StartupSmokeTest = TarnwickE2eTest;

TEST_F(StartupSmokeTest, StartsAndExitsWithCodeZeroWhenClosed) {
    TarnwickProcess& app = Launch();
    ASSERT_TRUE(app.IsStarted());

    EXPECT_EQ(app.Close(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace tarnwick::e2e
