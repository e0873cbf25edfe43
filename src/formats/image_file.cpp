#include "formats/image_file.h"

#include <vector>

#include "core/text_format.h"
#include "formats/codec/codec_error.h"
#include "formats/codec_table.h"
#include "formats/dib_raster.h"
#include "formats/image_file_messages.h"
#include "formats/plain_bmp.h"
#include "formats/image_settings_keys.h"
#include "formats/image_file_type.h"
#include "formats/jpeg_save_settings_model.h"
#include "formats/password_prompt_model.h"
#include "formats/password_save_settings_model.h"
#include "formats/png_save_settings_model.h"
#include "formats/tiff_save_settings_model.h"
#include "formats/tiff_page_model.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

using namespace settings_keys;

bool Finish(LoadOutcome* outcome, LoadOutcome value) {
    if (outcome) *outcome = value;
    return value == LoadOutcome::Loaded;
}

bool ReadOrReport(const std::string& path, FileBuffer& bytes, const ImageFileContext& context) {
    std::string reason;
    if (ReadWholeFile(path, bytes, &reason)) return true;
    SetCodecError(reason);
    context.ui.ShowMessage(FormatText(messages::kCouldNotOpen, {path}), messages::kFileOpeningError,
                           MessageIcon::Exclamation);
    return false;
}

LoadOutcome LoadBmp(COXDIB& image, const std::string& path, const ImageFileContext& context) {
    {
        InputFile file;
        std::string reason;
        if (file.Open(path, &reason)) {
            WaitCursor wait(context.ui);
            const PlainBmpRead plain = ReadPlainBmp(image, file.Size(), [&file](std::uint64_t at, void* to, std::size_t n) {
                return file.ReadAt(at, to, n);
            });
            if (plain == PlainBmpRead::Read) return LoadOutcome::Loaded;
            if (plain == PlainBmpRead::Failed) {
                SetCodecError("the file could not be read whole");
                context.ui.ShowMessage(FormatText(messages::kCouldNotRead, {path}), messages::kFileReadingError,
                                       MessageIcon::Exclamation);
                return LoadOutcome::Reported;
            }
        }
    }
    // Everything else, and every error opening the file, goes the general way.
    FileBuffer bytes;
    if (!ReadOrReport(path, bytes, context)) return LoadOutcome::Reported;
    WaitCursor wait(context.ui);
    ByteReader in(bytes);
    if (!image.ReadBmp(in)) {
        context.ui.ShowMessage(FormatText(messages::kCouldNotRead, {path}),
                               messages::kFileReadingError, MessageIcon::Exclamation);
        return LoadOutcome::Reported;
    }
    return LoadOutcome::Loaded;
}

// The values go through the models of the dialogs that set them, so a hand-edited
// settings file gets the same ranges the dialogs allow.
CodecSaveOptions SaveOptionsFromSettings(const SettingsStore& settings) {
    JpegSaveSettingsModel jpeg;
    jpeg.Load(settings);
    TiffSaveSettingsModel tiff;
    tiff.Load(settings);
    PngSaveSettingsModel png;
    png.Load(settings);
    PasswordSaveSettingsModel pax(PasswordSaveSettingsModel::Format::Pax, "");
    pax.Load(settings);
    CodecSaveOptions o;
    o.jpegQuality = jpeg.Quality();
    o.progressive = jpeg.Progressive();
    switch (tiff.CompressionType()) {
        case 1: o.tiffCompression = TiffCompression::Jpeg; break;
        case 2: o.tiffCompression = TiffCompression::PackBits; break;
        default: o.tiffCompression = TiffCompression::None; break;
    }
    o.interlace = png.Interlaced();
    o.encryptionType = pax.EncryptionType();
    return o;
}

void ReportCannotOpen(const std::string& path, const ImageFileContext& context) {
    context.ui.ShowMessage(FormatText(messages::kCouldNotOpen, {path}), messages::kFileOpeningError,
                           MessageIcon::Exclamation);
}

void ReportCannotWrite(const std::string& path, const ImageFileContext& context) {
    context.ui.ShowMessage(FormatText(messages::kCouldNotWrite, {path}),
                           messages::kFileWritingError, MessageIcon::Exclamation);
}

}  // namespace

