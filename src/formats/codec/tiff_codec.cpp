#include "formats/codec/tiff_codec.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/image_limits.h"
#include "formats/codec/codec_error.h"

namespace quillor {

namespace {

constexpr tmsize_t kMaxSingleAllocation = tmsize_t(kMaxRowBytes);
constexpr int kMaxPages = 65535;

// A TIFF held in memory, readable and (for writing) growable.
struct MemoryFile {
    std::span<const std::uint8_t> input;
    std::vector<std::uint8_t>* output = nullptr;
    std::uint64_t pos = 0;

    std::uint64_t Size() const { return output ? output->size() : input.size(); }
    const std::uint8_t* Data() const { return output ? output->data() : input.data(); }
};

tmsize_t ReadProc(thandle_t h, void* buf, tmsize_t size) {
    auto* f = static_cast<MemoryFile*>(h);
    if (size < 0 || f->pos >= f->Size()) return 0;
    const std::uint64_t n = std::min<std::uint64_t>(std::uint64_t(size), f->Size() - f->pos);
    std::memcpy(buf, f->Data() + f->pos, std::size_t(n));
    f->pos += n;
    return tmsize_t(n);
}

tmsize_t WriteProc(thandle_t h, void* buf, tmsize_t size) {
    auto* f = static_cast<MemoryFile*>(h);
    if (!f->output || size < 0) return -1;
    const std::uint64_t end = f->pos + std::uint64_t(size);
    if (end > kMaxRowBytes * 2) return -1;
    try {
        if (end > f->output->size()) f->output->resize(std::size_t(end));
    } catch (const std::bad_alloc&) {
        return -1;
    }
    std::memcpy(f->output->data() + f->pos, buf, std::size_t(size));
    f->pos = end;
    return size;
}

toff_t SeekProc(thandle_t h, toff_t offset, int whence) {
    auto* f = static_cast<MemoryFile*>(h);
    std::uint64_t base = 0;
    if (whence == SEEK_CUR) base = f->pos;
    else if (whence == SEEK_END) base = f->Size();
    f->pos = base + offset;
    return f->pos;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t h) { return static_cast<MemoryFile*>(h)->Size(); }

int MapProc(thandle_t h, void** base, toff_t* size) {
    auto* f = static_cast<MemoryFile*>(h);
    if (f->output) return 0;
    *base = const_cast<std::uint8_t*>(f->input.data());
    *size = f->input.size();
    return 1;
}
void UnmapProc(thandle_t, void*, toff_t) {}

int OnError(TIFF*, void*, const char* module, const char* fmt, va_list ap) {
    char message[512];
    std::vsnprintf(message, sizeof message, fmt, ap);
    SetCodecError(std::string(module ? module : "TIFF") + ": " + message);
    return 1;
}
int OnWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TiffCloser {
    void operator()(TIFF* t) const { TIFFClose(t); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

TiffHandle Open(MemoryFile& file, const char* mode) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) return nullptr;
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxSingleAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options, OnError, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, OnWarning, nullptr);
    TIFF* tif = TIFFClientOpenExt("memory", mode, &file, ReadProc, WriteProc, SeekProc, CloseProc,
                                  SizeProc, MapProc, UnmapProc, options);
    TIFFOpenOptionsFree(options);
    return TiffHandle(tif);
}

// The fewest bytes the page's samples can be compressed to, by what its compression
// scheme reaches at best.
std::uint64_t LeastPageBytes(TIFF* tif, std::uint32_t width, std::uint32_t height) {
    std::uint16_t bits = 1, samples = 1, compression = COMPRESSION_NONE, photometric = 0;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric);
    const std::uint64_t sampleBits = std::max<std::uint16_t>(bits, 1);
    std::uint64_t raw = (std::uint64_t(width) * samples * sampleBits + 7) / 8 * height;
    // Subsampled YCbCr stores two chroma samples per block of luma samples.
    std::uint16_t across = 1, down = 1;
    if (photometric == PHOTOMETRIC_YCBCR && samples == 3 && compression != COMPRESSION_JPEG &&
        compression != COMPRESSION_OJPEG &&
        TIFFGetFieldDefaulted(tif, TIFFTAG_YCBCRSUBSAMPLING, &across, &down) && across > 0 &&
        down > 0) {
        const std::uint64_t blocks = (std::uint64_t(width) + across - 1) / across *
                                     ((std::uint64_t(height) + down - 1) / down);
        raw = blocks * (std::uint64_t(across) * down + 2) * sampleBits / 8;
    }
    switch (compression) {
        case COMPRESSION_NONE: return raw;
        case COMPRESSION_PACKBITS: return LeastCompressedBytes(raw, kPackBitsMaxExpansion);
        case COMPRESSION_ADOBE_DEFLATE:
        case COMPRESSION_DEFLATE: return LeastCompressedBytes(raw, kDeflateMaxExpansion);
        // A 12-bit code stands for at most 4096 bytes.
        case COMPRESSION_LZW: return LeastCompressedBytes(raw, 2731);
        // A bit per 8 x 8 block and component, with chroma at a quarter of the samples.
        case COMPRESSION_OJPEG:
        case COMPRESSION_JPEG: return LeastCompressedBytes(raw, 1024);
        // Fax coding spends as little as one bit on a blank row.
        case COMPRESSION_CCITTRLE:
        case COMPRESSION_CCITTRLEW:
        case COMPRESSION_CCITTFAX3:
        case COMPRESSION_CCITTFAX4: return height / 8;
        // Rarer schemes (LZMA, Zstandard, WebP, JBIG, ...) are held to the long runs the
        // general-purpose ones reach.
        default: return LeastCompressedBytes(raw, 4096);
    }
}

