#include "utilities/bmp_palette_mapping.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/text_format.h"
#include "document/file_name_order.h"
#include "platform/file_io.h"

namespace quillor {

using namespace palette_mapping;

namespace {

// What the headers say about a file, from the first problem found.
enum class HeaderCheck { Good, NotValid, FileError, NotEightBit, Compressed };

constexpr std::int64_t kLargestSide = 65535;
// Rows are read and written in pieces of this size, so memory stays small whatever the
// pictures' sizes.
constexpr std::size_t kChunkBytes = std::size_t(1) << 20;
constexpr std::uint64_t kLargestPixelArea = std::uint64_t(1) << 31;

std::uint16_t U16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) { return std::int32_t(U32(p)); }

struct BmpFile {
    InputFile file;
    std::uint8_t headers[kFileHeaderBytes + kInfoHeaderBytes] = {};
    // Bytes of pixel rows from kPixelOffset, as the width and height imply; the file may
    // hold more after them.
    std::uint64_t rowBytes = 0;
};

// Reads and checks the two headers in the order a reader meets their fields, so a file
// that is no bitmap at all says so before one with an odd colour depth.
HeaderCheck ReadHeaders(BmpFile& bmp, const std::string& path) {
    if (!bmp.file.Open(path, nullptr)) return HeaderCheck::NotValid;
    std::uint8_t* const file = bmp.headers;
    std::uint8_t* const info = bmp.headers + kFileHeaderBytes;
    if (!bmp.file.ReadAt(0, file, kFileHeaderBytes) || U16(file) != 19778) return HeaderCheck::NotValid;
    if (!bmp.file.ReadAt(kFileHeaderBytes, info, kInfoHeaderBytes)) return HeaderCheck::FileError;
    const std::uint32_t headerSize = U32(info);
    // Shorter (OS/2) headers keep the bit count elsewhere.
    if (headerSize < kInfoHeaderBytes) return HeaderCheck::FileError;
    if (U16(info + 14) != 8) return HeaderCheck::NotEightBit;
    if (U32(info + 16) != 0) return HeaderCheck::Compressed;
    // The palette must be the full 256 entries right after a 40-byte header, and the rows
    // right after it: that is where the new palette and the pixels are written.
    const std::uint32_t coloursUsed = U32(info + 32);
    if (headerSize != kInfoHeaderBytes || U32(file + 10) != kPixelOffset ||
        (coloursUsed != 0 && coloursUsed != 256))
        return HeaderCheck::FileError;
    if (bmp.file.Size() < kPixelOffset) return HeaderCheck::FileError;
    return HeaderCheck::Good;
}

// The pixel rows the header promises must be in the file, and be of a sane size.
bool CheckPixelArea(BmpFile& bmp) {
    const std::uint8_t* info = bmp.headers + kFileHeaderBytes;
    const std::int64_t width = I32(info + 4);
    const std::int64_t height = std::llabs(std::int64_t(I32(info + 8)));
    if (width < 1 || width > kLargestSide || height < 1 || height > kLargestSide) return false;
    const std::uint64_t stride = (std::uint64_t(width) + 3) & ~std::uint64_t(3);
    bmp.rowBytes = stride * std::uint64_t(height);
    return bmp.rowBytes <= kLargestPixelArea && bmp.file.Size() - kPixelOffset >= bmp.rowBytes;
}

void Say(Interaction& ui, std::string_view pattern, const std::string& name, MessageIcon icon) {
    ui.ShowMessage(FormatText(pattern, {name}), kStatusTitle, icon);
}

}  // namespace

IndexMap NearestIndexMap(const BmpPalette& from, const BmpPalette& to) {
    IndexMap map{};
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t* a = from.data() + i * 4;
        int best = 999;
        int chosen = 0;
        for (int j = 0; j < 256; ++j) {
            const std::uint8_t* b = to.data() + j * 4;
            const int distance = std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
            if (distance < best) {
                best = distance;
                chosen = j;
            }
        }
        map[std::size_t(i)] = std::uint8_t(chosen);
    }
    return map;
}

bool HasBmpName(std::string_view name) { return name.ends_with(".bmp") || name.ends_with(".BMP"); }

