// Ordering a palette: the sort keys, the sort's stability, and the renumbering that
// keeps the picture and the painting colours looking as they did.

#include "palette/palette_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "palette/palette_documents.h"

namespace quillor {
namespace {

using testing::PaletteDocument;

constexpr PaletteOrder kOrders[] = {PaletteOrder::DarkToLight, PaletteOrder::LightToDark, PaletteOrder::GroupHues};

int KeyOf(ColourRef c, PaletteOrder order) { return order == PaletteOrder::GroupHues ? HueKey(c) : Brightness(c); }

TEST(PaletteKeys, HueKeysTurnRedsTogetherAndPutGreysApart) {
    EXPECT_EQ(HueKey(MakeColour(255, 0, 21)), 6);  // 355 degrees, just below a full turn
    EXPECT_EQ(HueKey(MakeColour(255, 0, 0)), 11);
    EXPECT_EQ(HueKey(MakeColour(0, 255, 0)), 131);
    EXPECT_EQ(HueKey(MakeColour(0, 0, 255)), 251);
    EXPECT_EQ(HueKey(MakeColour(255, 0, 68)), 355);  // 344 degrees stays below the turn
    EXPECT_EQ(HueKey(MakeColour(90, 90, 90)), -999);
    EXPECT_EQ(HueKey(MakeColour(0, 0, 0)), -999);
    EXPECT_EQ(Brightness(MakeColour(10, 20, 31)), 20);
}

TEST(PaletteKeys, GroupingPutsGreysFirstAndRedsAroundZeroTogether) {
    std::array<ColourRef, 256> table{};
    const ColourRef orange = MakeColour(255, 128, 0), grey = MakeColour(40, 40, 40),
                    red = MakeColour(255, 0, 0), nearlyRed = MakeColour(255, 0, 21),
                    green = MakeColour(0, 200, 0), white = MakeColour(255, 255, 255);
    table[0] = orange;
    table[1] = grey;
    table[2] = green;
    table[3] = red;
    table[4] = nearlyRed;
    table[5] = white;
    const auto order = SortedOrder(table, 6, PaletteOrder::GroupHues);
    // Both greys first in their old order, then 355 degrees before 0 degrees.
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 6), (std::vector<int>{1, 5, 4, 3, 0, 2}));
    // Entries past the count stay where they are.
    for (int i = 6; i < 256; ++i) EXPECT_EQ(order[std::size_t(i)], i);
}

TEST(PaletteKeys, EqualKeysKeepTheirOrderBothWays) {
    std::array<ColourRef, 256> table{};
    table[0] = MakeColour(200, 200, 200);
    table[1] = MakeColour(30, 60, 90);  // brightness 60
    table[2] = MakeColour(10, 10, 10);
    table[3] = MakeColour(60, 60, 60);  // brightness 60 too
    const auto up = SortedOrder(table, 4, PaletteOrder::DarkToLight);
    EXPECT_EQ(std::vector<int>(up.begin(), up.begin() + 4), (std::vector<int>{2, 1, 3, 0}));
    const auto down = SortedOrder(table, 4, PaletteOrder::LightToDark);
    EXPECT_EQ(std::vector<int>(down.begin(), down.begin() + 4), (std::vector<int>{0, 1, 3, 2}));
}

// The bubble sort against the library's stable sort, on tables full of equal keys.
TEST(PaletteKeys, TheOrderIsAStableSortOfTheKeys) {
    std::mt19937 random(2024);
    for (PaletteOrder order : kOrders) {
        for (int round = 0; round < 20; ++round) {
            std::array<ColourRef, 256> table{};
            for (auto& c : table) c = round % 2 ? random() & 0xFFFFFFu : 0x010101u * (random() % 40) + (random() % 3);
            const int count = round % 3 == 0 ? 16 : 256;
            std::vector<int> expected(256);
            for (int i = 0; i < 256; ++i) expected[std::size_t(i)] = i;
            std::stable_sort(expected.begin(), expected.begin() + count, [&](int a, int b) {
                const int ka = KeyOf(table[std::size_t(a)], order), kb = KeyOf(table[std::size_t(b)], order);
                return order == PaletteOrder::LightToDark ? ka > kb : ka < kb;
            });
            const auto sorted = SortedOrder(table, count, order);
            EXPECT_EQ(std::vector<int>(sorted.begin(), sorted.end()), expected) << int(order) << " " << round;
        }
    }
}

// Random tables with repeated colours and greys (so equal keys are common), random
// pictures and painting colours, every colour count and every order.
class OrderingKeepsThePicture : public ::testing::TestWithParam<ColourMode> {};

