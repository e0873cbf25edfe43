#include "utilities/palette_mapper_model.h"

#include "document/file_name_order.h"

namespace quillor {

PaletteMapperModel::PaletteMapperModel(Interaction& ui, SettingsStore& settings) : ui_(ui), settings_(settings) {}

void PaletteMapperModel::Load() {
    const std::string working = FolderOrWorking({});
    source_.Set(settings_.GetString(kSection, kSourcePathKey, working),
                settings_.GetString(kSection, kSourceTypeKey, kDefaultFilter));
    destination_.Set(settings_.GetString(kSection, kDestinationPathKey, working),
                     settings_.GetString(kSection, kDestinationTypeKey, kDefaultFilter));
    // Only the two operations there are; anything else in a hand-edited file is the first.
    operation_ = settings_.GetInt(kSection, kOperationKey, 0) == 1 ? PaletteOperation::ReplaceAndRemap
                                                                   : PaletteOperation::ReplacePalette;
}

void PaletteMapperModel::Store() const {
    SettingsStore::Batch batch(settings_);
    settings_.SetString(kSection, kSourcePathKey, source_.Folder());
    settings_.SetString(kSection, kSourceTypeKey, source_.Filter());
    settings_.SetString(kSection, kDestinationPathKey, destination_.Folder());
    settings_.SetString(kSection, kDestinationTypeKey, destination_.Filter());
    settings_.SetInt(kSection, kOperationKey, int(operation_));
}

void PaletteMapperModel::Ok() {
    const std::vector<std::size_t> sources = source_.SelectedIndices();
    const std::vector<std::size_t> destinations = destination_.SelectedIndices();
    std::string_view refusal;
    if (!source_.Valid()) refusal = kNoSourcePath;
    else if (sources.size() != 1) refusal = kNoSourceFile;
    else if (!destination_.Valid()) refusal = kNoDestinationPath;
    else if (destinations.empty()) refusal = kNoDestinationFiles;
    if (!refusal.empty()) {
        ui_.ShowMessage(refusal, kRequestTitle, MessageIcon::Information);
        return;
    }
    std::vector<std::string> names;
    for (const std::size_t i : destinations) names.push_back(destination_.Names()[i]);
    const PaletteMapRun run = MapPalettes(ui_, source_.Folder(), source_.Names()[sources.front()],
                                          destination_.Folder(), names, operation_);
    for (std::size_t k = 0; k < destinations.size(); ++k)
        if (run.mapped[k]) destination_.SetSelected(destinations[k], false);
    Store();
}

void RunPaletteMapper(Interaction& ui, SettingsStore& settings) {
    PaletteMapperModel model(ui, settings);
    model.Load();
    // The dialog's own buttons do the work; it closes with "&Exit", which stores.
    if (ui.RunDialog(model)) model.Exit();
}

}  // namespace quillor
