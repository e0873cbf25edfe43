#include "utilities/desktop_class_registry.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "platform/file_io.h"

extern char** environ;

namespace quillor {

namespace {

constexpr std::string_view kOwnClassPrefix = "Quillor_";
constexpr std::string_view kCommandTail = "\\shell\\Open\\Command";
constexpr std::string_view kPreviousSection = "Previous Handlers";

struct TypeOfExtension {
    std::string_view ext;
    std::string_view mimeType;
};
constexpr std::array<TypeOfExtension, 13> kTypes{{
    {"bmp", "image/bmp"},
    {"jpg", "image/jpeg"},
    {"jpeg", "image/jpeg"},
    {"pax", "image/x-quillor-pax"},
    {"pcx", "image/vnd.zbrush.pcx"},
    {"tla", "image/x-quillor-tla"},
    {"tga", "image/x-tga"},
    {"tif", "image/tiff"},
    {"tiff", "image/tiff"},
    {"png", "image/png"},
    {"psd", "image/vnd.adobe.photoshop"},
    {"qua", "application/x-quillor-animation"},
    {"qul", "application/x-quillor-layers"},
}};

// Types no other package describes, so the desktop learns them from ours.
constexpr std::string_view kMimePackage = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-quillor-animation">
    <comment>Quillor animation</comment>
    <glob pattern="*.qua"/>
  </mime-type>
  <mime-type type="application/x-quillor-layers">
    <comment>Quillor layered image</comment>
    <glob pattern="*.qul"/>
  </mime-type>
  <mime-type type="image/x-quillor-pax">
    <comment>Quillor PAX image</comment>
    <glob pattern="*.pax"/>
  </mime-type>
  <mime-type type="image/x-quillor-tla">
    <comment>Quillor TLA image</comment>
    <glob pattern="*.tla"/>
  </mime-type>
</mime-info>
)";

std::string EnvironmentFolder(const char* variable, const char* belowHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/" + belowHome;
}

// The extension a ".ext..." or "Quillor_ext..." key is about, and what follows it.
std::pair<std::string_view, std::string_view> SplitKey(std::string_view key, std::size_t skip) {
    key.remove_prefix(skip);
    const std::size_t slash = key.find('\\');
    if (slash == std::string_view::npos) return {key, {}};
    return {key.substr(0, slash), key.substr(slash)};
}

// Quotes a program path for an Exec line: inside double quotes the characters
// `"`, `` ` ``, `$` and `\` take a backslash, then every backslash is doubled again for
// the entry's own string escapes, and "%" is doubled as a field code would be.
std::string ExecArgument(std::string_view path) {
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '\\') {
            quoted += "\\\\\\\\";
            continue;
        }
        if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string DesktopEntry(std::string_view program) {
    std::string types;
    for (const TypeOfExtension& type : kTypes) {
        if (types.find(type.mimeType) != std::string::npos) continue;
        types += type.mimeType;
        types += ';';
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Quillor\n"
           "GenericName=Paint and Sprite Animation\n"
           "Comment=Paint pixel art, touch up pictures and build sprite animations\n"
           "Exec=" + ExecArgument(program) + " %f\n"
           "Icon=quillor\n"
           "Terminal=false\n"
           "Categories=Graphics;2DGraphics;RasterGraphics;\n"
           "MimeType=" + types + "\n";
}

// Writes `text` unless the file already holds it; false with `error` on failure.
bool WriteIfChanged(const std::string& path, std::string_view text, bool* changed, std::string* error) {
    *changed = false;
    FileBuffer old;
    if (FileExists(path) && ReadWholeFile(path, old, nullptr) &&
        std::string_view(reinterpret_cast<const char*>(old.data()), old.size()) == text) {
        return true;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    AtomicFileWriter out;
    if (!out.Open(path) || !out.Write(text.data(), text.size()) || !out.Commit()) {
        *error = out.Error().empty() ? "cannot write " + path : out.Error();
        return false;
    }
    *changed = true;
    return true;
}

// Runs a desktop database tool when it is installed; the associations hold without it,
// the desktop only learns of new types later.
void RunIfInstalled(const char* tool, const std::string& argument) {
    const char* argv[] = {tool, argument.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    if (posix_spawnp(&child, tool, &actions, nullptr, const_cast<char**>(argv), environ) == 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

DesktopClassRegistry::Places DesktopClassRegistry::FromEnvironment() {
    return {EnvironmentFolder("XDG_CONFIG_HOME", ".config"),
            EnvironmentFolder("XDG_DATA_HOME", ".local/share")};
}

std::string_view DesktopClassRegistry::MimeTypeOf(std::string_view ext) {
    for (const TypeOfExtension& type : kTypes) {
        if (type.ext == ext) return type.mimeType;
    }
    return {};
}

DesktopClassRegistry::DesktopClassRegistry(Places places)
    : places_(std::move(places)),
      previous_(places_.configHome + "/quillor/previous-handlers.ini") {}

std::string DesktopClassRegistry::DesktopEntryPath() const {
    return places_.dataHome + "/applications/" + std::string(kDesktopId);
}

std::string DesktopClassRegistry::MimePackagePath() const {
    return places_.dataHome + "/mime/packages/quillor.xml";
}

bool DesktopClassRegistry::LoadList() {
    if (!listLoaded_) {
        listLoaded_ = true;
        if (!list_.Load(MimeAppsPath(), &loadError_)) list_ = MimeAppsList();
    }
    return loadError_.empty();
}

std::string DesktopClassRegistry::ReadDefault(std::string_view key) {
    if (!key.starts_with('.')) return {};
    const auto [ext, tail] = SplitKey(key, 1);
    if (tail == "\\Undo") return previous_.GetString(kPreviousSection, ext);
    const std::string_view mimeType = MimeTypeOf(ext);
    if (!tail.empty() || mimeType.empty() || !LoadList()) return {};
    const std::string handler = list_.DefaultFor(mimeType);
    // Only the first desktop id of the value is the handler in use.
    const std::string_view first = std::string_view(handler).substr(0, handler.find(';'));
    if (first == kDesktopId) return std::string(kOwnClassPrefix) + std::string(ext);
    return handler;
}

void DesktopClassRegistry::WriteDefault(std::string_view key, std::string_view value) {
    if (key.starts_with(kOwnClassPrefix)) {
        const auto [ext, tail] = SplitKey(key, kOwnClassPrefix.size());
        if (tail != kCommandTail) return;
        // The command reads "\"program\" %1": the program is what stands between the
        // first and the last quote (a path may hold quotes of its own).
        const std::size_t close = value.rfind('"');
        if (value.size() > 1 && value.front() == '"' && close > 0) exec_ = value.substr(1, close - 1);
        if (ext == "qua" || ext == "qul" || ext == "pax" || ext == "tla") ownTypesUsed_ = true;
        return;
    }
    if (!key.starts_with('.')) return;
    const auto [ext, tail] = SplitKey(key, 1);
    if (tail == "\\Undo") {
        previous_.SetString(kPreviousSection, ext, value);
        return;
    }
    const std::string_view mimeType = MimeTypeOf(ext);
    if (!tail.empty() || mimeType.empty() || !LoadList()) return;
    if (value.starts_with(kOwnClassPrefix)) value = kDesktopId;
    if (list_.DefaultFor(mimeType) == value) return;
    list_.SetDefault(mimeType, value);
    listChanged_ = true;
}

bool DesktopClassRegistry::Flush(std::string* error) {
    std::string problem = loadError_;
    if (problem.empty() && !previous_.LastError().empty()) problem = previous_.LastError();
    bool entryChanged = false;
    if (!exec_.empty()) WriteIfChanged(DesktopEntryPath(), DesktopEntry(exec_), &entryChanged, &problem);
    bool packageChanged = false;
    if (ownTypesUsed_) WriteIfChanged(MimePackagePath(), kMimePackage, &packageChanged, &problem);
    if (listChanged_ && loadError_.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(places_.configHome, ec);
        std::string saveError;
        if (list_.Save(&saveError)) {
            listChanged_ = false;
        } else if (problem.empty()) {
            problem = saveError;
        }
    }
    // The database tools can take seconds; every file is in place before they run, so
    // the associations hold even if the program is stopped while they work.
    if (entryChanged) RunIfInstalled("update-desktop-database", places_.dataHome + "/applications");
    if (packageChanged) RunIfInstalled("update-mime-database", places_.dataHome + "/mime");
    if (!problem.empty() && error != nullptr) *error = problem;
    return problem.empty();
}

}  // namespace quillor
