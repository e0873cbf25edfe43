#include "formats/codec/jpeg_codec.h"

// clang-format off
#include <cstdio>   // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <vector>

#include "core/image_limits.h"
#include "formats/codec/codec_error.h"

// libjpeg reports errors by calling a function that must not return; we leave through
// longjmp. The functions that call setjmp below hold no C++ objects with destructors,
// so the jump never skips one; buffers are owned by their callers.

namespace quillor {

namespace {

// A run of progressive scans this long only comes from a hostile file; each scan costs
// a pass over the whole coefficient buffer.
constexpr int kMaxScans = 1000;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    char message[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, message);
    SetCodecError(message);
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void OnMessage(j_common_ptr, int) {}  // warnings about damaged data are not the user's business

void OnProgress(j_common_ptr cinfo) {
    if (cinfo->is_decompressor) {
        auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
        if (d->input_scan_number > kMaxScans) {
            SetCodecError("too many progressive scans");
            std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
        }
    }
}

struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    jpeg_progress_mgr progress{};
    bool created = false;

    ~Decoder() {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
};

void InstallErrorHandling(j_common_ptr cinfo, ErrorManager& err) {
    cinfo->err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.pub.output_message = [](j_common_ptr) {};
}

// Reads the header and chooses the output colour space. No C++ objects live here.
bool ReadHeader(Decoder& d, std::span<const std::uint8_t> file) {
    InstallErrorHandling(reinterpret_cast<j_common_ptr>(&d.cinfo), d.err);
    if (setjmp(d.err.jump)) return false;
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    d.progress.progress_monitor = OnProgress;
    d.cinfo.progress = &d.progress;
    d.cinfo.mem->max_memory_to_use = long(kMaxRowBytes);
    if (file.size() > 0xFFFFFFFFull) return CodecFail("file too large");
    jpeg_mem_src(&d.cinfo, file.data(), static_cast<unsigned long>(file.size()));
    if (jpeg_read_header(&d.cinfo, TRUE) != JPEG_HEADER_OK) return CodecFail("no JPEG image");
    switch (d.cinfo.jpeg_color_space) {
        case JCS_GRAYSCALE: d.cinfo.out_color_space = JCS_GRAYSCALE; break;
        case JCS_CMYK:
        case JCS_YCCK: d.cinfo.out_color_space = JCS_CMYK; break;
        default: d.cinfo.out_color_space = JCS_EXT_BGR; break;
    }
    return true;
}

// The fewest bits a complete picture can be coded in. Every 8 x 8 block of every
// component codes its DC difference, a Huffman code of at least one bit; a sequential
// scan also ends each block with an end-of-block code of at least one bit. A
// progressive file's AC scans can skip thousands of blocks in one run code, so only its
// DC bit is sure; arithmetic coding is held to the same bit. Restart markers only add.
std::uint64_t LeastCodedBits(const jpeg_decompress_struct& cinfo) {
    int maxH = 1, maxV = 1;
    for (int c = 0; c < cinfo.num_components; ++c) {
        maxH = std::max(maxH, cinfo.comp_info[c].h_samp_factor);
        maxV = std::max(maxV, cinfo.comp_info[c].v_samp_factor);
    }
    const auto ceilDiv = [](std::uint64_t a, std::uint64_t b) { return (a + b - 1) / b; };
    std::uint64_t blocks = 0;
    for (int c = 0; c < cinfo.num_components; ++c) {
        const jpeg_component_info& comp = cinfo.comp_info[c];
        const std::uint64_t w =
            ceilDiv(std::uint64_t(cinfo.image_width) * comp.h_samp_factor, maxH);
        const std::uint64_t h =
            ceilDiv(std::uint64_t(cinfo.image_height) * comp.v_samp_factor, maxV);
        blocks += ceilDiv(w, DCTSIZE) * ceilDiv(h, DCTSIZE);
    }
    const bool sequentialHuffman = !cinfo.progressive_mode && !cinfo.arith_code;
    return blocks * (sequentialHuffman ? 2 : 1);
}

bool SizeAcceptable(const jpeg_decompress_struct& cinfo, std::size_t fileBytes) {
    const std::int64_t w = cinfo.image_width, h = cinfo.image_height;
    if (!ImageSideOk(w) || !ImageSideOk(h)) return CodecFail("picture size out of range");
    const std::uint64_t decoded = std::uint64_t(w) * std::uint64_t(h) * 3;
    if (!AllocationBacked(decoded, LeastCodedBits(cinfo) / 8, fileBytes))
        return CodecFail("picture larger than the file can hold");
    return true;
}

bool Start(Decoder& d) {
    if (setjmp(d.err.jump)) return false;
    return jpeg_start_decompress(&d.cinfo) != 0;
}

// Adobe writes CMYK inverted (255 = no ink), which is what nearly every CMYK JPEG is.
void CmykToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        bgr[0] = std::uint8_t((y * k + 127) / 255);
        bgr[1] = std::uint8_t((m * k + 127) / 255);
        bgr[2] = std::uint8_t((c * k + 127) / 255);
    }
}

