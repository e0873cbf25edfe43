// Writes a starting corpus for every fuzz target into OUT/<format>/, made with our own
// writers (and with libjpeg, libpng and libtiff for variants our writers never make), so
// a fuzz run needs no sample files and gives the same seeds on every machine.

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on
#include <png.h>
#include <tiffio.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

#include "core/byte_writer.h"
#include "core/coxdib.h"
#include "formats/codec/jpeg_codec.h"
#include "formats/codec/memory_raster.h"
#include "formats/codec/pax_codec.h"
#include "formats/codec/pcx_codec.h"
#include "formats/codec/png_codec.h"
#include "formats/codec/psd_codec.h"
#include "formats/codec/tga_codec.h"
#include "formats/codec/tiff_codec.h"
#include "formats/codec/tla_codec.h"
#include "document/anim_script.h"
#include "brush/brush_file.h"
#include "palette/palette_file.h"
#include "platform/video_writer.h"

namespace {

using namespace quillor;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

fs::path g_out;
int g_failures = 0;

void Save(const std::string& format, const std::string& name, const Bytes& bytes) {
    const fs::path folder = g_out / format;
    fs::create_directories(folder);
    std::ofstream file(folder / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (bytes.empty() || !file) {
        std::cerr << "make_seeds: could not make " << format << "/" << name << "\n";
        ++g_failures;
    }
}

// Runs one of our writers and saves what it wrote, or reports that it failed.
template <typename Writer>
void SaveWritten(const std::string& format, const std::string& name, Writer write) {
    VectorWriter out;
    if (!write(out)) out.Bytes().clear();
    Save(format, name, out.Bytes());
}

// Pixels and palette colours that vary along both axes, at an awkward size.
MemoryRaster Picture(PixelLayout layout, int w, int h) {
    MemoryRaster m;
    Palette p;
    p.count = layout == PixelLayout::Indexed8 ? 256 : 0;
    for (unsigned i = 0; i < p.count; ++i) p.entries[i] = (i * 0x9E3779u + 0x204060u) & 0xFFFFFFu;
    RasterView v;
    if (!m.Allocate(w, h, layout, p, v)) std::abort();
    for (int y = 0; y < h; ++y)
        for (std::size_t i = 0; i < m.LineBytes(); ++i) v.Line(y)[i] = std::uint8_t(i * 29 + std::size_t(y) * 71 + i * i);
    return m;
}

bool ToDib(const MemoryRaster& m, COXDIB& dib) {
    const bool indexed = m.layout == PixelLayout::Indexed8;
    if (!dib.CreateBlank(indexed ? 8 : 24, m.width, m.height)) return false;
    for (unsigned i = 0; indexed && i < 256; ++i) dib.SetTableWord(std::uint8_t(i), m.palette.entries[i]);
    for (int y = 0; y < m.height; ++y) std::copy_n(m.Line(y), m.LineBytes(), dib.Line(y));
    return true;
}

void Le(Bytes& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

// A BMP file around a 40-byte info header; `extra` follows the header (masks, table).
Bytes Bmp(int w, int h, int bits, std::uint32_t compression, const Bytes& extra, const Bytes& pixels) {
    Bytes b = {'B', 'M'};
    const std::uint32_t offset = 14 + 40 + std::uint32_t(extra.size());
    Le(b, offset + std::uint32_t(pixels.size()), 4);
    Le(b, 0, 4);
    Le(b, offset, 4);
    Le(b, 40, 4), Le(b, std::uint32_t(w), 4), Le(b, std::uint32_t(h), 4), Le(b, 1, 2), Le(b, std::uint32_t(bits), 2);
    Le(b, compression, 4), Le(b, std::uint32_t(pixels.size()), 4), Le(b, 2835, 4), Le(b, 2835, 4);
    Le(b, 0, 4), Le(b, 0, 4);
    b.insert(b.end(), extra.begin(), extra.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Bytes GreyTable(unsigned entries) {
    Bytes t;
    for (unsigned i = 0; i < entries; ++i) {
        const auto v = std::uint8_t(i * 255 / (entries - 1));
        t.insert(t.end(), {v, v, v, 0});
    }
    return t;
}

void MakeBmpSeeds(const MemoryRaster& palette, const MemoryRaster& colour) {
    for (const auto* m : {&palette, &colour}) {
        COXDIB dib;
        const std::string name = m == &palette ? "palette.bmp" : "colour.bmp";
        if (ToDib(*m, dib)) SaveWritten("bmp", name, [&](ByteWriter& out) { return dib.WriteBmp(out); });
        else Save("bmp", name, {});
    }
    // Four- and two-colour pictures, packed the way the program saves them.
    MemoryRaster low = Picture(PixelLayout::Indexed8, 11, 5);
    for (auto& p : low.pixels) p %= 16;
    COXDIB eight, four, two;
    if (ToDib(low, eight) && eight.PackTo4Bit(four))
        SaveWritten("bmp", "four-bit.bmp", [&](ByteWriter& out) { return four.WriteBmp(out); });
    for (auto& p : low.pixels) p %= 2;
    if (ToDib(low, eight) && eight.PackTo1Bit(two))
        SaveWritten("bmp", "one-bit.bmp", [&](ByteWriter& out) { return two.WriteBmp(out); });

    // Runs, a literal run, a move, ends of line and the end of the picture.
    Save("bmp", "rle8.bmp", Bmp(9, 4, 8, 1, GreyTable(256),
                                {4, 10, 0, 3, 20, 30, 40, 0, 2, 10, 0, 0, 9, 200, 0, 0, 0, 2, 3, 1, 3, 77, 0, 1}));
    Save("bmp", "rle4.bmp", Bmp(9, 3, 4, 2, GreyTable(16), {5, 0x12, 0, 4, 0x34, 0x56, 0, 0, 9, 0xF0, 0, 1}));
    Bytes topDown;
    for (int i = 0; i < 3 * (7 * 3 + 3); ++i) topDown.push_back(std::uint8_t(i * 11));
    Save("bmp", "top-down.bmp", Bmp(7, -3, 24, 0, {}, topDown));
    Bytes words;
    for (int i = 0; i < 6 * 3; ++i) Le(words, std::uint32_t(i * 0x0B3D), 2);
    Bytes masks;
    Le(masks, 0xF800, 4), Le(masks, 0x07E0, 4), Le(masks, 0x001F, 4);
    Save("bmp", "rgb565.bmp", Bmp(6, 3, 16, 3, masks, words));
    Save("bmp", "rgb555.bmp", Bmp(6, 3, 16, 0, {}, words));
    Bytes quads;
    for (int i = 0; i < 5 * 2; ++i) Le(quads, std::uint32_t(i) * 0x1F2E3D4Cu, 4);
    Save("bmp", "bgra.bmp", Bmp(5, 2, 32, 0, {}, quads));
}

// Grey and CMYK files, which our writer never makes.
Bytes LibjpegFile(int components, J_COLOR_SPACE space, bool progressive) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = 19, cinfo.image_height = 9;
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 80, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> line(std::size_t(19 * components));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (std::size_t i = 0; i < line.size(); ++i) line[i] = JSAMPLE(i * 13 + cinfo.next_scanline * 27);
        JSAMPROW row = line.data();
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

// Alpha, 16-bit grey and a palette with transparency, through libpng's simple interface.
Bytes LibpngFile(png_uint_32 format, bool withMap) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = 11, image.height = 6, image.format = format;
    if (withMap) image.colormap_entries = 16;
    Bytes pixels(PNG_IMAGE_SIZE(image));
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint8_t(withMap ? i % 16 : i * 37);
    Bytes map(PNG_IMAGE_COLORMAP_SIZE(image));
    for (std::size_t i = 0; i < map.size(); ++i) map[i] = std::uint8_t(i * 53);
    png_alloc_size_t bytes = 0;
    if (!png_image_write_get_memory_size(image, bytes, 0, pixels.data(), 0, withMap ? map.data() : nullptr))
        return {};
    Bytes out(bytes);
    if (!png_image_write_to_memory(&image, out.data(), &bytes, 0, pixels.data(), 0, withMap ? map.data() : nullptr))
        return {};
    out.resize(bytes);
    return out;
}

// Several pages in layouts our writer never makes: LZW tiles, fax-coded bilevel, deflated grey.
void MakeMultiPageTiff() {
    fs::create_directories(g_out / "tiff");
    const std::string path = (g_out / "tiff" / "pages.tif").string();
    TIFF* t = TIFFOpen(path.c_str(), "w");
    if (!t) return Save("tiff", "pages.tif", {});
    const auto common = [t](std::uint32_t w, std::uint32_t h, int bits, int samples, int photometric, int compression) {
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, w);
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, h);
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, bits);
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, samples);
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, photometric);
        TIFFSetField(t, TIFFTAG_COMPRESSION, compression);
        TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    };
    bool ok = true;
    common(20, 18, 8, 3, PHOTOMETRIC_RGB, COMPRESSION_LZW);
    TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(t, TIFFTAG_TILEWIDTH, 16);
    TIFFSetField(t, TIFFTAG_TILELENGTH, 16);
    Bytes tile(std::size_t(TIFFTileSize(t)));
    for (std::uint32_t y = 0; y < 18; y += 16)
        for (std::uint32_t x = 0; x < 20; x += 16) {
            for (std::size_t i = 0; i < tile.size(); ++i) tile[i] = std::uint8_t(i * 7 + x + y);
            ok = ok && TIFFWriteTile(t, tile.data(), x, y, 0, 0) >= 0;
        }
    ok = ok && TIFFWriteDirectory(t);

    common(21, 9, 1, 1, PHOTOMETRIC_MINISWHITE, COMPRESSION_CCITTFAX4);
    for (std::uint32_t y = 0; y < 9; ++y) {
        std::uint8_t line[3] = {std::uint8_t(0x81 >> y), std::uint8_t(y * 29), 0x80};
        ok = ok && TIFFWriteScanline(t, line, y, 0) >= 0;
    }
    ok = ok && TIFFWriteDirectory(t);

    common(7, 5, 8, 1, PHOTOMETRIC_MINISBLACK, COMPRESSION_ADOBE_DEFLATE);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 2);
    for (std::uint32_t y = 0; y < 5; ++y) {
        std::uint8_t line[7] = {0, 40, 80, 120, 160, 200, std::uint8_t(y * 60)};
        ok = ok && TIFFWriteScanline(t, line, y, 0) >= 0;
    }
    ok = ok && TIFFWriteDirectory(t);
    TIFFClose(t);
    if (!ok) {
        std::cerr << "make_seeds: could not make tiff/pages.tif\n";
        ++g_failures;
    }
}