std::optional<BmpPalette> ReadSourcePalette(Interaction& ui, const std::string& path,
                                            const std::string& shownName) {
    // Without a bitmap's name the file is not read at all, and so has no palette to give.
    if (!HasBmpName(shownName)) {
        Say(ui, kNotValidBmp, shownName, MessageIcon::Exclamation);
        return std::nullopt;
    }
    BmpFile bmp;
    switch (ReadHeaders(bmp, path)) {
        case HeaderCheck::Good: break;
        case HeaderCheck::NotValid: Say(ui, kNotValidBmp, shownName, MessageIcon::Exclamation); return std::nullopt;
        case HeaderCheck::FileError: Say(ui, kFileError, shownName, MessageIcon::Exclamation); return std::nullopt;
        case HeaderCheck::NotEightBit: Say(ui, kSourceNot256, shownName, MessageIcon::Exclamation); return std::nullopt;
        case HeaderCheck::Compressed:
            Say(ui, kSourceCompressed, shownName, MessageIcon::Exclamation);
            return std::nullopt;
    }
    BmpPalette palette{};
    if (!bmp.file.ReadAt(kFileHeaderBytes + kInfoHeaderBytes, palette.data(), palette.size())) {
        Say(ui, kFileError, shownName, MessageIcon::Exclamation);
        return std::nullopt;
    }
    return palette;
}

bool MapPaletteOntoFile(Interaction& ui, const BmpPalette& palette, PaletteOperation operation,
                        const std::string& path, const std::string& shownName) {
    if (!HasBmpName(shownName)) {
        Say(ui, kNotBmpName, shownName, MessageIcon::Exclamation);
        return false;
    }
    BmpFile bmp;
    switch (ReadHeaders(bmp, path)) {
        case HeaderCheck::Good: break;
        case HeaderCheck::NotValid: Say(ui, kNotValidBmp, shownName, MessageIcon::Exclamation); return false;
        case HeaderCheck::FileError: Say(ui, kFileError, shownName, MessageIcon::Exclamation); return false;
        case HeaderCheck::NotEightBit: Say(ui, kDestinationNot8, shownName, MessageIcon::Exclamation); return false;
        case HeaderCheck::Compressed: Say(ui, kDestinationCompressed, shownName, MessageIcon::Exclamation); return false;
    }
    BmpPalette own{};
    if (!bmp.file.ReadAt(kFileHeaderBytes + kInfoHeaderBytes, own.data(), own.size()) || !CheckPixelArea(bmp)) {
        Say(ui, kFileError, shownName, MessageIcon::Exclamation);
        return false;
    }
    IndexMap map{};
    const bool remap = operation == PaletteOperation::ReplaceAndRemap;
    if (remap) map = NearestIndexMap(own, palette);

    AtomicFileWriter out;
    if (!out.Open(path)) {
        Say(ui, kReadOnly, shownName, MessageIcon::Exclamation);
        return false;
    }
    const std::uint64_t total = bmp.file.Size() - kPixelOffset;
    const std::unique_ptr<std::uint8_t[]> chunk(new std::uint8_t[kChunkBytes]);
    bool good = out.Write(bmp.headers, sizeof bmp.headers) && out.Write(palette.data(), palette.size());
    for (std::uint64_t done = 0; good && done < total;) {
        const std::size_t size = std::size_t(std::min<std::uint64_t>(kChunkBytes, total - done));
        if (!bmp.file.ReadAt(kPixelOffset + done, chunk.get(), size)) {
            good = false;
            break;
        }
        // Only the rows are pixels; whatever a writer left after them is kept as it is.
        if (remap && done < bmp.rowBytes) {
            const std::size_t pixels = std::size_t(std::min<std::uint64_t>(size, bmp.rowBytes - done));
            std::uint8_t* p = chunk.get();
            for (std::size_t i = 0; i < pixels; ++i) p[i] = map[p[i]];
        }
        good = out.Write(chunk.get(), size);
        done += size;
    }
    if (!good || !out.Commit()) {
        out.Abandon();
        Say(ui, kFileError, shownName, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool PaletteMapRun::AllMapped() const {
    if (!sourceRead) return false;
    for (const bool m : mapped)
        if (!m) return false;
    return true;
}

PaletteMapRun MapPalettes(Interaction& ui, const std::string& sourceFolder, const std::string& sourceName,
                          const std::string& destinationFolder, const std::vector<std::string>& destinationNames,
                          PaletteOperation operation) {
    PaletteMapRun run;
    run.mapped.assign(destinationNames.size(), false);
    {
        WaitCursor wait(ui);
        const std::optional<BmpPalette> palette =
            ReadSourcePalette(ui, JoinPath(sourceFolder, sourceName), sourceName);
        if (!palette) return run;
        run.sourceRead = true;
        const int total = int(destinationNames.size());
        for (std::size_t i = 0; i < destinationNames.size(); ++i) {
            const std::string& name = destinationNames[i];
            run.mapped[i] = MapPaletteOntoFile(ui, *palette, operation, JoinPath(destinationFolder, name), name);
            ui.Progress(kProgressTitle, int(i) + 1, total);
        }
    }
    ui.ShowMessage(kDone, kStatusTitle, MessageIcon::Information);
    return run;
}

}  // namespace quillor
