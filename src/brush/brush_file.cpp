#include "brush/brush_file.h"

#include <algorithm>
#include <cstring>

#include "core/image_limits.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

constexpr char kMagic[] = {'Q', 'L', 'B', 'S', 'H'};

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

std::uint32_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

}  // namespace

std::uint64_t BrushFileHeader::FileBytes() const {
    return kBrushHeaderBytes + (trueColour ? 0 : kBrushPaletteBytes) + std::uint64_t(frameCount) * FrameBytes();
}

std::vector<std::uint8_t> EncodeBrushFile(const BrushRecord& brush, bool trueColour) {
    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    const std::size_t frameBytes = std::size_t(brush.width) * std::size_t(brush.height) * (trueColour ? 3 : 1);
    out.reserve(kBrushHeaderBytes + kBrushPaletteBytes + brush.frames.size() * frameBytes);
    PutWord(out, trueColour ? 1 : 0);
    PutWord(out, brush.frameCount);
    PutWord(out, std::uint32_t(brush.width));
    PutWord(out, std::uint32_t(brush.height));
    // A palette brush's transparent colour is an index: the low byte alone.
    PutWord(out, trueColour ? brush.rememberedBackground & 0xFFFFFFu : brush.rememberedBackground & 0xFFu);
    if (!trueColour)
        for (const ColourRef c : brush.palette) PutWord(out, c & 0xFFFFFFu);
    for (std::uint32_t f = 0; f < brush.frameCount; ++f) {
        const std::vector<std::uint8_t>& frame = brush.frames[f];
        out.insert(out.end(), frame.begin(), frame.begin() + std::ptrdiff_t(std::min(frame.size(), frameBytes)));
        // A frame shorter than the brush (never made so) still keeps the file's layout.
        if (frame.size() < frameBytes) out.resize(out.size() + frameBytes - frame.size(), 0);
    }
    return out;
}

std::optional<BrushFileHeader> DecodeBrushHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kBrushHeaderBytes || !std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin()))
        return std::nullopt;
    BrushFileHeader header;
    header.trueColour = WordAt(bytes, 5) != 0;
    header.frameCount = WordAt(bytes, 9);
    const std::int32_t width = std::int32_t(WordAt(bytes, 13));
    const std::int32_t height = std::int32_t(WordAt(bytes, 17));
    header.transparent = WordAt(bytes, 21);
    if (header.frameCount < 1 || header.frameCount > kMaxBrushFrames) return std::nullopt;
    if (!ImageSideOk(width) || !ImageSideOk(height)) return std::nullopt;
    header.width = width;
    header.height = height;
    return header;
}

std::optional<BrushFileContents> DecodeBrushFile(std::span<const std::uint8_t> bytes) {
    const std::optional<BrushFileHeader> header = DecodeBrushHeader(bytes);
    if (!header || bytes.size() < header->FileBytes()) return std::nullopt;
    BrushFileContents file;
    file.header = *header;
    std::size_t at = kBrushHeaderBytes;
    if (!header->trueColour) {
        for (std::size_t i = 0; i < 256; ++i) file.palette[i] = WordAt(bytes, at + 4 * i) & 0xFFFFFFu;
        at += kBrushPaletteBytes;
    }
    const std::size_t frameBytes = header->FrameBytes();
    file.frames.reserve(header->frameCount);
    for (std::uint32_t f = 0; f < header->frameCount; ++f, at += frameBytes)
        file.frames.emplace_back(bytes.begin() + std::ptrdiff_t(at), bytes.begin() + std::ptrdiff_t(at + frameBytes));
    return file;
}

std::optional<BrushFileContents> ReadBrushFile(const std::string& path, bool& cannotOpen) {
    cannotOpen = false;
    InputFile in;
    if (!in.Open(path, nullptr)) {
        cannotOpen = true;
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(kBrushHeaderBytes);
    if (in.Size() < kBrushHeaderBytes || !in.ReadAt(0, bytes.data(), bytes.size())) return std::nullopt;
    const std::optional<BrushFileHeader> header = DecodeBrushHeader(bytes);
    // The length is checked before anything is allocated for the frames.
    if (!header || in.Size() < header->FileBytes()) return std::nullopt;
    try {
        bytes.resize(std::size_t(header->FileBytes()));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!in.ReadAt(kBrushHeaderBytes, bytes.data() + kBrushHeaderBytes, bytes.size() - kBrushHeaderBytes)) {
        cannotOpen = true;
        return std::nullopt;
    }
    return DecodeBrushFile(bytes);
}

void TakeBrushFile(PaintBrush& brush, BrushFileContents&& file, bool imageTrueColour) {
    const bool trueColour = file.header.trueColour;
    BrushRecord& record = brush.Current(trueColour);
    record.borrowed = false;
    record.frameCount = file.header.frameCount;
    record.width = file.header.width;
    record.height = file.header.height;
    record.handleX = file.header.width / 2;
    record.handleY = file.header.height / 2;
    record.frames = std::move(file.frames);
    if (record.currentFrame >= record.frameCount) record.currentFrame = 0;
    if (trueColour) {
        record.rememberedBackground = file.header.transparent & 0xFFFFFFu;
    } else {
        record.rememberedBackground = file.header.transparent & 0xFFu;
        record.palette = file.palette;
    }
    if (trueColour == imageTrueColour) brush.kind = BrushKind::Grabbed;
}

}  // namespace quillor
