// Saving an animation as an AVI movie: a range of its frames, forwards or backwards, at
// a chosen rate, through a compressor the user picks.

#include <array>

#include "document/anim_doc.h"
#include "document/avi_compressor_model.h"
#include "document/avi_rules.h"
#include "document/avi_save_settings_model.h"
#include "formats/image_file_dialogs.h"
#include "formats/image_file_type.h"
#include "platform/video_writer.h"

namespace quillor {

namespace {

constexpr std::string_view kFilter = "AVI Files (*.avi)|*.avi|All Files (*.*)|*.*|";
constexpr std::string_view kErrorTitle = "Error";

}  // namespace

bool CAnimDoc::SaveAvi() {
    Interaction& ui = environment_.Ui();
    const AnimFrame* first = FindFrame(0);
    if (!isAnimation || first == nullptr || first->image->IsEmpty()) return false;
    if (const std::optional<std::string> refusal = AviFramesRefusal(*this)) {
        ui.ShowMessage(*refusal, kAviRefusalTitle, MessageIcon::Information);
        return false;
    }
    SettingsStore& settings = environment_.Settings();
    AviSaveSettingsModel model(HeldFrames());
    model.Load(settings, framesPerSecond);
    if (!RunCheckedDialog(ui, model)) return false;
    model.Store(settings);

    FileDialogRequest request;
    request.title = "Save AVI";
    request.settingsKey = "AVI Save";
    request.filter = std::string(kFilter);
    request.defaultExtension = "avi";
    request.confirmOverwrite = true;
    std::optional<std::string> chosen = ChooseFileRemembering(request, true, environment_.FileContext());
    if (!chosen) return false;
    std::string moviePath = *chosen;
    if (!EndsWithNoCase(moviePath, ".avi")) moviePath += ".avi";

    ui.ShowMessage(AviSaveSettingsModel::kCautionText, AviSaveSettingsModel::kCautionTitle,
                   MessageIcon::Information);
    const bool palette = first->image->GetBitCount() == 8;
    AviCompressorModel compressor(AviEncoders(), palette);
    compressor.Load(settings);
    // Nothing has been written yet, so a cancelled choice leaves no file behind.
    if (!ui.RunDialog(compressor)) return false;
    compressor.Store(settings);

    VideoWriteSettings video;
    video.width = first->image->GetSize().width;
    video.height = first->image->GetSize().height;
    video.bitsPerPixel = first->image->GetBitCount();
    const AviTimeBase timeBase = model.TimeBase();
    video.rate = timeBase.rate;
    video.scale = timeBase.scale;
    compressor.ApplyTo(video);

    bool written = false;
    {
        WaitCursor wait(ui);
        std::string error;
        std::unique_ptr<VideoWriter> writer = VideoWriter::Create(moviePath, video, &error);
        const std::vector<int> order = AviFrameOrder(model.Start(), model.End());
        written = writer != nullptr;
        std::array<std::uint32_t, 256> table{};
        for (std::size_t i = 0; written && i < order.size(); ++i) {
            ui.Progress("Saving AVI", int(i), int(order.size()));
            const AnimFrame* frame = FindFrame(order[i] - 1);
            if (frame == nullptr) {
                written = false;
                break;
            }
            const COXDIB& image = *frame->image;
            if (palette)
                for (int c = 0; c < 256; ++c) table[std::size_t(c)] = image.GetTableWord(std::uint8_t(c));
            written = writer->Write({image.GetBits(), image.GetStride(), palette ? table.data() : nullptr});
        }
        written = written && writer->Finish();
        ui.Progress("Saving AVI", int(order.size()), int(order.size()));
    }
    if (!written) {
        ui.ShowMessage(AviSaveSettingsModel::kSaveFailedText, kErrorTitle, MessageIcon::Exclamation);
        return false;
    }
    path = moviePath;
    SetChanged(false);
    environment_.AddRecentFile(moviePath);
    ShowFrame(currentFrame_);
    return true;
}

}  // namespace quillor
