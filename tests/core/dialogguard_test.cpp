#include "core/dialogguard.h"

#include <gtest/gtest.h>

namespace lexarion {
namespace {

TEST(DialogGuard, NestedGuardsPutBackTheFlagEachFoundAndAnEarlyReturnToo) {
    AppState app("/nonexistent");
    {
        DialogGuard outer(app);
        EXPECT_TRUE(app.dialogShowing);
        {
            DialogGuard inner(app);
            EXPECT_TRUE(app.dialogShowing);
        }
        EXPECT_TRUE(app.dialogShowing); // the outer window is still open
    }
    EXPECT_FALSE(app.dialogShowing);

    const auto leaveEarly = [&](bool early) {
        DialogGuard guard(app);
        if (early)
            return 1;
        return 2;
    };
    EXPECT_EQ(leaveEarly(true), 1);
    EXPECT_FALSE(app.dialogShowing);
    app.dialogShowing = true; // set by a window opened before
    EXPECT_EQ(leaveEarly(false), 2);
    EXPECT_TRUE(app.dialogShowing); // restored, not cleared
}

TEST(DialogGuard, AGuardedOpeningDoesNothingWhileAWindowIsShowingAndHoldsTheFlagWhileOpening) {
    AppState app("/nonexistent");
    bool flagInside = false;
    EXPECT_TRUE(RunGuarded(app, [&] { flagInside = app.dialogShowing; }));
    EXPECT_TRUE(flagInside);
    EXPECT_FALSE(app.dialogShowing);
    app.dialogShowing = true;
    bool ran = false;
    EXPECT_FALSE(RunGuarded(app, [&] { ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_TRUE(app.dialogShowing);
}

} // namespace
} // namespace lexarion
