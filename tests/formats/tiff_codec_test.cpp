#include "formats/codec/tiff_codec.h"

#include <gtest/gtest.h>
#include <tiffio.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "formats/codec/memory_raster.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Bgr = std::array<unsigned, 3>;

// One page as libtiff should store it. `sample(x, y, c)` gives the stored value at the
// page's own depth; `expected(x, y)` the colour our reader must produce.
struct Page {
    std::uint32_t width = 11, height = 7;
    std::uint16_t bits = 8, samples = 3, photometric = PHOTOMETRIC_RGB;
    std::uint16_t compression = COMPRESSION_NONE, planar = PLANARCONFIG_CONTIG, predictor = 0;
    bool unassociatedAlpha = false;
    std::uint32_t tile = 0;  // tile side, or 0 for strips
    std::vector<std::uint16_t> colourMap;
    std::function<unsigned(int, int, int)> sample;
    std::function<Bgr(int, int)> expected;
};

// Packs samples MSB first at depths below 8, native order at 16 (libtiff swaps as needed).
void Put(std::uint8_t* row, std::size_t index, unsigned bits, unsigned v) {
    if (bits == 16) {
        reinterpret_cast<std::uint16_t*>(row)[index] = std::uint16_t(v);
    } else if (bits == 8) {
        row[index] = std::uint8_t(v);
    } else {
        const std::size_t bit = index * bits;
        row[bit / 8] |= std::uint8_t(v << (8 - bits - bit % 8));
    }
}

bool WritePage(TIFF* t, const Page& p) {
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, p.width);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, p.height);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, p.bits);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, p.samples);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, p.photometric);
    TIFFSetField(t, TIFFTAG_COMPRESSION, p.compression);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, p.planar);
    if (p.predictor) TIFFSetField(t, TIFFTAG_PREDICTOR, p.predictor);
    if (p.unassociatedAlpha) {
        const std::uint16_t extra = EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, &extra);
    }
    if (!p.colourMap.empty()) {
        const std::size_t n = p.colourMap.size() / 3;
        TIFFSetField(t, TIFFTAG_COLORMAP, p.colourMap.data(), p.colourMap.data() + n, p.colourMap.data() + 2 * n);
    }
    const bool separate = p.planar == PLANARCONFIG_SEPARATE;
    const unsigned perPixel = separate ? 1 : p.samples;
    if (p.tile) {
        TIFFSetField(t, TIFFTAG_TILEWIDTH, p.tile);
        TIFFSetField(t, TIFFTAG_TILELENGTH, p.tile);
        for (std::uint32_t ty = 0; ty < p.height; ty += p.tile)
            for (std::uint32_t tx = 0; tx < p.width; tx += p.tile) {
                Bytes tile(std::size_t(TIFFTileSize(t)), 0);
                for (std::uint32_t y = 0; y < p.tile; ++y)
                    for (std::uint32_t x = 0; x < p.tile; ++x)
                        for (unsigned c = 0; c < perPixel && tx + x < p.width && ty + y < p.height; ++c)
                            Put(tile.data(), (y * p.tile + x) * perPixel + c, p.bits,
                                p.sample(int(tx + x), int(ty + y), int(c)));
                if (TIFFWriteTile(t, tile.data(), tx, ty, 0, 0) < 0) return false;
            }
    } else {
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 3);
        for (unsigned plane = 0; plane < (separate ? p.samples : 1u); ++plane)
            for (std::uint32_t y = 0; y < p.height; ++y) {
                Bytes row(std::size_t(TIFFScanlineSize(t)), 0);
                for (std::uint32_t x = 0; x < p.width; ++x)
                    for (unsigned c = 0; c < perPixel; ++c)
                        Put(row.data(), x * perPixel + c, p.bits, p.sample(int(x), int(y), int(separate ? plane : c)));
                if (TIFFWriteScanline(t, row.data(), y, std::uint16_t(plane)) < 0) return false;
            }
    }
    return TIFFWriteDirectory(t) != 0;
}

Bytes Encode(const std::vector<Page>& pages) {
    testing::TempDir dir;
    const std::string path = dir.File("made.tif");
    TIFF* t = TIFFOpen(path.c_str(), "w");
    EXPECT_NE(t, nullptr);
    if (!t) return {};
    for (const Page& p : pages) EXPECT_TRUE(WritePage(t, p));
    TIFFClose(t);
    return testing::ReadBytes(path);
}