TEST_P(OrderingKeepsThePicture, EveryPixelAndBothColoursShowAsBefore) {
    int renumbered = 0;
    for (PaletteOrder order : kOrders) {
        for (int round = 0; round < 12; ++round) {
            PaletteDocument d;
            d.random.seed(std::uint32_t(round * 7 + int(order)));
            AnimFrame& frame = d.AddFrame(GetParam(), 29 + round, 11 + round);
            COXDIB& image = *frame.image;
            const int count = ColourCountOf(GetParam());
            for (int i = 1; i < 256; ++i) {
                const unsigned pick = d.random() % 4;
                if (pick == 0) image.SetColour(std::uint8_t(i), image.GetColour(std::uint8_t(d.random() % unsigned(i))));
                if (pick == 1) image.SetColour(std::uint8_t(i), 0x010101u * (d.random() % 256));
            }
            d.document.SetForeground(std::uint8_t(d.random() % unsigned(count)));
            d.document.SetBackground(std::uint8_t(d.random() % unsigned(count)));
            const auto shown = PaletteDocument::Shown(image);
            const auto table = PaletteDocument::Table(image);
            const auto pixels = PaletteDocument::Pixels(image);
            const ColourRef fore = image.GetColour(d.document.Foreground());
            const ColourRef back = image.GetColour(d.document.Background());

            ASSERT_TRUE(OrderColours(d.document, order));
            renumbered += PaletteDocument::Pixels(image) != pixels;
            EXPECT_EQ(PaletteDocument::Shown(image), shown) << "order " << int(order) << " round " << round;
            EXPECT_EQ(image.GetColour(d.document.Foreground()), fore);
            EXPECT_EQ(image.GetColour(d.document.Background()), back);
            EXPECT_LT(d.document.Foreground(), count);
            for (int i = 0; i + 1 < count; ++i)
                EXPECT_FALSE(order == PaletteOrder::LightToDark
                                 ? KeyOf(image.GetColour(std::uint8_t(i + 1)), order) > KeyOf(image.GetColour(std::uint8_t(i)), order)
                                 : KeyOf(image.GetColour(std::uint8_t(i + 1)), order) < KeyOf(image.GetColour(std::uint8_t(i)), order))
                    << "entries " << i << " and " << i + 1;
            for (int i = count; i < 256; ++i) EXPECT_EQ(image.GetColour(std::uint8_t(i)), table[std::size_t(i)]);

            // One step of the picture's history puts pixels and table back exactly.
            ASSERT_TRUE(d.document.Undo().Undo(d.document));
            EXPECT_EQ(PaletteDocument::Pixels(*d.Frame(0).image), pixels);
            EXPECT_EQ(PaletteDocument::Table(*d.Frame(0).image), table);
        }
    }
    EXPECT_GT(renumbered, 5);  // the pictures really were renumbered
}

INSTANTIATE_TEST_SUITE_P(ColourCounts, OrderingKeepsThePicture,
                         ::testing::Values(ColourMode::Mono, ColourMode::Colours16, ColourMode::Colours256));

TEST(OrderColours, AnOrderedTableChangesNothingButStillTakesAStep) {
    PaletteDocument d;
    COXDIB& image = *d.AddFrame(ColourMode::Colours256).image;
    for (int i = 0; i < 256; ++i) image.SetColour(std::uint8_t(i), MakeColour(std::uint8_t(i), std::uint8_t(i / 2), 0));
    const auto pixels = PaletteDocument::Pixels(image);
    const auto table = PaletteDocument::Table(image);
    EXPECT_FALSE(d.document.Undo().CanUndo());
    ASSERT_TRUE(OrderColours(d.document, PaletteOrder::DarkToLight));
    EXPECT_EQ(PaletteDocument::Pixels(image), pixels);
    EXPECT_EQ(PaletteDocument::Table(image), table);
    EXPECT_TRUE(d.document.Undo().CanUndo());
    EXPECT_TRUE(d.document.IsModified());
}

TEST(OrderColours, TrueColourOrdersTheDocumentsTableOnly) {
    PaletteDocument d;
    COXDIB& image = *d.AddFrame(ColourMode::TrueColour).image;
    for (int i = 0; i < 256; ++i) d.document.SetTableColour(std::uint8_t(i), d.RandomColour());
    d.document.SetForeground(7);
    d.document.SetBackground(200);
    const auto pixels = PaletteDocument::Pixels(image);
    std::vector<ColourRef> before(d.document.Colours().begin(), d.document.Colours().end());

    ASSERT_TRUE(OrderColours(d.document, PaletteOrder::LightToDark));
    EXPECT_EQ(PaletteDocument::Pixels(image), pixels);
    EXPECT_EQ(d.document.Foreground(), 7);  // the positions stay, whatever they now show
    EXPECT_EQ(d.document.Background(), 200);
    EXPECT_FALSE(d.document.Undo().CanUndo());
    std::vector<ColourRef> after(d.document.Colours().begin(), d.document.Colours().end());
    std::stable_sort(before.begin(), before.end(),
                     [](ColourRef a, ColourRef b) { return Brightness(a) > Brightness(b); });
    EXPECT_EQ(after, before);
}

TEST(OrderColours, NothingWithoutAFrame) {
    PaletteDocument d;
    EXPECT_FALSE(OrderColours(d.document, PaletteOrder::GroupHues));
}

}  // namespace
}  // namespace quillor
