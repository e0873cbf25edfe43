#include "formats/codec/psd_codec.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "core/byte_reader.h"
#include "core/image_limits.h"
#include "formats/codec/codec_error.h"

namespace quillor {

namespace {

constexpr unsigned kMaxChannels = 56;
constexpr std::size_t kModeDataBytes = 768;
// The row-count table holds 16-bit counts; a row PackBits cannot fit in one is written raw.
constexpr std::size_t kMaxPackedRow = 65535;

enum Mode : unsigned {
    kBitmap = 0,
    kGrey = 1,
    kIndexed = 2,
    kRgb = 3,
    kCmyk = 4,
    kMultichannel = 7,
    kDuotone = 8,
};

struct Header {
    unsigned channels = 0;
    unsigned depth = 0;
    unsigned mode = 0;
    int width = 0;
    int height = 0;
    std::span<const std::uint8_t> modeData;
    unsigned colourChannels = 1;
    bool alpha = false;  // the channel after the colour channels is the merged transparency
    bool rle = false;
    std::size_t dataOffset = 0;  // just past the compression word

    bool TrueColour() const { return mode == kRgb || mode == kCmyk; }
    unsigned UsedChannels() const { return colourChannels + (alpha ? 1 : 0); }
    std::size_t RowBytes() const {
        return depth == 1 ? (std::size_t(width) + 7) / 8 : std::size_t(width) * (depth / 8);
    }
    // What a channel holds where the file says nothing: white for colour, opaque for
    // alpha, index 0 for pictures read through a palette.
    std::uint8_t Blank(unsigned channel) const {
        return TrueColour() || channel >= colourChannels ? 0xFF : 0x00;
    }
};

bool CheckModeAndDepth(Header& h) {
    switch (h.mode) {
        case kBitmap:
            if (h.depth != 1) return CodecFail("unsupported PSD bitmap depth");
            return true;
        case kIndexed:
            if (h.depth != 8) return CodecFail("unsupported PSD channel depth");
            if (h.modeData.size() < kModeDataBytes) return CodecFail("PSD colour table missing");
            return true;
        case kGrey:
        case kDuotone:       // the duotone inks are beyond us; their grey shows the picture
        case kMultichannel:  // the first channel, as grey
        case kRgb:
        case kCmyk:
            if (h.depth != 8 && h.depth != 16) return CodecFail("unsupported PSD channel depth");
            h.colourChannels = h.mode == kRgb ? 3 : h.mode == kCmyk ? 4 : 1;
            if (h.channels < h.colourChannels) return CodecFail("PSD channels missing");
            return true;
        default:
            return CodecFail("unsupported PSD colour mode");
    }
}

// Photoshop marks a merged image whose first extra channel is its transparency by
// giving the layer count a negative sign.
bool LayerCountNegative(std::span<const std::uint8_t> section) {
    ByteReader r(section);
    std::uint32_t layerInfoBytes = 0;
    std::int16_t layers = 0;
    return r.U32Be(layerInfoBytes) && layerInfoBytes >= 2 && r.I16Be(layers) && layers < 0;
}

bool ParseHeader(std::span<const std::uint8_t> file, Header& h) {
    ByteReader r(file);
    std::uint8_t signature[4] = {};
    std::uint16_t version = 0, channels = 0, depth = 0, mode = 0;
    std::uint32_t height = 0, width = 0;
    if (!r.Read(signature, 4) || !r.U16Be(version) || !r.Skip(6) || !r.U16Be(channels) ||
        !r.U32Be(height) || !r.U32Be(width) || !r.U16Be(depth) || !r.U16Be(mode))
        return CodecFail("file too short for a PSD header");
    if (std::string_view(reinterpret_cast<const char*>(signature), 4) != "8BPS")
        return CodecFail("not a PSD file");
    if (version != 1) return CodecFail("unsupported PSD version");
    if (channels < 1 || channels > kMaxChannels) return CodecFail("bad PSD channel count");
    if (!ImageSideOk(width) || !ImageSideOk(height)) return CodecFail("picture size out of range");
    h.channels = channels;
    h.depth = depth;
    h.mode = mode;
    h.width = int(width);
    h.height = int(height);

    std::uint32_t length = 0;
    if (!r.U32Be(length) || (h.modeData = r.Take(length)).size() != length)
        return CodecFail("PSD colour mode data cut short");
    if (!r.U32Be(length) || !r.Skip(length)) return CodecFail("PSD image resources cut short");
    std::span<const std::uint8_t> layers;
    if (!r.U32Be(length) || (layers = r.Take(length)).size() != length)
        return CodecFail("PSD layer section cut short");
    std::uint16_t compression = 0;
    if (!r.U16Be(compression)) return CodecFail("PSD image data missing");
    if (compression > 1) return CodecFail("unsupported PSD compression");
    h.rle = compression == 1;
    h.dataOffset = r.Position();
    if (!CheckModeAndDepth(h)) return false;
    h.alpha = (h.mode == kGrey || h.mode == kRgb || h.mode == kCmyk) &&
              h.channels > h.colourChannels && LayerCountNegative(layers);

    // The row table must be all there, or nothing can be found in the rows.
    if (h.rle && std::uint64_t(h.channels) * std::uint64_t(h.height) * 2 > r.Remaining())
        return CodecFail("PSD image data cut short");
    const std::uint64_t decoded =
        std::uint64_t(h.RowBytes()) * std::uint64_t(h.height) * h.UsedChannels();
    if (!DecodedSizePlausible(decoded, file.size(), h.rle ? kPackBitsMaxExpansion : 1))
        return CodecFail("picture larger than the file can hold");
    return true;
}

void UnpackBits(std::span<const std::uint8_t> src, std::span<std::uint8_t> out) {
    std::size_t in = 0, o = 0;
    while (in < src.size() && o < out.size()) {
        const int n = static_cast<std::int8_t>(src[in++]);
        if (n >= 0) {
            const std::size_t take =
                std::min({std::size_t(n) + 1, src.size() - in, out.size() - o});
            std::copy_n(src.begin() + std::ptrdiff_t(in), take, out.begin() + std::ptrdiff_t(o));
            in += take;
            o += take;
        } else if (n != -128) {  // -128 is a no-op some writers use as padding
            if (in == src.size()) break;
            const std::size_t take = std::min(std::size_t(1 - n), out.size() - o);
            std::fill_n(out.begin() + std::ptrdiff_t(o), take, src[in++]);
            o += take;
        }
    }
}

// One channel's row as one byte per pixel: the high byte of 16-bit samples, 0 or 1 for
// bitmap pixels (1 is black).
void NarrowRow(const Header& h, const std::uint8_t* row, std::uint8_t* out) {
    const int w = h.width;
    if (h.depth == 8) {
        std::copy_n(row, w, out);
    } else if (h.depth == 16) {
        for (int x = 0; x < w; ++x) out[x] = row[2 * x];
    } else {
        for (int x = 0; x < w; ++x) out[x] = (row[x / 8] >> (7 - x % 8)) & 1;
    }
}

// Fills `planes` (one byte per pixel per used channel) from the image data. A file cut
// short keeps the rows it holds; the rest, and the rest of a cut row, stay blank.
void DecodeChannels(const Header& h, std::span<const std::uint8_t> file,
                    std::vector<std::uint8_t>& planes) {
    const std::size_t rowBytes = h.RowBytes(), rows = std::size_t(h.height);
    const std::size_t planeBytes = std::size_t(h.width) * rows;
    std::vector<std::uint8_t> row(rowBytes);
    const auto data = file.subspan(h.dataOffset);
    std::size_t pos = h.rle ? std::size_t(h.channels) * rows * 2 : 0;
    for (unsigned c = 0; c < h.UsedChannels(); ++c) {
        for (std::size_t y = 0; y < rows; ++y) {
            if (pos >= data.size()) return;
            std::size_t length = rowBytes;
            if (h.rle) {
                const std::size_t entry = 2 * (c * rows + y);
                length = std::size_t(data[entry] << 8 | data[entry + 1]);
            }
            const auto packed = data.subspan(pos, std::min(length, data.size() - pos));
            pos += length;
            std::fill(row.begin(), row.end(), h.Blank(c));
            if (h.rle)
                UnpackBits(packed, row);
            else
                std::copy(packed.begin(), packed.end(), row.begin());
            NarrowRow(h, row.data(), planes.data() + c * planeBytes + y * std::size_t(h.width));
        }
    }
}

Palette PaletteOf(const Header& h) {
    if (h.mode == kIndexed) {
        Palette p;
        const std::uint8_t* t = h.modeData.data();
        for (unsigned i = 0; i < 256; ++i)
            p.entries[i] = MakeTableWord(t[i], t[256 + i], t[512 + i]);
        p.count = 256;
        return p;
    }
    if (h.mode == kBitmap) {
        Palette p;
        p.entries[0] = 0xFFFFFF;
        p.entries[1] = 0x000000;
        p.count = 2;
        return p;
    }
    return Palette::GreyRamp();
}

// The merged channels after decoding: one byte per pixel, channel after channel.
struct Planes {
    const Header& h;
    const std::vector<std::uint8_t>& bytes;

