#include "formats/codec/png_codec.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstring>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "formats/codec/memory_raster.h"

namespace quillor {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Everything libpng needs to write one file. Samples are given at the file's own depth,
// one value per channel per pixel; `Encode` packs them.
struct PngFile {
    int width = 13, height = 7;  // odd: partial bytes at low depths, partial Adam7 blocks
    int colourType = PNG_COLOR_TYPE_RGB;
    int depth = 8;
    bool interlace = false;
    std::vector<png_color> plte;
    std::vector<png_byte> trns;  // palette alpha
    std::vector<unsigned> samples;

    int Channels() const {
        switch (colourType) {
            case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
            case PNG_COLOR_TYPE_RGB: return 3;
            case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
            default: return 1;
        }
    }
    unsigned Sample(int x, int y, int c) const { return samples[std::size_t((y * width + x) * Channels() + c)]; }
};

void Append(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}

// No C++ object with a destructor lives in this frame, so a longjmp out of libpng is safe.
bool EncodeRows(const PngFile& f, png_bytep* rows, Bytes* out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, Append, nullptr);
    png_set_IHDR(png, info, png_uint_32(f.width), png_uint_32(f.height), f.depth, f.colourType,
                 f.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!f.plte.empty()) png_set_PLTE(png, info, f.plte.data(), int(f.plte.size()));
    if (!f.trns.empty()) png_set_tRNS(png, info, f.trns.data(), int(f.trns.size()), nullptr);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

Bytes Encode(const PngFile& f) {
    const int channels = f.Channels();
    const std::size_t lineBytes = (std::size_t(f.width) * channels * f.depth + 7) / 8;
    std::vector<Bytes> lines(std::size_t(f.height), Bytes(lineBytes, 0));
    std::vector<png_bytep> rows;
    for (int y = 0; y < f.height; ++y) {
        Bytes& line = lines[std::size_t(y)];
        for (int i = 0; i < f.width * channels; ++i) {
            const unsigned v = f.samples[std::size_t(y * f.width * channels + i)];
            if (f.depth == 16) {
                line[std::size_t(i) * 2] = std::uint8_t(v >> 8);
                line[std::size_t(i) * 2 + 1] = std::uint8_t(v);
            } else if (f.depth == 8) {
                line[std::size_t(i)] = std::uint8_t(v);
            } else {
                const int bit = i * f.depth;
                line[std::size_t(bit / 8)] |= std::uint8_t(v << (8 - f.depth - bit % 8));
            }
        }
        rows.push_back(line.data());
    }
    Bytes out;
    EXPECT_TRUE(EncodeRows(f, rows.data(), &out));
    return out;
}

// Rounds a 16-bit sample to 8 bits; test values stay well clear of the halfway points.
unsigned To8(unsigned v, int depth) {
    if (depth == 16) return (v * 255 + 32767) / 65535;
    return v * 255 / ((1u << depth) - 1);
}

unsigned Over(unsigned v, unsigned a) { return (v * a + 255 * (255 - a) + 127) / 255; }

// Fills the samples with values spread over the whole range, including 0, full scale
// and (for alpha) partial transparency.
void Fill(PngFile& f) {
    const unsigned max = (1u << f.depth) - 1;
    f.samples.clear();
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            for (int c = 0; c < f.Channels(); ++c) {
                unsigned v = unsigned(x * 7 + y * 13 + c * 5 + x * y) % (max + 1);
                if (f.colourType == PNG_COLOR_TYPE_PALETTE) v %= unsigned(f.plte.size());
                if (f.depth == 16) {
                    // A multiple of 257 plus a small offset: rounds back to the 8-bit value,
                    // where dropping the low byte would not.
                    const unsigned v8 = unsigned(x * 29 + y * 53 + c * 71) % 256;
                    const int offset = int((x + y + c) % 7) * 15 - 45;
                    v = unsigned(std::clamp(int(v8 * 257) + offset, 0, 65535));
                }
                f.samples.push_back(v);
            }
}

// The colour a reader should produce for one pixel, as blue, green, red.
std::array<unsigned, 3> Expected(const PngFile& f, int x, int y) {
    unsigned r, g, b, a = 255;
    if (f.colourType == PNG_COLOR_TYPE_PALETTE) {
        const unsigned i = f.Sample(x, y, 0);
        r = f.plte[i].red, g = f.plte[i].green, b = f.plte[i].blue;
        if (i < f.trns.size()) a = f.trns[i];
    } else if (f.Channels() <= 2) {
        r = g = b = To8(f.Sample(x, y, 0), f.depth);
        if (f.Channels() == 2) a = To8(f.Sample(x, y, 1), f.depth);
    } else {
        r = To8(f.Sample(x, y, 0), f.depth);
        g = To8(f.Sample(x, y, 1), f.depth);
        b = To8(f.Sample(x, y, 2), f.depth);
        if (f.Channels() == 4) a = To8(f.Sample(x, y, 3), f.depth);
    }
    return {Over(b, a), Over(g, a), Over(r, a)};
}

std::vector<png_color> SomeColours(unsigned n) {
    std::vector<png_color> p;
    for (unsigned i = 0; i < n; ++i)
        p.push_back(png_color{png_byte(i * 97 + 11), png_byte(255 - i * 37), png_byte(i * 13)});
    return p;
}

TEST(PngCodec, EveryColourTypeAndDepthReadsAsBlendedTrueColour) {
    struct Kind {
        int colourType, depth;
        bool transparent;  // palette files: with a tRNS chunk
    };
    const Kind kinds[] = {
        {PNG_COLOR_TYPE_GRAY, 1, false},       {PNG_COLOR_TYPE_GRAY, 2, false},
        {PNG_COLOR_TYPE_GRAY, 4, false},       {PNG_COLOR_TYPE_GRAY, 8, false},
        {PNG_COLOR_TYPE_GRAY, 16, false},      {PNG_COLOR_TYPE_GRAY_ALPHA, 8, false},
        {PNG_COLOR_TYPE_GRAY_ALPHA, 16, false}, {PNG_COLOR_TYPE_RGB, 8, false},
        {PNG_COLOR_TYPE_RGB, 16, false},       {PNG_COLOR_TYPE_RGB_ALPHA, 8, false},
        {PNG_COLOR_TYPE_RGB_ALPHA, 16, false},
    };
    std::vector<Kind> all(std::begin(kinds), std::end(kinds));
    for (int depth : {1, 2, 4, 8})
        for (bool transparent : {false, true}) all.push_back({PNG_COLOR_TYPE_PALETTE, depth, transparent});

    for (const Kind& k : all) {
        for (bool interlace : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "colour type " << k.colourType << " depth " << k.depth
                                              << (k.transparent ? " tRNS" : "")
                                              << (interlace ? " interlaced" : ""));
            PngFile f;
            f.colourType = k.colourType;
            f.depth = k.depth;
            f.interlace = interlace;
            if (k.colourType == PNG_COLOR_TYPE_PALETTE) {
                f.plte = SomeColours(std::min(1u << k.depth, 200u));
                // Fewer alpha values than entries: the rest stay opaque.
                for (unsigned i = 0; k.transparent && i + 1 < f.plte.size(); ++i)
                    f.trns.push_back(png_byte(i * 255 / f.plte.size()));
            }
            Fill(f);
            const Bytes file = Encode(f);

            ImageInfo info;
            ASSERT_TRUE(ReadPngInfo(file, info));
            EXPECT_EQ(info.width, f.width);
            EXPECT_EQ(info.height, f.height);
            EXPECT_EQ(info.depth, 24);
            MemoryRaster m;
            ASSERT_TRUE(ReadPng(file, m));
            ASSERT_EQ(m.layout, PixelLayout::Bgr24);
            ASSERT_EQ(m.width, f.width);
            ASSERT_EQ(m.height, f.height);
            for (int y = 0; y < f.height; ++y)
                for (int x = 0; x < f.width; ++x) {
                    const auto want = Expected(f, x, y);
                    const std::uint8_t* got = m.Line(y) + x * 3;
                    ASSERT_EQ((std::array<unsigned, 3>{got[0], got[1], got[2]}), want)
                        << "at " << x << "," << y;
                }
        }
    }
}

