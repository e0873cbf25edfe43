#include "formats/codec/png_codec.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <vector>
#include <zlib.h>

#include "core/image_limits.h"
#include "formats/codec/codec_error.h"

// libpng leaves a failed call through longjmp. The functions that call setjmp below hold
// no C++ objects with destructors; buffers belong to their callers.

namespace quillor {

namespace {

constexpr png_alloc_size_t kMaxChunkBytes = 16u << 20;

void OnError(png_structp png, png_const_charp message) {
    SetCodecError(message);
    png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

struct ReadState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::span<const std::uint8_t> file;
    std::size_t pos = 0;

    ~ReadState() {
        if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    }
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* s = static_cast<ReadState*>(png_get_io_ptr(png));
    if (length > s->file.size() - s->pos) png_error(png, "file ends early");
    std::memcpy(out, s->file.data() + s->pos, length);
    s->pos += length;
}

struct Header {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int channels = 0;  // after the transforms: 3, or 4 with alpha
    int passes = 1;
    std::uint64_t streamBytes = 0;  // the rows as the file's deflate stream holds them
};

// Reads the header and sets up the transforms that turn every colour type and depth
// into 8-bit blue-green-red, with alpha when the file has any transparency.
bool ReadHeader(ReadState& s, Header& h) {
    s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!s.png) return CodecFail("not enough memory");
    s.info = png_create_info_struct(s.png);
    if (!s.info) return CodecFail("not enough memory");
    if (setjmp(png_jmpbuf(s.png))) return false;
    png_set_read_fn(s.png, &s, ReadFromMemory);
    png_set_user_limits(s.png, std::uint32_t(kMaxImageSide), std::uint32_t(kMaxImageSide));
    png_set_chunk_malloc_max(s.png, kMaxChunkBytes);
    png_read_info(s.png, s.info);