// Opens bytes with libtiff itself, to look at what our writer put in the file.
struct Opened {
    testing::TempDir dir;
    TIFF* tif = nullptr;
    explicit Opened(const Bytes& file) {
        testing::WriteBytes(dir.File("look.tif"), file);
        tif = TIFFOpen(dir.File("look.tif").c_str(), "r");
    }
    ~Opened() {
        if (tif) TIFFClose(tif);
    }
    std::uint16_t Tag(ttag_t tag) {
        std::uint16_t v = 0;
        TIFFGetField(tif, tag, &v);
        return v;
    }
};

unsigned Over(unsigned v, unsigned a) { return (v * a + 255 * (255 - a) + 127) / 255; }

// Three samples that differ by position and channel.
unsigned Pattern(int x, int y, int c) { return unsigned(x * 23 + y * 41 + c * 97 + x * y * 5) % 256; }

Page Rgb() {
    Page p;
    p.sample = Pattern;
    p.expected = [](int x, int y) { return Bgr{Pattern(x, y, 2), Pattern(x, y, 1), Pattern(x, y, 0)}; };
    return p;
}

void ExpectPage(const Bytes& file, int page, const Page& p) {
    ImageInfo info;
    ASSERT_TRUE(ReadTiffInfo(file, page, info));
    EXPECT_EQ(info.width, int(p.width));
    EXPECT_EQ(info.height, int(p.height));
    EXPECT_EQ(info.depth, p.bits == 1 && p.samples == 1 ? 1 : 24);
    MemoryRaster m;
    ASSERT_TRUE(ReadTiffPage(file, page, m));
    ASSERT_EQ(m.layout, PixelLayout::Bgr24);
    ASSERT_EQ(m.width, int(p.width));
    ASSERT_EQ(m.height, int(p.height));
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            const std::uint8_t* got = m.Line(y) + x * 3;
            ASSERT_EQ((Bgr{got[0], got[1], got[2]}), p.expected(x, y)) << "at " << x << "," << y;
        }
}

TEST(TiffCodec, ReadsEachPageOfAMultiPageFile) {
    std::vector<Page> pages(3, Rgb());
    for (std::size_t i = 0; i < 3; ++i) {
        pages[i].width = 5 + std::uint32_t(i) * 4, pages[i].height = 3 + std::uint32_t(i);
        pages[i].sample = [i](int x, int y, int c) { return Pattern(x, y + int(i) * 50, c); };
        pages[i].expected = [i](int x, int y) {
            const int yy = y + int(i) * 50;
            return Bgr{Pattern(x, yy, 2), Pattern(x, yy, 1), Pattern(x, yy, 0)};
        };
    }
    const Bytes file = Encode(pages);
    int count = 0;
    ASSERT_TRUE(ReadTiffPageCount(file, count));
    EXPECT_EQ(count, 3);
    for (int i = 2; i >= 0; --i) {  // backwards: no page may depend on reading the one before
        SCOPED_TRACE(::testing::Message() << "page " << i);
        ExpectPage(file, i, pages[std::size_t(i)]);
    }
    for (int missing : {3, -1, 70000}) {
        ImageInfo info;
        MemoryRaster m;
        EXPECT_FALSE(ReadTiffInfo(file, missing, info)) << missing;
        EXPECT_FALSE(ReadTiffPage(file, missing, m)) << missing;
        EXPECT_FALSE(m.allocated);
    }
}

