#include "formats/codec/tla_codec.h"

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <new>

#include "core/byte_reader.h"
#include "core/image_limits.h"
#include "formats/codec/codec_error.h"
#include "formats/codec/sealed_container.h"

namespace quillor {

namespace {

const SealedFormat kTla{{'Q', 'T', 'L', 'A'}, "TLA"};

// TLA has no encryption-type setting, so every protected file costs the cheapest factor.
constexpr int kTlaWorkFactor = 1;
constexpr std::size_t kPaletteBytes = 256 * 3;
constexpr std::size_t kChunkBytes = 64 * 1024;

static_assert(sizeof(uInt) * CHAR_BIT >= 32, "a body of up to 4 GiB must fit zlib's counters");

struct Body {
    int width = 0;
    int height = 0;
    int depth = 0;
    Palette palette;
    std::span<const std::uint8_t> pixels;  // the zlib stream
    std::size_t LineBytes() const { return std::size_t(width) * (depth == 24 ? 3 : 1); }
};

bool ParseBody(std::span<const std::uint8_t> bytes, Body& b) {
    ByteReader r(bytes);
    std::uint32_t width = 0, height = 0;
    std::uint8_t depth = 0;
    if (!r.U32(width) || !r.U32(height) || !r.U8(depth))
        return CodecFail("TLA file: header cut short");
    if (!ImageSideOk(width) || !ImageSideOk(height))
        return CodecFail("TLA file: picture size out of range");
    if (depth != 8 && depth != 24) return CodecFail("TLA file: unknown colour depth");
    b.width = int(width);
    b.height = int(height);
    b.depth = depth;
    if (depth == 8) {
        std::uint16_t count = 0;
        if (!r.U16(count)) return CodecFail("TLA file: palette cut short");
        if (count > 256) return CodecFail("TLA file: palette too long");
        const auto table = r.Take(kPaletteBytes);
        if (table.empty()) return CodecFail("TLA file: palette cut short");
        b.palette.count = count;
        for (std::size_t i = 0; i < 256; ++i)
            b.palette.entries[i] = MakeTableWord(table[i * 3], table[i * 3 + 1], table[i * 3 + 2]);
    }
    b.pixels = r.Rest();
    const std::uint64_t decoded = std::uint64_t(b.LineBytes()) * height;
    if (!DecodedSizePlausible(decoded, b.pixels.size(), kDeflateMaxExpansion))
        return CodecFail("TLA file: picture larger than the file can hold");
    return true;
}

struct Inflater {
    z_stream s{};
    bool started = false;
    ~Inflater() {
        if (started) inflateEnd(&s);
    }
};

// Inflates straight into the target's lines. Output is bounded by the lines themselves
// plus one probe byte, so a stream that holds more than the picture stops there.
bool InflateLines(const Body& b, const RasterView& view) {
    Inflater z;
    if (inflateInit(&z.s) != Z_OK) return CodecFail("not enough memory");
    z.started = true;
    z.s.next_in = b.pixels.data();
    z.s.avail_in = uInt(b.pixels.size());
    const std::size_t lineBytes = b.LineBytes();
    bool ended = false;
    for (int y = 0; y < b.height; ++y) {
        if (ended) return CodecFail("TLA file: pixel data ends early");
        z.s.next_out = view.Line(y);
        z.s.avail_out = uInt(lineBytes);
        while (z.s.avail_out > 0) {
            const int result = inflate(&z.s, Z_NO_FLUSH);
            if (result == Z_STREAM_END) {
                ended = true;
                if (z.s.avail_out != 0) return CodecFail("TLA file: pixel data ends early");
                break;
            }
            if (result == Z_BUF_ERROR) return CodecFail("TLA file: pixel data cut short");
            if (result != Z_OK) return CodecFail("TLA file: pixel data damaged");
        }
    }
    if (!ended) {
        std::uint8_t probe = 0;
        z.s.next_out = &probe;
        z.s.avail_out = 1;
        const int result = inflate(&z.s, Z_NO_FLUSH);
        if (z.s.avail_out == 0)
            return CodecFail("TLA file: more pixel data than the picture holds");
        if (result == Z_BUF_ERROR) return CodecFail("TLA file: pixel data cut short");
        if (result != Z_STREAM_END) return CodecFail("TLA file: pixel data damaged");
    }
    if (z.s.avail_in != 0) return CodecFail("TLA file: data after the picture");
    return true;
}

struct Deflater {
    z_stream s{};
    bool started = false;
    ~Deflater() {
        if (started) deflateEnd(&s);
    }
};

bool Drain(Deflater& z, int flush, std::vector<std::uint8_t>& out) {
    std::uint8_t chunk[kChunkBytes];
    int result = Z_OK;
    do {
        z.s.next_out = chunk;
        z.s.avail_out = sizeof chunk;
        result = deflate(&z.s, flush);
        if (result == Z_STREAM_ERROR) return CodecFail("could not compress the picture");
        out.insert(out.end(), chunk, chunk + (sizeof chunk - z.s.avail_out));
    } while (z.s.avail_out == 0);
    if (flush == Z_FINISH && result != Z_STREAM_END)
        return CodecFail("could not compress the picture");
    return true;
}

bool DeflateLines(const ConstRasterView& image, std::size_t lineBytes,
                  std::vector<std::uint8_t>& out) {
    Deflater z;
    if (deflateInit(&z.s, Z_DEFAULT_COMPRESSION) != Z_OK) return CodecFail("not enough memory");
    z.started = true;
    try {
        for (int y = 0; y < image.height; ++y) {
            z.s.next_in = image.Line(y);
            z.s.avail_in = uInt(lineBytes);
            if (!Drain(z, Z_NO_FLUSH, out)) return false;
        }
        return Drain(z, Z_FINISH, out);
    } catch (const std::bad_alloc&) {
        return CodecFail("not enough memory to compress the picture");
    }
}

}  // namespace

bool IsTlaProtected(std::span<const std::uint8_t> file) {
    return IsSealedProtected(file, kTla);
}

bool ReadTlaInfo(std::span<const std::uint8_t> file, std::string_view password, ImageInfo& info) {
    SealedBody sealed;
    Body b;
    if (!OpenSealed(file, kTla, password, sealed) || !ParseBody(sealed.Bytes(), b)) return false;
    info.width = b.width;
    info.height = b.height;
    info.depth = b.depth;
    info.pages = 1;
    return true;
}

bool ReadTla(std::span<const std::uint8_t> file, std::string_view password, RasterTarget& target) {
    SealedBody sealed;
    Body b;
    if (!OpenSealed(file, kTla, password, sealed) || !ParseBody(sealed.Bytes(), b)) return false;
    RasterView view;
    const PixelLayout layout = b.depth == 24 ? PixelLayout::Bgr24 : PixelLayout::Indexed8;
    if (!target.Allocate(b.width, b.height, layout, b.palette, view))
        return CodecFail("not enough memory for the picture");
    return InflateLines(b, view);
}

bool WriteTla(ByteWriter& out, const ConstRasterView& image, std::string_view password) {
    if (!ImageSideOk(image.width) || !ImageSideOk(image.height) || !image.top)
        return CodecFail("empty picture");
    const bool trueColour = image.layout == PixelLayout::Bgr24;
    Palette palette;
    if (image.layout == PixelLayout::Bilevel) {
        palette = Palette::BlackWhite();
    } else if (!trueColour) {
        if (!image.palette) return CodecFail("palette picture without a palette");
        palette = *image.palette;
        palette.count = std::min(palette.count, 256u);
    }

    VectorWriter body;
    body.U32(std::uint32_t(image.width));
    body.U32(std::uint32_t(image.height));
    body.U8(trueColour ? 24 : 8);
    if (!trueColour) {
        body.U16(std::uint16_t(palette.count));
        for (const TableWord word : palette.entries) {
            const std::uint8_t rgb[3] = {std::uint8_t(word >> 16), std::uint8_t(word >> 8),
                                         std::uint8_t(word)};
            body.Write(rgb, 3);
        }
    }
    const std::size_t lineBytes = std::size_t(image.width) * BytesPerPixel(image.layout);
    if (!DeflateLines(image, lineBytes, body.Bytes())) return false;
    return WriteSealed(out, kTla, body.Bytes(), password, kTlaWorkFactor);
}

bool UnsealTla(std::span<const std::uint8_t> file, std::string_view password,
               std::vector<std::uint8_t>& plain) {
    return UnsealToPlain(file, kTla, password, plain);
}

}  // namespace quillor