bool ChoosePage(TIFF* tif, int page, std::uint32_t& width, std::uint32_t& height,
                std::size_t fileBytes) {
    if (page < 0 || page >= kMaxPages || !TIFFSetDirectory(tif, tdir_t(page)))
        return CodecFail("no such page");
    if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height))
        return CodecFail("page has no size");
    if (!ImageSideOk(width) || !ImageSideOk(height)) return CodecFail("picture size out of range");
    // The colour interface unpacks the page into four bytes per pixel.
    if (!AllocationBacked(std::uint64_t(width) * height * 4, LeastPageBytes(tif, width, height),
                          fileBytes))
        return CodecFail("picture larger than the file can hold");
    return true;
}

bool IsBilevel(TIFF* tif) {
    std::uint16_t bits = 1, samples = 1;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    return bits == 1 && samples == 1;
}

bool ReadAsTrueColour(TIFF* tif, std::uint32_t width, std::uint32_t height, RasterTarget& target) {
    char reason[1024];
    if (!TIFFRGBAImageOK(tif, reason)) return CodecFail(reason);
    std::vector<std::uint32_t> raster;
    try {
        raster.resize(std::size_t(width) * height);
    } catch (const std::bad_alloc&) {
        return CodecFail("not enough memory for the picture");
    }
    if (!TIFFReadRGBAImageOriented(tif, width, height, raster.data(), ORIENTATION_TOPLEFT, 0))
        return false;
    RasterView view;
    if (!target.Allocate(int(width), int(height), PixelLayout::Bgr24, Palette{}, view))
        return CodecFail("not enough memory for the picture");
    // The RGBA interface hands back premultiplied colour, so white shows through as 255 - a.
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint32_t* src = raster.data() + std::size_t(y) * width;
        std::uint8_t* dst = view.Line(int(y));
        for (std::uint32_t x = 0; x < width; ++x, dst += 3) {
            const std::uint32_t p = src[x];
            const unsigned a = TIFFGetA(p), white = 255 - a;
            dst[0] = std::uint8_t(std::min(255u, TIFFGetB(p) + white));
            dst[1] = std::uint8_t(std::min(255u, TIFFGetG(p) + white));
            dst[2] = std::uint8_t(std::min(255u, TIFFGetR(p) + white));
        }
    }
    return true;
}

bool ReadAsBilevel(TIFF* tif, std::uint32_t width, std::uint32_t height, RasterTarget& target) {
    if (!IsBilevel(tif) || TIFFIsTiled(tif)) return false;
    std::uint16_t photometric = PHOTOMETRIC_MINISWHITE;
    TIFFGetFieldDefaulted(tif, TIFFTAG_PHOTOMETRIC, &photometric);
    const tmsize_t lineBytes = TIFFScanlineSize(tif);
    if (lineBytes <= 0 || std::uint64_t(lineBytes) * 8 < width) return CodecFail("bad line size");
    std::vector<std::uint8_t> line(static_cast<std::size_t>(lineBytes));
    RasterView view;
    if (!target.Allocate(int(width), int(height), PixelLayout::Bilevel, Palette::BlackWhite(), view))
        return CodecFail("not enough memory for the picture");
    const bool invert = photometric == PHOTOMETRIC_MINISWHITE;
    for (std::uint32_t y = 0; y < height; ++y) {
        if (TIFFReadScanline(tif, line.data(), y, 0) < 0) break;  // keep what was read
        std::uint8_t* dst = view.Line(int(y));
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t bit = (line[x >> 3] >> (7 - (x & 7))) & 1;
            dst[x] = invert ? std::uint8_t(bit ^ 1) : bit;
        }
    }
    return true;
}

}  // namespace