TEST(TiffCodec, ReadsEveryCommonLayoutAsTrueColour) {
    struct Case {
        const char* name;
        Page page;
    };
    std::vector<Case> cases;
    cases.push_back({"rgb", Rgb()});
    Page planar = Rgb();
    planar.planar = PLANARCONFIG_SEPARATE;
    cases.push_back({"rgb planes", planar});
    for (std::uint16_t compression : {COMPRESSION_LZW, COMPRESSION_ADOBE_DEFLATE}) {
        Page packed = Rgb();
        packed.compression = compression, packed.predictor = PREDICTOR_HORIZONTAL;
        cases.push_back({compression == COMPRESSION_LZW ? "lzw" : "deflate", packed});
        packed.tile = 16, packed.width = 37, packed.height = 21;  // partial tiles at the edges
        cases.push_back({compression == COMPRESSION_LZW ? "lzw tiles" : "deflate tiles", packed});
    }

    Page wide = Rgb();
    wide.bits = 16;
    // A multiple of 257 plus a small offset rounds back to the 8-bit value.
    wide.sample = [](int x, int y, int c) {
        return unsigned(std::clamp(int(Pattern(x, y, c) * 257) + (x + y + c) % 7 * 15 - 45, 0, 65535));
    };
    cases.push_back({"16-bit rgb", wide});

    Page alpha = Rgb();
    alpha.samples = 4, alpha.unassociatedAlpha = true;
    alpha.sample = [](int x, int y, int c) { return c == 3 ? unsigned(x * 37 + y * 11) % 256 : Pattern(x, y, c); };
    alpha.expected = [](int x, int y) {
        const unsigned a = unsigned(x * 37 + y * 11) % 256;
        return Bgr{Over(Pattern(x, y, 2), a), Over(Pattern(x, y, 1), a), Over(Pattern(x, y, 0), a)};
    };
    cases.push_back({"rgb with unassociated alpha", alpha});

    for (std::uint16_t photometric : {PHOTOMETRIC_MINISBLACK, PHOTOMETRIC_MINISWHITE}) {
        Page grey = Rgb();
        grey.samples = 1, grey.photometric = photometric;
        grey.expected = [photometric](int x, int y) {
            const unsigned v = photometric == PHOTOMETRIC_MINISWHITE ? 255 - Pattern(x, y, 0) : Pattern(x, y, 0);
            return Bgr{v, v, v};
        };
        cases.push_back({photometric == PHOTOMETRIC_MINISWHITE ? "grey, 0 white" : "grey, 0 black", grey});
    }
    for (std::uint16_t bits : {4, 8}) {
        Page palette = Rgb();
        palette.samples = 1, palette.bits = bits, palette.photometric = PHOTOMETRIC_PALETTE;
        const unsigned n = 1u << bits;
        palette.colourMap.resize(3 * n);
        for (unsigned i = 0; i < n; ++i)
            for (unsigned c = 0; c < 3; ++c) palette.colourMap[c * n + i] = std::uint16_t(Pattern(int(i), 9, int(c)) * 257);
        palette.sample = [n](int x, int y, int) { return Pattern(x, y, 0) % n; };
        palette.expected = [n](int x, int y) {
            const int i = int(Pattern(x, y, 0) % n);
            return Bgr{Pattern(i, 9, 2), Pattern(i, 9, 1), Pattern(i, 9, 0)};
        };
        cases.push_back({bits == 4 ? "16-colour palette" : "256-colour palette", palette});
    }

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes file = Encode({c.page});
        ExpectPage(file, 0, c.page);
    }
}

TEST(TiffCodec, ReadsUncompressedTiles) {
    // Tiles of 768 bytes: libtiff 4.5 trips over them when it reads without mapping the file.
    Page tiled = Rgb();
    tiled.tile = 16, tiled.width = 20, tiled.height = 17;
    ExpectPage(Encode({tiled}), 0, tiled);
}

TEST(TiffCodec, ReadsBilevelPagesWithInkAsBlack) {
    // Ink along both diagonals and a border, in a width that is not a multiple of 8.
    const auto ink = [](int x, int y) { return x == y || x + y == 20 || x == 0 || y == 12; };
    for (std::uint16_t compression : {COMPRESSION_NONE, COMPRESSION_CCITTFAX4, COMPRESSION_PACKBITS}) {
        for (std::uint16_t photometric : {PHOTOMETRIC_MINISWHITE, PHOTOMETRIC_MINISBLACK}) {
            SCOPED_TRACE(::testing::Message() << "compression " << compression << " photometric " << photometric);
            Page p;
            p.width = 21, p.height = 13, p.bits = 1, p.samples = 1;
            p.photometric = photometric, p.compression = compression;
            const unsigned inkBit = photometric == PHOTOMETRIC_MINISWHITE ? 1 : 0;
            p.sample = [&](int x, int y, int) { return ink(x, y) ? inkBit : 1 - inkBit; };
            p.expected = [&](int x, int y) {
                const unsigned v = ink(x, y) ? 0 : 255;
                return Bgr{v, v, v};
            };
            ExpectPage(Encode({p}), 0, p);
        }
    }
}