TEST(PngCodec, AlphaBlendsOverWhiteRoundingToNearest) {
    PngFile f;
    f.width = 5, f.height = 1, f.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    // (red, green, blue, alpha) and the red the reader must show, worked out by hand.
    f.samples = {0, 0, 0, 128, 0, 0, 0, 1, 100, 0, 0, 51, 200, 0, 0, 0, 255, 255, 255, 77};
    const unsigned red[] = {127, 254, 224, 255, 255};
    MemoryRaster m;
    ASSERT_TRUE(ReadPng(Encode(f), m));
    for (int x = 0; x < 5; ++x) EXPECT_EQ(m.Line(0)[x * 3 + 2], red[x]) << x;
}

MemoryRaster Picture(PixelLayout layout, int w, int h, unsigned colours = 256) {
    MemoryRaster m;
    Palette p;
    p.count = layout == PixelLayout::Indexed8 ? colours : 0;
    for (unsigned i = 0; i < p.count; ++i) p.entries[i] = (i * 0x9E3779u + 0x123456) & 0xFFFFFF;
    RasterView v;
    EXPECT_TRUE(m.Allocate(w, h, layout, p, v));
    for (int y = 0; y < h; ++y)
        for (std::size_t i = 0; i < m.LineBytes(); ++i) {
            // Noise: past a few thousand pixels nearly every colour differs, as in a photograph.
            const std::uint32_t hash = std::uint32_t(i) * 0x9E3779B1u ^ std::uint32_t(y + 1) * 0x85EBCA77u;
            v.Line(y)[i] = std::uint8_t((hash ^ hash >> 15) % (p.count ? p.count : 256));
        }
    return m;
}