bool ReadTiffPageCount(std::span<const std::uint8_t> file, int& pages) {
    MemoryFile f{file};
    TiffHandle tif = Open(f, "r");
    if (!tif) return false;
    const tdir_t count = TIFFNumberOfDirectories(tif.get());
    if (count < 1) return CodecFail("no pages");
    pages = int(std::min<tdir_t>(count, kMaxPages));
    return true;
}

bool ReadTiffInfo(std::span<const std::uint8_t> file, int page, ImageInfo& info) {
    MemoryFile f{file};
    TiffHandle tif = Open(f, "r");
    std::uint32_t width = 0, height = 0;
    if (!tif || !ChoosePage(tif.get(), page, width, height, file.size())) return false;
    info.width = int(width);
    info.height = int(height);
    info.depth = IsBilevel(tif.get()) ? 1 : 24;
    info.pages = int(std::min<tdir_t>(TIFFNumberOfDirectories(tif.get()), kMaxPages));
    return true;
}

bool ReadTiffPage(std::span<const std::uint8_t> file, int page, RasterTarget& target) {
    MemoryFile f{file};
    TiffHandle tif = Open(f, "r");
    std::uint32_t width = 0, height = 0;
    if (!tif || !ChoosePage(tif.get(), page, width, height, file.size())) return false;
    if (ReadAsTrueColour(tif.get(), width, height, target)) return true;
    return ReadAsBilevel(tif.get(), width, height, target);
}

bool WriteTiff(ByteWriter& out, const ConstRasterView& image, TiffCompression compression) {
    if (image.width < 1 || image.height < 1) return CodecFail("empty picture");
    const bool indexed = image.layout != PixelLayout::Bgr24;
    if (indexed && compression == TiffCompression::Jpeg) compression = TiffCompression::None;

    std::vector<std::uint8_t> bytes;
    MemoryFile f{{}, &bytes};
    {
        TiffHandle tif = Open(f, "w");
        if (!tif) return false;
        TIFF* t = tif.get();
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, std::uint32_t(image.width));
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, std::uint32_t(image.height));
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, indexed ? 1 : 3);
        TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(t, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
        TIFFSetField(t, TIFFTAG_COMPRESSION, unsigned(compression));
        TIFFSetField(t, TIFFTAG_XRESOLUTION, 72.0);
        TIFFSetField(t, TIFFTAG_YRESOLUTION, 72.0);
        TIFFSetField(t, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
        TIFFSetField(t, TIFFTAG_SOFTWARE, "Quillor");
        std::vector<std::uint16_t> map;
        if (indexed) {
            map.assign(768, 0);
            for (unsigned i = 0; i < 256 && image.palette && i < image.palette->count; ++i) {
                const TableWord w = image.palette->entries[i];
                map[i] = std::uint16_t(((w >> 16) & 255) * 257);
                map[256 + i] = std::uint16_t(((w >> 8) & 255) * 257);
                map[512 + i] = std::uint16_t((w & 255) * 257);
            }
            TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
            TIFFSetField(t, TIFFTAG_COLORMAP, map.data(), map.data() + 256, map.data() + 512);
        } else if (compression == TiffCompression::Jpeg) {
            TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_YCBCR);
            TIFFSetField(t, TIFFTAG_JPEGQUALITY, 90);
            TIFFSetField(t, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        } else {
            TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        }
        // JPEG strips must hold whole 16-line MCU rows.
        const std::uint32_t rows = compression == TiffCompression::Jpeg
                                       ? 64
                                       : TIFFDefaultStripSize(t, std::uint32_t(-1));
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, rows);

        std::vector<std::uint8_t> line(std::size_t(image.width) * (indexed ? 1 : 3));
        for (int y = 0; y < image.height; ++y) {
            const std::uint8_t* src = image.Line(y);
            if (indexed) {
                std::memcpy(line.data(), src, line.size());
            } else {
                for (int x = 0; x < image.width; ++x) {
                    line[x * 3 + 0] = src[x * 3 + 2];
                    line[x * 3 + 1] = src[x * 3 + 1];
                    line[x * 3 + 2] = src[x * 3 + 0];
                }
            }
            if (TIFFWriteScanline(t, line.data(), std::uint32_t(y), 0) < 0) return false;
        }
        if (!TIFFWriteDirectory(t)) return false;
    }
    return out.Write(bytes.data(), bytes.size()) || CodecFail("could not write the file");
}

}  // namespace quillor
