#include "formats/codec/pax_codec.h"

#include <algorithm>
#include <utility>

#include "core/byte_reader.h"
#include "core/image_limits.h"
#include "formats/codec/codec_error.h"
#include "formats/codec/jpeg_codec.h"
#include "formats/codec/sealed_container.h"

namespace quillor {

namespace {

const SealedFormat kPax{{'Q', 'P', 'A', 'X'}, "PAX"};
constexpr std::size_t kMaxCreatorText = 0xFFFF;

struct Body {
    int width = 0;
    int height = 0;
    PaxIdentity creator;
    std::span<const std::uint8_t> jpeg;
};

bool ReadText(ByteReader& r, std::string& text) {
    std::uint16_t length = 0;
    if (!r.U16(length)) return false;
    const auto bytes = r.Take(length);
    if (bytes.size() != length) return false;
    text.assign(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return true;
}

void WriteText(ByteWriter& w, std::string_view text) {
    text = text.substr(0, kMaxCreatorText);
    w.U16(std::uint16_t(text.size()));
    w.Text(text);
}

// Checks the body's own header against the JPEG it carries, so a file whose parts
// disagree is refused before anything is allocated.
bool ParseBody(std::span<const std::uint8_t> bytes, Body& b) {
    ByteReader r(bytes);
    std::uint32_t width = 0, height = 0, jpegBytes = 0;
    std::uint8_t depth = 0;
    if (!r.U32(width) || !r.U32(height) || !r.U8(depth))
        return CodecFail("PAX file: header cut short");
    if (!ImageSideOk(width) || !ImageSideOk(height))
        return CodecFail("PAX file: picture size out of range");
    if (depth != 24) return CodecFail("PAX file: unknown colour depth");
    if (!ReadText(r, b.creator.application) || !ReadText(r, b.creator.author) ||
        !ReadText(r, b.creator.identifier))
        return CodecFail("PAX file: creator cut short");
    if (!r.U32(jpegBytes) || jpegBytes != r.Remaining())
        return CodecFail("PAX file: picture data length does not match the file");
    b.width = int(width);
    b.height = int(height);
    b.jpeg = r.Rest();

    ImageInfo jpeg;
    if (!ReadJpegInfo(b.jpeg, jpeg)) return false;
    if (jpeg.width != b.width || jpeg.height != b.height || jpeg.depth != 24)
        return CodecFail("PAX file: picture does not match its header");
    return true;
}

bool OpenBody(std::span<const std::uint8_t> file, std::string_view password, SealedBody& sealed,
              Body& b) {
    return OpenSealed(file, kPax, password, sealed) && ParseBody(sealed.Bytes(), b);
}

// Hands the JPEG decoder's request on only when it is the picture the header promised.
class MatchingTarget final : public RasterTarget {
public:
    MatchingTarget(RasterTarget& inner, int width, int height)
        : inner_(inner), width_(width), height_(height) {}
    bool Allocate(int width, int height, PixelLayout layout, const Palette& palette,
                  RasterView& view) override {
        if (width != width_ || height != height_ || layout != PixelLayout::Bgr24) return false;
        return inner_.Allocate(width, height, layout, palette, view);
    }

private:
    RasterTarget& inner_;
    int width_;
    int height_;
};

}  // namespace

bool IsPaxProtected(std::span<const std::uint8_t> file) {
    return IsSealedProtected(file, kPax);
}

bool ReadPaxInfo(std::span<const std::uint8_t> file, std::string_view password, ImageInfo& info) {
    SealedBody sealed;
    Body b;
    if (!OpenBody(file, password, sealed, b)) return false;
    info.width = b.width;
    info.height = b.height;
    info.depth = 24;
    info.pages = 1;
    return true;
}

bool ReadPax(std::span<const std::uint8_t> file, std::string_view password, RasterTarget& target) {
    SealedBody sealed;
    Body b;
    if (!OpenBody(file, password, sealed, b)) return false;
    MatchingTarget matching(target, b.width, b.height);
    return ReadJpeg(b.jpeg, matching);
}

bool ReadPaxCreator(std::span<const std::uint8_t> file, std::string_view password,
                    PaxIdentity& creator) {
    SealedBody sealed;
    Body b;
    if (!OpenBody(file, password, sealed, b)) return false;
    creator = std::move(b.creator);
    return true;
}

bool WritePax(ByteWriter& out, const ConstRasterView& image, std::string_view password,
              int encryptionType, const PaxIdentity& identity) {
    if (!ImageSideOk(image.width) || !ImageSideOk(image.height) || !image.top)
        return CodecFail("empty picture");
    ConstRasterView source = image;
    const Palette blackWhite = Palette::BlackWhite();
    if (image.layout == PixelLayout::Bilevel) {
        source.layout = PixelLayout::Indexed8;
        source.palette = &blackWhite;
    } else if (image.layout == PixelLayout::Indexed8 && !image.palette) {
        return CodecFail("palette picture without a palette");
    }

    VectorWriter body;
    // Room for a typical JPEG up front saves regrowing; it also spares GCC 12 a false
    // stringop-overflow warning about the first small writes into an empty vector.
    body.Bytes().reserve(
        std::min(std::size_t(image.width) * std::size_t(image.height) / 2, std::size_t(16) << 20) +
        1024);
    body.U32(std::uint32_t(image.width));
    body.U32(std::uint32_t(image.height));
    body.U8(24);
    WriteText(body, identity.application);
    WriteText(body, identity.author);
    WriteText(body, identity.identifier);
    const std::size_t lengthAt = body.Bytes().size();
    body.U32(0);  // the JPEG's length, once it is known
    if (!WriteJpeg(body, source, kPaxJpegQuality, false)) return false;
    const std::size_t jpegBytes = body.Bytes().size() - lengthAt - 4;
    if (jpegBytes > 0xFFFFFFFFu) return CodecFail("picture too large");
    for (int i = 0; i < 4; ++i) body.Bytes()[lengthAt + i] = std::uint8_t(jpegBytes >> (8 * i));
    return WriteSealed(out, kPax, body.Bytes(), password, encryptionType);
}

bool UnsealPax(std::span<const std::uint8_t> file, std::string_view password,
               std::vector<std::uint8_t>& plain) {
    return UnsealToPlain(file, kPax, password, plain);
}

}  // namespace quillor