// A palette file, the same cut short, and a brush file's magic in front of a palette.
void MakePaletteSeeds() {
    std::array<ColourRef, 256> colours{};
    for (unsigned i = 0; i < 256; ++i) colours[i] = (i * 0x9E3779u + 0x204060u) & 0xFFFFFFu;
    const Bytes whole = EncodePaletteFile(colours);
    Save("pal", "palette.pal", whole);
    Save("pal", "short.pal", Bytes(whole.begin(), whole.begin() + 600));
    Bytes brush = whole;
    std::copy_n("QLBSH", 5, brush.begin());
    Save("pal", "brush.pal", brush);
}

// Brush files of both depths and of several frames, and one cut short.
void MakeBrushSeeds() {
    for (bool trueColour : {false, true}) {
        BrushRecord brush;
        brush.borrowed = false;
        brush.frameCount = 3;
        brush.width = 5;
        brush.height = 4;
        brush.rememberedBackground = trueColour ? 0x102030u : 7u;
        for (unsigned i = 0; i < 256; ++i) brush.palette[i] = (i * 0x9E3779u) & 0xFFFFFFu;
        for (int f = 0; f < 3; ++f) {
            Bytes pixels(std::size_t(5 * 4 * (trueColour ? 3 : 1)));
            for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint8_t(i * 31 + std::size_t(f));
            brush.frames.push_back(pixels);
        }
        const Bytes whole = EncodeBrushFile(brush, trueColour);
        Save("bsh", trueColour ? "true-colour.bsh" : "palette.bsh", whole);
        if (trueColour) Save("bsh", "short.bsh", Bytes(whole.begin(), whole.end() - 5));
    }
}

