#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/first_start.h"
#include "support/scripted_interaction.h"
#include "utilities/file_associations.h"

namespace quillor {
namespace {

using testing::ScriptedInteraction;

class CountingRegistry final : public ClassRegistry {
public:
    std::string ReadDefault(std::string_view) override { return {}; }
    void WriteDefault(std::string_view key, std::string_view) override { written.emplace_back(key); }
    void DeleteKey(std::string_view) override {}
    std::vector<std::string> written;
};

TEST(FirstStart, AsksForFileAssociationsUntilTheUserHasChosenOnce) {
    SettingsStore settings;
    CountingRegistry registry;
    {
        ScriptedInteraction ui;
        ui.ExpectDialogOf<FileAssociationsModel>("File Associations", [](FileAssociationsModel&) { return false; });
        OfferFileAssociationsOnFirstStart(ui, settings, registry, "/q");
    }
    EXPECT_TRUE(registry.written.empty());
    {
        ScriptedInteraction ui;
        ui.ExpectDialogOf<FileAssociationsModel>("File Associations", [](FileAssociationsModel&) { return true; });
        OfferFileAssociationsOnFirstStart(ui, settings, registry, "/q");
    }
    EXPECT_FALSE(registry.written.empty());
    ScriptedInteraction quiet;  // fails on any dialog it was not told to expect
    OfferFileAssociationsOnFirstStart(quiet, settings, registry, "/q");
}

}  // namespace
}  // namespace quillor
