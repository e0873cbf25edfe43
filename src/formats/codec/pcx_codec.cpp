#include "formats/codec/pcx_codec.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/image_limits.h"
#include "formats/codec/codec_error.h"

namespace quillor {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr std::size_t kPaletteTail = 1 + 256 * 3;
// A two-byte run stands for at most 63 bytes.
constexpr std::uint64_t kMaxExpansion = 32;

// Version 3 files and many 16-colour writers leave the header palette empty and rely on
// the reader knowing the EGA colours.
constexpr std::array<TableWord, 16> kEgaColours = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
    0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};

struct Header {
    bool rle = true;
    unsigned bitsPerPixel = 0;  // per plane
    unsigned planes = 0;
    int width = 0;
    int height = 0;
    std::size_t bytesPerLine = 0;           // per plane, padding included
    std::span<const std::uint8_t> colours;  // the 16 RGB triples of the header

    bool TrueColour() const { return bitsPerPixel == 8 && planes >= 3; }
    std::size_t ScanLineBytes() const { return bytesPerLine * planes; }
};

bool LayoutSupported(unsigned bits, unsigned planes) {
    switch (bits) {
        case 1:
            return planes >= 1 && planes <= 4;
        case 2:
        case 4:
            return planes == 1;
        case 8:
            return planes == 1 || planes == 3 || planes == 4;
        default:
            return false;
    }
}

bool ParseHeader(std::span<const std::uint8_t> file, Header& h) {
    if (file.size() < kHeaderSize) return CodecFail("file too short for a PCX header");
    const auto u16 = [file](std::size_t at) { return unsigned(file[at] | file[at + 1] << 8); };
    const unsigned maker = file[0], encoding = file[2], bits = file[3], planes = file[65];
    const unsigned xmin = u16(4), ymin = u16(6), xmax = u16(8), ymax = u16(10);
    h.colours = file.subspan(16, 48);

    if (maker != 0x0A) return CodecFail("not a PCX file");
    if (encoding > 1) return CodecFail("unknown PCX encoding");
    if (xmax < xmin || ymax < ymin) return CodecFail("picture size out of range");
    h.width = int(xmax) - int(xmin) + 1;
    h.height = int(ymax) - int(ymin) + 1;
    if (!ImageSideOk(h.width) || !ImageSideOk(h.height))
        return CodecFail("picture size out of range");
    if (!LayoutSupported(bits, planes)) return CodecFail("unsupported PCX colour layout");
    h.rle = encoding == 1;
    h.bitsPerPixel = bits;
    h.planes = planes;
    h.bytesPerLine = u16(66);
    const std::uint64_t needed = (std::uint64_t(h.width) * bits + 7) / 8;
    if (h.bytesPerLine < needed) return CodecFail("PCX line length too short for the width");
    const std::uint64_t decoded = std::uint64_t(h.ScanLineBytes()) * std::uint64_t(h.height);
    if (!DecodedSizePlausible(decoded, file.size(), h.rle ? kMaxExpansion : 1))
        return CodecFail("picture larger than the file can hold");
    return true;
}

bool HasPaletteTail(std::span<const std::uint8_t> file) {
    return file.size() >= kHeaderSize + kPaletteTail &&
           file[file.size() - kPaletteTail] == kPaletteMarker;
}

Palette PaletteOf(const Header& h, std::span<const std::uint8_t> file) {
    Palette p;
    if (h.bitsPerPixel == 8 && h.planes == 1) {
        // Without the trailing table an 8-bit picture can only be grey.
        if (!HasPaletteTail(file)) return Palette::GreyRamp();
        const std::uint8_t* rgb = file.data() + file.size() - kPaletteTail + 1;
        for (unsigned i = 0; i < 256; ++i, rgb += 3)
            p.entries[i] = MakeTableWord(rgb[0], rgb[1], rgb[2]);
        p.count = 256;
        return p;
    }
    const unsigned bits = h.bitsPerPixel * h.planes;
    p.count = 1u << bits;
    bool empty = true;
    for (unsigned i = 0; i < p.count; ++i) {
        const std::uint8_t* rgb = h.colours.data() + 3 * i;
        p.entries[i] = MakeTableWord(rgb[0], rgb[1], rgb[2]);
        empty = empty && p.entries[i] == 0;
    }
    // Monochrome writers often leave both entries alike (usually zero) and mean black
    // and white.
    if (bits == 1 && p.entries[0] == p.entries[1]) return Palette::BlackWhite();
    if (empty) std::copy_n(kEgaColours.begin(), p.count, p.entries.begin());
    return p;
}

