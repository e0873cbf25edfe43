#include "document/clear_frames_model.h"

#include <algorithm>
#include <cstring>

#include "document/anim_doc.h"
#include "document/frame_clear.h"

namespace quillor {

namespace {

constexpr char kSection[] = "Preferences";
constexpr char kClearType[] = "Clear Type";
constexpr char kClearStart[] = "Clear Start";
constexpr char kClearFinish[] = "Clear Finish";

// Fills picture lines 0 to height - 1, pixels 0 to width - 1 (clipped to the frame) with
// the background: its index on palette frames, its table colour on true-colour ones.
void FillFromTopLeft(CAnimDoc& document, AnimFrame& frame, int width, int height) {
    COXDIB& image = *frame.image;
    if (image.IsEmpty()) return;
    const DibSize size = image.GetSize();
    width = std::min(width, size.width);
    height = std::min(height, size.height);
    if (width <= 0 || height <= 0) return;
    if (image.GetBitCount() == 24) {
        const ColourRef c = document.TableColour(document.Background());
        const std::uint8_t bgr[3] = {BlueOf(c), GreenOf(c), RedOf(c)};
        for (int y = 0; y < height; ++y) {
            std::uint8_t* line = image.Line(y);
            for (int x = 0; x < width; ++x) std::memcpy(line + 3 * x, bgr, 3);
        }
    } else {
        for (int y = 0; y < height; ++y) std::memset(image.Line(y), document.Background(), std::size_t(width));
    }
}

}  // namespace

ClearFramesModel::ClearFramesModel(int frameCount) : frameCount_(std::max(frameCount, 1)) {}

void ClearFramesModel::Load(const SettingsStore& settings) {
    SetChoice(settings.GetInt(kSection, kClearType, kCurrent));
    SetStart(settings.GetInt(kSection, kClearStart, 1));
    SetFinish(settings.GetInt(kSection, kClearFinish, 1));
}

void ClearFramesModel::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetInt(kSection, kClearType, choice_);
    settings.SetInt(kSection, kClearStart, start_);
    settings.SetInt(kSection, kClearFinish, finish_);
}

void ClearFramesModel::SetChoice(int choice) { choice_ = choice == kRange || choice == kAll ? choice : kCurrent; }

void ClearFramesModel::SetStart(int frame) { start_ = std::clamp(frame, 1, frameCount_); }

void ClearFramesModel::SetFinish(int frame) { finish_ = std::clamp(frame, 1, frameCount_); }

int ClearFramesModel::FirstFrame(int current) const {
    if (choice_ == kAll) return 1;
    if (choice_ == kRange) return std::min(start_, finish_);
    return current;
}

int ClearFramesModel::LastFrame(int current) const {
    if (choice_ == kAll) return frameCount_;
    if (choice_ == kRange) return std::max(start_, finish_);
    return current;
}

void ClearCanvas(CAnimDoc& document, Interaction& ui, SettingsStore& settings) {
    if (document.PaintingBlocked()) return;
    if (document.HeldFrames() <= 1) {
        ClearCurrentFrame(document);
        return;
    }
    ClearFramesModel model(document.HeldFrames());
    model.Load(settings);
    if (!ui.RunDialog(model)) return;
    model.Store(settings);
    if (model.ChoiceMade() == ClearFramesModel::kCurrent) {
        ClearCurrentFrame(document);
        return;
    }
    const AnimFrame* current = document.FindFrame(document.CurrentFrame());
    if (current == nullptr) return;
    if (ui.Ask(kClearManyQuestion, kClearManyTitle, QuestionButtons::YesNo, MessageIcon::Question) != Answer::Yes)
        return;
    const int width = current->width, height = current->height;
    const int current1 = document.CurrentFrame() + 1;
    for (int number = model.FirstFrame(current1); number <= model.LastFrame(current1); ++number) {
        AnimFrame* frame = document.FindFrame(number - 1);
        if (frame == nullptr) continue;
        FillFromTopLeft(document, *frame, width, height);
        document.Undo().ForgetFrame(frame->index);
    }
    document.FramesChanged(-1);
}

}  // namespace quillor
