#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"
#include "formats/image_file_context.h"

namespace quillor {

class CAnimDoc;
class COXDIB;

// The ".pal" file: "QLPAL" and 256 entries of blue, green, red, 0.
inline constexpr std::size_t kPaletteFileBytes = 1029;

inline constexpr char kPaletteSaveKey[] = "Palette Save";
inline constexpr char kPaletteLoadKey[] = "Palette Load";
inline constexpr char kPaletteFilter[] = "Palette File (*.pal)|*.pal|";
inline constexpr std::string_view kCouldNotSavePalette = "Error - Could not save file %s.";
inline constexpr std::string_view kFileSavingError = "File Saving Error";
inline constexpr std::string_view kCouldNotOpenPalette = "Error - Could not open file %s.";
inline constexpr std::string_view kPaletteOpeningError = "File Opening Error";
inline constexpr std::string_view kNotAPaletteFile =
    "Cannot load palette.\n%s is not a valid Quillor palette file.";
inline constexpr std::string_view kLoadAborted = "Load Aborted";

std::vector<std::uint8_t> EncodePaletteFile(const std::array<ColourRef, 256>& colours);
// Nothing for a file that is not a whole palette file (wrong magic or cut short).
std::optional<std::array<ColourRef, 256>> DecodePaletteFile(std::span<const std::uint8_t> bytes);

// The name a palette is saved or loaded under: as typed, with ".pal" added unless it
// already ends so (in any letter case).
std::string PalettePath(std::string_view chosen);

// Reading and writing a palette file, with the program's message for each failure
// (false / nothing, and `message` and `title` filled in, when it fails).
struct PaletteFileError {
    std::string message;
    std::string title;
};
bool WritePaletteFile(const std::string& path, const std::array<ColourRef, 256>& colours,
                      PaletteFileError& error);
std::optional<std::array<ColourRef, 256>> ReadPaletteFile(const std::string& path, PaletteFileError& error);

// The colours an 8-bit picture's palette file holds: its first `count` entries, then the
// default table for the entries a 2- or 16-colour picture does not have.
std::array<ColourRef, 256> ImagePaletteColours(const COXDIB& image, int count);
// The colours of a palette file into an 8-bit picture: its first `count` entries only.
void ApplyImagePaletteColours(COXDIB& image, int count, const std::array<ColourRef, 256>& colours);

// The colours a picture's palette file holds: a palette frame's own entries followed by
// the default table for the entries it lacks, or the document's table for true colour.
std::array<ColourRef, 256> PaletteFileColours(CAnimDoc& document);
// Puts a palette file's colours into the picture as "Load Palette" does: a palette
// frame takes only its own entries, a true-colour picture the document's table.
void ApplyPaletteFileColours(CAnimDoc& document, const std::array<ColourRef, 256>& colours);

// "Save Palette As" and "Load Palette": the file dialog (remembering its folder under
// "Previous Paths", "Palette Save" and "Palette Load"; ".pal" added to a bare name),
// the file and the messages. False when nothing was saved or loaded.
bool SavePaletteAs(CAnimDoc& document, const ImageFileContext& context);
bool LoadPalette(CAnimDoc& document, const ImageFileContext& context);

}  // namespace quillor
