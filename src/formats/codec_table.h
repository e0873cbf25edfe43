#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/byte_writer.h"
#include "formats/codec/raster.h"
#include "formats/codec/tiff_codec.h"
#include "formats/image_file_type.h"

namespace quillor {

struct CodecLoadOptions {
    int page = 0;  // TIFF, counted from 0
};

struct CodecSaveOptions {
    int jpegQuality = 100;
    bool progressive = false;
    TiffCompression tiffCompression = TiffCompression::None;
    bool interlace = false;
    std::string password;
    int encryptionType = 1;
};

// One format of the codec layer: how to learn a file's size and depth, read it and write
// it. Every format other than BMP is reached through this table.
struct ImageCodec {
    ImageFileType type;
    bool (*readInfo)(std::span<const std::uint8_t>, const CodecLoadOptions&, ImageInfo&);
    bool (*read)(std::span<const std::uint8_t>, const CodecLoadOptions&, RasterTarget&);
    bool (*write)(ByteWriter&, const ConstRasterView&, const CodecSaveOptions&);
    // Password formats: whether a file can only be opened with its password, and the
    // same file opened with one (false for a wrong password).
    bool (*isProtected)(std::span<const std::uint8_t>);
    bool (*unseal)(std::span<const std::uint8_t>, std::string_view, std::vector<std::uint8_t>&);
};

// The codec for a type, or null (BMP, GIF and unknown files have none).
const ImageCodec* FindCodec(ImageFileType type);

}  // namespace quillor
