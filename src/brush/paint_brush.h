#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/interaction.h"
#include "paint/paint_target.h"

namespace quillor {

enum class BrushKind : std::uint8_t {
    SinglePixel = 0,
    Grabbed = 1,
    Shape = 2,         // from the "Paint Brush Shape" choices
    Custom = 3,        // sized by dragging
    CustomSquare = 4,  // a custom square being sized
    CustomCircle = 5,  // a custom circle being sized
};

// Choices of the "Paint Brush Shape" dialog that are not shapes of their own.
inline constexpr int kSinglePixelShape = 1300;
inline constexpr int kRestorePreviousShape = 1029;
inline constexpr int kCustomCircleShape = 1038;
inline constexpr int kCustomSquareShape = 1046;
inline constexpr std::uint32_t kMaxBrushFrames = 2048;

// What the brush preview shows: the picture's pixels from `at` on, with the brush pasted
// over them.
struct PreviewPatch {
    IntPoint at;
    COXDIB image;
};

// One brush of one depth. Palette frames hold one index per pixel; true-colour frames
// three bytes red, green, blue (the reverse of the image's order). Rows top-down, no
// padding. Pixels of the background colour are transparent.
struct BrushRecord {
    bool borrowed = true;  // the frames belong to someone else: never freed or recoloured
    std::uint32_t frameCount = 0;
    std::uint32_t currentFrame = 0;
    int width = 0;
    int height = 0;
    int handleX = 0;
    int handleY = 0;
    std::vector<std::vector<std::uint8_t>> frames;
    std::array<ColourRef, 256> palette{};  // the palette the brush was made on (palette brush)
    std::uint32_t rememberedBackground = 0;
    bool inUseByStroke = false;

    bool Exists() const { return frameCount > 0 && currentFrame < frames.size(); }
    const std::uint8_t* CurrentPixels() const { return Exists() ? frames[currentFrame].data() : nullptr; }
    // The top-left pixel when the brush is pasted at (x, y).
    IntPoint TopLeftAt(int x, int y) const { return {x - width + handleX, y - height + handleY}; }
};

// What choosing an entry of the "Paint Brush Shape" dialog asks of the tools.
enum class ShapeChoiceResult { Built, RestoredPrevious, SizeCustomSquare, SizeCustomCircle };

// The brush everything is painted with: a palette brush for palette images and a
// true-colour brush for true-colour ones, each with a previous brush to go back to.
class PaintBrush {
public:
    BrushKind kind = BrushKind::Shape;
    int shapeChoice = kSinglePixelShape;
    std::uint32_t animationControl = 0;  // 0 per paint step, 1 per stroke, 2 by hand
    bool singleColour = false;
    bool colourClashWarned = false;
    IntRect customRect;  // the last custom brush's rectangle, for rebuilding it
    BrushKind customKind = BrushKind::CustomCircle;

    BrushRecord& Current(bool trueColour) { return trueColour ? trueColour_ : palette_; }
    const BrushRecord& Current(bool trueColour) const { return trueColour ? trueColour_ : palette_; }
    BrushRecord& Previous(bool trueColour) { return trueColour ? previousTrueColour_ : previousPalette_; }
    // The brush for the target's image depth.
    BrushRecord& For(const PaintTarget& target) { return Current(target.TrueColour()); }
    const BrushRecord& For(const PaintTarget& target) const { return Current(target.TrueColour()); }

    // --- Building (each for the depth of target.image) ----------------------------------
    // The dialog's OK on `choice`: shapes are built (a grabbed brush first becomes the
    // previous one), the other entries say what the tools must do next. `documentFrames`
    // limits the frames kept of that grabbed brush (0: no limit).
    ShapeChoiceResult ChooseShape(int choice, const PaintTarget& target, Interaction& ui,
                                  std::uint32_t documentFrames = 0);
    // A shape from the shape table in the foreground colour; shows the "Colour Clash"
    // warning once per run when foreground and background are the same.
    void BuildShapeBrush(int choice, const PaintTarget& target, Interaction& ui);
    // A filled square (CustomSquare) or inscribed ellipse (CustomCircle) of `rect`'s size.
    void BuildCustomBrush(const IntRect& rect, BrushKind sizing, const PaintTarget& target);
    void UseSinglePixel(const PaintTarget& target, Interaction& ui);
    void SaveAsPrevious(bool trueColour, std::uint32_t documentFrames);
    void RestorePreviousBrush(bool trueColour);
    void SingleColour(const PaintTarget& target, std::uint32_t documentFrames);
    void RecolourTransparent(const PaintTarget& target);
    // After the foreground or background colour changed, and on view activation.
    void Rebuild(const PaintTarget& target, Interaction& ui);

    // --- Animated brushes -----------------------------------------------------------------
    // One step of a stroke's own animation (wraps after the last frame).
    void Advance(bool trueColour);
    void NextFrame(bool trueColour, int documentLastFrame);
    void PreviousFrame(bool trueColour, int documentLastFrame);
    void FirstFrame(bool trueColour);

    // --- Painting ---------------------------------------------------------------------------
    // Pastes the current frame with its handle at (x, y); pixels off the image are skipped.
    void PasteAt(PaintTarget& target, int x, int y) const;
    // Steps from `from` towards `to` (not visiting `to`), at each point pasting the brush
    // (when `useBrush` and the brush is more than a single pixel) or writing one pixel of
    // `colour`; kBandColour draws into the display copy instead.
    void PasteSegment(PaintTarget& target, IntPoint from, IntPoint to, int colour, bool useBrush);

    // --- Preview --------------------------------------------------------------------------
    // The patch the preview of the brush at `at` shows over the target's picture; false
    // when the brush does not reach the picture there.
    bool MakePreview(const PaintTarget& target, IntPoint at, PreviewPatch& patch) const;

private:
    BrushRecord palette_;
    BrushRecord trueColour_;
    BrushRecord previousPalette_;
    BrushRecord previousTrueColour_;
};

}  // namespace quillor