struct Chunk {
    std::string type;
    std::size_t at, length;  // where its data starts, and how long it is
};

std::vector<Chunk> Chunks(const Bytes& file) {
    std::vector<Chunk> chunks;
    for (std::size_t at = 8; at + 12 <= file.size();) {
        const std::size_t length = std::size_t(file[at]) << 24 | file[at + 1] << 16 | file[at + 2] << 8 | file[at + 3];
        chunks.push_back({std::string(file.begin() + long(at) + 4, file.begin() + long(at) + 8), at + 8, length});
        at += 12 + length;
    }
    return chunks;
}

TEST(PngCodec, WritesTrueColourAndPaletteExactly) {
    for (PixelLayout layout : {PixelLayout::Bgr24, PixelLayout::Indexed8}) {
        for (bool interlace : {false, true}) {
            for (auto [w, h, colours] : {std::tuple{1, 1, 256u}, {17, 9, 256u}, {33, 3, 16u}, {97, 61, 256u}}) {
                SCOPED_TRACE(::testing::Message() << w << "x" << h << " layout " << int(layout)
                                                  << (interlace ? " interlaced" : ""));
                const MemoryRaster original = Picture(layout, w, h, colours);
                VectorWriter out;
                ASSERT_TRUE(WritePng(out, original.View(), interlace));
                const Bytes& file = out.Bytes();
                const bool indexed = layout == PixelLayout::Indexed8;
                ASSERT_GT(file.size(), 33u);
                EXPECT_EQ(file[24], 8);                                                   // bit depth
                EXPECT_EQ(file[25], indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB);  // colour type
                EXPECT_EQ(file[28], interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE);
                bool sawPalette = false;
                for (const Chunk& c : Chunks(file))
                    if (c.type == "PLTE") {
                        sawPalette = true;
                        EXPECT_EQ(c.length, 768u);  // all 256 entries, even when fewer are used
                        EXPECT_EQ(file[c.at + 3 * 5], original.palette.entries[5] >> 16);
                    }
                EXPECT_EQ(sawPalette, indexed);

                MemoryRaster back;
                ASSERT_TRUE(ReadPng(file, back));
                ASSERT_EQ(back.width, w);
                ASSERT_EQ(back.height, h);
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const std::uint8_t* got = back.Line(y) + x * 3;
                        TableWord want;
                        if (indexed) {
                            want = original.palette.entries[original.Line(y)[x]];
                        } else {
                            const std::uint8_t* p = original.Line(y) + x * 3;
                            want = MakeTableWord(p[2], p[1], p[0]);
                        }
                        ASSERT_EQ(MakeTableWord(got[2], got[1], got[0]), want) << x << "," << y;
                    }
            }
        }
    }
    VectorWriter out;
    EXPECT_FALSE(WritePng(out, MemoryRaster{}.View(), false));
}

// Counts whether a reader got as far as asking for memory.
class WatchingTarget final : public RasterTarget {
public:
    bool Allocate(int w, int h, PixelLayout l, const Palette& p, RasterView& v) override {
        asked = true;
        return inner.Allocate(w, h, l, p, v);
    }
    MemoryRaster inner;
    bool asked = false;
};

