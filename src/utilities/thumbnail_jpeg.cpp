#include "utilities/thumbnail_jpeg.h"

// clang-format off
#include <cstdio>   // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <vector>

#include "formats/codec/jpeg_codec.h"
#include "formats/codec/raster.h"
#include "utilities/thumbnail_scaling.h"

// libjpeg leaves through longjmp on an error; the functions below that call setjmp hold
// no C++ objects with destructors, so the jump never skips one.

namespace quillor {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    jpeg_progress_mgr progress{};
    const std::atomic<bool>* cancel = nullptr;
    bool created = false;
    bool cancelled = false;

    ~Decoder() {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Called by libjpeg every few rows of work, so a cancelled decode stops inside a long
// progressive pass too.
void OnProgress(j_common_ptr cinfo) {
    auto* d = static_cast<Decoder*>(cinfo->client_data);
    if (d->cancel != nullptr && d->cancel->load(std::memory_order_relaxed)) {
        d->cancelled = true;
        std::longjmp(d->err.jump, 1);
    }
}

// Reads the header; false for a damaged file, and leaves `cmyk` set for the colour
// spaces this path does not convert.
bool ReadHeader(Decoder& d, std::span<const std::uint8_t> file, bool& cmyk) {
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = OnError;
    d.err.pub.emit_message = [](j_common_ptr, int) {};
    d.err.pub.output_message = [](j_common_ptr) {};
    if (setjmp(d.err.jump)) return false;
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    d.cinfo.client_data = &d;
    d.progress.progress_monitor = OnProgress;
    d.cinfo.progress = &d.progress;
    jpeg_mem_src(&d.cinfo, file.data(), static_cast<unsigned long>(file.size()));
    if (jpeg_read_header(&d.cinfo, TRUE) != JPEG_HEADER_OK) return false;
    cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
    return true;
}

bool Start(Decoder& d, int scale) {
    if (setjmp(d.err.jump)) return false;
    // Grey pictures come out as blue, green, red too: libjpeg-turbo converts.
    d.cinfo.out_color_space = JCS_EXT_BGR;
    d.cinfo.scale_num = unsigned(scale);
    d.cinfo.scale_denom = 8;
    // A thumbnail cannot show what the exact transform or smooth chroma would add.
    d.cinfo.dct_method = JDCT_IFAST;
    d.cinfo.do_fancy_upsampling = FALSE;
    return jpeg_start_decompress(&d.cinfo) != 0;
}

// One line into `row`; false on an error, or when the data ran out (libjpeg then
// makes the missing lines up, as other viewers show them).
bool ReadLine(Decoder& d, std::uint8_t* row) {
    if (setjmp(d.err.jump)) return false;
    JSAMPROW line = row;
    return jpeg_read_scanlines(&d.cinfo, &line, 1) == 1;
}

unsigned ScaledSide(int side, int scale) { return unsigned((std::int64_t(side) * scale + 7) / 8); }

}  // namespace

int JpegThumbnailScale(int width, int height, ThumbnailSize size) {
    for (int scale = 1; scale < 8; ++scale)
        if (ScaledSide(width, scale) >= unsigned(size.width) && ScaledSide(height, scale) >= unsigned(size.height))
            return scale;
    return 8;
}

JpegThumbnailOutcome MakeJpegThumbnail(std::span<const std::uint8_t> file, ThumbnailBox box,
                                       const std::atomic<bool>* cancel, ThumbnailResult& result) {
    // The codec's own check of the header and of sizes the file cannot back.
    ImageInfo info;
    if (!ReadJpegInfo(file, info)) return JpegThumbnailOutcome::Failed;

    Decoder d;
    d.cancel = cancel;
    bool cmyk = false;
    if (!ReadHeader(d, file, cmyk)) return JpegThumbnailOutcome::Failed;
    if (cmyk) return JpegThumbnailOutcome::Unsupported;
    const int width = int(d.cinfo.image_width);
    const int height = int(d.cinfo.image_height);
    const ThumbnailSize size = FitThumbnail(width, height, box);
    if (!Start(d, JpegThumbnailScale(width, height, size)))
        return d.cancelled ? JpegThumbnailOutcome::Cancelled : JpegThumbnailOutcome::Failed;

    const int outWidth = int(d.cinfo.output_width);
    const int outHeight = int(d.cinfo.output_height);
    std::vector<std::uint8_t> line(std::size_t(outWidth) * 3);
    ThumbnailImage image;
    if (outWidth >= size.width && outHeight >= size.height) {
        ThumbnailShrinker shrinker(outWidth, outHeight, size);
        while (d.cinfo.output_scanline < d.cinfo.output_height) {
            if (!ReadLine(d, line.data())) break;
            shrinker.AddLine(line.data());
        }
        if (d.cancelled) return JpegThumbnailOutcome::Cancelled;
        if (!shrinker.Complete()) return JpegThumbnailOutcome::Failed;
        image = shrinker.Take();
    } else {
        // A picture smaller than its thumbnail, read whole and enlarged.
        std::vector<std::uint8_t> pixels(line.size() * std::size_t(outHeight));
        int read = 0;
        while (read < outHeight && ReadLine(d, pixels.data() + line.size() * std::size_t(read))) ++read;
        if (d.cancelled) return JpegThumbnailOutcome::Cancelled;
        if (read < outHeight) return JpegThumbnailOutcome::Failed;
        image = ScaleToThumbnail(pixels.data(), std::ptrdiff_t(line.size()), outWidth, outHeight, size);
        if (image.bgr.empty()) return JpegThumbnailOutcome::Failed;
    }
    result.state = ThumbnailState::Ready;
    result.imageWidth = width;
    result.imageHeight = height;
    result.image = std::make_shared<ThumbnailImage>(std::move(image));
    return JpegThumbnailOutcome::Made;
}

}  // namespace quillor
