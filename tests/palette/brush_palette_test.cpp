// Carrying colours between a palette picture and the palette brush.

#include "palette/brush_palette.h"

#include <gtest/gtest.h>

#include "brush/paint_brush.h"
#include "palette/palette_documents.h"

namespace quillor {
namespace {

using testing::PaletteDocument;

// A brush of two 3 x 2 frames holding the given pixels, made on `palette`.
void GiveBrush(PaintBrush& brush, const std::array<ColourRef, 256>& palette, std::vector<std::uint8_t> pixels,
               std::uint32_t background) {
    BrushRecord& b = brush.Current(false);
    b.borrowed = false;
    b.frameCount = 2;
    b.currentFrame = 0;
    b.width = 3;
    b.height = 2;
    b.frames = {pixels, pixels};
    b.palette = palette;
    b.rememberedBackground = background;
}

TEST(NearestEntry, TheFirstOfTheNearestWins) {
    const ColourRef table[] = {MakeColour(0, 0, 0), MakeColour(10, 0, 0), MakeColour(0, 10, 0),
                               MakeColour(10, 0, 0), MakeColour(200, 200, 200)};
    EXPECT_EQ(NearestEntry(MakeColour(10, 0, 0), table, 5), 1);
    EXPECT_EQ(NearestEntry(MakeColour(5, 5, 0), table, 5), 0);  // 0, 1 and 2 are all 10 away
    EXPECT_EQ(NearestEntry(MakeColour(255, 255, 255), table, 5), 4);
    EXPECT_EQ(NearestEntry(MakeColour(255, 255, 255), table, 2), 1);  // only the first two count
}

TEST(RemapToBrushPalette, AnEqualPaletteLeavesThePictureAsItIs) {
    PaletteDocument d;
    COXDIB& image = *d.AddFrame(ColourMode::Colours256).image;
    // Distinct colours: every index is its own nearest.
    for (int i = 0; i < 256; ++i) image.SetColour(std::uint8_t(i), MakeColour(std::uint8_t(i), std::uint8_t(255 - i), 7));
    PaintBrush brush;
    brush.Current(false).palette = PaletteDocument::Table(image);
    const auto pixels = PaletteDocument::Pixels(image);
    ASSERT_TRUE(RemapToBrushPalette(d.document, brush));
    EXPECT_EQ(PaletteDocument::Pixels(image), pixels);
    EXPECT_EQ(PaletteDocument::Table(image), brush.Current(false).palette);

    // With repeated colours the indices may move to the first of a pair, but nothing
    // shows differently.
    PaletteDocument random;
    COXDIB& picture = *random.AddFrame(ColourMode::Colours256).image;
    for (int i = 128; i < 256; ++i) picture.SetColour(std::uint8_t(i), picture.GetColour(std::uint8_t(i - 128)));
    brush.Current(false).palette = PaletteDocument::Table(picture);
    const auto shown = PaletteDocument::Shown(picture);
    ASSERT_TRUE(RemapToBrushPalette(random.document, brush));
    EXPECT_EQ(PaletteDocument::Shown(picture), shown);
}

TEST(RemapToBrushPalette, PixelsTakeTheNearestBrushColourInOneStep) {
    for (ColourMode mode : {ColourMode::Mono, ColourMode::Colours16, ColourMode::Colours256}) {
        PaletteDocument d;
        COXDIB& image = *d.AddFrame(mode).image;
        const int count = ColourCountOf(mode);
        PaintBrush brush;
        for (auto& c : brush.Current(false).palette) c = d.RandomColour();
        const auto table = PaletteDocument::Table(image);
        const auto pixels = PaletteDocument::Pixels(image);
        ASSERT_TRUE(RemapToBrushPalette(d.document, brush));

        const auto& palette = brush.Current(false).palette;
        const DibSize size = image.GetSize();
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x) {
                const std::uint8_t before = pixels[std::size_t((size.height - 1 - y) * image.GetStride() + x)];
                ASSERT_EQ(image.Line(y)[x], NearestEntry(table[before], palette.data(), count));
            }
        for (int i = 0; i < 256; ++i)
            EXPECT_EQ(image.GetColour(std::uint8_t(i)), i < count ? palette[std::size_t(i)] : table[std::size_t(i)]) << i;

        ASSERT_TRUE(d.document.Undo().Undo(d.document));
        EXPECT_EQ(PaletteDocument::Pixels(*d.Frame(0).image), pixels);
        EXPECT_EQ(PaletteDocument::Table(*d.Frame(0).image), table);
        EXPECT_FALSE(d.document.Undo().Undo(d.document));  // one step, not two
    }
}

TEST(UseBrushPalette, TheTableChangesThePixelsStayAndUndoBringsItBack) {
    PaletteDocument d;
    COXDIB& image = *d.AddFrame(ColourMode::Colours16).image;
    PaintBrush brush;
    for (auto& c : brush.Current(false).palette) c = d.RandomColour();
    const auto table = PaletteDocument::Table(image);
    const auto pixels = PaletteDocument::Pixels(image);
    ASSERT_TRUE(UseBrushPalette(d.document, brush));
    EXPECT_EQ(PaletteDocument::Pixels(image), pixels);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(image.GetColour(std::uint8_t(i)), i < 16 ? brush.Current(false).palette[std::size_t(i)] : table[std::size_t(i)]);
    ASSERT_TRUE(d.document.Undo().Undo(d.document));
    EXPECT_EQ(PaletteDocument::Table(*d.Frame(0).image), table);
}

TEST(BrushPaletteCommands, TrueColourFramesAreLeftAlone) {
    PaletteDocument d;
    COXDIB& image = *d.AddFrame(ColourMode::TrueColour).image;
    PaintBrush brush;
    GiveBrush(brush, {}, {1, 2, 3, 4, 5, 6}, 0);
    const auto pixels = PaletteDocument::Pixels(image);
    EXPECT_FALSE(RemapToBrushPalette(d.document, brush));
    EXPECT_FALSE(UseBrushPalette(d.document, brush));
    EXPECT_FALSE(RemapBrushToPalette(d.document, brush));
    EXPECT_EQ(PaletteDocument::Pixels(image), pixels);
    EXPECT_EQ(brush.Current(false).frames[0], (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(d.document.Undo().CanUndo());
    EXPECT_FALSE(d.document.IsModified());
}

TEST(RemapBrushToPalette, BrushPixelsTakeThePicturesNearestColoursAndItsBackground) {
    PaletteDocument d;
    COXDIB& image = *d.AddFrame(ColourMode::Colours16).image;
    for (int i = 0; i < 16; ++i) image.SetColour(std::uint8_t(i), MakeColour(std::uint8_t(i * 16), 0, 0));
    d.document.SetBackground(9);
    std::array<ColourRef, 256> palette{};
    palette[1] = MakeColour(33, 0, 0);   // nearest 32: entry 2
    palette[2] = MakeColour(250, 0, 0);  // nearest 240: entry 15
    palette[5] = MakeColour(0, 0, 0);    // the brush's transparent index
    palette[40] = MakeColour(100, 0, 0); // beyond 16 colours: nearest 96, entry 6
    PaintBrush brush;
    GiveBrush(brush, palette, {1, 2, 5, 40, 5, 1}, 5);
    ASSERT_TRUE(RemapBrushToPalette(d.document, brush));
    const BrushRecord& b = brush.Current(false);
    for (const auto& frame : b.frames) EXPECT_EQ(frame, (std::vector<std::uint8_t>{2, 15, 9, 6, 9, 2}));
    EXPECT_EQ(b.palette, palette);             // the brush palette stays
    EXPECT_EQ(b.rememberedBackground, 9u);     // its transparent pixels are the background now
    EXPECT_FALSE(d.document.Undo().CanUndo());  // the picture did not change

    // Frames that belong to someone else are not the brush's to recolour.
    PaintBrush borrowed;
    GiveBrush(borrowed, palette, {1, 2, 5, 40, 5, 1}, 5);
    borrowed.Current(false).borrowed = true;
    EXPECT_FALSE(RemapBrushToPalette(d.document, borrowed));
    EXPECT_EQ(borrowed.Current(false).frames[0], (std::vector<std::uint8_t>{1, 2, 5, 40, 5, 1}));
}

}  // namespace
}  // namespace quillor
