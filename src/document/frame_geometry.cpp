#include "document/frame_geometry.h"

#include <vector>

#include "core/background_colour.h"
#include "core/colour_depth.h"
#include "core/dib_flip.h"
#include "core/resize_frames.h"
#include "document/anim_doc.h"
#include "document/colour_depth_model.h"
#include "document/layer_commands.h"
#include "document/resize_model.h"
#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

namespace {

AnimFrame* EditableFrame(CAnimDoc& document) {
    AnimFrame* frame = document.FindFrame(document.CurrentFrame());
    if (frame == nullptr || !frame->image || frame->image->IsEmpty()) return nullptr;
    return frame;
}

}  // namespace

bool ChangeColourDepth(CAnimDoc& document, Interaction& ui, SettingsStore& settings) {
    AnimFrame* frame = EditableFrame(document);
    if (frame == nullptr || document.playing) return false;
    ColourDepthModel model(frame->colourMode);
    model.Load(settings);
    if (!ui.RunDialog(model)) return false;
    model.Store(settings);

    document.Undo().PushWholeFrame(document);
    bool converted = false;
    {
        WaitCursor wait(ui, ColourDepthModel::kTitle);
        converted = ConvertColourDepth(*frame->image, frame->colourMode, model.Target(),
                                       ConversionMethod(model.Method()));
    }
    if (!converted) {
        ui.ShowMessage("The picture could not be converted: there is not enough memory.", ColourDepthModel::kTitle,
                       MessageIcon::Exclamation);
        return false;
    }
    frame->colourMode = model.Target();
    frame->TakeSizeFromImage();
    document.FrameRemade(frame->index);
    return true;
}

bool FlipCurrentFrame(CAnimDoc& document, Interaction& ui, bool vertical) {
    AnimFrame* frame = EditableFrame(document);
    if (frame == nullptr) return false;
    NoteTemporaryResult(document, ui, vertical);
    document.Undo().PushWholeFrame(document);
    const bool flipped = vertical ? FlipVertical(*frame->image) : FlipHorizontal(*frame->image);
    if (flipped) document.FramesChanged(frame->index);
    return flipped;
}

bool ResizeDocument(CAnimDoc& document, Interaction& ui, SettingsStore& settings) {
    AnimFrame* current = EditableFrame(document);
    if (current == nullptr || document.playing) return false;
    const bool everyFrame = document.HeldFrames() > 1;
    if (everyFrame && ui.Ask(kResizeAllQuestion, kResizeAllTitle, QuestionButtons::YesNo, MessageIcon::Question) !=
                          Answer::Yes)
        return false;
    ResizeModel model(current->image->GetSize().width, current->image->GetSize().height);
    model.Load(settings);
    const bool ok = RunCheckedDialog(ui, model);
    model.Store(settings);
    if (!ok) return false;

    std::vector<COXDIB*> images;
    std::vector<ColourMode> modes;
    for (int i = 0; i < document.HeldFrames(); ++i) {
        AnimFrame* frame = document.FindFrame(i);
        if (frame == nullptr || !frame->image || frame->image->IsEmpty()) continue;
        images.push_back(frame->image.get());
        modes.push_back(frame->colourMode);
    }
    const ResizeSettings resize{model.Width(), model.Height(), model.OffsetX(), model.OffsetY(), model.Rescale(),
                                model.Bilinear()};
    const ColourRef back = document.TableColour(document.Background());
    const BackgroundColour background{document.Background(), back};
    if (!everyFrame) document.Undo().PushWholeFrame(document);
    bool resized = false;
    {
        WaitCursor wait(ui, ResizeModel::kTitle);
        resized = ResizeFrames(images, modes, resize, background);
    }
    if (!resized) {
        ui.ShowMessage(kResizeFailed, ResizeModel::kTitle, MessageIcon::Exclamation);
        return false;
    }
    // Steps kept before the resize hold pictures of the old size; put back into the new
    // frames they would patch the wrong places.
    if (everyFrame) document.Undo().Reset();
    for (int i = 0; i < document.HeldFrames(); ++i)
        if (AnimFrame* frame = document.FindFrame(i)) frame->TakeSizeFromImage();
    document.FrameRemade(-1);
    return true;
}

}  // namespace quillor
