#include "formats/codec/tga_codec.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/image_limits.h"
#include "formats/codec/codec_error.h"

namespace quillor {

namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr char kSignature[] = "TRUEVISION-XFILE.";  // the terminating zero is written too

enum class Kind {
    MappedIndexed,  // 8-bit indices into a colour map: kept as indices
    MappedColour,   // 16-bit indices: looked up while reading
    Colour,
    Grey,
    GreyAlpha,
};

struct Header {
    unsigned imageType = 0;
    bool rle = false;
    Kind kind = Kind::Colour;
    unsigned mapFirst = 0;
    unsigned mapLength = 0;
    unsigned mapBits = 0;
    int width = 0;
    int height = 0;
    unsigned pixelBits = 0;
    unsigned alphaBits = 0;
    bool topDown = false;
    bool rightToLeft = false;
    std::size_t mapOffset = 0;
    std::size_t dataOffset = 0;

    unsigned PixelBytes() const { return (pixelBits + 7) / 8; }
    // One packet byte and one pixel stand for up to 128 pixels.
    std::uint64_t MaxExpansion() const {
        return rle ? (128 * PixelBytes() + PixelBytes()) / (1 + PixelBytes()) : 1;
    }
    bool Indexed() const { return kind == Kind::MappedIndexed || kind == Kind::Grey; }
};

bool ParseHeader(std::span<const std::uint8_t> file, Header& h) {
    if (file.size() < kHeaderSize) return CodecFail("file too short for a TGA header");
    const auto u16 = [file](std::size_t at) { return unsigned(file[at] | file[at + 1] << 8); };
    const unsigned idLength = file[0], mapType = file[1], descriptor = file[17];
    h.imageType = file[2];
    h.mapFirst = u16(3);
    h.mapLength = u16(5);
    h.mapBits = file[7];
    h.width = int(u16(12));
    h.height = int(u16(14));
    h.pixelBits = file[16];
    h.alphaBits = descriptor & 0x0F;
    h.rightToLeft = (descriptor & 0x10) != 0;
    h.topDown = (descriptor & 0x20) != 0;

    if (mapType > 1) return CodecFail("not a TGA file");
    h.rle = h.imageType >= 9;
    const unsigned base = h.rle ? h.imageType - 8 : h.imageType;
    if (h.imageType == 0) return CodecFail("TGA file holds no picture");
    switch (base) {
        case 1:
            if (mapType != 1 || h.mapLength == 0) return CodecFail("TGA colour map missing");
            if (h.mapBits != 15 && h.mapBits != 16 && h.mapBits != 24 && h.mapBits != 32)
                return CodecFail("unsupported TGA colour map entry size");
            if (h.pixelBits != 8 && h.pixelBits != 16)
                return CodecFail("unsupported TGA pixel depth");
            h.kind = h.pixelBits == 8 ? Kind::MappedIndexed : Kind::MappedColour;
            break;
        case 2:
            if (h.pixelBits != 15 && h.pixelBits != 16 && h.pixelBits != 24 && h.pixelBits != 32)
                return CodecFail("unsupported TGA pixel depth");
            h.kind = Kind::Colour;
            break;
        case 3:
            if (h.pixelBits != 8 && h.pixelBits != 16)
                return CodecFail("unsupported TGA pixel depth");
            h.kind = h.pixelBits == 8 ? Kind::Grey : Kind::GreyAlpha;
            break;
        default:
            return CodecFail("unsupported TGA image type");
    }
    if (!ImageSideOk(h.width) || !ImageSideOk(h.height))
        return CodecFail("picture size out of range");

    // A map is skipped by its length even where the image type does not use it.
    h.mapOffset = kHeaderSize + idLength;
    const std::size_t mapBytes = mapType ? std::size_t(h.mapLength) * ((h.mapBits + 7) / 8) : 0;
    h.dataOffset = h.mapOffset + mapBytes;
    if (h.dataOffset > file.size()) return CodecFail("TGA colour map runs past the end");
    const std::uint64_t decoded = std::uint64_t(h.width) * std::uint64_t(h.height) * h.PixelBytes();
    if (!DecodedSizePlausible(decoded, file.size(), h.MaxExpansion()))
        return CodecFail("picture larger than the file can hold");
    return true;
}

struct Rgba {
    std::uint8_t b = 0, g = 0, r = 0, a = 255;
};

constexpr std::uint8_t Expand5(unsigned v) {
    return std::uint8_t((v << 3) | (v >> 2));
}

// 15/16-bit, 24-bit and 32-bit entries, as pixels and as colour-map entries.
Rgba DecodeColour(const std::uint8_t* p, unsigned bits) {
    Rgba c;
    if (bits <= 16) {
        const unsigned v = unsigned(p[0] | p[1] << 8);
        c.b = Expand5(v & 31);
        c.g = Expand5((v >> 5) & 31);
        c.r = Expand5((v >> 10) & 31);
        c.a = (v & 0x8000) ? 255 : 0;
        return c;
    }
    c.b = p[0];
    c.g = p[1];
    c.r = p[2];
    c.a = bits == 32 ? p[3] : 255;
    return c;
}

// Whether pixels (or map entries) of this many bits carry alpha. The sixteenth bit of a
// 16-bit pixel is an attribute other readers show no trace of, so it is ignored too.
bool CarriesAlpha(unsigned bits) { return bits == 32; }

// A 32-bit pixel's fourth byte is alpha only when the descriptor counts attribute bits;
// without them it is padding, whatever it holds.
bool PixelsCarryAlpha(const Header& h) { return CarriesAlpha(h.pixelBits) && h.alphaBits != 0; }

void StoreComposited(const Rgba& c, bool alpha, std::uint8_t* bgr) {
    if (alpha) {
        bgr[0] = OverWhite(c.b, c.a);
        bgr[1] = OverWhite(c.g, c.a);
        bgr[2] = OverWhite(c.r, c.a);
    } else {
        bgr[0] = c.b;
        bgr[1] = c.g;
        bgr[2] = c.r;
    }
}

// The colour map with every entry at the index pixels use for it (the file's first
// entry is number mapFirst). Entries the file leaves undefined are black.
std::vector<Rgba> ReadColourMap(const Header& h, std::span<const std::uint8_t> file) {
    std::vector<Rgba> map(std::size_t(h.mapFirst) + h.mapLength, Rgba{0, 0, 0, 255});
    const unsigned entryBytes = (h.mapBits + 7) / 8;
    const std::uint8_t* p = file.data() + h.mapOffset;
    for (unsigned i = 0; i < h.mapLength; ++i, p += entryBytes)
        map[h.mapFirst + i] = DecodeColour(p, h.mapBits);
    if (!CarriesAlpha(h.mapBits))
        for (Rgba& c : map) c.a = 255;
    return map;
}

// Unpacks the pixels in file order. RLE is decoded as one stream because many writers
// let packets run across line ends; a packet that overruns the picture is cut off.
// Data that stops early leaves the remaining pixels undecoded: the picture keeps what
// arrived and the rest stays blank. Returns the number of pixels produced.
std::size_t UnpackPixels(const Header& h, std::span<const std::uint8_t> data,
                         std::vector<std::uint8_t>& out) {
    const std::size_t bpp = h.PixelBytes();
    const std::size_t total = out.size() / bpp;
    if (!h.rle) {
        const std::size_t n = std::min(total, data.size() / bpp);
        std::copy_n(data.begin(), n * bpp, out.begin());
        return n;
    }
    std::size_t in = 0, o = 0;
    while (o < total && in < data.size()) {
        const unsigned packet = data[in++];
        const std::size_t count = std::min<std::size_t>((packet & 0x7F) + 1, total - o);
        if (packet & 0x80) {
            if (data.size() - in < bpp) break;
            for (std::size_t i = 0; i < count; ++i)
                std::copy_n(data.begin() + std::ptrdiff_t(in), bpp,
                            out.begin() + std::ptrdiff_t((o + i) * bpp));
            in += bpp;
            o += count;
        } else {
            const std::size_t n = std::min(count, (data.size() - in) / bpp);
            std::copy_n(data.begin() + std::ptrdiff_t(in), n * bpp,
                        out.begin() + std::ptrdiff_t(o * bpp));
            in += n * bpp;
            o += n;
            if (n < count) break;
        }
    }
    return o;
}

// Visits every decoded pixel with its place in the upright picture.
template <typename Store>
void PlacePixels(const Header& h, const std::vector<std::uint8_t>& pixels, std::size_t produced,
                 const RasterView& view, unsigned outBytes, Store store) {
    const std::size_t w = std::size_t(h.width), bpp = h.PixelBytes();
    for (int row = 0; row < h.height && produced > std::size_t(row) * w; ++row) {
        const std::size_t count = std::min(w, produced - std::size_t(row) * w);
        const std::uint8_t* src = pixels.data() + std::size_t(row) * w * bpp;
        std::uint8_t* line = view.Line(h.topDown ? row : h.height - 1 - row);
        for (std::size_t c = 0; c < count; ++c, src += bpp) {
            const std::size_t x = h.rightToLeft ? w - 1 - c : c;
            store(src, line + x * outBytes);
        }
    }
}

bool Decode(const Header& h, std::span<const std::uint8_t> file, RasterTarget& target) {
    std::vector<Rgba> map;
    Palette palette;
    if (h.kind == Kind::MappedIndexed || h.kind == Kind::MappedColour) map = ReadColourMap(h, file);
    if (h.kind == Kind::MappedIndexed) {
        // Eight-bit indices reach only the first 256 entries of a longer map.
        palette.count = unsigned(std::min<std::size_t>(map.size(), 256));
        for (unsigned i = 0; i < palette.count; ++i) {
            std::uint8_t bgr[3];
            StoreComposited(map[i], true, bgr);
            palette.entries[i] = MakeTableWord(bgr[2], bgr[1], bgr[0]);
        }
    } else if (h.kind == Kind::Grey) {
        palette = Palette::GreyRamp();
    }

    RasterView view;
    if (!target.Allocate(h.width, h.height,
                         h.Indexed() ? PixelLayout::Indexed8 : PixelLayout::Bgr24, palette, view))
        return CodecFail("not enough memory for the picture");
    std::vector<std::uint8_t> pixels;
    try {
        pixels.resize(std::size_t(h.width) * std::size_t(h.height) * h.PixelBytes());
    } catch (const std::bad_alloc&) {
        return CodecFail("not enough memory for the picture");
    }
    const std::size_t produced = UnpackPixels(h, file.subspan(h.dataOffset), pixels);

    switch (h.kind) {
        case Kind::MappedIndexed:
        case Kind::Grey:
            PlacePixels(h, pixels, produced, view, 1,
                        [](const std::uint8_t* p, std::uint8_t* d) { *d = *p; });
            break;
        case Kind::MappedColour:
            PlacePixels(
                h, pixels, produced, view, 3, [&map](const std::uint8_t* p, std::uint8_t* d) {
                    const unsigned index = unsigned(p[0] | p[1] << 8);
                    StoreComposited(index < map.size() ? map[index] : Rgba{0, 0, 0, 255}, true, d);
                });
            break;
        case Kind::Colour: {
            const bool alpha = PixelsCarryAlpha(h);
            const unsigned bits = h.pixelBits;
            PlacePixels(h, pixels, produced, view, 3,
                        [alpha, bits](const std::uint8_t* p, std::uint8_t* d) {
                            StoreComposited(DecodeColour(p, bits), alpha, d);
                        });
            break;
        }
        case Kind::GreyAlpha:
            PlacePixels(h, pixels, produced, view, 3, [](const std::uint8_t* p, std::uint8_t* d) {
                StoreComposited(Rgba{p[0], p[0], p[0], p[1]}, true, d);
            });
            break;
    }
    return true;
}

}  // namespace