bool ReadLines(Decoder& d, const RasterView& view, std::uint8_t* cmykLine) {
    if (setjmp(d.err.jump)) return false;
    const bool cmyk = d.cinfo.out_color_space == JCS_CMYK;
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        const int y = int(d.cinfo.output_scanline);
        JSAMPROW row = cmyk ? cmykLine : view.Line(y);
        // Data that stops early still yields every line: libjpeg makes up the missing
        // end and the lines past the cut come out grey, as other viewers show them.
        if (jpeg_read_scanlines(&d.cinfo, &row, 1) != 1) break;
        if (cmyk) CmykToBgr(cmykLine, view.Line(y), view.width, d.cinfo.saw_Adobe_marker);
    }
    if (d.cinfo.output_scanline == d.cinfo.output_height) jpeg_finish_decompress(&d.cinfo);
    return true;
}

struct Encoder {
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    jpeg_destination_mgr dest{};
    ByteWriter* out = nullptr;
    std::uint8_t buffer[64 * 1024];
    bool created = false;
    bool writeFailed = false;

    ~Encoder() {
        if (created) jpeg_destroy_compress(&cinfo);
    }
};

Encoder* EncoderOf(j_compress_ptr cinfo) { return static_cast<Encoder*>(cinfo->client_data); }

void InitDestination(j_compress_ptr cinfo) {
    Encoder* e = EncoderOf(cinfo);
    e->dest.next_output_byte = e->buffer;
    e->dest.free_in_buffer = sizeof e->buffer;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
    Encoder* e = EncoderOf(cinfo);
    if (!e->out->Write(e->buffer, sizeof e->buffer)) {
        e->writeFailed = true;
        ERREXIT(cinfo, JERR_FILE_WRITE);
    }
    InitDestination(cinfo);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    Encoder* e = EncoderOf(cinfo);
    const std::size_t used = sizeof e->buffer - e->dest.free_in_buffer;
    if (used && !e->out->Write(e->buffer, used)) {
        e->writeFailed = true;
        ERREXIT(cinfo, JERR_FILE_WRITE);
    }
}

bool Encode(Encoder& e, const ConstRasterView& image, int quality, bool progressive,
            std::uint8_t* lineBuffer) {
    InstallErrorHandling(reinterpret_cast<j_common_ptr>(&e.cinfo), e.err);
    if (setjmp(e.err.jump)) return false;
    jpeg_create_compress(&e.cinfo);
    e.created = true;
    e.cinfo.client_data = &e;
    e.dest.init_destination = InitDestination;
    e.dest.empty_output_buffer = EmptyOutputBuffer;
    e.dest.term_destination = TermDestination;
    e.cinfo.dest = &e.dest;
    e.cinfo.image_width = JDIMENSION(image.width);
    e.cinfo.image_height = JDIMENSION(image.height);
    e.cinfo.input_components = 3;
    e.cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, std::clamp(quality, 1, 100), TRUE);
    if (progressive) jpeg_simple_progression(&e.cinfo);
    jpeg_start_compress(&e.cinfo, TRUE);
    const bool indexed = image.layout != PixelLayout::Bgr24;
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* src = image.Line(y);
        if (indexed) {
            for (int x = 0; x < image.width; ++x) {
                const TableWord w = image.palette ? image.palette->entries[src[x]] : 0;
                lineBuffer[x * 3 + 0] = std::uint8_t(w);
                lineBuffer[x * 3 + 1] = std::uint8_t(w >> 8);
                lineBuffer[x * 3 + 2] = std::uint8_t(w >> 16);
            }
            src = lineBuffer;
        }
        JSAMPROW row = const_cast<JSAMPROW>(src);
        jpeg_write_scanlines(&e.cinfo, &row, 1);
    }
    jpeg_finish_compress(&e.cinfo);
    return true;
}

}  // namespace

bool ReadJpegInfo(std::span<const std::uint8_t> file, ImageInfo& info) {
    Decoder d;
    if (!ReadHeader(d, file) || !SizeAcceptable(d.cinfo, file.size())) return false;
    info.width = int(d.cinfo.image_width);
    info.height = int(d.cinfo.image_height);
    info.depth = d.cinfo.out_color_space == JCS_GRAYSCALE ? 8 : 24;
    info.pages = 1;
    return true;
}

bool ReadJpeg(std::span<const std::uint8_t> file, RasterTarget& target) {
    Decoder d;
    if (!ReadHeader(d, file) || !SizeAcceptable(d.cinfo, file.size())) return false;
    if (!Start(d)) return false;
    const bool grey = d.cinfo.out_color_space == JCS_GRAYSCALE;
    RasterView view;
    if (!target.Allocate(int(d.cinfo.output_width), int(d.cinfo.output_height),
                         grey ? PixelLayout::Indexed8 : PixelLayout::Bgr24,
                         grey ? Palette::GreyRamp() : Palette{}, view))
        return CodecFail("not enough memory for the picture");
    std::vector<std::uint8_t> cmykLine;
    if (d.cinfo.out_color_space == JCS_CMYK) cmykLine.resize(std::size_t(view.width) * 4);
    return ReadLines(d, view, cmykLine.data());
}

bool WriteJpeg(ByteWriter& out, const ConstRasterView& image, int quality, bool progressive) {
    if (image.width < 1 || image.height < 1) return CodecFail("empty picture");
    auto encoder = std::make_unique<Encoder>();
    encoder->out = &out;
    std::vector<std::uint8_t> lineBuffer(std::size_t(image.width) * 3);
    if (!Encode(*encoder, image, quality, progressive, lineBuffer.data())) {
        if (encoder->writeFailed) SetCodecError("could not write the file");
        return false;
    }
    return true;
}

}  // namespace quillor
