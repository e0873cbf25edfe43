#include "view/view_placement.h"

#include <gtest/gtest.h>

#include "view/shift_lock.h"

namespace quillor {
namespace {

TEST(PlacementTest, SmallerPicturesAreCentredWhateverTheOrigin) {
    // 10 pixels at zoom 1.6 fill 16 of 100: (100 - 16) / 2.
    EXPECT_EQ(ClampOriginAxis(-30, 10, 1.6, 100), 42);
    EXPECT_EQ(ClampOriginAxis(500, 10, 1.6, 100), 42);
    // Half pixels truncate: (101 - 16) / 2 = 42.5.
    EXPECT_EQ(ClampOriginAxis(0, 10, 1.6, 101), 42);
    EXPECT_EQ(ClampOriginAxis(0, 3, 1.0 / 3.0, 10), 4);
}

TEST(PlacementTest, LargerPicturesShowNoGap) {
    EXPECT_EQ(ClampOriginAxis(10, 300, 1.0, 100), 0);
    EXPECT_EQ(ClampOriginAxis(-250, 300, 1.0, 100), -200);
    EXPECT_EQ(ClampOriginAxis(-120, 300, 1.0, 100), -120);
    // An exact fit is not centred: the origin can only be 0.
    EXPECT_EQ(ClampOriginAxis(-5, 100, 1.0, 100), 0);
    // 333 x 0.3 = 99.9 shown in 50: the far bound truncates toward zero, -49.9 to -49.
    EXPECT_EQ(ClampOriginAxis(-1000, 333, 0.3, 50), -49);
    EXPECT_EQ(ScrollRange(333, 0.3, 50), 49);
    EXPECT_EQ(ScrollRange(300, 1.0, 100), 200);
    EXPECT_EQ(ScrollRange(10, 1.6, 100), 0);
    EXPECT_EQ(ScrollRange(100, 1.0, 100), 0);

    const Placement p = ClampPlacement({2.0, 5, -1000}, {200, 30}, {300, 40});
    EXPECT_EQ(p.zoom, 2.0);
    EXPECT_EQ(p.originX, 0);
    EXPECT_EQ(p.originY, -20);
}

TEST(PlacementTest, WindowPointsMapToPictureTruncatingTowardZero) {
    const Placement p{2.0, 10, -6};
    EXPECT_EQ(WindowToPicture({10, -6}, p), (IntPoint{0, 0}));
    EXPECT_EQ(WindowToPicture({13, 1}, p), (IntPoint{1, 3}));
    // Just left of the picture truncates to 0, one more picture pixel to -1.
    EXPECT_EQ(WindowToPicture({9, -7}, p), (IntPoint{0, 0}));
    EXPECT_EQ(WindowToPicture({7, -9}, p), (IntPoint{-1, -1}));
    EXPECT_EQ(WindowToPicture({5, 5}, {1.0 / 3.0, 0, 0}), (IntPoint{15, 15}));
    // Far outside at a tiny zoom the coordinate saturates instead of overflowing.
    EXPECT_EQ(WindowToPicture({100000, 0}, {0.000001, 0, 0}).x, 2147483647);
    EXPECT_EQ(WindowToPicture({-100000, 0}, {0.000001, 0, 0}).x, -2147483647 - 1);
}

TEST(PlacementTest, ArrowStepsAreEightPicturePixelsTruncated) {
    EXPECT_EQ(ArrowStep(1.0), 8);
    EXPECT_EQ(ArrowStep(1.6), 12);
    EXPECT_EQ(ArrowStep(40.0), 320);
    EXPECT_EQ(ArrowStep(0.1), 0);
}

TEST(PlacementTest, ScrollPushFollowsThePointerBackToTheEdge) {
    const ClientSize client{100, 50};
    ScrollPush inside = ScrollPushFor({40, 20}, client);
    EXPECT_FALSE(inside.IsNeeded());
    EXPECT_EQ(inside.pointer, (IntPoint{40, 20}));

    ScrollPush left = ScrollPushFor({-7, 20}, client);
    EXPECT_EQ(left.originDeltaX, 7);  // the picture moves right to show what is left
    EXPECT_EQ(left.originDeltaY, 0);
    EXPECT_EQ(left.pointer, (IntPoint{0, 20}));

    ScrollPush corner = ScrollPushFor({104, 55}, client);
    EXPECT_EQ(corner.originDeltaX, -5);
    EXPECT_EQ(corner.originDeltaY, -6);
    EXPECT_EQ(corner.pointer, (IntPoint{99, 49}));

    EXPECT_EQ(ScrollPushFor({100, 0}, client).originDeltaX, -1);
    EXPECT_EQ(ScrollPushFor({-3, -2}, client).originDeltaY, 2);
}

TEST(PlacementTest, PrintedFramesFillThePageAtTheirAspectCentred) {
    // Wide picture on a tall page: full width, centred vertically.
    EXPECT_EQ(FitOnPage({200, 100}, {50, 60, 1050, 1460}), (IntRect{50, 510, 1050, 1010}));
    // Tall picture: full height, centred across.
    EXPECT_EQ(FitOnPage({10, 40}, {0, 0, 1000, 1000}), (IntRect{375, 0, 625, 1000}));
    EXPECT_EQ(FitOnPage({1, 1}, {0, 0, 10, 20}), (IntRect{0, 5, 10, 15}));
    // A sliver never vanishes.
    EXPECT_EQ(FitOnPage({5000, 1}, {0, 0, 100, 100}).Height(), 1);
    EXPECT_EQ(FitOnPage({0, 10}, {0, 0, 100, 100}), IntRect{});
}

TEST(ShiftLockTest, StraightDownLocksXForTheWholeShiftedStroke) {
    ShiftLock lock;
    EXPECT_EQ(lock.Apply({10, 10}, false), (IntPoint{10, 10}));
    EXPECT_EQ(lock.Apply({10, 14}, true), (IntPoint{10, 14}));
    EXPECT_EQ(lock.Locked(), ShiftLock::Axis::Vertical);
    // Sideways wobble later in the stroke stays on x = 10.
    EXPECT_EQ(lock.Apply({25, 30}, true), (IntPoint{10, 30}));
    EXPECT_EQ(lock.Apply({3, 2}, true), (IntPoint{10, 2}));
}

TEST(ShiftLockTest, AnySidewaysFirstStepLocksY) {
    ShiftLock lock;
    lock.Apply({10, 10}, false);
    EXPECT_EQ(lock.Apply({11, 40}, true), (IntPoint{11, 10}));
    EXPECT_EQ(lock.Locked(), ShiftLock::Axis::Horizontal);
    EXPECT_EQ(lock.Apply({50, -3}, true), (IntPoint{50, 10}));
}

TEST(ShiftLockTest, ReleasingShiftFreesThePointerAndChoosesAnew) {
    ShiftLock lock;
    lock.Apply({10, 10}, false);
    lock.Apply({20, 10}, true);
    EXPECT_EQ(lock.Apply({33, 44}, false), (IntPoint{33, 44}));
    EXPECT_EQ(lock.Locked(), ShiftLock::Axis::None);
    EXPECT_EQ(lock.LastFree(), (IntPoint{33, 44}));
    EXPECT_EQ(lock.Apply({33, 60}, true), (IntPoint{33, 60}));
    EXPECT_EQ(lock.Locked(), ShiftLock::Axis::Vertical);
}

}  // namespace
}  // namespace quillor