    h.width = png_get_image_width(s.png, s.info);
    h.height = png_get_image_height(s.png, s.info);
    const int colourType = png_get_color_type(s.png, s.info);
    // Each row is its filter byte and the packed samples.
    const std::uint64_t rowBits = std::uint64_t(h.width) * png_get_channels(s.png, s.info) *
                                  png_get_bit_depth(s.png, s.info);
    h.streamBytes = ((rowBits + 7) / 8 + 1) * h.height;
    png_set_expand(s.png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(s.png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(s.png);
    png_set_bgr(s.png);
    h.passes = png_set_interlace_handling(s.png);
    png_read_update_info(s.png, s.info);
    h.channels = png_get_channels(s.png, s.info);
    if (h.channels != 3 && h.channels != 4) return CodecFail("unsupported PNG layout");
    return true;
}

bool SizeAcceptable(const Header& h, std::size_t fileBytes) {
    if (!ImageSideOk(h.width) || !ImageSideOk(h.height)) return CodecFail("picture size out of range");
    // Judged by the stream, not the picture it widens to: a flat one-bit page is as
    // legitimate as a flat photograph.
    const std::uint64_t bytes = std::uint64_t(h.width) * h.height * unsigned(h.channels);
    const std::uint64_t least = LeastCompressedBytes(h.streamBytes, kDeflateMaxExpansion);
    if (!AllocationBacked(bytes, least, fileBytes))
        return CodecFail("picture larger than the file can hold");
    return true;
}

void CompositeLine(const std::uint8_t* bgra, std::uint8_t* bgr, int width) {
    for (int x = 0; x < width; ++x, bgra += 4, bgr += 3) {
        const unsigned a = bgra[3];
        bgr[0] = OverWhite(bgra[0], a);
        bgr[1] = OverWhite(bgra[1], a);
        bgr[2] = OverWhite(bgra[2], a);
    }
}

// Opaque pictures decode straight into the target's lines. A picture with alpha goes
// through `scratch`: one line at a time, or the whole picture when interlaced.
bool ReadPixels(ReadState& s, const Header& h, const RasterView& view, std::uint8_t* scratch,
                png_bytep* rows) {
    if (setjmp(png_jmpbuf(s.png))) return false;
    const int height = int(h.height);
    if (h.channels == 3) {
        for (int y = 0; y < height; ++y) rows[y] = view.Line(y);
        png_read_image(s.png, rows);
    } else if (h.passes > 1) {
        const std::size_t lineBytes = std::size_t(h.width) * 4;
        for (int y = 0; y < height; ++y) rows[y] = scratch + std::size_t(y) * lineBytes;
        png_read_image(s.png, rows);
        for (int y = 0; y < height; ++y) CompositeLine(rows[y], view.Line(y), int(h.width));
    } else {
        for (int y = 0; y < height; ++y) {
            png_read_row(s.png, scratch, nullptr);
            CompositeLine(scratch, view.Line(y), int(h.width));
        }
    }
    png_read_end(s.png, nullptr);
    return true;
}

// Many distinct colours in a sample of rows: a photograph or something as noisy.
bool LooksPhotographic(const ConstRasterView& image) {
    constexpr std::size_t kManyColours = 4096;
    std::unordered_set<std::uint32_t> colours;
    const int rows = std::min(image.height, 64);
    for (int i = 0; i < rows && colours.size() < kManyColours; ++i) {
        const std::uint8_t* line = image.Line(int(std::int64_t(i) * image.height / rows));
        for (int x = 0; x < image.width && colours.size() < kManyColours; ++x, line += 3)
            colours.insert(std::uint32_t(line[0]) | std::uint32_t(line[1]) << 8 | std::uint32_t(line[2]) << 16);
    }
    return colours.size() >= kManyColours;
}

struct WriteState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ByteWriter* out = nullptr;
    bool writeFailed = false;

    ~WriteState() {
        if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
    }
};

void WriteToSink(png_structp png, png_bytep data, png_size_t length) {
    auto* s = static_cast<WriteState*>(png_get_io_ptr(png));
    if (!s->out->Write(data, length)) {
        s->writeFailed = true;
        png_error(png, "could not write the file");
    }
}
void FlushSink(png_structp) {}

bool Encode(WriteState& s, const ConstRasterView& image, bool interlace, bool photographic,
            png_colorp palette, png_bytep* rows) {
    s.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!s.png) return CodecFail("not enough memory");
    s.info = png_create_info_struct(s.png);
    if (!s.info) return CodecFail("not enough memory");
    if (setjmp(png_jmpbuf(s.png))) return false;
    png_set_write_fn(s.png, &s, WriteToSink, FlushSink);
    const bool indexed = image.layout != PixelLayout::Bgr24;
    png_set_IHDR(s.png, s.info, png_uint_32(image.width), png_uint_32(image.height), 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
                 interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (indexed) {
        png_set_PLTE(s.png, s.info, palette, 256);
        png_set_filter(s.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    } else {
        // The Up filter alone gets nearly everything the five filters together would, at a
        // fraction of the cost. A photograph's noise defeats deflate's string matching, so
        // run-length coding is both smaller and three times faster there; drawn pictures
        // repeat themselves and keep full deflate.
        png_set_filter(s.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
        if (photographic) {
            png_set_compression_level(s.png, 1);
            png_set_compression_strategy(s.png, Z_RLE);
        } else {
            png_set_compression_level(s.png, 6);
        }
    }
    png_write_info(s.png, s.info);
    if (!indexed) png_set_bgr(s.png);
    for (int y = 0; y < image.height; ++y) rows[y] = const_cast<png_bytep>(image.Line(y));
    png_write_image(s.png, rows);
    png_write_end(s.png, s.info);
    return true;
}

}  // namespace

bool ReadPngInfo(std::span<const std::uint8_t> file, ImageInfo& info) {
    ReadState s;
    s.file = file;
    Header h;
    if (!ReadHeader(s, h) || !SizeAcceptable(h, file.size())) return false;
    info.width = int(h.width);
    info.height = int(h.height);
    info.depth = 24;
    info.pages = 1;
    return true;
}

bool ReadPng(std::span<const std::uint8_t> file, RasterTarget& target) {
    ReadState s;
    s.file = file;
    Header h;
    if (!ReadHeader(s, h) || !SizeAcceptable(h, file.size())) return false;
    RasterView view;
    if (!target.Allocate(int(h.width), int(h.height), PixelLayout::Bgr24, Palette{}, view))
        return CodecFail("not enough memory for the picture");
    std::vector<std::uint8_t> scratch;
    std::vector<png_bytep> rows(h.height);
    try {
        if (h.channels == 4)
            scratch.resize(std::size_t(h.width) * 4 * (h.passes > 1 ? h.height : 1));
    } catch (const std::bad_alloc&) {
        return CodecFail("not enough memory for the picture");
    }
    return ReadPixels(s, h, view, scratch.data(), rows.data());
}

bool WritePng(ByteWriter& out, const ConstRasterView& image, bool interlace) {
    if (image.width < 1 || image.height < 1) return CodecFail("empty picture");
    WriteState s;
    s.out = &out;
    png_color palette[256] = {};
    if (image.layout != PixelLayout::Bgr24 && image.palette) {
        for (unsigned i = 0; i < 256 && i < image.palette->count; ++i) {
            const TableWord w = image.palette->entries[i];
            palette[i] = png_color{png_byte(w >> 16), png_byte(w >> 8), png_byte(w)};
        }
    }
    std::vector<png_bytep> rows(std::size_t(image.height));
    const bool photographic = image.layout == PixelLayout::Bgr24 && LooksPhotographic(image);
    return Encode(s, image, interlace, photographic, palette, rows.data());
}

}  // namespace quillor
