#pragma once

#include <string>
#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "utilities/bmp_palette_mapping.h"
#include "utilities/folder_file_list.h"

namespace quillor {

// "256 Colour BMP Palette Mapper": one source bitmap chosen from one folder, any number
// of destination bitmaps from another, and whether their pixels follow the new palette.
// OK maps and leaves the dialog open; "&Exit" closes it.
class PaletteMapperModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "256 Colour BMP Palette Mapper";
    static constexpr std::string_view kSourceGroup = "Source";
    static constexpr std::string_view kDestinationGroup = "Destination";
    static constexpr std::string_view kSelectAllText = "&Select All";
    static constexpr std::string_view kDeselectAllText = "&Deselect All";
    static constexpr std::string_view kReplaceText = "Replace destination palette";
    static constexpr std::string_view kRemapNote = "and remap image to it.";
    static constexpr std::string_view kOkText = "&OK";
    static constexpr std::string_view kExitText = "&Exit";

    static constexpr std::string_view kRequestTitle = "REQUEST";
    static constexpr std::string_view kNoSourcePath = "Please select a valid source path first.";
    static constexpr std::string_view kNoSourceFile = "Please select source file first.";
    static constexpr std::string_view kNoDestinationPath = "Please select a valid destination path first.";
    static constexpr std::string_view kNoDestinationFiles = "Please select destination file(s) first.";

    static constexpr std::string_view kSection = "256 Palette Mapper";
    static constexpr std::string_view kSourcePathKey = "Source Path";
    static constexpr std::string_view kSourceTypeKey = "Source File Type";
    static constexpr std::string_view kDestinationPathKey = "Destination Path";
    static constexpr std::string_view kDestinationTypeKey = "Destination File Type";
    static constexpr std::string_view kOperationKey = "Operation Type";
    static constexpr std::string_view kDefaultFilter = "*.bmp";

    PaletteMapperModel(Interaction& ui, SettingsStore& settings);
    std::string_view Title() const override { return kTitle; }

    // Reads the section (missing paths are the working folder) and lists both folders.
    void Load();
    void Store() const;

    FolderFileList& Source() { return source_; }
    const FolderFileList& Source() const { return source_; }
    FolderFileList& Destination() { return destination_; }
    const FolderFileList& Destination() const { return destination_; }

    PaletteOperation Operation() const { return operation_; }
    void SetOperation(PaletteOperation operation) { operation_ = operation; }

    // "&OK": maps the selected destinations, deselects each file rewritten, then stores
    // the settings. A missing folder or selection is only pointed out.
    void Ok();
    // "&Exit": stores the settings; the dialog then closes.
    void Exit() const { Store(); }

private:
    Interaction& ui_;
    SettingsStore& settings_;
    FolderFileList source_;
    FolderFileList destination_;
    PaletteOperation operation_ = PaletteOperation::ReplacePalette;
};

// The "Batch Remap 256 Colour BMP Palettes" command: the dialog, with the settings read
// as it opens.
void RunPaletteMapper(Interaction& ui, SettingsStore& settings);

}  // namespace quillor
