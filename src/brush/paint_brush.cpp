#include "brush/paint_brush.h"

#include <algorithm>
#include <utility>

#include "brush/brush_colour.h"
#include "brush/brush_shapes.h"

namespace quillor {
namespace {

constexpr std::string_view kColourClashText =
    " Caution: Having the foreground and background colour the same\n"
    "may alter the way your brush transparency operates.";
constexpr std::string_view kColourClashTitle = "Colour Clash";

// Only the brush's own content moves between the current and the previous record; the
// save-under belongs to the preview on the picture, not to a brush.
void CopyContent(const BrushRecord& from, BrushRecord& to) {
    to.borrowed = from.borrowed;
    to.frameCount = from.frameCount;
    to.currentFrame = from.currentFrame;
    to.width = from.width;
    to.height = from.height;
    to.handleX = from.handleX;
    to.handleY = from.handleY;
    to.frames = from.frames;
    to.palette = from.palette;
    to.rememberedBackground = from.rememberedBackground;
}

void SwapContent(BrushRecord& a, BrushRecord& b) {
    std::swap(a.borrowed, b.borrowed);
    std::swap(a.frameCount, b.frameCount);
    std::swap(a.currentFrame, b.currentFrame);
    std::swap(a.width, b.width);
    std::swap(a.height, b.height);
    std::swap(a.handleX, b.handleX);
    std::swap(a.handleY, b.handleY);
    std::swap(a.frames, b.frames);
    std::swap(a.palette, b.palette);
    std::swap(a.rememberedBackground, b.rememberedBackground);
}

BrushColour ForegroundOf(const PaintTarget& target) {
    return target.TrueColour() ? ColourValueOf(target.TableColour(target.foreground), true)
                               : ColourValueOf(target.foreground, false);
}

// Every pixel of every frame that is (or, with `matching` false, is not) `key` becomes
// `value`.
void Recolour(BrushRecord& brush, bool trueColour, BrushColour key, bool matching,
              BrushColour value) {
    const std::size_t bpp = trueColour ? 3 : 1;
    for (auto& frame : brush.frames) {
        for (std::size_t i = 0; i + bpp <= frame.size(); i += bpp) {
            if (key.At(&frame[i], bpp) == matching) value.Put(&frame[i], bpp);
        }
    }
}

// One frame in the current colours. The save-under is left alone: while a preview is
// shown it still holds the picture under it, so taking the preview out stays exact
// whichever brush is built meanwhile.
void Install(BrushRecord& brush, const BrushMask& mask, const PaintTarget& target) {
    const bool trueColour = target.TrueColour();
    const BrushColour fore = ForegroundOf(target);
    const BrushColour back = ColourValueOf(target.BackgroundValue(), trueColour);
    const std::size_t bpp = trueColour ? 3 : 1;
    std::vector<std::uint8_t> pixels(mask.inside.size() * bpp);
    for (std::size_t i = 0; i < mask.inside.size(); ++i) {
        const BrushColour& c = mask.inside[i] ? fore : back;
        for (std::size_t k = 0; k < bpp; ++k) pixels[i * bpp + k] = c.bytes[k];
    }
    brush.frames.clear();
    brush.frames.push_back(std::move(pixels));
    brush.borrowed = false;
    brush.frameCount = 1;
    brush.currentFrame = 0;
    brush.width = mask.width;
    brush.height = mask.height;
    brush.handleX = mask.width / 2 + 1;
    brush.handleY = mask.height / 2 + 1;
    if (!trueColour)
        for (int i = 0; i < 256; ++i)
            brush.palette[std::size_t(i)] = target.image->GetColour(std::uint8_t(i));
    brush.rememberedBackground = target.BackgroundValue();
}

}  // namespace

ShapeChoiceResult PaintBrush::ChooseShape(int choice, const PaintTarget& target, Interaction& ui,
                                          std::uint32_t documentFrames) {
    const bool trueColour = target.TrueColour();
    switch (choice) {
        case kRestorePreviousShape:
            shapeChoice = choice;
            RestorePreviousBrush(trueColour);
            return ShapeChoiceResult::RestoredPrevious;
        case kCustomCircleShape:
            shapeChoice = choice;
            kind = BrushKind::CustomCircle;
            return ShapeChoiceResult::SizeCustomCircle;
        case kCustomSquareShape:
            shapeChoice = choice;
            kind = BrushKind::CustomSquare;
            return ShapeChoiceResult::SizeCustomSquare;
        case kSinglePixelShape:
            UseSinglePixel(target, ui);
            return ShapeChoiceResult::Built;
        default:
            break;
    }
    // Identifiers the dialog does not offer change nothing.
    if (FindBrushShape(choice) == nullptr) return ShapeChoiceResult::Built;
    // A grabbed brush took work to make; a shape chosen over it must not lose it.
    if (kind == BrushKind::Grabbed) SaveAsPrevious(trueColour, documentFrames);
    BuildShapeBrush(choice, target, ui);
    kind = BrushKind::Shape;
    shapeChoice = choice;
    return ShapeChoiceResult::Built;
}

void PaintBrush::BuildShapeBrush(int choice, const PaintTarget& target, Interaction& ui) {
    const BrushShape* shape = FindBrushShape(choice);
    if (shape == nullptr || target.image == nullptr || target.image->IsEmpty()) return;
    const bool clash = target.TrueColour() ? target.TableColour(target.foreground) ==
                                                 target.TableColour(target.background)
                                           : target.foreground == target.background;
    if (clash && !colourClashWarned) {
        colourClashWarned = true;
        ui.ShowMessage(kColourClashText, kColourClashTitle, MessageIcon::Information);
    }
    Install(Current(target.TrueColour()), ShapeMask(*shape), target);
}

void PaintBrush::BuildCustomBrush(const IntRect& rect, BrushKind sizing,
                                  const PaintTarget& target) {
    if (target.image == nullptr || target.image->IsEmpty()) return;
    const int width = std::max(rect.Width(), 1);
    const int height = std::max(rect.Height(), 1);
    Install(Current(target.TrueColour()),
            sizing == BrushKind::CustomSquare ? FilledSquareMask(width, height)
                                              : FilledEllipseMask(width, height),
            target);
    kind = BrushKind::Custom;
    customRect = rect;
    customKind =
        sizing == BrushKind::CustomSquare ? BrushKind::CustomSquare : BrushKind::CustomCircle;
}

void PaintBrush::UseSinglePixel(const PaintTarget& target, Interaction& ui) {
    shapeChoice = kSinglePixelShape;
    kind = BrushKind::SinglePixel;
    BuildShapeBrush(kSinglePixelShape, target, ui);
}

void PaintBrush::SaveAsPrevious(bool trueColour, std::uint32_t documentFrames) {
    BrushRecord& brush = Current(trueColour);
    if (brush.borrowed || !brush.Exists()) return;
    if (documentFrames != 0 && documentFrames < brush.frameCount) {
        brush.frameCount = documentFrames;
        brush.frames.resize(documentFrames);
        if (brush.currentFrame >= brush.frameCount) brush.currentFrame = 0;
    }
    CopyContent(brush, Previous(trueColour));
}

void PaintBrush::RestorePreviousBrush(bool trueColour) {
    BrushRecord& previous = Previous(trueColour);
    if (previous.borrowed) return;
    BrushRecord& brush = Current(trueColour);
    SwapContent(brush, previous);
    brush.currentFrame = 0;
}

void PaintBrush::SingleColour(const PaintTarget& target, std::uint32_t documentFrames) {
    const bool trueColour = target.TrueColour();
    BrushRecord& brush = Current(trueColour);
    if (target.image == nullptr || brush.borrowed || !brush.Exists()) return;
    SaveAsPrevious(trueColour, documentFrames);
    Recolour(brush, trueColour, ColourValueOf(target.BackgroundValue(), trueColour), false,
             ForegroundOf(target));
    singleColour = true;
}

void PaintBrush::RecolourTransparent(const PaintTarget& target) {
    const bool trueColour = target.TrueColour();
    BrushRecord& brush = Current(trueColour);
    if (target.image == nullptr || brush.borrowed || !brush.Exists()) return;
    const ColourRef background = target.BackgroundValue();
    Recolour(brush, trueColour, ColourValueOf(brush.rememberedBackground, trueColour), true,
             ColourValueOf(background, trueColour));
    brush.rememberedBackground = background;
}

void PaintBrush::Rebuild(const PaintTarget& target, Interaction& ui) {
    if (target.image == nullptr) return;
    switch (kind) {
        case BrushKind::SinglePixel:
        case BrushKind::Shape:
            // After "Restore Previous" the choice names no shape: keep the restored brush
            // and let it follow the background like a grabbed one.
            if (FindBrushShape(shapeChoice) != nullptr)
                BuildShapeBrush(shapeChoice, target, ui);
            else
                RecolourTransparent(target);
            break;
        case BrushKind::Custom:
            BuildCustomBrush(customRect, customKind, target);
            break;
        case BrushKind::Grabbed: {
            RecolourTransparent(target);
            // Only the recolouring of single colour: saving the brush as previous again
            // would replace the grab the user can still go back to.
            const bool trueColour = target.TrueColour();
            BrushRecord& brush = Current(trueColour);
            if (singleColour && !brush.borrowed && brush.Exists())
                Recolour(brush, trueColour, ColourValueOf(target.BackgroundValue(), trueColour),
                         false, ForegroundOf(target));
            break;
        }
        case BrushKind::CustomSquare:
        case BrushKind::CustomCircle:
            break;
    }
}

void PaintBrush::Advance(bool trueColour) {
    BrushRecord& brush = Current(trueColour);
    if (!brush.Exists()) return;
    brush.currentFrame = brush.currentFrame + 1 >= brush.frameCount ? 0 : brush.currentFrame + 1;
}

void PaintBrush::NextFrame(bool trueColour, int documentLastFrame) {
    BrushRecord& brush = Current(trueColour);
    if (!brush.Exists()) return;
    const std::uint32_t limit = std::uint32_t(std::max(documentLastFrame, 0));
    std::uint32_t next = brush.currentFrame + 1;
    if (next >= brush.frameCount || next > limit) next = 0;
    brush.currentFrame = next;
}

void PaintBrush::PreviousFrame(bool trueColour, int documentLastFrame) {
    BrushRecord& brush = Current(trueColour);
    if (!brush.Exists()) return;
    const std::uint32_t limit = std::uint32_t(std::max(documentLastFrame, 0));
    const std::uint32_t previous =
        brush.currentFrame == 0 ? brush.frameCount - 1 : brush.currentFrame - 1;
    brush.currentFrame = std::min(previous, limit);
}

void PaintBrush::FirstFrame(bool trueColour) {
    Current(trueColour).currentFrame = 0;
}

}  // namespace quillor