TEST(TiffCodec, ReadsAOneBitPageTheColourInterfaceRefusesAsBilevel) {
    // Separated (ink) pages need four samples; with one the bits are read as they stand.
    Page p;
    p.width = 10, p.height = 3, p.bits = 1, p.samples = 1, p.photometric = PHOTOMETRIC_SEPARATED;
    p.sample = [](int x, int y, int) { return unsigned(x + y) % 3 == 0 ? 1u : 0u; };
    const Bytes file = Encode({p});
    MemoryRaster m;
    ASSERT_TRUE(ReadTiffPage(file, 0, m));
    ASSERT_EQ(m.layout, PixelLayout::Bilevel);
    EXPECT_EQ(m.palette.entries[0], 0x000000u);
    EXPECT_EQ(m.palette.entries[1], 0xFFFFFFu);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(m.Line(y)[x], p.sample(x, y, 0)) << x << "," << y;
}

MemoryRaster Picture(PixelLayout layout, int w, int h) {
    MemoryRaster m;
    Palette p;
    p.count = layout == PixelLayout::Indexed8 ? 256 : 0;
    for (unsigned i = 0; i < p.count; ++i) p.entries[i] = (i * 0x9E3779u + 0x123456) & 0xFFFFFF;
    RasterView v;
    EXPECT_TRUE(m.Allocate(w, h, layout, p, v));
    for (int y = 0; y < h; ++y)
        for (std::size_t i = 0; i < m.LineBytes(); ++i) v.Line(y)[i] = std::uint8_t(i * 37 + std::size_t(y) * 91 + i * i);
    return m;
}

// The largest channel difference between the colours two pictures show.
int LargestDifference(const MemoryRaster& shown, const MemoryRaster& original) {
    int worst = 0;
    for (int y = 0; y < original.height; ++y)
        for (int x = 0; x < original.width; ++x) {
            const std::uint8_t* got = shown.Line(y) + x * 3;
            TableWord want;
            if (original.layout == PixelLayout::Indexed8) {
                want = original.palette.entries[original.Line(y)[x]];
            } else {
                const std::uint8_t* p = original.Line(y) + x * 3;
                want = MakeTableWord(p[2], p[1], p[0]);
            }
            for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(int(got[c]) - int(want >> (8 * c) & 255)));
        }
    return worst;
}

TEST(TiffCodec, WritesLosslessPicturesExactly) {
    for (PixelLayout layout : {PixelLayout::Bgr24, PixelLayout::Indexed8}) {
        for (TiffCompression compression : {TiffCompression::None, TiffCompression::PackBits}) {
            for (auto [w, h] : {std::pair{1, 1}, {17, 9}, {300, 40}}) {
                SCOPED_TRACE(::testing::Message() << w << "x" << h << " layout " << int(layout) << " compression "
                                                  << unsigned(compression));
                const MemoryRaster original = Picture(layout, w, h);
                VectorWriter out;
                ASSERT_TRUE(WriteTiff(out, original.View(), compression));
                const bool indexed = layout == PixelLayout::Indexed8;
                {
                    Opened look(out.Bytes());
                    ASSERT_NE(look.tif, nullptr);
                    EXPECT_EQ(look.Tag(TIFFTAG_COMPRESSION), unsigned(compression));
                    EXPECT_EQ(look.Tag(TIFFTAG_PHOTOMETRIC), indexed ? PHOTOMETRIC_PALETTE : PHOTOMETRIC_RGB);
                    if (indexed) {  // the indices themselves survive, not just the colours
                        std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
                        ASSERT_TRUE(TIFFGetField(look.tif, TIFFTAG_COLORMAP, &red, &green, &blue));
                        for (unsigned i = 0; i < 256; ++i) {  // full scale is 65535
                            const TableWord e = original.palette.entries[i];
                            ASSERT_EQ(red[i], (e >> 16 & 255) * 257) << i;
                            ASSERT_EQ(green[i], (e >> 8 & 255) * 257) << i;
                            ASSERT_EQ(blue[i], (e & 255) * 257) << i;
                        }
                        Bytes line(std::size_t(TIFFScanlineSize(look.tif)));
                        for (int y = 0; y < h; ++y) {
                            ASSERT_GE(TIFFReadScanline(look.tif, line.data(), std::uint32_t(y), 0), 0);
                            ASSERT_TRUE(std::equal(line.begin(), line.end(), original.Line(y))) << "line " << y;
                        }
                    }
                }
                int pages = 0;
                ASSERT_TRUE(ReadTiffPageCount(out.Bytes(), pages));
                EXPECT_EQ(pages, 1);
                MemoryRaster back;
                ASSERT_TRUE(ReadTiffPage(out.Bytes(), 0, back));
                ASSERT_EQ(back.width, w);
                ASSERT_EQ(back.height, h);
                EXPECT_EQ(LargestDifference(back, original), 0);
            }
        }
    }
}

