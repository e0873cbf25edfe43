#include "formats/codec_table.h"

#include "formats/codec/jpeg_codec.h"
#include "formats/codec/png_codec.h"
#include "formats/codec/tiff_codec.h"

namespace quillor {

namespace {

using Bytes = std::span<const std::uint8_t>;

const ImageCodec kCodecs[] = {
    {ImageFileType::Jpeg,
     [](Bytes f, const CodecLoadOptions&, ImageInfo& i) { return ReadJpegInfo(f, i); },
     [](Bytes f, const CodecLoadOptions&, RasterTarget& t) { return ReadJpeg(f, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions& o) {
         return WriteJpeg(w, v, o.jpegQuality, o.progressive);
     },
     nullptr},
    {ImageFileType::Png,
     [](Bytes f, const CodecLoadOptions&, ImageInfo& i) { return ReadPngInfo(f, i); },
     [](Bytes f, const CodecLoadOptions&, RasterTarget& t) { return ReadPng(f, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions& o) {
         return WritePng(w, v, o.interlace);
     },
     nullptr},
    {ImageFileType::Tiff,
     [](Bytes f, const CodecLoadOptions& o, ImageInfo& i) { return ReadTiffInfo(f, o.page, i); },
     [](Bytes f, const CodecLoadOptions& o, RasterTarget& t) { return ReadTiffPage(f, o.page, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions& o) {
         return WriteTiff(w, v, o.tiffCompression);
     },
     nullptr},
};

}  // namespace

const ImageCodec* FindCodec(ImageFileType type) {
    for (const ImageCodec& codec : kCodecs)
        if (codec.type == type) return &codec;
    return nullptr;
}

}  // namespace quillor
