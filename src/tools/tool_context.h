#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "core/coxdib.h"
#include "platform/random_source.h"
#include "tools/edit_view_port.h"
#include "tools/magnify.h"
#include "brush/fx_stroke.h"
#include "brush/paint_brush.h"
#include "paint/paint_target.h"
#include "paint/symmetry.h"
#include "tools/tool_dispatch.h"
#include "tools/tool_preferences.h"

namespace quillor {

class CAnimDoc;
class FxStroke;
class Interaction;
class TextRasteriser;
class PaintTool;
struct AnimFrame;

// The painting state shared by every view: which view is active and what it shows, the
// brush, the current tool and the tool settings. One for the whole program. Views hand
// it their pointer input (as a ToolDispatch); it checks that painting is allowed and
// passes the events on to the current tool.
struct ToolContext final : ToolDispatch {
    ToolContext();
    ~ToolContext() override;
    ToolContext(const ToolContext&) = delete;
    ToolContext& operator=(const ToolContext&) = delete;

    // --- The active view and what it shows (null when no view is active) --------------
    EditViewPort* activeView = nullptr;
    CAnimDoc* document = nullptr;
    AnimFrame* currentImage = nullptr;

    // The active view's placement. Window pixels are device pixels: at zoom 1 one picture
    // pixel covers one pixel of the screen, whatever the screen's scale.
    double zoom = 1.0;
    int originX = 0;
    int originY = 0;
    // Device pixels per logical pixel on the active view's screen.
    double devicePixelRatio = 1.0;

    // --- Settings -----------------------------------------------------------------------
    // The one copy of the tool settings: read from "Preferences" at start, edited by the
    // settings dialogs, written back at exit.
    ToolPreferences settings;
    MagnifySettings Magnify() const;
    SymmetrySettings Symmetry() const;
    // The toggles of the "Tools" bar, for this run only.
    bool scrollPushOn = false;
    bool symmetryOn = false;
    bool fxBrushOn = false;
    bool stencilOn = false;

    PaintBrush brush;
    // The text tool's brush, made from the text dialog's text, and what draws the text.
    PaintBrush textBrush;
    const TextRasteriser* textRasteriser = nullptr;
    // "Anim Brush" / "Requested Size": the frames an animated grab takes (0: all).
    int requestedBrushFrames = 0;
    // The angle of a brush rotation being dragged, in degrees, for the status text.
    std::optional<int> rotationDegrees;
    // Where messages go (the colour clash warning); set by the program.
    Interaction* ui = nullptr;
    RandomSource* random = nullptr;

    // --- Tools ------------------------------------------------------------------------------
    // Selects a tool by its identifier, as its toolbar button does.
    void SelectTool(int toolId);
    // Installs a tool; the tool it replaces is kept to come back to when it is one of the
    // lasting tools, and stays kept while one temporary tool replaces another.
    void SetTool(std::unique_ptr<PaintTool> tool);
    // Back to the kept tool, if there is one.
    void RestoreTool();
    // A command's temporary tool is current (the user's own tool is kept aside).
    bool TemporaryToolActive() const;
    PaintTool* Tool() const { return current_.get(); }
    // The tool the "Tools" bar shows pressed: the current tool, or while a command's
    // temporary tool runs, the user's tool it hands back to.
    int ButtonToolId() const;
    // Told after every change of the current tool, whoever made it (a button, a command,
    // or a tool handing over at the end of its click), and of the brush settings the
    // menus show.
    std::function<void()> toolChanged;
    // A tool asking, from inside its own event, to be replaced: done once the event ends.
    void RequestTool(int toolId) { pendingTool_ = toolId; }
    void RequestRestoreTool() { pendingRestore_ = true; }

    // --- ToolDispatch ---------------------------------------------------------------------
    void Press(unsigned flags, IntPoint picture) override;
    void Release(unsigned flags, IntPoint picture) override;
    void Move(CapturedButton button, IntPoint picture) override;
    void TimerTick(IntPoint picture) override;
    void HidePreview() override;
    const PreviewPatch* Preview() override;
    int CurrentToolId() const;
    CursorShape Cursor() const override;
    StatusExtras Extras() const override;
    const BandOverlay* Band() const override { return bandShown_ ? &band_ : nullptr; }
    void Activated() override;
    // The brush is made again in the active document's new colours.
    void ColoursChanged() override { RebuildBrush(); }
    void FirstTick() override;

    // --- What the tools use -------------------------------------------------------------------
    // The picture being painted, its colours and the stroke's buttons.
    PaintTarget Target(unsigned buttons = 0);
    bool HasPicture() const;
    bool PaintingBlocked() const;
    // The colour a stroke paints: the foreground for the left button, else the background.
    int StrokeColour(unsigned buttons) const;
    // Shows the brush preview at a new point (laid over the picture by the view, never
    // painted into it).
    void ShowPreviewAt(IntPoint point);
    // The rubber band drawn over the frame, from a tool's press until its band ends.
    void StartBand();
    void EndBand();
    bool HasBand() const { return bandShown_; }
    // Redraws the active view now.
    void RedrawView();
    // The brush after a colour change.
    void RebuildBrush();
    bool strokeInProgress = false;
    // The FX brush's settings as the tools' settings hold them.
    FxSettings Fx() const;

private:
    void ApplyPendingToolChange();
    bool Held(const PaintTool& tool) const;

    std::unique_ptr<PaintTool> current_;
    // The FX brush's stroke, from a press to its release while the FX brush is on.
    std::unique_ptr<FxStroke> fxStroke_;
    std::unique_ptr<PaintTool> saved_;
    int pendingTool_ = 0;
    bool pendingRestore_ = false;
    BandOverlay band_;
    bool bandShown_ = false;
    // Where the brush preview stands, while it is shown, and the patch last made for it.
    std::optional<IntPoint> previewAt_;
    PreviewPatch previewPatch_;
    StandardRandomSource ownRandom_;
    // The brush-shape choice of the depth not in use: palette pictures and true-colour
    // pictures each keep their own, swapped when the active picture changes depth.
    int otherDepthShape_ = kSinglePixelShape;
    std::optional<bool> activeTrueColour_;
};

}  // namespace quillor