TEST(TiffCodec, JpegCompressionIsForTrueColourOnly) {
    // A smooth picture with strips of 64 lines: 150 lines leave a short last strip.
    MemoryRaster smooth;
    RasterView v;
    ASSERT_TRUE(smooth.Allocate(45, 150, PixelLayout::Bgr24, Palette{}, v));
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 45; ++x)
            v.Line(y)[x * 3] = std::uint8_t(y * 255 / 149), v.Line(y)[x * 3 + 1] = std::uint8_t((x + y) * 255 / 193),
                          v.Line(y)[x * 3 + 2] = std::uint8_t(x * 255 / 44);
    VectorWriter jpeg;
    ASSERT_TRUE(WriteTiff(jpeg, smooth.View(), TiffCompression::Jpeg));
    EXPECT_EQ(Opened(jpeg.Bytes()).Tag(TIFFTAG_COMPRESSION), COMPRESSION_JPEG);
    MemoryRaster back;
    ASSERT_TRUE(ReadTiffPage(jpeg.Bytes(), 0, back));
    EXPECT_LE(LargestDifference(back, smooth), 10);

    const MemoryRaster indexed = Picture(PixelLayout::Indexed8, 23, 11);
    VectorWriter plain;
    ASSERT_TRUE(WriteTiff(plain, indexed.View(), TiffCompression::Jpeg));
    EXPECT_EQ(Opened(plain.Bytes()).Tag(TIFFTAG_COMPRESSION), COMPRESSION_NONE);
    ASSERT_TRUE(ReadTiffPage(plain.Bytes(), 0, back));
    EXPECT_EQ(LargestDifference(back, indexed), 0);
}

