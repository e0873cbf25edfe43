#include "formats/codec/jpeg_codec.h"

#include <gtest/gtest.h>

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "formats/codec/memory_raster.h"

namespace quillor {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What a file is written from: interleaved samples in `inSpace` order.
struct Source {
    int width = 0, height = 0, components = 3;
    J_COLOR_SPACE inSpace = JCS_RGB;
    J_COLOR_SPACE fileSpace = JCS_YCbCr;
    bool adobeMarker = true;
    int quality = 100;
    bool optimiseTables = false;
    Bytes samples;
};

// libjpeg's own error exit ends the program, which is what a broken test input deserves.
Bytes EncodeWithLibjpeg(const Source& s) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(s.width);
    cinfo.image_height = JDIMENSION(s.height);
    cinfo.input_components = s.components;
    cinfo.in_color_space = s.inSpace;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, s.fileSpace);
    cinfo.write_Adobe_marker = s.adobeMarker;
    jpeg_set_quality(&cinfo, s.quality, TRUE);
    cinfo.optimize_coding = s.optimiseTables;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(s.samples.data() + std::size_t(cinfo.next_scanline) * s.width * s.components);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

// Decodes with libjpeg alone, to judge our writer independently.
MemoryRaster DecodeWithLibjpeg(const Bytes& file) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&cinfo);
    MemoryRaster m;
    RasterView v;
    EXPECT_TRUE(m.Allocate(int(cinfo.output_width), int(cinfo.output_height), PixelLayout::Bgr24, Palette{}, v));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = v.Line(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return m;
}

// A smooth picture: red rises to the right, blue downwards, green along the diagonal, so
// swapped channels or flipped lines cost far more than compression does.
unsigned RedAt(int x, int, int w, int) { return unsigned(x * 255 / (w - 1)); }
unsigned GreenAt(int x, int y, int w, int h) { return unsigned((x + y) * 255 / (w + h - 2)); }
unsigned BlueAt(int, int y, int, int h) { return unsigned(y * 255 / (h - 1)); }

MemoryRaster BgrGradient(int w, int h) {
    MemoryRaster m;
    RasterView v;
    EXPECT_TRUE(m.Allocate(w, h, PixelLayout::Bgr24, Palette{}, v));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            v.Line(y)[x * 3 + 0] = std::uint8_t(BlueAt(x, y, w, h));
            v.Line(y)[x * 3 + 1] = std::uint8_t(GreenAt(x, y, w, h));
            v.Line(y)[x * 3 + 2] = std::uint8_t(RedAt(x, y, w, h));
        }
    return m;
}

// The largest difference between a Bgr24 raster and the gradient.
int GradientError(const MemoryRaster& m) {
    int worst = 0;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            const std::uint8_t* p = m.Line(y) + x * 3;
            worst = std::max({worst, std::abs(int(p[0]) - int(BlueAt(x, y, m.width, m.height))),
                              std::abs(int(p[1]) - int(GreenAt(x, y, m.width, m.height))),
                              std::abs(int(p[2]) - int(RedAt(x, y, m.width, m.height)))});
        }
    return worst;
}

Bytes Write(const ConstRasterView& image, int quality, bool progressive = false) {
    VectorWriter out;
    EXPECT_TRUE(WriteJpeg(out, image, quality, progressive));
    return out.Bytes();
}

// The markers of the header, up to and including the first start of scan, with the
// offset of each one's payload.
std::vector<std::pair<int, std::size_t>> HeaderMarkers(const Bytes& file) {
    std::vector<std::pair<int, std::size_t>> markers;
    for (std::size_t at = 2; at + 4 <= file.size() && file[at] == 0xFF;) {
        markers.emplace_back(file[at + 1], at + 4);
        if (file[at + 1] == 0xDA) break;
        at += 2 + (std::size_t(file[at + 2]) << 8 | file[at + 3]);
    }
    return markers;
}

bool HasMarker(const Bytes& file, int marker) {
    for (const auto& [m, at] : HeaderMarkers(file))
        if (m == marker) return true;
    return false;
}

