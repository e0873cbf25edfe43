// Opening an AVI movie: its video stream, the frames the user picks, each decoded into a
// frame of the document.

#include <algorithm>
#include <cstring>

#include "core/text_format.h"
#include "document/anim_doc.h"
#include "document/avi_load_options_model.h"
#include "platform/video_reader.h"

namespace quillor {

namespace {

constexpr std::string_view kUnableToOpen = "Unable to open file '%s'.";
constexpr std::string_view kErrorTitle = "Error";
constexpr std::string_view kTooManyStreams = "Exceeded maximum number of streams.";
constexpr std::string_view kNoVideo = "The movie '%s' holds no video frames to load.";
constexpr std::string_view kSomeFramesMissing =
    "One or more frames in this AVI could not be loaded. Empty images will be created in their place\n"
    "WARNING: You may have an incorrect decoder for this AVI format.";
constexpr std::string_view kSomeFramesMissingTitle = "Could not load";
constexpr std::string_view kOutOfMemory =
    "There is not enough memory for all the frames chosen: the first %s were loaded.";
constexpr std::string_view kOutOfMemoryTitle = "Not Enough Memory";
constexpr int kMaxStreams = 50;

// False when there is no memory for the picture.
bool TakePicture(COXDIB& image, const VideoPicture& picture) {
    if (!image.CreateBlank(std::uint16_t(picture.bitsPerPixel), picture.width, picture.height)) return false;
    const std::size_t bytes = std::size_t(picture.width) * std::size_t(picture.bitsPerPixel / 8);
    for (int y = 0; y < picture.height; ++y) std::memcpy(image.Line(y), picture.Row(y), bytes);
    if (picture.bitsPerPixel == 8)
        for (int i = 0; i < 256; ++i) image.SetTableWord(std::uint8_t(i), picture.palette[std::size_t(i)]);
    return true;
}

}  // namespace

void CAnimDoc::OpenAvi(const std::string& filePath) {
    isAnimation = true;
    isLayered = false;
    frameCount = 0;
    rangeEnd = 0;
    if (!LoadAvi(filePath)) {
        MakePlaceholder(filePath);
        return;
    }
    path = filePath;
    environment_.AddRecentFile(filePath);
}

bool CAnimDoc::LoadAvi(const std::string& filePath) {
    Interaction& ui = environment_.Ui();
    auto fail = [&](std::string_view text) {
        ui.ShowMessage(FormatText(text, {filePath}), kErrorTitle, MessageIcon::Exclamation);
        openFailureTold = true;
        return false;
    };
    std::unique_ptr<VideoReader> reader = VideoReader::Open(filePath);
    if (!reader || reader->StreamCount() == 0) return fail(kUnableToOpen);
    int streams = reader->StreamCount();
    if (streams > kMaxStreams) {
        ui.ShowMessage(kTooManyStreams, kErrorTitle, MessageIcon::Exclamation);
        streams = kMaxStreams;
    }
    int video = -1;
    for (int i = 0; i < streams && video < 0; ++i)
        if (reader->StreamInfo(i).isVideo) video = i;
    // A document needs a frame to show, so a movie without pictures does not open.
    if (video < 0) return fail(kNoVideo);
    const VideoStreamInfo info = reader->StreamInfo(video);
    if (info.length <= 0) return fail(kNoVideo);
    const bool decodable = reader->UseStream(video);
    const double rate = double(info.rate) / double(info.scale);

    AviLoadOptionsModel options(int(info.length), rate);
    options.SetPreviewSource([&](int frame) -> std::optional<VideoPicture> {
        if (!decodable) return std::nullopt;
        return reader->Frame(frame - 1);
    });
    if (!RunCheckedDialog(ui, options)) {
        // The user chose not to load: nothing more needs saying.
        openFailureTold = true;
        return false;
    }
    std::vector<int> selection = options.Selection();
    std::erase(selection, -1);
    const auto count = std::uint32_t(selection.size());
    if (count == 0) {
        openFailureTold = true;
        return false;
    }

    WaitCursor wait(ui);
    frameCount = count;
    rangeEnd = int(count);
    framesPerSecond = float(rate);
    frameDelay = float(1.0 / rate);
    AddFrames(count);
    bool missingTold = false;
    VideoPicture picture;
    for (std::uint32_t k = 0; k < count; ++k) {
        ui.Progress("Loading frames", int(k), int(count));
        AnimFrame& frame = *FindFrame(int(k));
        frame.name = filePath;
        const bool decoded = decodable && reader->Frame(selection[k], picture);
        bool made = decoded && TakePicture(*frame.image, picture);
        if (!decoded) {
            if (!missingTold) {
                ui.ShowMessage(kSomeFramesMissing, kSomeFramesMissingTitle, MessageIcon::Information);
                missingTold = true;
            }
            made = frame.image->CreateBlank(24, 40, 40);
        }
        if (!made) {
            // Out of memory: keep what was loaded rather than lose it all.
            frames_.resize(k);
            frameCount = k;
            rangeEnd = int(k);
            ui.Progress("Loading frames", int(count), int(count));
            if (k == 0) return fail(kUnableToOpen);
            ui.ShowMessage(FormatText(kOutOfMemory, {std::to_string(k)}), kOutOfMemoryTitle,
                           MessageIcon::Exclamation);
            return true;
        }
        FinishFrameLoad(frame);
    }
    ui.Progress("Loading frames", int(count), int(count));
    return true;
}

}  // namespace quillor