// Rewrites one tag of the first directory of a little-endian file as a 32-bit value.
Bytes WithTag(Bytes file, std::uint16_t tag, std::uint32_t value) {
    const auto u16 = [&file](std::size_t at) { return unsigned(file[at] | file[at + 1] << 8); };
    const std::size_t ifd = file[4] | file[5] << 8 | file[6] << 16 | std::size_t(file[7]) << 24;
    for (std::size_t e = 0; e < u16(ifd); ++e) {
        const std::size_t at = ifd + 2 + e * 12;
        if (u16(at) != tag) continue;
        file[at + 2] = TIFF_LONG, file[at + 3] = 0;
        for (int i = 0; i < 4; ++i) file[at + 8 + i] = std::uint8_t(value >> (8 * i));
    }
    return file;
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

TEST(TiffCodec, RefusesSizesOutOfRangeOrBeyondTheFileBeforeAllocating) {
    const Bytes file = Encode({Rgb()});
    ASSERT_EQ(file[0], 'I');  // the patching below assumes little-endian
    for (auto [w, h] : {std::pair{65536u, 7u}, {11u, 65536u}, {30000u, 30000u}, {65535u, 65535u}}) {
        SCOPED_TRACE(::testing::Message() << w << "x" << h);
        const Bytes lying = WithTag(WithTag(file, TIFFTAG_IMAGEWIDTH, w), TIFFTAG_IMAGELENGTH, h);
        ImageInfo info;
        EXPECT_FALSE(ReadTiffInfo(lying, 0, info));
        WatchingTarget target;
        EXPECT_FALSE(ReadTiffPage(lying, 0, target));
        EXPECT_FALSE(target.asked);
    }
}

TEST(TiffCodec, APageMustBeLongEnoughForItsCompression) {
    // 3000 x 2000 claimed by 5000 bytes: more than the least a fax page needs, less than
    // what any other scheme can pack that picture into.
    for (std::uint16_t compression :
         {COMPRESSION_NONE, COMPRESSION_PACKBITS, COMPRESSION_LZW, COMPRESSION_ADOBE_DEFLATE}) {
        SCOPED_TRACE(compression);
        Page p = Rgb();
        p.width = 16, p.height = 16, p.compression = compression;
        Bytes lying =
            WithTag(WithTag(Encode({p}), TIFFTAG_IMAGEWIDTH, 3000), TIFFTAG_IMAGELENGTH, 2000);
        ASSERT_LT(lying.size(), 5000u);
        lying.resize(5000);
        ImageInfo info;
        EXPECT_FALSE(ReadTiffInfo(lying, 0, info));
        WatchingTarget target;
        EXPECT_FALSE(ReadTiffPage(lying, 0, target));
        EXPECT_FALSE(target.asked);
    }
    Page fax;
    fax.width = 16, fax.height = 16, fax.bits = 1, fax.samples = 1;
    fax.photometric = PHOTOMETRIC_MINISWHITE, fax.compression = COMPRESSION_CCITTFAX4;
    fax.sample = [](int, int, int) { return 0u; };
    Bytes blank =
        WithTag(WithTag(Encode({fax}), TIFFTAG_IMAGEWIDTH, 3000), TIFFTAG_IMAGELENGTH, 2000);
    blank.resize(5000);
    ImageInfo info;
    EXPECT_TRUE(ReadTiffInfo(blank, 0, info));  // a blank row costs a fax coder one bit
}

TEST(TiffCodec, FlatPagesAtTheBestCompressionStillOpen) {
    for (std::uint16_t compression :
         {COMPRESSION_ADOBE_DEFLATE, COMPRESSION_PACKBITS, COMPRESSION_LZW}) {
        SCOPED_TRACE(compression);
        Page flat;
        flat.width = 4500, flat.height = 1000, flat.bits = 8, flat.samples = 1;
        flat.photometric = PHOTOMETRIC_MINISBLACK, flat.compression = compression;
        flat.sample = [](int, int, int) { return 90u; };
        const Bytes file = Encode({flat});
        ImageInfo info;
        EXPECT_TRUE(ReadTiffInfo(file, 0, info)) << file.size() << " bytes";
    }
}

TEST(TiffCodec, DamagedFilesFailWithoutCrashing) {
    Page lzw = Rgb();
    lzw.compression = COMPRESSION_LZW;
    Page palette = Rgb();
    palette.samples = 1, palette.photometric = PHOTOMETRIC_PALETTE, palette.bits = 4;
    palette.colourMap.assign(48, 0x8000);
    palette.sample = [](int x, int y, int) { return unsigned(x + y) % 16; };
    const Bytes file = Encode({lzw, palette});

    const auto probe = [](std::span<const std::uint8_t> bytes) {
        int pages = 0;
        ImageInfo info;
        MemoryRaster first, last;
        const bool counted = ReadTiffPageCount(bytes, pages);
        ReadTiffInfo(bytes, 0, info);
        ReadTiffPage(bytes, 0, first);
        if (counted) ReadTiffPage(bytes, pages - 1, last);
        return counted;
    };
    for (std::size_t cut = 0; cut < file.size(); ++cut)
        EXPECT_TRUE(cut >= 8 || !probe(std::span(file.data(), cut))) << "cut at " << cut;
    for (std::size_t at = 0; at < file.size(); ++at) {
        Bytes bad = file;
        bad[at] ^= 0x5A;
        probe(bad);
        bad[at] = 0xFF;
        probe(bad);
    }
    const Bytes notTiff = {'I', 'I', 43, 0, 8, 0, 0, 0};
    EXPECT_FALSE(probe(notTiff));
}

}  // namespace
}  // namespace quillor
