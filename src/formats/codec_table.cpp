#include "formats/codec_table.h"

#include "formats/codec/jpeg_codec.h"
#include "formats/codec/pax_codec.h"
#include "formats/codec/pcx_codec.h"
#include "formats/codec/png_codec.h"
#include "formats/codec/psd_codec.h"
#include "formats/codec/tga_codec.h"
#include "formats/codec/tiff_codec.h"
#include "formats/codec/tla_codec.h"

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
     nullptr, nullptr},
    {ImageFileType::Png,
     [](Bytes f, const CodecLoadOptions&, ImageInfo& i) { return ReadPngInfo(f, i); },
     [](Bytes f, const CodecLoadOptions&, RasterTarget& t) { return ReadPng(f, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions& o) {
         return WritePng(w, v, o.interlace);
     },
     nullptr, nullptr},
    {ImageFileType::Tiff,
     [](Bytes f, const CodecLoadOptions& o, ImageInfo& i) { return ReadTiffInfo(f, o.page, i); },
     [](Bytes f, const CodecLoadOptions& o, RasterTarget& t) { return ReadTiffPage(f, o.page, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions& o) {
         return WriteTiff(w, v, o.tiffCompression);
     },
     nullptr, nullptr},
    {ImageFileType::Pcx,
     [](Bytes f, const CodecLoadOptions&, ImageInfo& i) { return ReadPcxInfo(f, i); },
     [](Bytes f, const CodecLoadOptions&, RasterTarget& t) { return ReadPcx(f, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions&) { return WritePcx(w, v); },
     nullptr, nullptr},
    {ImageFileType::Tga,
     [](Bytes f, const CodecLoadOptions&, ImageInfo& i) { return ReadTgaInfo(f, i); },
     [](Bytes f, const CodecLoadOptions&, RasterTarget& t) { return ReadTga(f, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions&) { return WriteTga(w, v); },
     nullptr, nullptr},
    {ImageFileType::Psd,
     [](Bytes f, const CodecLoadOptions&, ImageInfo& i) { return ReadPsdInfo(f, i); },
     [](Bytes f, const CodecLoadOptions&, RasterTarget& t) { return ReadPsd(f, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions&) { return WritePsd(w, v); },
     nullptr, nullptr},
    // A protected file is unsealed before these run, so they always read with no password.
    {ImageFileType::Pax,
     [](Bytes f, const CodecLoadOptions&, ImageInfo& i) { return ReadPaxInfo(f, {}, i); },
     [](Bytes f, const CodecLoadOptions&, RasterTarget& t) { return ReadPax(f, {}, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions& o) {
         static const PaxIdentity identity{"Quillor", "The Quillor authors", "org.quillor.Quillor"};
         return WritePax(w, v, o.password, o.encryptionType, identity);
     },
     IsPaxProtected, UnsealPax},
    {ImageFileType::Tla,
     [](Bytes f, const CodecLoadOptions&, ImageInfo& i) { return ReadTlaInfo(f, {}, i); },
     [](Bytes f, const CodecLoadOptions&, RasterTarget& t) { return ReadTla(f, {}, t); },
     [](ByteWriter& w, const ConstRasterView& v, const CodecSaveOptions& o) {
         return WriteTla(w, v, o.password);
     },
     IsTlaProtected, UnsealTla},
};

}  // namespace

const ImageCodec* FindCodec(ImageFileType type) {
    for (const ImageCodec& codec : kCodecs)
        if (codec.type == type) return &codec;
    return nullptr;
}

}  // namespace quillor
