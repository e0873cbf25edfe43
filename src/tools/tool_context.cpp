#include "tools/tool_context.h"

#include <algorithm>

#include "document/anim_doc.h"
#include "tools/paint_tool.h"
#include "tools/tool_factory.h"
#include "document/undo_store.h"

namespace quillor {

ToolContext::ToolContext() : random(&ownRandom_) { current_ = MakeTool(*this, tool_id::kPaint); }

ToolContext::~ToolContext() = default;

void ToolContext::ApplyPreferences() {
    preferences.Clamp();
    const ToolPreferences& p = preferences;
    magnifyType = MagnifyType(p.magnifyType);
    magnifyFixed = unsigned(p.magnifyFixed);
    circleStyle = p.circleOnly;
    squareStyle = p.squareOnly;
    spraySize = p.spraySize;
    sprayDensity = p.sprayDensity;
    symmetry.style = SymmetryStyle(p.symmetryStyle);
    symmetry.points = p.symmetryPoints;
    symmetry.width = p.symmetryWidth;
    symmetry.height = p.symmetryHeight;
    symmetry.centreX = p.symmetryCentreX;
    symmetry.centreY = p.symmetryCentreY;
    brush.antiAlias = p.brushAntiAlias != 0;
}

void ToolContext::CollectPreferences() {
    ToolPreferences& p = preferences;
    p.magnifyType = int(magnifyType);
    p.magnifyFixed = int(magnifyFixed);
    p.circleOnly = circleStyle;
    p.squareOnly = squareStyle;
    p.spraySize = spraySize;
    p.sprayDensity = sprayDensity;
    p.symmetryStyle = int(symmetry.style);
    p.symmetryPoints = symmetry.points;
    p.symmetryWidth = symmetry.width;
    p.symmetryHeight = symmetry.height;
    p.symmetryCentreX = symmetry.centreX;
    p.symmetryCentreY = symmetry.centreY;
    p.brushAntiAlias = brush.antiAlias ? 1 : 0;
}

// --- Tools ---------------------------------------------------------------------------------------

void ToolContext::SelectTool(int toolId) {
    if (auto tool = MakeTool(*this, toolId)) SetTool(std::move(tool));
}

void ToolContext::SetTool(std::unique_ptr<PaintTool> tool) {
    if (!tool) return;
    RemovePreview();
    EndBand();
    strokeInProgress = false;
    saved_.reset();
    if (current_ && IsLastingTool(current_->Id())) saved_ = std::move(current_);
    current_ = std::move(tool);
    if (toolChanged) toolChanged();
}

void ToolContext::RestoreTool() {
    if (!saved_) return;
    RemovePreview();
    EndBand();
    current_ = std::move(saved_);
    if (toolChanged) toolChanged();
}

int ToolContext::CurrentToolId() const { return current_ ? current_->Id() : tool_id::kPaint; }

int ToolContext::ButtonToolId() const {
    const int id = CurrentToolId();
    if (!IsLastingTool(id) && saved_) return saved_->Id();
    return id;
}

void ToolContext::ApplyPendingToolChange() {
    if (pendingTool_ != 0) {
        const int id = pendingTool_;
        pendingTool_ = 0;
        pendingRestore_ = false;
        SelectTool(id);
    } else if (pendingRestore_) {
        pendingRestore_ = false;
        RestoreTool();
    }
}

// --- What the tools use --------------------------------------------------------------------------

bool ToolContext::HasPicture() const {
    return currentImage && currentImage->image && !currentImage->image->IsEmpty() && document;
}

bool ToolContext::PaintingBlocked() const {
    return document && IsPaintingBlocked(document->playing, document->isLayered, document->currentFrame);
}

PaintTarget ToolContext::Target(unsigned buttons) {
    PaintTarget t;
    if (!HasPicture()) return t;
    t.image = currentImage->image.get();
    t.band = bandShown_ ? &band_ : nullptr;
    t.mode = currentImage->colourMode;
    t.table = &document->colourTable;
    t.foreground = document->foregroundIndex;
    t.background = document->backgroundIndex;
    t.rightButton = (buttons & pointer_flags::kRight) != 0;
    if (!t.TrueColour()) {
        // The band colours: the palette's darkest and lightest entries, first of each.
        unsigned darkest = 0, lightest = 0, low = ~0u, high = 0;
        for (unsigned i = 0; i < t.image->GetColourCount(); ++i) {
            const TableWord w = t.image->GetTableWord(std::uint8_t(i));
            const unsigned mean = ((w >> 16 & 255) + (w >> 8 & 255) + (w & 255)) / 3;
            if (mean < low) low = mean, darkest = i;
            if (mean > high) high = mean, lightest = i;
        }
        t.bandDarkest = std::uint8_t(darkest);
        t.bandLightest = std::uint8_t(lightest);
    }
    return t;
}

int ToolContext::StrokeColour(unsigned buttons) const {
    if (!document) return 0;
    return (buttons & pointer_flags::kLeft) ? document->foregroundIndex : document->backgroundIndex;
}

void ToolContext::RedrawView() {
    if (activeView) activeView->Redraw();
}

void ToolContext::ShowPreviewAt(IntPoint point) {
    if (!HasPicture() || !activeView || !activeView->PointerHasEntered()) return;
    RemovePreview();
    PaintTarget target = Target();
    BrushRecord& record = brush.For(target);
    if (!record.Exists()) return;
    brush.SaveUnder(*target.image, point.x, point.y);
    brush.PasteAt(target, point.x, point.y);
    previewShown_ = true;
}

void ToolContext::RemovePreview() {
    if (!previewShown_) return;
    previewShown_ = false;
    if (!HasPicture()) return;
    COXDIB& image = *currentImage->image;
    BrushRecord& record = brush.Current(image.GetBitCount() == 24);
    brush.RestoreUnder(image);
    // Put back once: the pixels kept belong to this one preview.
    record.saveUnder.invalid = true;
    RedrawView();
}

void ToolContext::StartBand() {
    band_.Clear();
    bandShown_ = HasPicture();
}

void ToolContext::EndBand() {
    if (!bandShown_) return;
    bandShown_ = false;
    band_.Clear();
    RedrawView();
}

void ToolContext::RebuildBrush() {
    if (!HasPicture() || !ui) return;
    RemovePreview();
    brush.Rebuild(Target(), *ui);
}

void ToolContext::Activated() {
    EndBand();
    previewShown_ = false;
    strokeInProgress = false;
    if (current_) current_->curveStage = 0;
    if (HasPicture()) {
        const bool trueColour = Target().TrueColour();
        if (activeTrueColour_ && *activeTrueColour_ != trueColour) {
            std::swap(brush.shapeChoice, otherDepthShape_);
            if (brush.kind == BrushKind::SinglePixel || brush.kind == BrushKind::Shape)
                brush.kind = brush.shapeChoice == kSinglePixelShape ? BrushKind::SinglePixel
                                                                    : BrushKind::Shape;
        }
        activeTrueColour_ = trueColour;
    }
    RebuildBrush();
}

void ToolContext::FirstTick() {
    // A new window starts painting with a single pixel, unless the user grabbed a brush
    // to paint with.
    if (brush.kind == BrushKind::Grabbed || !HasPicture() || !ui) return;
    RemovePreview();
    brush.UseSinglePixel(Target(), *ui);
    if (toolChanged) toolChanged();
}

PointerColour ToolContext::FrameColourAt(const COXDIB& image, IntPoint at) const {
    const std::uint8_t* saved = previewShown_ ? brush.SavedPixel(image, at) : nullptr;
    if (!saved) return ColourAt(image, at);
    if (image.GetBitCount() == 24) return {false, 0, MakeColour(saved[2], saved[1], saved[0])};
    return {true, saved[0], TableWordToColour(image.GetTableWord(saved[0]))};
}

StatusExtras ToolContext::Extras() const {
    StatusExtras extras;
    if (brush.kind == BrushKind::Grabbed && currentImage && currentImage->image) {
        const BrushRecord& record = brush.Current(currentImage->image->GetBitCount() == 24);
        extras.brush = record.frameCount > 1 ? StatusExtras::BrushNote::Animated
                                             : StatusExtras::BrushNote::SingleFrame;
    }
    return extras;
}

// --- Pointer input --------------------------------------------------------------------------------

void ToolContext::Press(unsigned flags, IntPoint picture) {
    PaintTool* tool = current_.get();
    if (!tool || !HasPicture() || !activeView) return;
    const int id = tool->Id();
    if (IsPaintingTool(id) && PaintingBlocked()) return;
    if (IsPaintingTool(id) && id != tool_id::kCrop) {
        RemovePreview();
        activeView->Undo().Push(*document);
    }
    if (UsesBand(id)) {
        RemovePreview();
        brush.For(Target()).inUseByStroke = true;
        StartBand();
        strokeInProgress = true;
    }
    tool->last = tool->press = picture;
    tool->buttons = flags;
    tool->Begin(picture);
    ApplyPendingToolChange();
}

void ToolContext::Move(CapturedButton button, IntPoint picture) {
    PaintTool* tool = current_.get();
    if (!tool || !HasPicture()) return;
    const int id = tool->Id();
    if (IsPaintingTool(id) && PaintingBlocked()) return;
    if (button == CapturedButton::None) {
        tool->Hover(picture);
    } else if (symmetryOn && IsSymmetricTool(id)) {
        tool->Symmetric(picture, PaintTool::Action::Drag);
    } else {
        tool->Drag(picture);
    }
    ApplyPendingToolChange();
}

void ToolContext::Release(unsigned flags, IntPoint picture) {
    PaintTool* tool = current_.get();
    if (!tool || !HasPicture() || !activeView) return;
    const int id = tool->Id();
    if (IsPaintingTool(id) && PaintingBlocked()) return;
    activeView->SetBusy(true);
    if (symmetryOn && IsSymmetricTool(id)) tool->Symmetric(picture, PaintTool::Action::End);
    else tool->End(picture);
    activeView->SetBusy(false);
    if (IsPaintingTool(id)) document->FramesChanged(document->currentFrame);
    const bool bendPending = id == tool_id::kCurve && tool->curveStage > 0;
    if (UsesBand(id) && !bendPending) {
        strokeInProgress = false;
        brush.For(Target()).inUseByStroke = false;
        EndBand();
    }
    tool->buttons = flags;
    if (id == tool_id::kBrushStretch || id == tool_id::kBrushRotation) RequestRestoreTool();
    ApplyPendingToolChange();
    RedrawView();
}

void ToolContext::TimerTick(IntPoint picture) {
    PaintTool* tool = current_.get();
    if (!tool || !HasPicture()) return;
    if (IsPaintingTool(tool->Id()) && PaintingBlocked()) return;
    if (picture == tool->hover) tool->HoldStill(picture);
    tool->hover = picture;
    ApplyPendingToolChange();
}

}  // namespace quillor
