#include "tools/brush_file_commands.h"

#include "brush/brush_file.h"
#include "brush/paint_brush.h"
#include "core/text_format.h"
#include "formats/image_file_dialogs.h"
#include "formats/image_file_type.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

constexpr std::string_view kCannotOpen = "Error - Could not open file %s.";
constexpr std::string_view kOpeningError = "File Opening Error";
constexpr std::string_view kNotABrush = "Cannot load brush.\n%s is not a valid Quillor brush file.";
constexpr std::string_view kLoadAborted = "Load Aborted";

const char* DepthName(bool trueColour) { return trueColour ? "TRUE COLOUR" : "256 COLOUR"; }

FileDialogRequest BrushRequest(const char* title, const char* key) {
    FileDialogRequest request;
    request.title = title;
    request.settingsKey = key;
    request.filter = kBrushFilter;
    request.defaultExtension = "bsh";
    return request;
}

}  // namespace

std::string BrushPath(std::string_view chosen) {
    std::string path(chosen);
    if (!EndsWithNoCase(path, ".bsh")) path += ".bsh";
    return path;
}

bool SaveBrushAs(const PaintBrush& brush, bool imageTrueColour, const ImageFileContext& context) {
    const BrushRecord& record = brush.Current(imageTrueColour);
    if (record.borrowed || !record.Exists()) {
        context.ui.ShowMessage(std::string("No ") + DepthName(imageTrueColour) + " brush currently exists.",
                               "No Brush To Save", MessageIcon::Information);
        return false;
    }
    FileDialogRequest request = BrushRequest("Save Brush As", kBrushSaveAsKey);
    request.confirmOverwrite = true;
    const auto chosen = ChooseFileRemembering(request, true, context);
    if (!chosen) return false;
    const std::string path = BrushPath(*chosen);
    bool saved = false;
    {
        WaitCursor wait(context.ui);
        const std::vector<std::uint8_t> bytes = EncodeBrushFile(record, imageTrueColour);
        AtomicFileWriter out;
        // The old file stays as it was unless the new one was written whole.
        saved = out.Open(path) && out.Write(bytes.data(), bytes.size()) && out.Commit();
    }
    if (!saved) {
        context.ui.ShowMessage(FormatText(kCannotOpen, {path}), kOpeningError, MessageIcon::Exclamation);
        return false;
    }
    context.ui.ShowMessage(std::string(DepthName(imageTrueColour)) + " brush saved.", "Successfully Saved",
                           MessageIcon::Information);
    return true;
}

bool LoadBrush(PaintBrush& brush, bool imageTrueColour, std::uint32_t documentFrames,
               const ImageFileContext& context) {
    const auto chosen = ChooseFileRemembering(BrushRequest("Load Brush", kBrushOpenKey), false, context);
    if (!chosen) return false;
    const std::string path = BrushPath(*chosen);
    brush.SaveAsPrevious(imageTrueColour, documentFrames);
    bool cannotOpen = false;
    std::optional<BrushFileContents> file;
    {
        WaitCursor wait(context.ui);
        file = ReadBrushFile(path, cannotOpen);
    }
    if (!file) {
        if (cannotOpen)
            context.ui.ShowMessage(FormatText(kCannotOpen, {path}), kOpeningError, MessageIcon::Exclamation);
        else
            context.ui.ShowMessage(FormatText(kNotABrush, {path}), kLoadAborted, MessageIcon::Exclamation);
        return false;
    }
    const bool trueColour = file->header.trueColour;
    TakeBrushFile(brush, std::move(*file), imageTrueColour);
    context.ui.ShowMessage(std::string(DepthName(trueColour)) + " brush loaded.", "Successfully Loaded",
                           MessageIcon::Information);
    return true;
}

}  // namespace quillor
