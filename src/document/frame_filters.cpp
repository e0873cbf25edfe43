#include "document/frame_filters.h"

#include <optional>

#include "document/anim_doc.h"
#include "document/colour_balance_model.h"
#include "document/filter_amount_model.h"
#include "document/layer_commands.h"
#include "document/live_preview.h"
#include "document/tone_adjust_model.h"
#include "filters/auto_brightness.h"
#include "filters/blur.h"
#include "filters/colour_adjust.h"
#include "filters/despeckle.h"
#include "filters/median.h"
#include "filters/sharpen.h"
#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

namespace {

bool Previewed(PixelOperation operation) {
    return operation == PixelOperation::ColourBalance || operation == PixelOperation::Contrast ||
           operation == PixelOperation::Gamma;
}

std::optional<FilterAmountModel::Kind> AmountOf(PixelOperation operation) {
    switch (operation) {
        case PixelOperation::Sharpen: return FilterAmountModel::Kind::Sharpen;
        case PixelOperation::Blur: return FilterAmountModel::Kind::Blur;
        case PixelOperation::Simplify: return FilterAmountModel::Kind::Simplify;
        default: return std::nullopt;
    }
}

// The progress bar's title: the command's own name.
const char* ProgressTitle(PixelOperation operation) {
    switch (operation) {
        case PixelOperation::Sharpen: return "Sharpen Image";
        case PixelOperation::Despeckle: return "De-speckle Image";
        case PixelOperation::Blur: return "Blur Image";
        case PixelOperation::Simplify: return "Simplify Image";
        case PixelOperation::AutoBrightness: return "Auto Correct Brightness";
        case PixelOperation::BlackAndWhite: return "Black And White";
        case PixelOperation::Negative: return "Negative";
        case PixelOperation::ColourBalance: return "Colour Balance/Brightness";
        case PixelOperation::Contrast: return "Contrast";
        case PixelOperation::Gamma: return "Gamma Correction";
    }
    return "Quillor";
}

bool Run(COXDIB& image, ColourMode mode, PixelOperation operation, int amount) {
    switch (operation) {
        case PixelOperation::Sharpen: return SharpenImage(image, amount);
        case PixelOperation::Despeckle: return DespeckleImage(image);
        case PixelOperation::Blur: return BlurImage(image, amount);
        case PixelOperation::Simplify: return SimplifyImage(image, amount);
        case PixelOperation::AutoBrightness: return AutoBrightnessImage(image);
        case PixelOperation::BlackAndWhite: return BlackAndWhite(image, mode);
        case PixelOperation::Negative: return Negative(image, mode);
        default: return false;
    }
}

// Runs the slider dialog of a previewed adjustment; the frame follows every move.
bool RunPreviewDialog(CAnimDoc& document, Interaction& ui, PixelOperation operation, ColourMode mode) {
    LivePreview preview(document);
    if (!preview.Ready()) return false;
    bool ok = false;
    if (operation == PixelOperation::ColourBalance) {
        ColourBalanceModel* values = nullptr;
        ColourBalanceModel model([&] {
            const ColourBalanceValues v{values->Value(0), values->Value(1), values->Value(2)};
            preview.Show([&](COXDIB& frame, const COXDIB& original) { ColourBalance(original, frame, mode, v); });
        });
        values = &model;
        ok = ui.RunDialog(model);
    } else {
        const bool contrast = operation == PixelOperation::Contrast;
        ToneAdjustModel model(contrast ? ToneAdjustModel::Kind::Contrast : ToneAdjustModel::Kind::Gamma, [&](int v) {
            preview.Show([&](COXDIB& frame, const COXDIB& original) {
                if (contrast) Contrast(original, frame, mode, v);
                else Gamma(original, frame, v);
            });
        });
        ok = ui.RunDialog(model);
    }
    if (ok) preview.Keep();
    else preview.Revert();
    return ok;
}

}  // namespace

bool ApplyPixelOperation(CAnimDoc& document, Interaction& ui, SettingsStore& settings, PixelOperation operation) {
    AnimFrame* frame = document.FindFrame(document.CurrentFrame());
    if (frame == nullptr || !frame->image || frame->image->IsEmpty()) return false;
    // The live adjustments draw into the frame; a running playback would show them on
    // whichever frame it reached.
    if (Previewed(operation) && document.playing) return false;
    if (!OperationApplies(operation, frame->colourMode)) {
        ui.ShowMessage(NotTrueColourMessage(operation), kNotTrueColourTitle, MessageIcon::Information);
        return false;
    }
    NoteTemporaryResult(document, ui, false);
    if (Previewed(operation)) return RunPreviewDialog(document, ui, operation, frame->colourMode);

    int amount = 0;
    if (const std::optional<FilterAmountModel::Kind> kind = AmountOf(operation)) {
        FilterAmountModel model(*kind);
        model.Load(settings);
        if (!ui.RunDialog(model)) return false;
        model.Store(settings);
        amount = model.Value();
    }
    document.Undo().PushWholeFrame(document);
    bool changed = false;
    {
        WaitCursor wait(ui, ProgressTitle(operation));
        changed = Run(*frame->image, frame->colourMode, operation, amount);
    }
    if (!changed) {
        ui.ShowMessage("The picture could not be changed: there is not enough memory.", "Quillor",
                       MessageIcon::Exclamation);
        return false;
    }
    document.FrameRemade(frame->index);
    return true;
}

}  // namespace quillor
