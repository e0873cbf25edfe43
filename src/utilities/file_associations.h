#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "utilities/class_registry.h"

namespace quillor {

// Makes Quillor the handler of `ext` (no dot), keeping the handler it replaces as the
// key's "Undo" value unless that handler is already one of ours.
void AssociateExtension(ClassRegistry& registry, std::string_view ext, std::string_view programPath);
// Gives `ext` back to the handler it had before, only while Quillor handles it.
void ReleaseExtension(ClassRegistry& registry, std::string_view ext);

// The image types the "File Associations" dialog offers, in its order.
struct AssociableType {
    std::string_view settingsKey;          // under "File Associations"
    std::string_view label;                // the check box
    std::array<std::string_view, 2> extensions;  // second one empty when there is one
};
inline constexpr std::array<AssociableType, 9> kAssociableTypes{{
    {"bmp", "BMP Files", {"bmp", ""}},
    {"jpg", "JPG Files", {"jpg", "jpeg"}},
    {"pax", "PAX Files", {"pax", ""}},
    {"pcx", "PCX Files", {"pcx", ""}},
    {"tla", "TLA Files", {"tla", ""}},
    {"tga", "TGA Files", {"tga", ""}},
    {"tif", "TIF/TIFF Files", {"tif", "tiff"}},
    {"png", "PNG Files", {"png", ""}},
    {"psd", "PSD Files", {"psd", ""}},
}};

// "File Associations": which image types Quillor opens from the desktop.
class FileAssociationsModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "File Associations";
    static constexpr std::string_view kSection = "File Associations";
    static constexpr std::string_view kNoApplication = "No application";
    static constexpr std::string_view kXpLabel = "Disable Windows XP's Picture and Fax Viewer";
    static constexpr std::string_view kXpNote =
        "(Image file associations cannot be used with Windows XP unless this box is checked)";

    std::string_view Title() const override { return kTitle; }

    // True on the first start: no choice has been stored yet.
    static bool NeverChosen(const SettingsStore& settings);

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;
    // Associates the program's own scripts, then each type as ticked or released.
    void Apply(ClassRegistry& registry, std::string_view programPath) const;

    bool Ticked(std::size_t type) const { return ticked_[type]; }
    void SetTicked(std::size_t type, bool ticked) { ticked_[type] = ticked; }
    // Shown, dimmed or not, beside each check box: lit while the type is left alone.
    bool NoApplicationEnabled(std::size_t type) const { return !ticked_[type]; }
    bool XpViewerDisabled() const { return xpViewerDisabled_; }
    // That viewer exists on no system this program runs on.
    static constexpr bool XpBoxEnabled() { return false; }

private:
    std::array<bool, kAssociableTypes.size()> ticked_{};
    bool xpViewerDisabled_ = true;
};

// Shows the dialog and, on OK, applies and stores the choice; a registry that could not
// be written is reported. False when the user cancelled.
bool RunFileAssociations(Interaction& ui, SettingsStore& settings, ClassRegistry& registry,
                         std::string_view programPath);

}  // namespace quillor