// Animation and layered scripts as the program writes them, one with CR LF line ends
// and missing lines, an empty one and one whose count promises more than it holds.
// Small movies from our own writer: 256-colour and true-colour frames through the
// compressors that store them differently.
void MakeMovieSeeds() {
    const int width = 9, height = 5;
    std::vector<std::uint8_t> pixels(12 * height * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint8_t(i * 37);
    std::array<std::uint32_t, 256> palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = std::uint32_t(i * 0x010305u) & 0xFFFFFFu;
    for (const char* encoder : {"raw", "zmbv", "png", "ffv1", "mjpeg", "mpeg4"}) {
        for (const int bits : {8, 24}) {
            const fs::path file = g_out / "avi-scratch.avi";
            VideoWriteSettings settings;
            settings.width = width;
            settings.height = height;
            settings.bitsPerPixel = bits;
            settings.encoder = encoder;
            settings.keyFrameEvery = 2;
            std::string error;
            std::unique_ptr<VideoWriter> writer = VideoWriter::Create(file.string(), settings, &error);
            const std::size_t stride = bits == 8 ? 12 : 28;
            bool ok = writer != nullptr;
            for (int frame = 0; ok && frame < 3; ++frame)
                ok = writer->Write({pixels.data() + frame, stride, palette.data()});
            ok = ok && writer->Finish();
            writer.reset();
            Bytes bytes;
            if (ok) {
                std::ifstream in(file, std::ios::binary);
                bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            }
            fs::remove(file);
            Save("avi", std::string(encoder) + "-" + std::to_string(bits) + ".avi", bytes);
        }
    }
}

void MakeScriptSeeds() {
    auto text = [](std::string_view t) { return Bytes(t.begin(), t.end()); };
    std::vector<ScriptFrame> frames(3);
    frames[0].name = "/anims/walk0001_COMPILED_TARGET.bmp";
    frames[1] = {"walk0002.bmp", true, false, true, 50};
    frames[2] = {"sub/walk 3.png", false, true, false, 100};
    Save("qua", "animation.qua", text(EncodeAnimationScript(frames, false)));
    Save("qua", "layered.qul", text(EncodeAnimationScript(frames, true)));
    Save("qua", "crlf-short.qua", text("QUASQ5\r\na.bmp\r\n\r\nb.bmp\r\n1\r\n"));
    Save("qua", "empty.qua", text("QUASQ"));
    Save("qua", "promises-too-much.qua", text("QUASQ9999\nonly.bmp\n"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seeds OUT_FOLDER\n";
        return 2;
    }
    g_out = argv[1];
    const MemoryRaster palette = Picture(PixelLayout::Indexed8, 13, 7);
    const MemoryRaster colour = Picture(PixelLayout::Bgr24, 13, 7);
    const MemoryRaster tiny = Picture(PixelLayout::Bgr24, 1, 1);
    const MemoryRaster strip = Picture(PixelLayout::Indexed8, 33, 2);
    struct Named {
        const char* name;
        const MemoryRaster* picture;
    };
    const Named pictures[] = {{"palette", &palette}, {"colour", &colour}, {"tiny", &tiny}, {"strip", &strip}};

    MakeBmpSeeds(palette, colour);
    for (const auto& [name, picture] : pictures) {
        const ConstRasterView view = picture->View();
        const std::string n = name;
        SaveWritten("pcx", n + ".pcx", [&](ByteWriter& out) { return WritePcx(out, view); });
        SaveWritten("tga", n + ".tga", [&](ByteWriter& out) { return WriteTga(out, view); });
        SaveWritten("psd", n + ".psd", [&](ByteWriter& out) { return WritePsd(out, view); });
        SaveWritten("png", n + ".png", [&](ByteWriter& out) { return WritePng(out, view, false); });
        SaveWritten("png", n + "-adam7.png", [&](ByteWriter& out) { return WritePng(out, view, true); });
        SaveWritten("jpeg", n + ".jpg", [&](ByteWriter& out) { return WriteJpeg(out, view, 90, false); });
        SaveWritten("tiff", n + ".tif", [&](ByteWriter& out) { return WriteTiff(out, view, TiffCompression::None); });
        SaveWritten("tiff", n + "-packbits.tif",
                    [&](ByteWriter& out) { return WriteTiff(out, view, TiffCompression::PackBits); });
        SaveWritten("pax", n + ".pax", [&](ByteWriter& out) { return WritePax(out, view, "", 1, PaxIdentity{}); });
        SaveWritten("tla", n + ".tla", [&](ByteWriter& out) { return WriteTla(out, view, ""); });
    }
    const ConstRasterView view = colour.View();
    SaveWritten("jpeg", "progressive.jpg", [&](ByteWriter& out) { return WriteJpeg(out, view, 60, true); });
    SaveWritten("tiff", "jpeg.tif", [&](ByteWriter& out) { return WriteTiff(out, view, TiffCompression::Jpeg); });
    // Protected files: the fuzzers open them with an empty password, which must fail fast.
    SaveWritten("pax", "locked.pax", [&](ByteWriter& out) { return WritePax(out, tiny.View(), "seed", 1, PaxIdentity{}); });
    SaveWritten("tla", "locked.tla", [&](ByteWriter& out) { return WriteTla(out, tiny.View(), "seed"); });

    Save("jpeg", "grey.jpg", LibjpegFile(1, JCS_GRAYSCALE, false));
    Save("jpeg", "cmyk.jpg", LibjpegFile(4, JCS_CMYK, false));
    Save("jpeg", "grey-progressive.jpg", LibjpegFile(1, JCS_GRAYSCALE, true));
    Save("png", "rgba.png", LibpngFile(PNG_FORMAT_RGBA, false));
    Save("png", "grey16.png", LibpngFile(PNG_FORMAT_LINEAR_Y, false));
    Save("png", "palette-alpha.png", LibpngFile(PNG_FORMAT_RGBA_COLORMAP, true));
    MakeMultiPageTiff();
    MakePaletteSeeds();
    MakeBrushSeeds();
    MakeScriptSeeds();
    MakeMovieSeeds();
    // The browser's scaled JPEG decoding starts from the JPEG seeds, the palette mapper
    // from the BMP ones (its 256-colour files among them).
    std::error_code ec;
    fs::copy(g_out / "jpeg", g_out / "thumbjpeg", ec);
    if (!ec) fs::copy(g_out / "bmp", g_out / "bmpmap", ec);
    if (ec) {
        std::cerr << "make_seeds: could not copy the seeds: " << ec.message() << "\n";
        ++g_failures;
    }
    return g_failures == 0 ? 0 : 1;
}
