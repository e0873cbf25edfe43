#include "palette/palette_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/coxdib.h"
#include "core/text_format.h"
#include "document/anim_doc.h"
#include "formats/image_file_dialogs.h"
#include "formats/image_file_type.h"
#include "palette/palette_table.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

constexpr char kMagic[] = {'Q', 'L', 'P', 'A', 'L'};
constexpr char kSaveTitle[] = "Save Palette As";
constexpr char kLoadTitle[] = "Load Palette";

// The first `limit` bytes of a regular file; false when it cannot be opened or read.
// Whatever follows the palette is never read, however long the file.
bool ReadFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    bytes.assign(limit, 0);
    std::size_t got = 0;
    while (got < limit) {
        const ssize_t n = ::read(fd, bytes.data() + got, limit - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        got += std::size_t(n);
    }
    ::close(fd);
    bytes.resize(got);
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodePaletteFile(const std::array<ColourRef, 256>& colours) {
    std::vector<std::uint8_t> bytes(std::begin(kMagic), std::end(kMagic));
    bytes.reserve(kPaletteFileBytes);
    for (const ColourRef c : colours) {
        bytes.push_back(BlueOf(c));
        bytes.push_back(GreenOf(c));
        bytes.push_back(RedOf(c));
        bytes.push_back(0);
    }
    return bytes;
}

std::optional<std::array<ColourRef, 256>> DecodePaletteFile(std::span<const std::uint8_t> bytes) {
    // A file cut short has no defined colours for its missing entries; it is refused
    // like any other file that is not a palette.
    if (bytes.size() < kPaletteFileBytes) return std::nullopt;
    if (!std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin())) return std::nullopt;
    std::array<ColourRef, 256> colours{};
    for (std::size_t i = 0; i < 256; ++i) {
        const std::uint8_t* entry = bytes.data() + sizeof(kMagic) + 4 * i;
        colours[i] = MakeColour(entry[2], entry[1], entry[0]);
    }
    return colours;
}

std::string PalettePath(std::string_view chosen) {
    std::string path(chosen);
    if (!EndsWithNoCase(path, ".pal")) path += ".pal";
    return path;
}

bool WritePaletteFile(const std::string& path, const std::array<ColourRef, 256>& colours,
                      PaletteFileError& error) {
    const std::vector<std::uint8_t> bytes = EncodePaletteFile(colours);
    AtomicFileWriter out;
    // The old file stays as it was unless the new one was written whole.
    if (!out.Open(path) || !out.Write(bytes.data(), bytes.size()) || !out.Commit()) {
        error.message = FormatText(kCouldNotSavePalette, {path});
        error.title = kFileSavingError;
        return false;
    }
    return true;
}

std::optional<std::array<ColourRef, 256>> ReadPaletteFile(const std::string& path, PaletteFileError& error) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileStart(path, kPaletteFileBytes, bytes)) {
        error.message = FormatText(kCouldNotOpenPalette, {path});
        error.title = kPaletteOpeningError;
        return std::nullopt;
    }
    auto colours = DecodePaletteFile(bytes);
    if (!colours) {
        error.message = FormatText(kNotAPaletteFile, {path});
        error.title = kLoadAborted;
    }
    return colours;
}

std::array<ColourRef, 256> ImagePaletteColours(const COXDIB& image, int count) {
    count = std::min(count, int(image.GetColourCount()));
    std::array<ColourRef, 256> colours{};
    const auto& defaults = DefaultColourTable();
    for (int i = 0; i < 256; ++i)
        colours[std::size_t(i)] = i < count ? image.GetColour(std::uint8_t(i)) : TableWordToColour(defaults[std::size_t(i)]);
    return colours;
}

void ApplyImagePaletteColours(COXDIB& image, int count, const std::array<ColourRef, 256>& colours) {
    count = std::min(count, int(image.GetColourCount()));
    for (int i = 0; i < count; ++i) image.SetColour(std::uint8_t(i), colours[std::size_t(i)]);
}

std::array<ColourRef, 256> PaletteFileColours(CAnimDoc& document) {
    PaletteTable table(document);
    if (!table.Valid() || table.TrueColour()) return document.Colours();
    return ImagePaletteColours(*table.Frame()->image, table.Count());
}

void ApplyPaletteFileColours(CAnimDoc& document, const std::array<ColourRef, 256>& colours) {
    PaletteTable table(document);
    if (table.Valid()) {
        table.SetAll(colours);
        return;
    }
    // Without a frame the colours still reach the table new true-colour frames use.
    for (int i = 0; i < 256; ++i) document.SetTableColour(std::uint8_t(i), colours[std::size_t(i)]);
}

bool SavePaletteAs(CAnimDoc& document, const ImageFileContext& context) {
    FileDialogRequest request;
    request.title = kSaveTitle;
    request.settingsKey = kPaletteSaveKey;
    request.filter = kPaletteFilter;
    request.defaultExtension = "pal";
    request.confirmOverwrite = true;
    const auto chosen = ChooseFileRemembering(request, true, context);
    if (!chosen) return false;
    const std::string path = PalettePath(*chosen);
    PaletteFileError error;
    bool saved = false;
    {
        WaitCursor wait(context.ui);
        saved = WritePaletteFile(path, PaletteFileColours(document), error);
    }
    if (!saved) context.ui.ShowMessage(error.message, error.title, MessageIcon::Exclamation);
    return saved;
}

bool LoadPalette(CAnimDoc& document, const ImageFileContext& context) {
    FileDialogRequest request;
    request.title = kLoadTitle;
    request.settingsKey = kPaletteLoadKey;
    request.filter = kPaletteFilter;
    request.defaultExtension = "pal";
    const auto chosen = ChooseFileRemembering(request, false, context);
    if (!chosen) return false;
    const std::string path = PalettePath(*chosen);
    PaletteFileError error;
    std::optional<std::array<ColourRef, 256>> colours;
    {
        WaitCursor wait(context.ui);
        colours = ReadPaletteFile(path, error);
    }
    if (!colours) {
        context.ui.ShowMessage(error.message, error.title, MessageIcon::Exclamation);
        return false;
    }
    ApplyPaletteFileColours(document, *colours);
    return true;
}

}  // namespace quillor