// Unpacks the picture as one stream rather than line by line, since some writers let
// runs cross line ends. Data that stops early, or stops making sense, leaves the rest
// of `out` as it was, so a damaged file keeps what it decoded and is otherwise blank.
// Returns how many bytes were produced.
std::size_t Unpack(std::span<const std::uint8_t> data, bool rle, std::span<std::uint8_t> out) {
    if (!rle) {
        const std::size_t n = std::min(data.size(), out.size());
        std::copy_n(data.begin(), n, out.begin());
        return n;
    }
    std::size_t in = 0, o = 0;
    while (o < out.size() && in < data.size()) {
        const std::uint8_t b = data[in++];
        if ((b & 0xC0) != 0xC0) {
            out[o++] = b;
            continue;
        }
        if (in == data.size()) break;
        const std::size_t n = std::min<std::size_t>(b & 0x3F, out.size() - o);
        std::fill_n(out.begin() + std::ptrdiff_t(o), n, data[in++]);
        o += n;
    }
    return o;
}

void ConvertIndexedLine(const Header& h, const std::uint8_t* src, std::uint8_t* dst) {
    const int w = h.width;
    if (h.planes == 1) {
        const unsigned bits = h.bitsPerPixel;
        if (bits == 8) {
            std::copy_n(src, w, dst);
            return;
        }
        const unsigned perByte = 8 / bits, mask = (1u << bits) - 1;
        for (int x = 0; x < w; ++x) {
            const unsigned shift = 8 - bits * (unsigned(x) % perByte + 1);
            dst[x] = std::uint8_t((src[unsigned(x) / perByte] >> shift) & mask);
        }
        return;
    }
    // Planes of one bit each, plane 0 holding the lowest bit of the index.
    for (int x = 0; x < w; ++x) {
        unsigned index = 0;
        for (unsigned p = 0; p < h.planes; ++p) {
            const std::uint8_t byte = src[p * h.bytesPerLine + unsigned(x) / 8];
            index |= unsigned((byte >> (7 - x % 8)) & 1) << p;
        }
        dst[x] = std::uint8_t(index);
    }
}

// Four-plane files carry alpha. A plane that is zero wherever data arrived is treated as
// absent: writers that have no transparency often leave it so.
bool AlphaInUse(const Header& h, const std::vector<std::uint8_t>& planes, std::size_t decoded) {
    if (h.planes < 4) return false;
    const std::size_t line = h.ScanLineBytes();
    for (int y = 0; y < h.height; ++y) {
        const std::size_t start = std::size_t(y) * line + 3 * h.bytesPerLine;
        if (start >= decoded) break;
        const std::size_t end = std::min(start + std::size_t(h.width), decoded);
        if (std::any_of(planes.begin() + std::ptrdiff_t(start),
                        planes.begin() + std::ptrdiff_t(end), [](std::uint8_t a) { return a; }))
            return true;
    }
    return false;
}

void ConvertTrueColourLine(const Header& h, const std::uint8_t* src, bool alpha,
                           std::uint8_t* dst) {
    const std::uint8_t* red = src;
    const std::uint8_t* green = src + h.bytesPerLine;
    const std::uint8_t* blue = src + 2 * h.bytesPerLine;
    const std::uint8_t* opacity = src + 3 * h.bytesPerLine;
    for (int x = 0; x < h.width; ++x, dst += 3) {
        if (alpha) {
            dst[0] = OverWhite(blue[x], opacity[x]);
            dst[1] = OverWhite(green[x], opacity[x]);
            dst[2] = OverWhite(red[x], opacity[x]);
        } else {
            dst[0] = blue[x];
            dst[1] = green[x];
            dst[2] = red[x];
        }
    }
}

void PackRun(const std::uint8_t* src, std::size_t n, std::vector<std::uint8_t>& out) {
    for (std::size_t i = 0; i < n;) {
        std::size_t run = 1;
        while (i + run < n && run < 63 && src[i + run] == src[i]) ++run;
        // A lone byte with both top bits set would read as a run count.
        if (run > 1 || (src[i] & 0xC0) == 0xC0) out.push_back(std::uint8_t(0xC0 | run));
        out.push_back(src[i]);
        i += run;
    }
}

}  // namespace

bool ReadPcxInfo(std::span<const std::uint8_t> file, ImageInfo& info) {
    Header h;
    if (!ParseHeader(file, h)) return false;
    info.width = h.width;
    info.height = h.height;
    info.depth = h.TrueColour() ? 24 : 8;
    info.pages = 1;
    return true;
}