bool ReadTgaInfo(std::span<const std::uint8_t> file, ImageInfo& info) {
    Header h;
    if (!ParseHeader(file, h)) return false;
    info.width = h.width;
    info.height = h.height;
    info.depth = h.Indexed() ? 8 : 24;
    info.pages = 1;
    return true;
}

bool ReadTga(std::span<const std::uint8_t> file, RasterTarget& target) {
    Header h;
    if (!ParseHeader(file, h)) return false;
    return Decode(h, file, target);
}

bool WriteTga(ByteWriter& out, const ConstRasterView& image) {
    if (!ImageSideOk(image.width) || !ImageSideOk(image.height))
        return CodecFail("picture size out of range");
    if (image.layout != PixelLayout::Bgr24 && image.layout != PixelLayout::Indexed8 &&
        image.layout != PixelLayout::Bilevel)
        return CodecFail("unsupported pixel layout");
    const bool indexed = image.layout != PixelLayout::Bgr24;

    std::array<std::uint8_t, kHeaderSize> header{};
    header[1] = indexed ? 1 : 0;
    header[2] = indexed ? 1 : 2;
    header[5] = 0;  // 256 map entries, little-endian
    header[6] = indexed ? 1 : 0;
    header[7] = indexed ? 24 : 0;
    header[12] = std::uint8_t(image.width);
    header[13] = std::uint8_t(image.width >> 8);
    header[14] = std::uint8_t(image.height);
    header[15] = std::uint8_t(image.height >> 8);
    header[16] = indexed ? 8 : 24;
    header[17] = 0;  // bottom-left origin, no alpha
    bool ok = out.Write(header.data(), header.size());

    if (indexed) {
        const Palette palette = image.layout == PixelLayout::Bilevel ? Palette::BlackWhite()
                                : image.palette                      ? *image.palette
                                                                     : Palette{};
        std::array<std::uint8_t, 256 * 3> map{};
        for (unsigned i = 0; i < std::min(palette.count, 256u); ++i) {
            map[3 * i] = std::uint8_t(palette.entries[i]);
            map[3 * i + 1] = std::uint8_t(palette.entries[i] >> 8);
            map[3 * i + 2] = std::uint8_t(palette.entries[i] >> 16);
        }
        ok = ok && out.Write(map.data(), map.size());
    }
    const std::size_t lineBytes = std::size_t(image.width) * (indexed ? 1 : 3);
    for (int y = image.height - 1; y >= 0 && ok; --y) ok = out.Write(image.Line(y), lineBytes);

    std::array<std::uint8_t, 8> offsets{};  // no extension area, no developer directory
    ok =
        ok && out.Write(offsets.data(), offsets.size()) && out.Write(kSignature, sizeof kSignature);
    return ok ? true : CodecFail("could not write the file");
}

}  // namespace quillor
