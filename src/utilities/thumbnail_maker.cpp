#include "utilities/thumbnail_maker.h"

#include <sys/stat.h>

#include <array>
#include <vector>

#include "core/byte_reader.h"
#include "core/coxdib.h"
#include "formats/codec_table.h"
#include "formats/dib_raster.h"
#include "formats/image_file_type.h"
#include "platform/file_io.h"
#include "utilities/thumbnail_jpeg.h"
#include "utilities/thumbnail_scaling.h"

namespace quillor {

namespace {

ThumbnailResult WithState(ThumbnailState state) {
    ThumbnailResult result;
    result.state = state;
    return result;
}

// Reads any format into a COXDIB the way opening the file does, minus every question.
bool ReadPicture(std::span<const std::uint8_t> bytes, ImageFileType type, COXDIB& image, bool& locked) {
    if (type == ImageFileType::Bmp) {
        ByteReader in(bytes);
        return image.ReadBmp(in);
    }
    const ImageCodec* codec = FindCodec(type);
    if (codec == nullptr) return false;
    if (codec->isProtected != nullptr && codec->isProtected(bytes)) {
        locked = true;
        return false;
    }
    const CodecLoadOptions firstPage;
    ImageInfo info;
    if (!codec->readInfo(bytes, firstPage, info)) return false;
    DibRasterTarget target(image);
    if (!codec->read(bytes, firstPage, target) || !target.Finish()) {
        image.Clear();
        return false;
    }
    return true;
}

// The picture's lines as blue, green, red, whatever its depth.
class BgrLines {
public:
    explicit BgrLines(const COXDIB& image) : image_(image) {
        const int colours = image.GetColourCount();
        for (int i = 0; i < colours && i < 256; ++i) {
            const TableWord word = image.GetTableWord(std::uint8_t(i));
            table_[std::size_t(i)] = {std::uint8_t(word), std::uint8_t(word >> 8), std::uint8_t(word >> 16)};
        }
    }
    void Line(int y, std::uint8_t* out) const {
        const std::uint8_t* in = image_.Line(y);
        const int width = image_.GetSize().width;
        const int bits = image_.GetBitCount();
        if (bits == 24) {
            std::copy(in, in + std::size_t(width) * 3, out);
            return;
        }
        for (int x = 0; x < width; ++x, out += 3) {
            unsigned index = 0;
            if (bits == 8) index = in[x];
            else if (bits == 4) index = (in[x / 2] >> ((x % 2) ? 0 : 4)) & 0x0F;
            else index = (in[x / 8] >> (7 - x % 8)) & 1;
            const auto& c = table_[index];
            out[0] = c[0];
            out[1] = c[1];
            out[2] = c[2];
        }
    }

private:
    const COXDIB& image_;
    std::array<std::array<std::uint8_t, 3>, 256> table_{};
};

ThumbnailImage ScalePicture(const COXDIB& image, ThumbnailSize size) {
    const int width = image.GetSize().width;
    const int height = image.GetSize().height;
    const BgrLines lines(image);
    std::vector<std::uint8_t> line(std::size_t(width) * 3);
    if (size.width <= width && size.height <= height) {
        ThumbnailShrinker shrinker(width, height, size);
        for (int y = 0; y < height; ++y) {
            lines.Line(y, line.data());
            shrinker.AddLine(line.data());
        }
        return shrinker.Take();
    }
    // Only a picture smaller than its cell grows, so the copy is small.
    std::vector<std::uint8_t> pixels(line.size() * std::size_t(height));
    for (int y = 0; y < height; ++y) lines.Line(y, pixels.data() + line.size() * std::size_t(y));
    return ScaleToThumbnail(pixels.data(), std::ptrdiff_t(line.size()), width, height, size);
}

}  // namespace

ThumbnailResult MakeThumbnail(const std::string& path, ThumbnailBox box, const std::atomic<bool>* cancel) {
    // Opening a pipe or a device would block or never end.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return WithState(ThumbnailState::Unreadable);
    FileBuffer bytes;
    if (!ReadWholeFile(path, bytes, nullptr)) return WithState(ThumbnailState::Unreadable);
    const ImageFileType type = GetImageFileType(path);

    if (type == ImageFileType::Jpeg) {
        ThumbnailResult result;
        switch (MakeJpegThumbnail(bytes, box, cancel, result)) {
            case JpegThumbnailOutcome::Made: return result;
            case JpegThumbnailOutcome::Cancelled: return WithState(ThumbnailState::Pending);
            case JpegThumbnailOutcome::Failed: return WithState(ThumbnailState::Unreadable);
            case JpegThumbnailOutcome::Unsupported: break;
        }
    }

    COXDIB image;
    bool locked = false;
    if (!ReadPicture(bytes, type, image, locked))
        return WithState(locked ? ThumbnailState::Locked : ThumbnailState::Unreadable);
    if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) return WithState(ThumbnailState::Pending);

    const int width = image.GetSize().width;
    const int height = image.GetSize().height;
    ThumbnailImage scaled = ScalePicture(image, FitThumbnail(width, height, box));
    if (scaled.bgr.empty()) return WithState(ThumbnailState::Unreadable);
    ThumbnailResult result;
    result.state = ThumbnailState::Ready;
    result.imageWidth = width;
    result.imageHeight = height;
    result.image = std::make_shared<ThumbnailImage>(std::move(scaled));
    return result;
}

}  // namespace quillor