bool ReadPcx(std::span<const std::uint8_t> file, RasterTarget& target) {
    Header h;
    if (!ParseHeader(file, h)) return false;
    const bool trueColour = h.TrueColour();
    auto data = file.subspan(kHeaderSize);
    if (h.bitsPerPixel == 8 && h.planes == 1 && HasPaletteTail(file))
        data = data.first(data.size() - kPaletteTail);

    RasterView view;
    if (!target.Allocate(h.width, h.height, trueColour ? PixelLayout::Bgr24 : PixelLayout::Indexed8,
                         trueColour ? Palette{} : PaletteOf(h, file), view))
        return CodecFail("not enough memory for the picture");

    // White in every colour plane, opaque in the alpha plane, index 0 otherwise: what
    // the data does not reach stays blank.
    std::vector<std::uint8_t> planes;
    try {
        planes.assign(h.ScanLineBytes() * std::size_t(h.height), trueColour ? 0xFF : 0x00);
    } catch (const std::bad_alloc&) {
        return CodecFail("not enough memory for the picture");
    }
    const std::size_t decoded = Unpack(data, h.rle, planes);
    const bool alpha = AlphaInUse(h, planes, decoded);
    for (int y = 0; y < h.height; ++y) {
        const std::uint8_t* src = planes.data() + std::size_t(y) * h.ScanLineBytes();
        if (trueColour)
            ConvertTrueColourLine(h, src, alpha, view.Line(y));
        else
            ConvertIndexedLine(h, src, view.Line(y));
    }
    return true;
}

bool WritePcx(ByteWriter& out, const ConstRasterView& image) {
    if (!ImageSideOk(image.width) || !ImageSideOk(image.height))
        return CodecFail("picture size out of range");
    if (image.layout != PixelLayout::Bgr24 && image.layout != PixelLayout::Indexed8 &&
        image.layout != PixelLayout::Bilevel)
        return CodecFail("unsupported pixel layout");
    const bool trueColour = image.layout == PixelLayout::Bgr24;
    Palette palette = image.layout == PixelLayout::Bilevel ? Palette::BlackWhite()
                      : image.palette                      ? *image.palette
                                                           : Palette{};
    std::fill(palette.entries.begin() + std::min(palette.count, 256u), palette.entries.end(), 0);
    const unsigned planes = trueColour ? 3 : 1;
    // Lines are padded to an even length, as the format asks; the widest picture cannot
    // be, and readers take its odd length.
    const std::size_t bytesPerLine =
        std::min<std::size_t>(std::size_t(image.width + 1) & ~1u, 65535);

    std::array<std::uint8_t, kHeaderSize> header{};
    auto put16 = [&header](std::size_t at, unsigned v) {
        header[at] = std::uint8_t(v);
        header[at + 1] = std::uint8_t(v >> 8);
    };
    header[0] = 0x0A;
    header[1] = 5;
    header[2] = 1;
    header[3] = 8;
    put16(8, unsigned(image.width - 1));
    put16(10, unsigned(image.height - 1));
    put16(12, 72);
    put16(14, 72);
    for (unsigned i = 0; i < 16 && !trueColour; ++i) {
        header[16 + 3 * i] = std::uint8_t(palette.entries[i] >> 16);
        header[17 + 3 * i] = std::uint8_t(palette.entries[i] >> 8);
        header[18 + 3 * i] = std::uint8_t(palette.entries[i]);
    }
    header[65] = std::uint8_t(planes);
    put16(66, unsigned(bytesPerLine));
    put16(68, 1);  // colour, not grey
    bool ok = out.Write(header.data(), header.size());

    std::vector<std::uint8_t> plane(bytesPerLine, 0);
    std::vector<std::uint8_t> packed;
    for (int y = 0; y < image.height && ok; ++y) {
        const std::uint8_t* src = image.Line(y);
        packed.clear();
        for (unsigned p = 0; p < planes; ++p) {
            if (trueColour) {
                for (int x = 0; x < image.width; ++x) plane[std::size_t(x)] = src[3 * x + 2 - p];
            } else {
                std::copy_n(src, image.width, plane.begin());
            }
            // Each plane is packed on its own so no run crosses into the next one.
            PackRun(plane.data(), plane.size(), packed);
        }
        ok = out.Write(packed.data(), packed.size());
    }
    if (ok && !trueColour) {
        std::array<std::uint8_t, kPaletteTail> tail{};
        tail[0] = kPaletteMarker;
        for (unsigned i = 0; i < 256; ++i) {
            tail[1 + 3 * i] = std::uint8_t(palette.entries[i] >> 16);
            tail[2 + 3 * i] = std::uint8_t(palette.entries[i] >> 8);
            tail[3 + 3 * i] = std::uint8_t(palette.entries[i]);
        }
        ok = out.Write(tail.data(), tail.size());
    }
    return ok ? true : CodecFail("could not write the file");
}

}  // namespace quillor
