#pragma once

#include <set>
#include <string>
#include <string_view>

#include "platform/settings_store.h"
#include "utilities/class_registry.h"
#include "utilities/mime_apps_list.h"

namespace quillor {

// The class registry on a freedesktop desktop:
//   ".ext"           the default handler of the extension's MIME type in the user's
//                    mimeapps.list; Quillor's entry reads back as "Quillor_ext";
//   ".ext\Undo"      the handler Quillor replaced, in quillor/previous-handlers.ini
//                    under the config home;
//   "Quillor_ext\shell\Open\Command"  the Exec line of the user's quillor.desktop.
// The other keys a class holds (description, icon) have no place on this desktop and
// are accepted without effect. Changes are kept in memory until Flush writes them.
class DesktopClassRegistry final : public ClassRegistry {
public:
    struct Places {
        std::string configHome;  // where mimeapps.list lives
        std::string dataHome;    // applications/ and mime/ below it
    };
    // $XDG_CONFIG_HOME and $XDG_DATA_HOME, or their defaults under the home folder.
    static Places FromEnvironment();

    static constexpr std::string_view kDesktopId = "quillor.desktop";
    // The MIME type Quillor registers or uses for an extension; empty when unknown.
    static std::string_view MimeTypeOf(std::string_view ext);

    explicit DesktopClassRegistry(Places places);

    std::string ReadDefault(std::string_view key) override;
    void WriteDefault(std::string_view key, std::string_view value) override;
    void DeleteKey(std::string_view /*key*/) override {}
    bool Flush(std::string* error) override;

    std::string MimeAppsPath() const { return places_.configHome + "/mimeapps.list"; }
    std::string DesktopEntryPath() const;
    std::string MimePackagePath() const;

private:
    bool LoadList();

    Places places_;
    MimeAppsList list_;
    bool listLoaded_ = false;
    bool listChanged_ = false;
    std::string loadError_;
    SettingsStore previous_;
    std::string exec_;  // program path the desktop entry should run, once a command was written
    bool ownTypesUsed_ = false;
};

}  // namespace quillor
