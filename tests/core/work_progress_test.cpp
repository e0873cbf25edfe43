// Progress reports from long picture work: percent that only grows, passes that share
// one bar, nesting that restores what it changed, and the real operations filling the
// bar to the end.

#include "core/work_progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/colour_depth.h"
#include "core/resize_frames.h"

namespace quillor {
namespace {

struct Recorder {
    std::vector<int> seen;
    WorkProgress progress{[this](int percent) { seen.push_back(percent); }};
};

bool StrictlyRising(const std::vector<int>& values) {
    for (std::size_t i = 1; i < values.size(); ++i)
        if (values[i] <= values[i - 1]) return false;
    return true;
}

TEST(WorkProgress, ReportsOnlyGrowthClampedToTheWhole) {
    ReportRows(5, 10);  // nobody listening: nothing to see, nothing breaks
    Recorder r;
    ReportRows(0, 200);
    ReportRows(1, 200);  // still 0 percent
    ReportRows(100, 200);
    ReportRows(50, 200);  // going back is not shown
    ReportRows(500, 200);
    ReportRows(3, 0);  // a pass of nothing says nothing
    EXPECT_EQ(r.seen, (std::vector<int>{0, 50, 100}));
}

TEST(WorkProgress, PassesShareOneBarAndNestedPassesSplitTheirShare) {
    Recorder r;
    {
        const ProgressPass first(0, 2);
        ReportRows(10, 10);
    }
    {
        const ProgressPass second(1, 2);
        {
            const ProgressPass inner(0, 2);
            ReportRows(10, 10);  // half of the second half
        }
        ReportRows(10, 10);  // the pass itself again: its end
    }
    EXPECT_EQ(r.seen, (std::vector<int>{50, 75, 100}));
}

TEST(WorkProgress, AnInnerReceiverHearsOnlyWhileItLastsAndPassesWithoutOneAreHarmless) {
    const ProgressPass orphan(1, 3);  // no receiver yet: it must not touch one made later
    Recorder outer;
    {
        Recorder inner;
        ReportRows(1, 2);
        EXPECT_EQ(inner.seen, (std::vector<int>{50}));
    }
    ReportRows(1, 4);
    EXPECT_EQ(outer.seen, (std::vector<int>{25}));
}

TEST(WorkProgress, AColourReductionFillsTheBarOnceAcrossItsPasses) {
    for (ColourMode from : {ColourMode::TrueColour, ColourMode::Colours256}) {
        COXDIB image;
        ASSERT_TRUE(image.CreateBlank(from == ColourMode::TrueColour ? 24 : 8, 64, 300));
        for (int y = 0; y < 300; ++y)
            for (std::size_t i = 0; i < image.GetStride(); ++i) image.Line(y)[i] = std::uint8_t(i * 7 + y);
        Recorder r;
        ASSERT_TRUE(ConvertColourDepth(image, from, ColourMode::Colours16, ConversionMethod::FloydSteinbergDither));
        ASSERT_FALSE(r.seen.empty());
        EXPECT_TRUE(StrictlyRising(r.seen));
        EXPECT_EQ(r.seen.back(), 100);
        // Several passes, each worth a part: far more than a single step of the bar.
        EXPECT_GT(r.seen.size(), 50u);
    }
}

TEST(WorkProgress, ResizingFramesGivesEachFrameItsShare) {
    std::vector<COXDIB> frames(4);
    std::vector<COXDIB*> images;
    for (COXDIB& f : frames) {
        ASSERT_TRUE(f.CreateBlank(24, 40, 100));
        images.push_back(&f);
    }
    const std::vector<ColourMode> modes(4, ColourMode::TrueColour);
    Recorder r;
    const ResizeSettings settings{20, 50, 0, 0, true, true};
    ASSERT_TRUE(ResizeFrames(images, modes, settings, BackgroundColour{}));
    EXPECT_TRUE(StrictlyRising(r.seen));
    for (int quarter : {25, 50, 75, 100})
        EXPECT_NE(std::find(r.seen.begin(), r.seen.end(), quarter), r.seen.end()) << quarter;
    // Rows inside a frame move the bar too, not only whole frames.
    EXPECT_GT(r.seen.size(), 8u);
}

}  // namespace
}  // namespace quillor
