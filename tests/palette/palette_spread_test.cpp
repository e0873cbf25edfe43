// Blending colour tables across a run of frames, and the dialog that names the run.

#include "palette/palette_spread.h"

#include <gtest/gtest.h>

#include "palette/palette_documents.h"

namespace quillor {
namespace {

using testing::PaletteDocument;

TEST(SpreadPalettesModel, StartsOnEveryFrameAndPullsTheRangeIn) {
    SpreadPalettesModel model(12);
    EXPECT_EQ(model.Title(), "Spread Palettes Across Frames");
    EXPECT_EQ(model.FromText(), "1");
    EXPECT_EQ(model.ToText(), "12");
    model.SetFromText("-4");
    model.SetToText("40");
    EXPECT_EQ(model.From(), 1);
    EXPECT_EQ(model.To(), 12);
    model.SetFromText("0");
    EXPECT_EQ(model.From(), 1);
    model.SetFromText("3");
    model.SetToText("7");
    EXPECT_EQ(model.From(), 3);
    EXPECT_EQ(model.To(), 7);
    model.SetToText("12345678");
    EXPECT_EQ(model.ToText(), "123456");  // six characters at most
    model.SetFromText("abc");
    EXPECT_EQ(model.From(), 1);
}

// Frames whose tables hold one colour each: entry i of frame f is colours[f] turned by i.
PaletteDocument& Frames(PaletteDocument& d, const std::vector<ColourMode>& modes) {
    for (ColourMode mode : modes) d.AddFrame(mode, 4, 3);
    return d;
}

TEST(SpreadPalettes, TheFramesBetweenGetTheLinearBlend) {
    PaletteDocument d;
    Frames(d, {ColourMode::Colours256, ColourMode::Colours256, ColourMode::Colours256});
    for (int i = 0; i < 256; ++i) {
        d.Frame(0).image->SetColour(std::uint8_t(i), MakeColour(10, 0, 255));
        d.Frame(2).image->SetColour(std::uint8_t(i), MakeColour(21, std::uint8_t(i), 0));
    }
    const auto pixels = PaletteDocument::Pixels(*d.Frame(1).image);
    SpreadPalettes(d.document, 1, 3);
    for (int i = 0; i < 256; ++i) {
        // (21 - 10) / 2 truncates to 5; (0 - 255) / 2 to -127.
        EXPECT_EQ(d.Frame(1).image->GetColour(std::uint8_t(i)), MakeColour(15, std::uint8_t(i / 2), 128)) << i;
        EXPECT_EQ(d.Frame(0).image->GetColour(std::uint8_t(i)), MakeColour(10, 0, 255));
        EXPECT_EQ(d.Frame(2).image->GetColour(std::uint8_t(i)), MakeColour(21, std::uint8_t(i), 0));
    }
    EXPECT_EQ(PaletteDocument::Pixels(*d.Frame(1).image), pixels);
    EXPECT_FALSE(d.document.Undo().CanUndo());
    EXPECT_TRUE(d.document.IsModified());
}

TEST(SpreadPalettes, LongRunsStepEvenlyAndReachTheLastTableExactly) {
    PaletteDocument d;
    Frames(d, std::vector<ColourMode>(8, ColourMode::Colours256));
    for (int i = 0; i < 256; ++i) {
        d.Frame(1).image->SetColour(std::uint8_t(i), MakeColour(0, 0, 0));
        d.Frame(6).image->SetColour(std::uint8_t(i), MakeColour(255, 100, std::uint8_t(i)));
    }
    const auto first = PaletteDocument::Table(*d.Frame(0).image);
    const auto last = PaletteDocument::Table(*d.Frame(7).image);
    SpreadPalettes(d.document, 2, 7);  // frames 1 to 6 of the document
    // Entry 13 runs from black to (255, 100, 13) in five steps: 51, 20 and 2.6 a step.
    const int blue[] = {0, 2, 5, 7, 10, 13};
    for (int step = 0; step <= 5; ++step)
        EXPECT_EQ(d.Frame(1 + step).image->GetColour(13),
                  MakeColour(std::uint8_t(51 * step), std::uint8_t(20 * step), std::uint8_t(blue[step])))
            << "step " << step;
    // Outside the run nothing changes.
    EXPECT_EQ(PaletteDocument::Table(*d.Frame(0).image), first);
    EXPECT_EQ(PaletteDocument::Table(*d.Frame(7).image), last);
}

TEST(SpreadPalettes, EmptyOrBackwardRunsAndTrueColourFramesAreLeftAlone) {
    PaletteDocument d;
    Frames(d, {ColourMode::Colours256, ColourMode::TrueColour, ColourMode::Colours16, ColourMode::Colours256});
    std::vector<std::array<ColourRef, 256>> tables;
    for (int f = 0; f < 4; ++f) tables.push_back(PaletteDocument::Table(*d.Frame(f).image));
    const auto trueColourPixels = PaletteDocument::Pixels(*d.Frame(1).image);

    SpreadPalettes(d.document, 3, 2);
    SpreadPalettes(d.document, 3, 3);
    for (int f = 0; f < 4; ++f) EXPECT_EQ(PaletteDocument::Table(*d.Frame(f).image), tables[std::size_t(f)]);
    EXPECT_FALSE(d.document.IsModified());

    // From frame 1 (pulled up from 0) to frame 4 (pulled down from 99): the true-colour
    // frame is skipped, the 16-colour frame blends.
    SpreadPalettes(d.document, 0, 99);
    EXPECT_EQ(PaletteDocument::Pixels(*d.Frame(1).image), trueColourPixels);
    const ColourRef a = tables[0][3], b = tables[3][3];
    auto blend = [](int x, int y) { return std::uint8_t(x + int(double(y - x) / 3 * 2)); };
    EXPECT_EQ(d.Frame(2).image->GetColour(3), MakeColour(blend(RedOf(a), RedOf(b)), blend(GreenOf(a), GreenOf(b)),
                                                         blend(BlueOf(a), BlueOf(b))));
}

}  // namespace
}  // namespace quillor