bool LoadImageFile(COXDIB& image, const std::string& path, const ImageFileContext& context,
                   LoadOutcome* outcome) {
    ClearCodecError();
    image.Clear();
    const ImageFileType type = GetImageFileType(path);
    if (type == ImageFileType::Bmp) return Finish(outcome, LoadBmp(image, path, context));

    const ImageCodec* codec = FindCodec(type);
    if (codec == nullptr) {
        SetCodecError(type == ImageFileType::Gif ? "GIF files cannot be read"
                                                 : "the file's extension names no image format");
        return Finish(outcome, LoadOutcome::Failed);
    }
    FileBuffer file;
    if (!ReadOrReport(path, file, context)) return Finish(outcome, LoadOutcome::Reported);
    std::span<const std::uint8_t> bytes = file;

    CodecLoadOptions options;
    if (type == ImageFileType::Tiff) {
        int pages = 1;
        if (!ReadTiffPageCount(bytes, pages)) return Finish(outcome, LoadOutcome::Failed);
        if (pages >= 2) {
            TiffPageModel dialog(pages);
            dialog.Load(context.settings);
            if (!context.ui.RunDialog(dialog)) return Finish(outcome, LoadOutcome::Cancelled);
            dialog.Store(context.settings);
            options.page = dialog.Page() - 1;
        }
    }
    // Only a file that says it is protected is worth a password prompt; a damaged
    // unprotected one fails like any other.
    std::vector<std::uint8_t> unsealed;
    if (codec->isProtected && codec->isProtected(bytes)) {
        PasswordPromptModel dialog(path);
        if (!context.ui.RunDialog(dialog)) return Finish(outcome, LoadOutcome::Cancelled);
        {
            WaitCursor wait(context.ui);
            if (!codec->unseal(bytes, dialog.Password(), unsealed)) unsealed.clear();
        }
        if (unsealed.empty()) {
            context.ui.ShowMessage(messages::kWrongPassword, messages::kCannotRead,
                                   MessageIcon::Information);
            return Finish(outcome, LoadOutcome::WrongPassword);
        }
        bytes = unsealed;
    }

    WaitCursor wait(context.ui);
    ImageInfo info;
    if (!codec->readInfo(bytes, options, info)) return Finish(outcome, LoadOutcome::Failed);
    DibRasterTarget target(image);
    if (!codec->read(bytes, options, target) || !target.Finish()) {
        image.Clear();
        return Finish(outcome, LoadOutcome::Failed);
    }
    return Finish(outcome, LoadOutcome::Loaded);
}

bool SaveImageFile(const COXDIB& image, const std::string& path, const ImageFileContext& context) {
    ClearCodecError();
    const ImageFileType type = GetImageFileType(path);
    const ImageCodec* codec = FindCodec(type);
    if (image.IsEmpty() || (type != ImageFileType::Bmp && codec == nullptr)) {
        SetCodecError("no format to save in");
        return false;
    }
    WaitCursor wait(context.ui);
    AtomicFileWriter out;
    if (!out.Open(path)) {
        SetCodecError(out.Error());
        ReportCannotOpen(path, context);
        return false;
    }
    bool written = false;
    if (type == ImageFileType::Bmp) {
        written = image.WriteBmp(out);
    } else if (image.GetBitCount() == 8 || image.GetBitCount() == 24) {
        CodecSaveOptions options = SaveOptionsFromSettings(context.settings);
        if (type == ImageFileType::Pax || type == ImageFileType::Tla)
            options.password = context.settings.GetString(type == ImageFileType::Pax ? kPaxSave : kTlaSave, kPassword);
        Palette palette;
        written = codec->write(out, ViewOf(image, palette), options);
    } else {
        SetCodecError("only 8- and 24-bit pictures can be saved in this format");
    }
    if (!written || !out.Commit()) {
        if (LastCodecError().empty()) SetCodecError(out.Error());
        out.Abandon();
        ReportCannotWrite(path, context);
        return false;
    }
    return true;
}

}  // namespace quillor
