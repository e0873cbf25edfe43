#pragma once

// Picture files for the image browser's tests, written with the program's own codecs.

#include <gtest/gtest.h>

#include <string>

#include "core/coxdib.h"
#include "formats/codec_table.h"
#include "formats/dib_raster.h"
#include "formats/image_file_type.h"
#include "platform/file_io.h"

namespace quillor::testing {

// A true-colour picture of one colour.
inline void MakeSolid24(COXDIB& image, int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    ASSERT_TRUE(image.CreateBlank(24, width, height));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* line = image.Line(y);
        for (int x = 0; x < width; ++x) {
            line[x * 3] = b;
            line[x * 3 + 1] = g;
            line[x * 3 + 2] = r;
        }
    }
}

// Writes `image` in the format the path's extension names; a password seals PAX and TLA.
inline void WritePicture(const std::string& path, const COXDIB& image, const std::string& password = {}) {
    AtomicFileWriter out;
    ASSERT_TRUE(out.Open(path)) << path;
    const ImageFileType type = GetImageFileType(path);
    if (type == ImageFileType::Bmp) {
        ASSERT_TRUE(image.WriteBmp(out));
    } else {
        const ImageCodec* codec = FindCodec(type);
        ASSERT_NE(codec, nullptr) << path;
        CodecSaveOptions options;
        options.jpegQuality = 95;
        options.password = password;
        options.encryptionType = 1;
        Palette palette;
        ASSERT_TRUE(codec->write(out, ViewOf(image, palette), options)) << path;
    }
    ASSERT_TRUE(out.Commit()) << path;
}

inline void WriteSolid(const std::string& path, int width, int height, std::uint8_t r, std::uint8_t g,
                       std::uint8_t b, const std::string& password = {}) {
    COXDIB image;
    MakeSolid24(image, width, height, r, g, b);
    WritePicture(path, image, password);
}

}  // namespace quillor::testing
