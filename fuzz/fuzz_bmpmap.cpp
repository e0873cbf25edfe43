#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "utilities/bmp_palette_mapping.h"

using namespace quillor;

namespace {

// Says nothing and answers nothing: the mapper's messages are not what is fuzzed.
class SilentInteraction final : public Interaction {
public:
    void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
    Answer Ask(std::string_view, std::string_view, QuestionButtons, MessageIcon) override { return Answer::No; }
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return {}; }
    bool RunDialog(DialogModel&) override { return false; }
    void BeginWait() override {}
    void EndWait() override {}
};

// The mapper works on files in a folder: every input goes to the same one.
const std::string& ScratchFolder() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string name = std::string(tmp != nullptr ? tmp : "/tmp") + "/quillor-fuzz-bmpmap-XXXXXX";
        if (::mkdtemp(name.data()) == nullptr) __builtin_trap();
        return name;
    }();
    return path;
}

void Write(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) __builtin_trap();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) __builtin_trap();
    std::fclose(f);
}

long FileSize(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return -1;
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fclose(f);
    return size;
}

}  // namespace

// The input as a source and as a destination, remapped onto its own palette: a file
// the mapper rewrites keeps its length, and one it refuses is left alone.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentInteraction ui;
    const std::string path = ScratchFolder() + "/input.bmp";
    Write(path, data, size);
    const std::optional<BmpPalette> palette = ReadSourcePalette(ui, path, "input.bmp");
    BmpPalette grey{};
    for (std::size_t i = 0; i < 256; ++i) grey[i * 4] = grey[i * 4 + 1] = grey[i * 4 + 2] = std::uint8_t(i);
    const bool mapped = MapPaletteOntoFile(ui, palette ? *palette : grey, PaletteOperation::ReplaceAndRemap,
                                           path, "input.bmp");
    if (FileSize(path) != long(size)) __builtin_trap();
    (void)mapped;
    return 0;
}
