#include "utilities/file_associations.h"

namespace quillor {

namespace {

constexpr std::string_view kOwnClassPrefix = "Quillor_";

std::string Key(std::string_view head, std::string_view ext, std::string_view tail = {}) {
    std::string key(head);
    key += ext;
    key += tail;
    return key;
}

}  // namespace

void AssociateExtension(ClassRegistry& registry, std::string_view ext, std::string_view programPath) {
    const std::string previous = registry.ReadDefault(Key(".", ext));
    const std::string ownClass = Key(kOwnClassPrefix, ext);
    registry.WriteDefault(Key(".", ext), ownClass);
    // Associating twice must not forget the handler the first time replaced.
    if (!previous.starts_with(kOwnClassPrefix)) registry.WriteDefault(Key(".", ext, "\\Undo"), previous);

    registry.WriteDefault(ownClass, Key("Quillor ", ext, " Image"));
    std::string icon(programPath);
    icon += ",0";
    registry.WriteDefault(ownClass + "\\DefaultIcon", icon);
    registry.WriteDefault(ownClass + "\\shell", "Open");
    std::string command = "\"";
    command += programPath;
    command += "\" %1";
    registry.WriteDefault(ownClass + "\\shell\\Open\\Command", command);
}

void ReleaseExtension(ClassRegistry& registry, std::string_view ext) {
    if (!registry.ReadDefault(Key(".", ext)).starts_with(kOwnClassPrefix)) return;
    registry.WriteDefault(Key(".", ext), registry.ReadDefault(Key(".", ext, "\\Undo")));
}

bool FileAssociationsModel::NeverChosen(const SettingsStore& settings) {
    return settings.GetInt(kSection, "bmp", -1) == -1;
}

void FileAssociationsModel::Load(const SettingsStore& settings) {
    xpViewerDisabled_ = settings.GetInt(kSection, "XP Enable", 1) != 0;
    for (std::size_t i = 0; i < kAssociableTypes.size(); ++i) {
        const std::string_view key = kAssociableTypes[i].settingsKey;
        const int fallback = key == "bmp" || key == "jpg" ? 1 : 0;
        ticked_[i] = settings.GetInt(kSection, key, fallback) != 0;
    }
}

void FileAssociationsModel::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetInt(kSection, "XP Enable", xpViewerDisabled_ ? 1 : 0);
    for (std::size_t i = 0; i < kAssociableTypes.size(); ++i) {
        settings.SetInt(kSection, kAssociableTypes[i].settingsKey, ticked_[i] ? 1 : 0);
    }
}

void FileAssociationsModel::Apply(ClassRegistry& registry, std::string_view programPath) const {
    AssociateExtension(registry, "qul", programPath);
    AssociateExtension(registry, "qua", programPath);
    // The key only a Windows XP picture viewer reads; written as that system expects so
    // a registry kept for it stays consistent. The desktop registry ignores it.
    constexpr std::string_view kPreviewKey =
        "SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview";
    if (xpViewerDisabled_) {
        registry.DeleteKey(kPreviewKey);
    } else {
        registry.WriteDefault(kPreviewKey, "{e84fda7c-1d6a-45f6-b725-cb260c236066}");
    }
    for (std::size_t i = 0; i < kAssociableTypes.size(); ++i) {
        for (std::string_view ext : kAssociableTypes[i].extensions) {
            if (ext.empty()) continue;
            if (ticked_[i]) {
                AssociateExtension(registry, ext, programPath);
            } else {
                ReleaseExtension(registry, ext);
            }
        }
    }
}

bool RunFileAssociations(Interaction& ui, SettingsStore& settings, ClassRegistry& registry,
                         std::string_view programPath) {
    FileAssociationsModel model;
    model.Load(settings);
    if (!ui.RunDialog(model)) return false;
    std::string error;
    bool flushed = false;
    {
        WaitCursor wait(ui);
        model.Apply(registry, programPath);
        model.Store(settings);
        flushed = registry.Flush(&error);
    }
    if (!flushed) {
        ui.ShowMessage("The desktop's file associations could not be changed:\n" + error,
                       FileAssociationsModel::kTitle, MessageIcon::Exclamation);
    }
    return true;
}

}  // namespace quillor