    std::size_t PlaneBytes() const { return std::size_t(h.width) * std::size_t(h.height); }
    const std::uint8_t* Channel(unsigned c) const { return bytes.data() + c * PlaneBytes(); }
    std::uint8_t Alpha(std::size_t i) const { return Channel(h.colourChannels)[i]; }
    // Pixel i before any alpha is applied: red, green, blue, or grey three times.
    void Colour(std::size_t i, unsigned rgb[3]) const {
        if (!h.TrueColour()) {
            rgb[0] = rgb[1] = rgb[2] = Channel(0)[i];
            return;
        }
        for (unsigned c = 0; c < 3; ++c) rgb[c] = Channel(c)[i];
        if (h.mode == kCmyk) {
            // Stored inverted: 255 is no ink.
            const unsigned k = Channel(3)[i];
            for (unsigned c = 0; c < 3; ++c) rgb[c] = (rgb[c] * k + 127) / 255;
        }
    }
};

// Photoshop stores the merged picture already matted with white, so no channel falls
// below 255 - alpha; other writers (ImageMagick among them) store the colour straight.
// Compositing matted colour a second time would pale every soft edge, so it is only done
// when the colour shows it was not matted.
bool MattedWithWhite(const Planes& p) {
    for (std::size_t i = 0; i < p.PlaneBytes(); ++i) {
        const unsigned a = p.Alpha(i);
        if (a == 255) continue;
        unsigned rgb[3];
        p.Colour(i, rgb);
        for (unsigned v : rgb)
            if (v + a + 1 < 255) return false;  // one step of rounding allowed
    }
    return true;
}

void ComposeLine(const Planes& p, bool composite, int y, std::uint8_t* dst) {
    const std::size_t first = std::size_t(y) * std::size_t(p.h.width);
    const bool indexed = !p.h.TrueColour();
    for (std::size_t i = first; i < first + std::size_t(p.h.width); ++i) {
        unsigned rgb[3];
        p.Colour(i, rgb);
        const unsigned a = composite ? p.Alpha(i) : 255;
        if (indexed) {
            *dst++ = OverWhite(rgb[0], a);
        } else {
            *dst++ = OverWhite(rgb[2], a);
            *dst++ = OverWhite(rgb[1], a);
            *dst++ = OverWhite(rgb[0], a);
        }
    }
}

// PackBits as Photoshop writes it: runs of three or more repeat, everything else goes
// out as literals of up to 128 bytes.
void PackBits(const std::uint8_t* src, std::size_t n, std::vector<std::uint8_t>& out) {
    const auto runAt = [src, n](std::size_t i) {
        std::size_t run = 1;
        while (i + run < n && run < 128 && src[i + run] == src[i]) ++run;
        return run;
    };
    for (std::size_t i = 0; i < n;) {
        const std::size_t run = runAt(i);
        if (run >= 3) {
            out.push_back(std::uint8_t(257 - run));
            out.push_back(src[i]);
            i += run;
            continue;
        }
        std::size_t end = i + 1;
        while (end < n && end - i < 128 && runAt(end) < 3) ++end;
        out.push_back(std::uint8_t(end - i - 1));
        out.insert(out.end(), src + i, src + end);
        i = end;
    }
}

}  // namespace

bool ReadPsdInfo(std::span<const std::uint8_t> file, ImageInfo& info) {
    Header h;
    if (!ParseHeader(file, h)) return false;
    info.width = h.width;
    info.height = h.height;
    info.depth = h.TrueColour() ? 24 : 8;
    info.pages = 1;
    return true;
}

bool ReadPsd(std::span<const std::uint8_t> file, RasterTarget& target) {
    Header h;
    if (!ParseHeader(file, h)) return false;
    RasterView view;
    if (!target.Allocate(h.width, h.height,
                         h.TrueColour() ? PixelLayout::Bgr24 : PixelLayout::Indexed8,
                         h.TrueColour() ? Palette{} : PaletteOf(h), view))
        return CodecFail("not enough memory for the picture");
    std::vector<std::uint8_t> planes;
    try {
        planes.resize(std::size_t(h.width) * std::size_t(h.height) * h.UsedChannels());
    } catch (const std::bad_alloc&) {
        return CodecFail("not enough memory for the picture");
    }
    const std::size_t planeBytes = std::size_t(h.width) * std::size_t(h.height);
    for (unsigned c = 0; c < h.UsedChannels(); ++c)
        std::fill_n(planes.begin() + std::ptrdiff_t(c * planeBytes), planeBytes, h.Blank(c));
    DecodeChannels(h, file, planes);
    const Planes decoded{h, planes};
    const bool composite = h.alpha && !MattedWithWhite(decoded);
    for (int y = 0; y < h.height; ++y) ComposeLine(decoded, composite, y, view.Line(y));
    return true;
}

bool WritePsd(ByteWriter& out, const ConstRasterView& image) {
    if (!ImageSideOk(image.width) || !ImageSideOk(image.height))
        return CodecFail("picture size out of range");
    if (image.layout != PixelLayout::Bgr24 && image.layout != PixelLayout::Indexed8 &&
        image.layout != PixelLayout::Bilevel)
        return CodecFail("unsupported pixel layout");
    const bool indexed = image.layout != PixelLayout::Bgr24;
    const unsigned channels = indexed ? 1 : 3;
    const std::size_t w = std::size_t(image.width), rows = std::size_t(image.height);

    // Pack every row first: the table of packed lengths comes before the rows.
    std::vector<std::uint16_t> lengths;
    std::vector<std::uint8_t> packed, samples(w);
    lengths.reserve(channels * rows);
    bool rle = true;
    for (unsigned c = 0; c < channels && rle; ++c) {
        for (std::size_t y = 0; y < rows && rle; ++y) {
            const std::uint8_t* src = image.Line(int(y));
            if (indexed)
                std::copy_n(src, w, samples.begin());
            else
                for (std::size_t x = 0; x < w; ++x) samples[x] = src[3 * x + 2 - c];  // R, G, B
            const std::size_t before = packed.size();
            PackBits(samples.data(), w, packed);
            rle = packed.size() - before <= kMaxPackedRow;
            lengths.push_back(std::uint16_t(packed.size() - before));
        }
    }

    bool ok = out.Text("8BPS") && out.U16Be(1);
    const std::uint8_t reserved[6] = {};
    ok = ok && out.Write(reserved, sizeof reserved) && out.U16Be(std::uint16_t(channels)) &&
         out.U32Be(std::uint32_t(rows)) && out.U32Be(std::uint32_t(w)) && out.U16Be(8) &&
         out.U16Be(indexed ? kIndexed : kRgb);
    if (indexed) {
        const Palette palette = image.layout == PixelLayout::Bilevel ? Palette::BlackWhite()
                                : image.palette                      ? *image.palette
                                                                     : Palette{};
        std::array<std::uint8_t, kModeDataBytes> table{};
        for (unsigned i = 0; i < std::min(palette.count, 256u); ++i) {
            table[i] = std::uint8_t(palette.entries[i] >> 16);
            table[256 + i] = std::uint8_t(palette.entries[i] >> 8);
            table[512 + i] = std::uint8_t(palette.entries[i]);
        }
        ok = ok && out.U32Be(kModeDataBytes) && out.Write(table.data(), table.size());
    } else {
        ok = ok && out.U32Be(0);
    }
    ok = ok && out.U32Be(0) && out.U32Be(0);  // no image resources, no layers
    ok = ok && out.U16Be(rle ? 1 : 0);
    if (rle) {
        std::vector<std::uint8_t> table;
        table.reserve(lengths.size() * 2);
        for (std::uint16_t n : lengths) {
            table.push_back(std::uint8_t(n >> 8));
            table.push_back(std::uint8_t(n));
        }
        ok = ok && out.Write(table.data(), table.size()) && out.Write(packed.data(), packed.size());
    } else {
        for (unsigned c = 0; c < channels && ok; ++c) {
            for (std::size_t y = 0; y < rows && ok; ++y) {
                const std::uint8_t* src = image.Line(int(y));
                if (indexed)
                    std::copy_n(src, w, samples.begin());
                else
                    for (std::size_t x = 0; x < w; ++x) samples[x] = src[3 * x + 2 - c];
                ok = out.Write(samples.data(), w);
            }
        }
    }
    return ok ? true : CodecFail("could not write the file");
}

}  // namespace quillor
