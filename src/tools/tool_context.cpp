#include "tools/tool_context.h"

#include <algorithm>
#include <new>

#include "document/anim_doc.h"
#include "tools/paint_tool.h"
#include "tools/tool_factory.h"
#include "document/undo_store.h"

namespace quillor {

ToolContext::ToolContext() : random(&ownRandom_) { current_ = MakeTool(*this, tool_id::kPaint); }

ToolContext::~ToolContext() = default;

MagnifySettings ToolContext::Magnify() const {
    return {MagnifyType(settings.magnifyType), unsigned(settings.magnifyFixed)};
}

SymmetrySettings ToolContext::Symmetry() const {
    SymmetrySettings s;
    s.style = SymmetryStyle(settings.symmetryStyle);
    s.points = settings.symmetryPoints;
    s.width = settings.symmetryWidth;
    s.height = settings.symmetryHeight;
    s.centreX = settings.symmetryCentreX;
    s.centreY = settings.symmetryCentreY;
    return s;
}

// --- Tools ---------------------------------------------------------------------------------------

void ToolContext::SelectTool(int toolId) {
    if (auto tool = MakeTool(*this, toolId)) SetTool(std::move(tool));
}

void ToolContext::SetTool(std::unique_ptr<PaintTool> tool) {
    if (!tool) return;
    HidePreview();
    EndBand();
    strokeInProgress = false;
    if (current_ && current_->Lasting()) saved_ = std::move(current_);
    // The user's own tool stays kept while commands' temporary tools take turns.
    else if (tool->Lasting()) saved_.reset();
    current_ = std::move(tool);
    if (toolChanged) toolChanged();
}

void ToolContext::RestoreTool() {
    if (!saved_) return;
    HidePreview();
    EndBand();
    current_ = std::move(saved_);
    if (toolChanged) toolChanged();
}

int ToolContext::CurrentToolId() const { return current_ ? current_->Id() : tool_id::kPaint; }

int ToolContext::ButtonToolId() const {
    if (TemporaryToolActive()) return saved_->Id();
    return CurrentToolId();
}

bool ToolContext::TemporaryToolActive() const { return current_ && !current_->Lasting() && saved_; }

CursorShape ToolContext::Cursor() const {
    if (!current_) return CursorShape::Paint;
    if (current_->Paints() && PaintingBlocked()) return CursorShape::Blocked;
    return current_->Cursor(fxBrushOn, symmetryOn);
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
    return document && document->PaintingBlocked();
}

PaintTarget ToolContext::Target(unsigned buttons) {
    PaintTarget t;
    if (!HasPicture()) return t;
    t.image = currentImage->image.get();
    t.band = bandShown_ ? &band_ : nullptr;
    t.mode = currentImage->colourMode;
    t.table = &document->Colours();
    t.foreground = document->Foreground();
    t.background = document->Background();
    t.rightButton = (buttons & pointer_flags::kRight) != 0;
    t.guard = document->Undo().GuardFor(*currentImage);
    t.antiAlias = settings.brushAntiAlias != 0;
    // The FX effect belongs to left-button strokes; spray, brush rotation and symmetric
    // strokes paint as they always do.
    const int tool = CurrentToolId();
    if (fxStroke_ && (buttons & pointer_flags::kLeft) && tool != tool_id::kSpray &&
        tool != tool_id::kBrushRotation && !symmetryOn)
        t.fx = fxStroke_.get();
    if (stencilOn && !t.TrueColour()) {
        const ColourStencil* stencil = &document->stencil;
        t.isProtected = [stencil](std::uint8_t index) { return stencil->Protects(index); };
    }
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
    return (buttons & pointer_flags::kLeft) ? document->Foreground() : document->Background();
}

void ToolContext::RedrawView() {
    if (activeView) activeView->Redraw();
}

void ToolContext::ShowPreviewAt(IntPoint point) {
    if (!HasPicture() || !activeView || !activeView->PointerHasEntered()) return;
    previewAt_ = point;
}

void ToolContext::HidePreview() {
    if (!previewAt_) return;
    previewAt_.reset();
    RedrawView();
}

const PreviewPatch* ToolContext::Preview() {
    // Made afresh from the picture as it is now, so that an edit made without the
    // pointer moving (an undo, a clear) shows under the brush at once.
    if (!previewAt_ || !HasPicture()) return nullptr;
    PaintTarget target = Target();
    target.guard = nullptr;
    const PaintBrush& shown = CurrentToolId() == tool_id::kText ? textBrush : brush;
    return shown.MakePreview(target, *previewAt_, previewPatch_) ? &previewPatch_ : nullptr;
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
    const PaintTarget target = Target();
    brush.Rebuild(target, *ui);
    // The text keeps its colours; only its paper follows the background.
    textBrush.RecolourTransparent(target);
}

void ToolContext::Activated() {
    fxStroke_.reset();
    EndBand();
    previewAt_.reset();
    strokeInProgress = false;
    if (current_) current_->Reset();
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
    brush.UseSinglePixel(Target(), *ui);
    if (toolChanged) toolChanged();
}

StatusExtras ToolContext::Extras() const {
    StatusExtras extras;
    if (CurrentToolId() == tool_id::kBrushRotation) extras.rotationDegrees = rotationDegrees;
    if (brush.kind == BrushKind::Grabbed && currentImage && currentImage->image) {
        const BrushRecord& record = brush.Current(currentImage->image->GetBitCount() == 24);
        extras.brush = record.frameCount > 1 ? StatusExtras::BrushNote::Animated
                                             : StatusExtras::BrushNote::SingleFrame;
    }
    return extras;
}

// --- Pointer input --------------------------------------------------------------------------------

// A tool that paints is held back while painting is not allowed.
bool ToolContext::Held(const PaintTool& tool) const { return tool.Paints() && PaintingBlocked(); }

void ToolContext::Press(unsigned flags, IntPoint picture) {
    PaintTool* tool = current_.get();
    if (!tool || !HasPicture() || !activeView || Held(*tool)) return;
    if (tool->Paints()) {
        HidePreview();
        document->Undo().Push(*document);
    }
    if (tool->UsesBand()) {
        HidePreview();
        brush.For(Target()).inUseByStroke = true;
        StartBand();
        strokeInProgress = true;
    }
    fxStroke_.reset();
    if (fxBrushOn && tool->Id() != tool_id::kPick) {
        // The stroke keeps the whole picture as it began: a very large one may not fit.
        try {
            fxStroke_ = std::make_unique<FxStroke>(*currentImage->image, Fx());
        } catch (const std::bad_alloc&) {
            fxStroke_.reset();
        }
        if (fxStroke_ && !fxStroke_->Valid()) fxStroke_.reset();
        if (!fxStroke_ && ui)
            ui->ShowMessage("There is not enough memory for the FX brush on a picture this large; the stroke "
                            "paints with the brush instead.",
                            "FX Brush", MessageIcon::Exclamation);
    }
    tool->Press(flags, picture);
    if (fxStroke_) ShowPreviewAt(picture);
    ApplyPendingToolChange();
}

FxSettings ToolContext::Fx() const {
    FxSettings fx;
    fx.type = settings.fxType;
    fx.opacity = settings.fxOpacity;
    fx.allBrush = settings.fxTransparencyMode != 0;
    fx.controlled = settings.fxControlledType;
    fx.from = settings.fxFrom;
    fx.to = settings.fxTo;
    return fx;
}

void ToolContext::Move(CapturedButton button, IntPoint picture) {
    PaintTool* tool = current_.get();
    if (!tool || !HasPicture() || Held(*tool)) return;
    tool->Move(picture, button != CapturedButton::None);
    // During an FX stroke the brush shows where it works.
    if (fxStroke_ && button != CapturedButton::None) {
        ShowPreviewAt(picture);
        RedrawView();
    }
    ApplyPendingToolChange();
}

void ToolContext::Release(unsigned flags, IntPoint picture) {
    PaintTool* tool = current_.get();
    if (!tool || !HasPicture() || !activeView || Held(*tool)) return;
    activeView->SetBusy(true);
    tool->Release(flags, picture);
    activeView->SetBusy(false);
    if (fxStroke_) {
        fxStroke_.reset();
        HidePreview();
    }
    if (tool->Paints()) document->FramesChanged(document->CurrentFrame());
    if (tool->UsesBand() && !tool->KeepsBand()) {
        strokeInProgress = false;
        brush.For(Target()).inUseByStroke = false;
        EndBand();
    }
    ApplyPendingToolChange();
    RedrawView();
}

void ToolContext::TimerTick(IntPoint picture) {
    PaintTool* tool = current_.get();
    if (!tool || !HasPicture() || Held(*tool)) return;
    tool->Tick(picture);
    ApplyPendingToolChange();
}

}  // namespace quillor
