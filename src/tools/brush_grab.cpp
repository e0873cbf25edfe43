#include "tools/brush_grab.h"

#include <algorithm>
#include <new>

#include "document/anim_doc.h"
#include "paint/segment_stepping.h"

namespace quillor {

namespace {

constexpr const char* kMixedTitle = "Mixed Animation";
constexpr const char* kPaletteGrabMixed =
    "There are True Colour images in this animation, the 256 Colour brush grab will ignore these.";
constexpr const char* kTrueColourGrabMixed =
    "There are 256 Colour images in this animation, the True Colour brush grab will ignore these.";

bool HoldsTrueColour(const AnimFrame& frame) { return frame.image && frame.image->GetBitCount() > 8; }

// The frames a grab takes: the requested number while animated brushes are on, never
// more than the document has, one for a single image.
std::uint32_t RequestedFrames(const CAnimDoc& document, const GrabSettings& settings, bool trueColour,
                              bool rectangleGrab) {
    const std::uint32_t n = document.frameCount;
    std::int64_t r = settings.requestedFrames > 0 ? settings.requestedFrames : std::int64_t(n);
    if (settings.animated && n > 0 && std::int64_t(n) < r) r = n;
    if (n == 0 || !settings.animated) r = 1;
    if (trueColour && rectangleGrab && document.isLayered) r = 1;
    return std::uint32_t(std::clamp<std::int64_t>(r, 1, kMaxBrushFrames));
}

void CopyArea(const COXDIB& image, const IntRect& area, const GrabMask* mask, bool trueColour,
              const std::uint8_t* background, const std::function<bool(std::uint8_t)>& isProtected,
              std::vector<std::uint8_t>& pixels) {
    const int bytes = trueColour ? 3 : 1;
    const DibSize size = image.GetSize();
    pixels.assign(std::size_t(area.Width()) * std::size_t(area.Height()) * std::size_t(bytes), 0);
    std::uint8_t* out = pixels.data();
    for (int v = 0; v < area.Height(); ++v) {
        const int y = area.top + v;
        for (int u = 0; u < area.Width(); ++u, out += bytes) {
            const int x = area.left + u;
            const bool off = x < 0 || y < 0 || x >= size.width || y >= size.height || (mask && mask->Outside(x, y));
            if (off) {
                std::copy_n(background, bytes, out);
            } else if (trueColour) {
                const std::uint8_t* p = image.Line(y) + std::size_t(x) * 3;
                out[0] = p[2];
                out[1] = p[1];
                out[2] = p[0];
            } else {
                // A colour the stencil protects is not taken: the brush is transparent there.
                const std::uint8_t index = image.Line(y)[x];
                out[0] = isProtected && isProtected(index) ? background[0] : index;
            }
        }
    }
}

}  // namespace

bool GrabMask::Outside(int x, int y) const {
    const int column = x + 1, row = y + 1;
    if (column < 0 || row < 0 || column >= stride || row >= rows) return true;
    return cells[std::size_t(row) * std::size_t(stride) + std::size_t(column)] == kOutside;
}

FreehandOutline::FreehandOutline(int imageWidth, int imageHeight, IntPoint start)
    : start_(start), last_(start), minX_(start.x), maxX_(start.x), minY_(start.y), maxY_(start.y) {
    // A palette row's length (the width rounded up to four) plus a cell each side.
    mask_.stride = ((std::max(imageWidth, 0) + 3) & ~3) + 2;
    mask_.rows = std::max(imageHeight, 0) + 2;
    mask_.cells.assign(std::size_t(mask_.stride) * std::size_t(mask_.rows), GrabMask::kUnknown);
}

void FreehandOutline::Mark(IntPoint point) {
    const int column = point.x + 1, row = point.y + 1;
    if (column < 0 || row < 0 || column >= mask_.stride || row >= mask_.rows) return;
    mask_.cells[std::size_t(row) * std::size_t(mask_.stride) + std::size_t(column)] = GrabMask::kOutline;
}

void FreehandOutline::LineTo(IntPoint point) {
    StepSegment(last_, point, [this](IntPoint p) { Mark(p); });
    Mark(point);
    last_ = point;
    if (point.x >= maxX_) maxX_ = point.x + 1;
    if (point.y >= maxY_) maxY_ = point.y + 1;
    if (point.x <= minX_) minX_ = point.x - 1;
    if (point.y <= minY_) minY_ = point.y - 1;
}

void FreehandOutline::FillOutside() {
    // Only cells of the mask can be marked; the box may reach beyond it.
    const int left = std::max(minX_, -1), right = std::min(maxX_, mask_.stride - 2);
    const int top = std::max(minY_, -1), bottom = std::min(maxY_, mask_.rows - 2);
    auto cell = [this](int x, int y) -> std::uint8_t& {
        return mask_.cells[std::size_t(y + 1) * std::size_t(mask_.stride) + std::size_t(x + 1)];
    };
    if (left > right || top > bottom || cell(left, top) != GrabMask::kUnknown) return;
    std::vector<IntPoint> stack{{left, top}};
    cell(left, top) = GrabMask::kOutside;
    while (!stack.empty()) {
        const IntPoint p = stack.back();
        stack.pop_back();
        const IntPoint next[4] = {{p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y - 1}, {p.x, p.y + 1}};
        for (const IntPoint q : next) {
            if (q.x < left || q.x > right || q.y < top || q.y > bottom) continue;
            std::uint8_t& c = cell(q.x, q.y);
            if (c != GrabMask::kUnknown) continue;
            c = GrabMask::kOutside;
            stack.push_back(q);
        }
    }
}

IntRect FreehandOutline::Close() {
    LineTo(start_);
    FillOutside();
    return IntRect{minX_ + 1, minY_ + 1, maxX_, maxY_};
}

IntRect GrabRectangle(IntPoint press, IntPoint release, int imageWidth, int imageHeight) {
    IntRect r{std::min(press.x, release.x), std::min(press.y, release.y), std::max(press.x, release.x) + 1,
              std::max(press.y, release.y) + 1};
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, imageWidth);
    r.bottom = std::min(r.bottom, imageHeight);
    return r;
}

