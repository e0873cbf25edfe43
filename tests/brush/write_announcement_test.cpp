// Every writer of frame pixels announces what it writes before it writes it: checked
// pixel by pixel on random pictures for the brush pastes, the plain-pixel segments and
// the flood fill. A pixel that changes without having been announced, or that had
// already changed when it was first announced, would be lost to undo.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "brush/paint_brush.h"
#include "paint/flood_fill.h"
#include "support/scripted_interaction.h"

namespace quillor {
namespace {

// Keeps each pixel's value as it was at its first announcement, the way the history
// keeps tiles, and compares them with the picture as it was before the writer ran.
class PixelLedger final : public PixelWriteGuard {
public:
    explicit PixelLedger(COXDIB& image) : image_(image), size_(image.GetSize()) {
        bytes_ = image.GetBitCount() / 8;
        image.CopyTo(original_);
        announced_.assign(std::size_t(size_.width) * std::size_t(size_.height), false);
    }

    void BeforeWrite(const IntRect& pictureRect) override {
        const IntRect on = Intersection(pictureRect, {0, 0, size_.width, size_.height});
        for (int y = on.top; y < on.bottom; ++y)
            for (int x = on.left; x < on.right; ++x) {
                const std::size_t at = std::size_t(y) * std::size_t(size_.width) + std::size_t(x);
                if (announced_[at]) continue;
                announced_[at] = true;
                if (!Same(x, y)) problems_ += "(" + std::to_string(x) + ", " + std::to_string(y) + ") written before it was announced\n";
            }
    }
    // Empty when every pixel that changed was announced first.
    std::string Problems() const {
        std::string problems = problems_;
        for (int y = 0; y < size_.height; ++y)
            for (int x = 0; x < size_.width; ++x)
                if (!announced_[std::size_t(y) * std::size_t(size_.width) + std::size_t(x)] && !Same(x, y))
                    problems += "(" + std::to_string(x) + ", " + std::to_string(y) + ") written unannounced\n";
        return problems;
    }

private:
    bool Same(int x, int y) const {
        return std::memcmp(image_.Line(y) + x * bytes_, original_.Line(y) + x * bytes_, std::size_t(bytes_)) == 0;
    }

    COXDIB& image_;
    COXDIB original_;
    DibSize size_;
    int bytes_ = 1;
    std::vector<bool> announced_;
    std::string problems_;
};

constexpr int kBrushes[] = {kSinglePixelShape, 1027, 1028, 1031, 1039, 1033, 1037, 1045};

class WriteAnnouncements : public ::testing::TestWithParam<int> {
protected:
    // A picture of a few colours in blocks, so fills have areas and brushes have
    // background pixels to leave out.
    void MakePicture(int bits) {
        for (int i = 0; i < 4; ++i) table[std::size_t(i)] = MakeColour(40 * i, 255 - 50 * i, 17 * i);
        ASSERT_TRUE(image.CreateBlank(std::uint16_t(bits), Between(20, 140), Between(20, 140)));
        const DibSize size = image.GetSize();
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x) {
                const int colour = ((x / 9) * 7 + (y / 11) * 3) % 4;
                if (bits == 8) {
                    image.Line(y)[x] = std::uint8_t(colour);
                } else {
                    const ColourRef c = table[std::size_t(colour)];
                    std::uint8_t* p = image.Line(y) + 3 * x;
                    p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c);
                }
            }
        target.image = &image;
        target.mode = bits == 24 ? ColourMode::TrueColour : ColourMode::Colours256;
        target.table = &table;
    }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    // Often on or just off an edge, where rounding decides which line a point lands on.
    int Coordinate(int side) {
        const int edges[] = {-2, -1, 0, side - 1, side, side + 1};
        return Between(0, 2) == 0 ? edges[Between(0, 5)] : Between(-40, side + 40);
    }
    IntPoint Somewhere() {
        const DibSize size = image.GetSize();
        return {Coordinate(size.width), Coordinate(size.height)};
    }
    // One writer, run under a fresh ledger.
    template <typename Write>
    void Check(const char* what, Write&& write) {
        PixelLedger ledger(image);
        target.guard = &ledger;
        write();
        target.guard = nullptr;
        const std::string problems = ledger.Problems();
        EXPECT_TRUE(problems.empty()) << what << ":\n" << problems.substr(0, 400);
    }

    void Run(int bits) {
        MakePicture(bits);
        testing::ScriptedInteraction ui;
        for (int round = 0; round < 40 && !HasFailure(); ++round) {
            target.foreground = std::uint8_t(Between(0, 3));
            target.background = std::uint8_t(Between(0, 3));
            target.rightButton = Between(0, 3) == 0;
            target.antiAlias = Between(0, 1) == 1;
            if (bits == 8 && Between(0, 4) == 0)
                target.isProtected = [](std::uint8_t index) { return index == 2; };
            else
                target.isProtected = nullptr;
            brush.ChooseShape(kBrushes[Between(0, int(std::size(kBrushes)) - 1)], target, ui);
            const int colour = Between(0, 3);
            const IntPoint a = Somewhere();
            IntPoint b = Somewhere();
            // Rows and columns, which are announced whole, as often as slanted segments.
            if (Between(0, 2) == 0) b.y = a.y;
            else if (Between(0, 1) == 0) b.x = a.x;
            Check("PasteAt", [&] { brush.PasteAt(target, a.x, a.y); });
            Check("PasteSegment with the brush", [&] { brush.PasteSegment(target, a, b, colour, true); });
            Check("PasteSegment, plain pixels", [&] { brush.PasteSegment(target, a, b, colour, false); });
            Check("a point", [&] { brush.PasteSegment(target, a, a, colour, false); });
            const DibSize size = image.GetSize();
            const IntPoint seed{Between(0, size.width - 1), Between(0, size.height - 1)};
            Check("FloodFill", [&] { FloodFill(target, seed.x, seed.y, colour); });
        }
    }

    std::mt19937 random{std::uint32_t(GetParam())};
    COXDIB image;
    std::array<ColourRef, 256> table{};
    PaintTarget target;
    PaintBrush brush;
};

TEST_P(WriteAnnouncements, OnPalettePictures) { Run(8); }

TEST_P(WriteAnnouncements, OnTrueColourPictures) { Run(24); }

INSTANTIATE_TEST_SUITE_P(Seeds, WriteAnnouncements, ::testing::Range(1, 9));

}  // namespace
}  // namespace quillor
