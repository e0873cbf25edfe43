#include "app/first_start.h"

#include "utilities/file_associations.h"

namespace quillor {

void OfferFileAssociationsOnFirstStart(Interaction& ui, SettingsStore& settings, ClassRegistry& registry,
                                       std::string_view programPath) {
    if (!FileAssociationsModel::NeverChosen(settings)) return;
    RunFileAssociations(ui, settings, registry, programPath);
}

}  // namespace quillor