TEST(JpegCodec, GreyFilesReadAsEightBitWithAGreyRamp) {
    Source s;
    s.width = 31, s.height = 17, s.components = 1, s.inSpace = s.fileSpace = JCS_GRAYSCALE;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) s.samples.push_back(std::uint8_t(x * 8 + y));
    const Bytes file = EncodeWithLibjpeg(s);

    ImageInfo info;
    ASSERT_TRUE(ReadJpegInfo(file, info));
    EXPECT_EQ(info.width, 31);
    EXPECT_EQ(info.height, 17);
    EXPECT_EQ(info.depth, 8);
    MemoryRaster m;
    ASSERT_TRUE(ReadJpeg(file, m));
    ASSERT_EQ(m.layout, PixelLayout::Indexed8);
    EXPECT_EQ(m.palette.count, 256u);
    for (unsigned i = 0; i < 256; ++i) ASSERT_EQ(m.palette.entries[i], i * 0x010101u) << i;
    int worst = 0;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            worst = std::max(worst, std::abs(int(m.Line(y)[x]) - int(s.samples[std::size_t(y * s.width + x)])));
    EXPECT_LE(worst, 2);
}

TEST(JpegCodec, ColourFilesReadAsTrueColourWithinCompressionLoss) {
    Source s;
    s.width = 45, s.height = 29, s.inSpace = JCS_EXT_BGR, s.samples = BgrGradient(45, 29).pixels;
    const Bytes file = EncodeWithLibjpeg(s);
    ImageInfo info;
    ASSERT_TRUE(ReadJpegInfo(file, info));
    EXPECT_EQ(info.depth, 24);
    MemoryRaster m;
    ASSERT_TRUE(ReadJpeg(file, m));
    ASSERT_EQ(m.layout, PixelLayout::Bgr24);
    ASSERT_EQ(m.width, 45);
    ASSERT_EQ(m.height, 29);
    EXPECT_LE(GradientError(m), 6);
}

TEST(JpegCodec, WritesWhatOtherDecodersSeeAndReadsItBack) {
    const MemoryRaster original = BgrGradient(50, 33);
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const Bytes file = Write(original.View(), 100, progressive);
        EXPECT_EQ(HasMarker(file, 0xC2), progressive);  // SOF2: progressive Huffman
        EXPECT_EQ(HasMarker(file, 0xC0), !progressive);  // SOF0: baseline
        const MemoryRaster fromLibjpeg = DecodeWithLibjpeg(file);
        ASSERT_EQ(fromLibjpeg.width, 50);
        ASSERT_EQ(fromLibjpeg.height, 33);
        EXPECT_LE(GradientError(fromLibjpeg), 6);

        MemoryRaster back;
        ASSERT_TRUE(ReadJpeg(file, back));
        EXPECT_LE(GradientError(back), 6);
    }
}

TEST(JpegCodec, QualitySetsTheSizeAndIsClamped) {
    const MemoryRaster picture = BgrGradient(64, 48);
    const Bytes q30 = Write(picture.View(), 30), q95 = Write(picture.View(), 95);
    EXPECT_LT(q30.size(), q95.size());
    EXPECT_EQ(Write(picture.View(), 250), Write(picture.View(), 100));
    EXPECT_EQ(Write(picture.View(), 0), Write(picture.View(), 1));
    EXPECT_EQ(Write(picture.View(), -40), Write(picture.View(), 1));
    EXPECT_NE(Write(picture.View(), 1), Write(picture.View(), 2));
}

TEST(JpegCodec, WritesPalettePicturesThroughTheirPalette) {
    // 16-pixel squares of one colour each, so chroma subsampling blurs only the edges.
    MemoryRaster m;
    Palette p;
    p.count = 4;
    p.entries[0] = 0xFF0000, p.entries[1] = 0x00FF00, p.entries[2] = 0x0000FF, p.entries[3] = 0xFFFF80;
    RasterView v;
    ASSERT_TRUE(m.Allocate(64, 32, PixelLayout::Indexed8, p, v));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) v.Line(y)[x] = std::uint8_t((x / 16 + y / 16) % 4);
    MemoryRaster back;
    ASSERT_TRUE(ReadJpeg(Write(m.View(), 100), back));
    ASSERT_EQ(back.layout, PixelLayout::Bgr24);
    for (int y = 8; y < 32; y += 16)
        for (int x = 8; x < 64; x += 16) {
            const TableWord want = p.entries[m.Line(y)[x]];
            const std::uint8_t* got = back.Line(y) + x * 3;
            EXPECT_NEAR(got[2], int(want >> 16), 4) << x << "," << y;
            EXPECT_NEAR(got[1], int(want >> 8 & 255), 4) << x << "," << y;
            EXPECT_NEAR(got[0], int(want & 255), 4) << x << "," << y;
        }
}