// Rewrites the size in IHDR and fixes its CRC, so only the size is wrong.
Bytes WithSize(Bytes file, std::uint32_t w, std::uint32_t h) {
    for (int i = 0; i < 4; ++i) {
        file[16 + i] = std::uint8_t(w >> (24 - 8 * i));
        file[20 + i] = std::uint8_t(h >> (24 - 8 * i));
    }
    const uLong crc = crc32(0, file.data() + 12, 17);
    for (int i = 0; i < 4; ++i) file[29 + i] = std::uint8_t(crc >> (24 - 8 * i));
    return file;
}

TEST(PngCodec, RefusesSizesOutOfRangeOrBeyondTheFileBeforeAllocating) {
    PngFile wide;
    wide.width = 65535, wide.height = 1, wide.colourType = PNG_COLOR_TYPE_GRAY;
    wide.samples.assign(65535, 200);
    const Bytes widest = Encode(wide);
    ImageInfo info;
    ASSERT_TRUE(ReadPngInfo(widest, info));  // the largest side allowed still reads
    EXPECT_EQ(info.width, 65535);

    PngFile small;
    Fill(small);
    const Bytes file = Encode(small);
    for (auto [w, h] : {std::pair{65536u, 1u}, {1u, 65536u}, {0u, 5u}, {20000u, 20000u}, {65535u, 65535u}}) {
        SCOPED_TRACE(::testing::Message() << w << "x" << h);
        const Bytes lying = WithSize(file, w, h);
        EXPECT_FALSE(ReadPngInfo(lying, info));
        WatchingTarget target;
        EXPECT_FALSE(ReadPng(lying, target));
        EXPECT_FALSE(target.asked);
    }
}

TEST(PngCodec, FlatPicturesOpenWhateverTheyWidenTo) {
    // Deflate packs the stream at most 1032 times; a picture held at fewer bytes per
    // pixel than it decodes to is judged by its stream, so these blank pages open.
    MemoryRaster blank;
    RasterView view;
    ASSERT_TRUE(blank.Allocate(5000, 4000, PixelLayout::Indexed8, Palette::GreyRamp(), view));
    VectorWriter out;
    ASSERT_TRUE(WritePng(out, blank.View(), false));
    ImageInfo info;
    EXPECT_TRUE(ReadPngInfo(out.Bytes(), info)) << out.Bytes().size() << " bytes";

    PngFile page;
    page.width = 4000, page.height = 2000, page.colourType = PNG_COLOR_TYPE_GRAY, page.depth = 1;
    page.samples.assign(std::size_t(page.width) * page.height, 1);
    const Bytes onebit = Encode(page);
    EXPECT_TRUE(ReadPngInfo(onebit, info)) << onebit.size() << " bytes";
    // The same header over a stream too short for it is refused.
    EXPECT_FALSE(ReadPngInfo(WithSize(onebit, 4000, 20000), info));
}

TEST(PngCodec, DamagedFilesFailWithoutCrashing) {
    PngFile f;
    f.width = 9, f.height = 5, f.colourType = PNG_COLOR_TYPE_RGB_ALPHA, f.interlace = true;
    Fill(f);
    const Bytes file = Encode(f);
    std::size_t dataEnd = 0;
    for (const Chunk& c : Chunks(file))
        if (c.type == "IDAT") dataEnd = c.at + c.length;
    ASSERT_GT(dataEnd, 33u);

    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        const std::span<const std::uint8_t> part(file.data(), cut);
        ImageInfo info;
        MemoryRaster m;
        const bool infoOk = ReadPngInfo(part, info);
        const bool readOk = ReadPng(part, m);
        EXPECT_TRUE(cut >= 33 || !infoOk) << "cut at " << cut;  // no complete header yet
        EXPECT_TRUE(cut >= dataEnd || !readOk) << "cut at " << cut;
    }
    // Flipping any one byte: bad signatures, CRCs, zlib streams and chunk lengths.
    for (std::size_t at = 0; at < file.size(); ++at) {
        Bytes bad = file;
        bad[at] ^= 0xA5;
        MemoryRaster m;
        ImageInfo info;
        ReadPngInfo(bad, info);
        const bool ok = ReadPng(bad, m);
        EXPECT_TRUE(at >= 8 || !ok) << "byte " << at;
    }
}

}  // namespace
}  // namespace quillor