bool GrabBrush(PaintBrush& brush, CAnimDoc& document, const IntRect& area, const GrabMask* mask,
               const GrabSettings& settings, bool rectangleGrab, Interaction& ui) {
    const AnimFrame* current = document.FindFrame(document.CurrentFrame());
    if (area.Empty() || current == nullptr || !current->image || current->image->IsEmpty()) return false;
    const bool trueColour = HoldsTrueColour(*current);
    const std::uint32_t n = document.frameCount;

    BrushRecord& record = brush.Current(trueColour);
    if (n > 0 && record.frameCount > n) {
        record.frameCount = n;
        record.currentFrame = std::min(record.currentFrame, n - 1);
    }
    if (brush.kind == BrushKind::Grabbed) brush.SaveAsPrevious(trueColour, n);

    BrushRecord grabbed;
    grabbed.borrowed = false;
    grabbed.currentFrame = 0;
    grabbed.width = area.Width();
    grabbed.height = area.Height();
    grabbed.handleX = grabbed.width / 2 + 1;
    grabbed.handleY = grabbed.height / 2 + 1;
    std::uint8_t background[3] = {document.Background(), 0, 0};
    if (trueColour) {
        const ColourRef colour = document.TableColour(document.Background());
        background[0] = RedOf(colour);
        background[1] = GreenOf(colour);
        background[2] = BlueOf(colour);
        grabbed.rememberedBackground = colour;
    } else {
        grabbed.rememberedBackground = document.Background();
        for (int i = 0; i < 256; ++i)
            grabbed.palette[std::size_t(i)] = current->image->GetColour(std::uint8_t(i));
    }

    const std::uint32_t wanted = RequestedFrames(document, settings, trueColour, rectangleGrab);
    const int first = document.CurrentFrame();
    for (std::uint32_t i = 0; i < wanted && (n == 0 || i < n); ++i) {
        int index = first + int(i);
        if (n > 0 && index > int(n) - 1) index -= int(n);
        const AnimFrame* source = document.FindFrame(index);
        if (source == nullptr || !source->image || source->image->IsEmpty()) break;
        if (HoldsTrueColour(*source) != trueColour) {
            ui.ShowMessage(trueColour ? kTrueColourGrabMixed : kPaletteGrabMixed, kMixedTitle,
                           MessageIcon::Information);
            break;
        }
        try {
            grabbed.frames.emplace_back();
            CopyArea(*source->image, area, mask, trueColour, background, settings.isProtected, grabbed.frames.back());
        } catch (const std::bad_alloc&) {
            // Many large frames may not fit: the brush stays as it was, and the user hears why.
            ui.ShowMessage("There is not enough memory for a brush of this size and this many frames.",
                           "Quillor", MessageIcon::Exclamation);
            return false;
        }
    }
    grabbed.frameCount = std::uint32_t(grabbed.frames.size());
    if (grabbed.frameCount == 0) return false;
    record = std::move(grabbed);
    brush.kind = BrushKind::Grabbed;
    return true;
}

}  // namespace quillor
