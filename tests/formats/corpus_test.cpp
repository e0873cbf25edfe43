// The readers against files other programs wrote, each compared with its reference
// decode (composited over white, as this program shows alpha).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/coxdib.h"
#include "formats/codec/memory_raster.h"
#include "formats/codec/png_codec.h"
#include "formats/image_file.h"
#include "platform/file_io.h"
#include "support/corpus.h"
#include "support/scripted_interaction.h"
#include "support/test_images.h"

namespace quillor {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedInteraction;

const fs::path kCorpus = testing::CorpusDir();

std::vector<fs::path> FilesIn(const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == extension)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// 16- and 32-bit files widen their channels by shifting, where the references scale;
// everything else must match exactly.
int ToleranceFor(const fs::path& file) {
    FileBuffer bytes;
    if (!ReadWholeFile(file.string(), bytes, nullptr) || bytes.size() < 30) return 0;
    if (file.extension() == ".bmp") {
        const unsigned headerSize = bytes[14] | bytes[15] << 8;
        const unsigned bits = headerSize == 12 ? (bytes[24] | bytes[25] << 8) : (bytes[28] | bytes[29] << 8);
        return (bits == 16 || bits == 32) ? 8 : 0;
    }
    const auto fiveBit = [](unsigned bits) { return bits == 15 || bits == 16; };
    return (fiveBit(bytes[16]) || fiveBit(bytes[7])) ? 8 : 0;  // TGA pixel or colour-map depth
}

struct Comparison {
    bool loaded = false;
    int worst = 0;
    std::string detail;
};

Comparison CompareWithReference(const fs::path& image, const fs::path& reference) {
    Comparison result;
    ScriptedInteraction ui;
    SettingsStore settings;
    COXDIB decoded;
    result.loaded = LoadImageFile(decoded, image.string(), {ui, settings});
    if (!result.loaded) return result;

    FileBuffer pngBytes;
    MemoryRaster expected;
    if (!ReadWholeFile(reference.string(), pngBytes, nullptr) || !ReadPng(pngBytes, expected)) {
        result.detail = "reference unreadable";
        result.worst = 256;
        return result;
    }
    if (decoded.GetSize() != DibSize{expected.width, expected.height}) {
        result.detail = "size differs from the reference";
        result.worst = 256;
        return result;
    }
    for (int y = 0; y < expected.height; ++y) {
        const std::uint8_t* line = expected.Line(y);
        for (int x = 0; x < expected.width; ++x) {
            const TableWord shown = testing::ShownColour(decoded, x, y);
            const int channels[3] = {int(shown & 255), int(shown >> 8 & 255), int(shown >> 16 & 255)};
            for (int c = 0; c < 3; ++c) {
                const int diff = std::abs(channels[c] - int(line[x * 3 + c]));
                if (diff > result.worst) {
                    result.worst = diff;
                    result.detail = "at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
                }
            }
        }
    }
    return result;
}

class CorpusTest : public ::testing::TestWithParam<std::string> {};

TEST_P(CorpusTest, ReadableFilesMatchTheirReferences) {
    const fs::path images = kCorpus / "images" / GetParam();
    const fs::path references = kCorpus / "reference" / GetParam();
    if (!fs::is_directory(images)) GTEST_SKIP() << "corpus folder absent: " << images;
    const std::string extension = GetParam().starts_with("bmp") ? ".bmp" : ".tga";
    int compared = 0;
    for (const fs::path& file : FilesIn(images, extension)) {
        const fs::path reference = references / (file.filename().string() + ".png");
        SCOPED_TRACE(file.filename().string());
        if (!fs::exists(reference)) {
            // No reference: reading must still end cleanly, whichever way it ends.
            ScriptedInteraction ui;
            SettingsStore settings;
            COXDIB decoded;
            if (!LoadImageFile(decoded, file.string(), {ui, settings})) {
                EXPECT_TRUE(decoded.IsEmpty());
            }
            continue;
        }
        const Comparison c = CompareWithReference(file, reference);
        EXPECT_TRUE(c.loaded) << "refused a readable file";
        EXPECT_LE(c.worst, ToleranceFor(file)) << c.detail;
        ++compared;
    }
    EXPECT_GT(compared, 0) << "no reference decodes found under " << references;
}

INSTANTIATE_TEST_SUITE_P(Folders, CorpusTest,
                         ::testing::Values("bmp/images", "tga/testsuite"),
                         [](const auto& info) { return info.param.substr(0, 3); });

TEST(CorpusBadFilesTest, MalformedBitmapsAreRefusedAndDamagedOnesNeverCrash) {
    const fs::path folder = kCorpus / "images" / "bmp" / "images";
    if (!fs::is_directory(folder)) GTEST_SKIP() << "corpus folder absent: " << folder;
    for (const fs::path& file : FilesIn(folder, ".bad_bmp")) {
        SCOPED_TRACE(file.filename().string());
        FileBuffer bytes;
        ASSERT_TRUE(ReadWholeFile(file.string(), bytes, nullptr));
        ByteReader in(bytes);
        COXDIB image;
        EXPECT_FALSE(image.ReadBmp(in));
        EXPECT_TRUE(image.IsEmpty());
    }
    // Damaged files: readable by a tolerant reader or refused, never anything worse.
    for (const fs::path& file : FilesIn(folder / "lenient", ".bmp")) {
        SCOPED_TRACE(file.filename().string());
        FileBuffer bytes;
        ASSERT_TRUE(ReadWholeFile(file.string(), bytes, nullptr));
        ByteReader in(bytes);
        COXDIB image;
        if (image.ReadBmp(in)) {
            EXPECT_GT(image.GetSize().width, 0);
            EXPECT_TRUE(image.GetBitCount() == 1 || image.GetBitCount() == 4 ||
                        image.GetBitCount() == 8 || image.GetBitCount() == 24);
        } else {
            EXPECT_TRUE(image.IsEmpty());
        }
    }
}

}  // namespace
}  // namespace quillor