TEST(JpegCodec, CmykFilesReadAsTheColoursTheirInkGives) {
    // Ink (0 none, 255 full) per 16-pixel square and the colour it gives, 0xRRGGBB.
    struct Patch {
        std::uint8_t c, m, y, k;
        TableWord rgb;
    };
    const Patch patches[] = {{0, 0, 0, 0, 0xFFFFFF},   {0, 255, 255, 0, 0xFF0000}, {255, 0, 255, 0, 0x00FF00},
                             {255, 255, 0, 0, 0x0000FF}, {0, 0, 0, 255, 0x000000},   {0, 0, 0, 128, 0x7F7F7F},
                             {255, 0, 0, 0, 0x00FFFF}};
    const int n = int(std::size(patches));
    // Adobe's files store 255 for no ink; files without its marker store the ink itself.
    struct Variant {
        J_COLOR_SPACE space;
        bool adobe;
    };
    for (Variant variant : {Variant{JCS_CMYK, true}, Variant{JCS_CMYK, false}, Variant{JCS_YCCK, true}}) {
        SCOPED_TRACE(::testing::Message() << (variant.space == JCS_YCCK ? "YCCK" : "CMYK")
                                          << (variant.adobe ? " with" : " without") << " Adobe marker");
        Source s;
        s.width = 16 * n, s.height = 16, s.components = 4, s.inSpace = JCS_CMYK;
        s.fileSpace = variant.space, s.adobeMarker = variant.adobe;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < s.width; ++x) {
                const Patch& p = patches[x / 16];
                for (std::uint8_t ink : {p.c, p.m, p.y, p.k}) s.samples.push_back(variant.adobe ? 255 - ink : ink);
            }
        const Bytes file = EncodeWithLibjpeg(s);
        ImageInfo info;
        ASSERT_TRUE(ReadJpegInfo(file, info));
        EXPECT_EQ(info.depth, 24);
        MemoryRaster m;
        ASSERT_TRUE(ReadJpeg(file, m));
        ASSERT_EQ(m.layout, PixelLayout::Bgr24);
        for (int i = 0; i < n; ++i) {
            const std::uint8_t* got = m.Line(8) + (i * 16 + 8) * 3;
            EXPECT_NEAR(got[2], int(patches[i].rgb >> 16), 6) << "patch " << i;
            EXPECT_NEAR(got[1], int(patches[i].rgb >> 8 & 255), 6) << "patch " << i;
            EXPECT_NEAR(got[0], int(patches[i].rgb & 255), 6) << "patch " << i;
        }
    }
}

TEST(JpegCodec, CutFilesReadWhatIsThereAtFullSize) {
    const MemoryRaster original = BgrGradient(40, 40);
    const Bytes file = Write(original.View(), 90);
    MemoryRaster full;
    ASSERT_TRUE(ReadJpeg(file, full));
    const auto markers = HeaderMarkers(file);
    ASSERT_EQ(markers.back().first, 0xDA);
    const std::size_t sos = markers.back().second;
    const std::size_t dataStart = sos - 2 + (std::size_t(file[sos - 2]) << 8 | file[sos - 1]);

    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        const std::span<const std::uint8_t> part(file.data(), cut);
        ImageInfo info;
        MemoryRaster m;
        const bool infoOk = ReadJpegInfo(part, info);
        const bool readOk = ReadJpeg(part, m);
        if (cut < sos) {
            EXPECT_FALSE(infoOk || readOk) << "cut at " << cut;
        } else if (cut >= dataStart) {
            // libjpeg makes up the end of a cut scan; the picture keeps its full size.
            ASSERT_TRUE(readOk) << "cut at " << cut;
            ASSERT_EQ(m.width, 40);
            ASSERT_EQ(m.height, 40);
        }
    }
    // Without the end marker alone nothing is lost.
    MemoryRaster noEnd;
    ASSERT_TRUE(ReadJpeg(std::span(file.data(), file.size() - 2), noEnd));
    EXPECT_EQ(noEnd.pixels, full.pixels);
    // What the cut took away comes out mid-grey (coefficients of zero), not white.
    MemoryRaster early;
    ASSERT_TRUE(ReadJpeg(std::span(file.data(), dataStart + 8), early));
    const std::uint8_t* last = early.Line(39) + 39 * 3;
    EXPECT_EQ(MakeTableWord(last[2], last[1], last[0]), 0x808080u);
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

