// Pasting the brush, stepping segments, rubber-band points and the preview's save-under.

#include <gtest/gtest.h>

#include <optional>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "support/scripted_interaction.h"
#include "support/test_images.h"
#include "brush/paint_brush.h"
#include "paint/segment_stepping.h"

namespace quillor {
namespace {

using testing::ShownColour;
using Points = std::vector<IntPoint>;
using Cells = std::set<std::pair<int, int>>;

struct Canvas {
    explicit Canvas(int bits) {
        if (bits == 24)
            testing::MakeGradient24(image, 12, 10);
        else
            image.CreateBlank(8, 12, 10);
        for (int y = 0; bits == 8 && y < 10; ++y) std::fill_n(image.Line(y), 12, 9);
        table[0] = MakeColour(255, 255, 255);
        table[1] = MakeColour(200, 10, 60);
        table[3] = MakeColour(10, 20, 30);
        target.image = &image;
        target.mode = bits == 24 ? ColourMode::TrueColour : ColourMode::Colours256;
        target.table = &table;
        image.CopyTo(before);
    }
    std::uint8_t Index(int x, int y) const { return image.Line(y)[x]; }
    ColourRef Rgb(int x, int y) const { return TableWordToColour(ShownColour(image, x, y)); }
    ColourRef Before(int x, int y) const { return TableWordToColour(ShownColour(before, x, y)); }
    Cells Changed() const {
        Cells changed;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x)
                if (ShownColour(image, x, y) != ShownColour(before, x, y)) changed.insert({x, y});
        return changed;
    }
    COXDIB image, before;
    std::array<ColourRef, 256> table{};
    PaintTarget target;
};

void UseShape(PaintBrush& brush, int choice, const PaintTarget& target) {
    testing::ScriptedInteraction ui;
    brush.ChooseShape(choice, target, ui);
}

// A true-colour brush drawn as rows: '#' opaque (100, 150, 200), '.' the white
// background. Its top-left pixel goes where it is pasted.
void UseRows(PaintBrush& brush, const std::vector<std::string>& rows) {
    BrushRecord& b = brush.Current(true);
    b = BrushRecord{};
    b.borrowed = false;
    b.frameCount = 1;
    b.width = b.handleX = int(rows[0].size());
    b.height = b.handleY = int(rows.size());
    b.frames.assign(1, {});
    for (const std::string& row : rows)
        for (char c : row)
            b.frames[0].insert(b.frames[0].end(), {std::uint8_t(c == '#' ? 100 : 255),
                                                   std::uint8_t(c == '#' ? 150 : 255),
                                                   std::uint8_t(c == '#' ? 200 : 255)});
    brush.kind = BrushKind::Grabbed;
}

TEST(BrushPasteTest, HandlePlacesTheBrushAndClipsAtTheEdges) {
    PaintBrush brush;
    const struct {
        int choice;
        IntPoint at;
        Cells written;
    } cases[] = {
        {1039, {0, 0}, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},  // 3 x 3
        {1027, {0, 0}, {{0, 0}, {1, 0}, {0, 1}}},          // "Diam 3"
        {1028, {5, 5}, {{5, 5}, {6, 5}, {5, 6}, {6, 6}}},  // 2 x 2
        {1039, {11, 9}, {{10, 8}, {11, 8}, {10, 9}, {11, 9}}},
        {1039, {INT_MIN, INT_MAX}, {}},
    };
    for (const auto& c : cases) {
        Canvas canvas(8);
        UseShape(brush, c.choice, canvas.target);
        brush.PasteAt(canvas.target, c.at.x, c.at.y);
        EXPECT_EQ(canvas.Changed(), c.written) << c.choice << " at " << c.at.x << "," << c.at.y;
        EXPECT_TRUE(canvas.target.pasted);
    }
}

TEST(BrushPasteTest, PalettePasteSkipsWhatThePictureCannotTakeAndRightPaintsBackground) {
    Canvas c(8);
    c.target.mode = ColourMode::Colours16;
    PaintBrush brush;
    UseShape(brush, 1040, c.target);
    // Top row: background, 20 (beyond 16 colours), 15, 5 and 5 over a protected pixel.
    std::vector<std::uint8_t>& pixels = brush.Current(false).frames[0];
    std::copy_n(std::vector<std::uint8_t>{0, 20, 15, 5, 5}.begin(), 5, pixels.begin());
    c.image.Line(0)[4] = 4;
    c.target.isProtected = [](std::uint8_t index) { return index == 4; };
    brush.PasteAt(c.target, 2, 2);
    EXPECT_EQ(std::string(c.image.Line(0), c.image.Line(0) + 5),
              std::string("\x09\x09\x0F\x05\x04"));
    EXPECT_EQ(c.Index(0, 1), 1);

    // The right button paints the background over every opaque pixel, 20 included.
    c.target.rightButton = true;
    brush.PasteAt(c.target, 2, 2);
    EXPECT_EQ(std::string(c.image.Line(0), c.image.Line(0) + 5),
              std::string("\x09\x00\x00\x00\x04", 5));

    // On a 2-colour picture only 0 and 1 go in.
    Canvas mono(8);
    mono.target.mode = ColourMode::Mono;
    mono.target.background = 1;
    pixels.assign(25, 2);
    pixels[12] = 0;
    brush.PasteAt(mono.target, 2, 2);
    EXPECT_EQ(mono.Changed(), (Cells{{2, 2}}));
}

TEST(BrushPasteTest, TrueColourPasteCopiesOrBlendsTheOutermostOpaquePixels) {
    // 'B' blended half and half with the picture, '#' the brush colour, '.' untouched.
    const struct {
        bool antiAlias;
        std::vector<std::string> rows, expected;
    } cases[] = {
        {false, {"#.", ".#"}, {"#.", ".#"}},
        {true, {"#", "#", "#", "#"}, {"B", "B", "B", "B"}},    // a one-pixel-wide line
        {true, {"###", "###", "###"}, {"BBB", "B#B", "BBB"}},  // last column and last row
        {true,
         {"......", ".####.", ".####.", ".####.", ".####.", "......"},
         {"......", ".BBBB.", ".B##B.", ".B##B.", ".BBBB.", "......"}},
        {true, {"####", "#..#", "####"}, {"BBBB", "B..B", "BBBB"}},
    };
    for (const auto& c : cases) {
        // Which pixels are edges depends on the whole brush, not on what is clipped.
        for (IntPoint at : {IntPoint{3, 2}, IntPoint{-1, -1}, IntPoint{10, 8}}) {
            Canvas canvas(24);
            PaintBrush brush;
            canvas.target.antiAlias = c.antiAlias;
            UseRows(brush, c.rows);
            brush.PasteAt(canvas.target, at.x, at.y);
            for (int y = 0; y < int(c.rows.size()); ++y)
                for (int x = 0; x < int(c.rows[0].size()); ++x) {
                    const int px = at.x + x, py = at.y + y;
                    if (px < 0 || py < 0 || px >= 12 || py >= 10) continue;
                    const ColourRef u = canvas.Before(px, py);
                    const ColourRef blend = MakeColour(std::uint8_t((100 + RedOf(u)) / 2),
                                                       std::uint8_t((150 + GreenOf(u)) / 2),
                                                       std::uint8_t((200 + BlueOf(u)) / 2));
                    const char e = c.expected[std::size_t(y)][std::size_t(x)];
                    EXPECT_EQ(canvas.Rgb(px, py), e == 'B'   ? blend
                                                  : e == '#' ? MakeColour(100, 150, 200)
                                                             : u)
                        << c.rows.size() << " rows at " << at.x << "," << at.y << ", pixel " << x
                        << "," << y;
                }
        }
    }
}

TEST(BrushPasteTest, TrueColourRightButtonPaintsTheBackgroundUnblended) {
    Canvas c(24);
    PaintBrush brush;
    c.target.antiAlias = true;
    UseRows(brush, {"#.", "##"});
    c.target.rightButton = true;
    brush.PasteAt(c.target, 4, 4);
    EXPECT_EQ(c.Changed(), (Cells{{4, 4}, {4, 5}, {5, 5}}));
    EXPECT_EQ(c.Rgb(5, 5), MakeColour(255, 255, 255));
}

TEST(BrushPasteTest, SegmentsStepAlongTheMajorAxisWithoutTheirEnd) {
    auto visited = [](IntPoint from, IntPoint to) {
        Points points;
        StepSegment(from, to, [&](IntPoint p) { points.push_back(p); });
        return points;
    };
    EXPECT_EQ(visited({0, 0}, {4, 2}), (Points{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));
    EXPECT_EQ(visited({4, 2}, {0, 0}), (Points{{4, 2}, {3, 2}, {2, 1}, {1, 1}}));
    EXPECT_EQ(visited({1, 0}, {2, 3}), (Points{{1, 0}, {1, 1}, {2, 2}}));
    EXPECT_EQ(visited({7, 7}, {7, 7}), (Points{{7, 7}}));
    // Rounding truncates toward zero, also left of 0.
    EXPECT_EQ(visited({0, 0}, {-4, -2}), (Points{{0, 0}, {-1, 0}, {-2, 0}, {-3, -1}}));

    Canvas c(8);
    PaintBrush brush;
    c.target.pasted = true;
    brush.PasteSegment(c.target, {0, 0}, {4, 2}, 5, false);
    EXPECT_EQ(c.Changed(), (Cells{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));
    EXPECT_EQ(c.Index(3, 2), 5);
    EXPECT_FALSE(c.target.pasted);

    // From far outside only the part over the picture is stepped, in the table's colour.
    Canvas rgb(24);
    brush.PasteSegment(rgb.target, {INT_MIN, 3}, {2, 3}, 1, false);
    brush.PasteSegment(rgb.target, {2, 4}, {2, INT_MAX}, 3, false);
    EXPECT_EQ(rgb.Changed().size(), 2u + 6u);
    EXPECT_EQ(rgb.Rgb(1, 3), MakeColour(200, 10, 60));
    EXPECT_EQ(rgb.Rgb(2, 9), MakeColour(10, 20, 30));
}

TEST(BrushPasteTest, SegmentsStampTheBrushUnlessItIsTheSinglePixel) {
    Canvas c(8);
    PaintBrush brush;
    UseShape(brush, 1028, c.target);
    brush.PasteSegment(c.target, {2, 2}, {4, 2}, 7, true);  // stamps at x = 2 and 3
    EXPECT_EQ(c.Changed(), (Cells{{2, 2}, {3, 2}, {4, 2}, {2, 3}, {3, 3}, {4, 3}}));
    EXPECT_EQ(c.Index(4, 3), 1);
    EXPECT_TRUE(c.target.pasted);

    testing::ScriptedInteraction ui;
    brush.UseSinglePixel(c.target, ui);
    brush.PasteSegment(c.target, {6, 6}, {6, 6}, 7, true);
    EXPECT_EQ(c.Index(6, 6), 7);
}

TEST(BrushPasteTest, BandPointsShowOverThePictureInAStandingOutColour) {
    auto shownAt = [](const BandOverlay& band, IntPoint p) -> std::optional<TableWord> {
        std::optional<TableWord> found;
        band.ForEach([&](IntPoint q, TableWord w) {
            if (q == p) found = w;
        });
        return found;
    };
    // True colour: white over dark (byte mean below 128), black over light.
    Canvas c(24);
    std::fill_n(c.image.Line(1), 3, 127);
    std::copy_n(std::string("\x7F\x80\x81").begin(), 3, c.image.Line(1) + 3);
    c.image.CopyTo(c.before);
    BandOverlay band;
    c.target.band = &band;
    PaintBrush brush;
    UseShape(brush, 1037, c.target);
    brush.PasteSegment(c.target, {0, 1}, {2, 1}, kBandColour, true);
    EXPECT_EQ(band.Size(), 2u);  // the brush is never stamped for a band
    EXPECT_EQ(shownAt(band, {0, 1}), 0xFFFFFFu);
    EXPECT_EQ(shownAt(band, {1, 1}), 0u);
    EXPECT_TRUE(c.Changed().empty());
    c.target.eraseBand = true;
    brush.PasteSegment(c.target, {0, 1}, {2, 1}, kBandColour, false);
    EXPECT_TRUE(band.Empty());

    // Palette: the darkest entry over a colour whose (r + g + b) / 3 exceeds 127.
    Canvas p(8);
    p.image.SetColour(9, MakeColour(128, 128, 127));
    p.image.SetColour(2, MakeColour(128, 128, 128));
    p.image.SetColour(40, MakeColour(1, 1, 1));
    p.image.SetColour(41, MakeColour(250, 250, 250));
    p.image.Line(0)[1] = 2;
    p.target.band = &band;
    p.target.bandDarkest = 40;
    p.target.bandLightest = 41;
    brush.PasteSegment(p.target, {0, 0}, {2, 0}, kBandColour, false);
    EXPECT_EQ(shownAt(band, {0, 0}), 0xFAFAFAu);  // mean 127: the lightest entry
    EXPECT_EQ(shownAt(band, {1, 0}), 0x010101u);  // mean 128: the darkest
}

TEST(BrushPasteTest, ThePreviewIsWhatAClickWouldPaintAndLeavesThePictureAlone) {
    for (int bits : {8, 24}) {
        for (IntPoint at : {IntPoint{0, 0}, IntPoint{11, 9}, IntPoint{-2, 5}, IntPoint{6, 4}}) {
            Canvas c(bits);
            if (bits == 8) testing::MakePattern8(c.image, 12, 10), c.image.CopyTo(c.before);
            PaintBrush brush;
            UseShape(brush, 1040, c.target);
            PreviewPatch patch;
            ASSERT_TRUE(brush.MakePreview(c.target, at, patch)) << bits << " bits at " << at.x;
            EXPECT_EQ(testing::DifferenceBetween(c.before, c.image), "") << "the picture was touched";
            // The patch matches, pixel for pixel, the picture a click there paints.
            brush.PasteAt(c.target, at.x, at.y);
            const DibSize size = patch.image.GetSize();
            for (int y = 0; y < size.height; ++y)
                for (int x = 0; x < size.width; ++x)
                    ASSERT_EQ(testing::ShownColour(patch.image, x, y),
                              testing::ShownColour(c.image, patch.at.x + x, patch.at.y + y))
                        << bits << " bits at " << at.x << "," << at.y << ", pixel " << x << "," << y;
            // It covers the brush's reach on the picture and no more.
            EXPECT_GE(patch.at.x, 0);
            EXPECT_LE(patch.at.x + size.width, 12);
        }
        // A brush that lands wholly off the picture shows nothing.
        Canvas c(bits);
        PaintBrush brush;
        UseShape(brush, 1040, c.target);
        PreviewPatch patch;
        EXPECT_FALSE(brush.MakePreview(c.target, {-40, 3}, patch));
        EXPECT_FALSE(brush.MakePreview(c.target, {2000000000, 3}, patch));
    }
}

}  // namespace
}  // namespace quillor
