#pragma once

#include <string_view>

namespace quillor::messages {

inline constexpr std::string_view kCouldNotOpen = "Could not open file '%s'";
inline constexpr std::string_view kCouldNotRead = "Could not read file '%s'";
inline constexpr std::string_view kCouldNotWrite = "Could not write to file '%s'";
inline constexpr std::string_view kFileOpeningError = "File Opening Error";
inline constexpr std::string_view kFileReadingError = "File Reading Error";
inline constexpr std::string_view kFileWritingError = "File Writing Error";

inline constexpr std::string_view kWrongPassword = "The password you supplied was incorrect.";
inline constexpr std::string_view kCannotRead = "Cannot Read";

inline constexpr std::string_view kCannotSave = "Cannot Save";
inline constexpr std::string_view kMonoNeedsBmp =
    "Please use BMP format to save Monochrome (1 bit) images.";
inline constexpr std::string_view kMonoNeedsBmpNamed =
    "'%s' is a monochrome image\nPlease use BMP format to save Monochrome (1 bit) images.";
inline constexpr std::string_view k16NeedsBmp = "Please use BMP format to save 16 colour (4 bit) images.";
inline constexpr std::string_view k16NeedsBmpNamed =
    "'%s' is a 16 colour image\nPlease use BMP format to save 16 colour (4 bit) images.";
inline constexpr std::string_view kJpgNeedsTrueColour =
    "JPGs must be True Colour. Please convert image to True Colour first.";
inline constexpr std::string_view kJpgNeedsTrueColourNamed =
    "'%s' is not a true colour image.\nJPGs must be True Colour. Please convert image to True "
    "Colour first.";

inline constexpr std::string_view kLoadingError = "Loading Error";
inline constexpr std::string_view kCannotLoad =
    "Quillor cannot load '%s'.\nPossible unsupported or copyrighted compression method.";
inline constexpr std::string_view kCannotLoadInScript =
    "Quillor cannot load '%s'.\nPossible unsupported or copyrighted compression method.\nA blank "
    "image will be created instead.";

inline constexpr std::string_view kInvalidFileType = "Invalid File Type";
inline constexpr std::string_view kNoValidExtension =
    "File does not have a valid file format extension.";

}  // namespace quillor::messages