TEST(JpegCodec, RefusesHugePicturesFromSmallFilesBeforeAllocating) {
    const Bytes file = Write(BgrGradient(16, 16).View(), 50);
    std::size_t sof = 0;
    for (const auto& [m, at] : HeaderMarkers(file))
        if (m == 0xC0) sof = at;
    ASSERT_NE(sof, 0u);
    for (auto [w, h] : {std::pair{65535, 65535}, {20000, 20000}, {60000, 1000}}) {
        SCOPED_TRACE(::testing::Message() << w << "x" << h);
        Bytes lying = file;
        lying[sof + 1] = std::uint8_t(h >> 8), lying[sof + 2] = std::uint8_t(h);
        lying[sof + 3] = std::uint8_t(w >> 8), lying[sof + 4] = std::uint8_t(w);
        ImageInfo info;
        EXPECT_FALSE(ReadJpegInfo(lying, info));
        WatchingTarget target;
        EXPECT_FALSE(ReadJpeg(lying, target));
        EXPECT_FALSE(target.asked);
    }
}

// A file padded with comment segments until it is `size` bytes long, the padding
// placed right after the start-of-image marker.
Bytes PaddedTo(const Bytes& file, std::size_t size) {
    Bytes out(file.begin(), file.begin() + 2);
    const std::size_t rest = file.size() - 2;
    while (out.size() + rest + 4 < size) {
        const std::size_t payload = std::min<std::size_t>(65533, size - out.size() - rest - 4);
        const std::size_t length = payload + 2;
        out.insert(out.end(), {0xFF, 0xFE, std::uint8_t(length >> 8), std::uint8_t(length)});
        out.insert(out.end(), payload, 'c');
    }
    out.insert(out.end(), file.begin() + 2, file.end());
    return out;
}

TEST(JpegCodec, AFileMustHoldAtLeastTheBitsEveryBlockCosts) {
    // 26000 x 26000 claimed by a 600 KB file: even a flat picture needs two bits per
    // block and component there, about 4 MB.
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "sequential");
        const Bytes small = Write(BgrGradient(16, 16).View(), 50, progressive);
        Bytes lying = PaddedTo(small, 600 * 1024);
        std::size_t sof = 0;
        for (const auto& [m, at] : HeaderMarkers(lying))
            if (m == 0xC0 || m == 0xC2) sof = at;
        ASSERT_NE(sof, 0u);
        lying[sof + 1] = 26000 >> 8, lying[sof + 2] = 26000 & 255;
        lying[sof + 3] = 26000 >> 8, lying[sof + 4] = 26000 & 255;
        ImageInfo info;
        EXPECT_FALSE(ReadJpegInfo(lying, info));
        // Asked for the memory, this target refuses it rather than hand over 2 GB.
        struct NotAllocating final : RasterTarget {
            bool asked = false;
            bool Allocate(int, int, PixelLayout, const Palette&, RasterView&) override {
                asked = true;
                return false;
            }
        } target;
        EXPECT_FALSE(ReadJpeg(lying, target));
        EXPECT_FALSE(target.asked);
    }
}

TEST(JpegCodec, FlatPicturesAtTheBestCodingStillOpen) {
    // Optimised tables give a flat block one bit of DC and one of end-of-block: the
    // least a sequential file can spend. Larger than the unbacked allowance either way.
    Source grey;
    grey.width = 4000, grey.height = 3000, grey.components = 1;
    grey.inSpace = grey.fileSpace = JCS_GRAYSCALE;
    grey.optimiseTables = true;
    grey.samples.assign(std::size_t(grey.width) * grey.height, 77);
    const Bytes file = EncodeWithLibjpeg(grey);
    ImageInfo info;
    EXPECT_TRUE(ReadJpegInfo(file, info)) << file.size() << " bytes";

    MemoryRaster flat;
    RasterView view;
    ASSERT_TRUE(flat.Allocate(3000, 2000, PixelLayout::Bgr24, Palette{}, view));
    std::fill(flat.pixels.begin(), flat.pixels.end(), std::uint8_t(200));
    for (bool progressive : {false, true}) {
        const Bytes ours = Write(flat.View(), 75, progressive);
        EXPECT_TRUE(ReadJpegInfo(ours, info)) << ours.size() << " bytes";
    }
}

TEST(JpegCodec, RefusesEmptyPicturesAndNonJpegBytes) {
    MemoryRaster none;
    VectorWriter out;
    EXPECT_FALSE(WriteJpeg(out, none.View(), 90, false));
    const Bytes notJpeg = {0x89, 'P', 'N', 'G', 0, 0, 0, 0};
    ImageInfo info;
    MemoryRaster m;
    EXPECT_FALSE(ReadJpegInfo(notJpeg, info));
    EXPECT_FALSE(ReadJpeg(notJpeg, m));
}

}  // namespace
}  // namespace quillor
