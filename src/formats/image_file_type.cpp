#include "formats/image_file_type.h"

#include <string>

namespace quillor {

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (suffix.size() > text.size()) return false;
    return LowerAscii(text.substr(text.size() - suffix.size())) == LowerAscii(suffix);
}

ImageFileType GetImageFileType(std::string_view path) {
    struct Rule {
        const char* extension;
        ImageFileType type;
    };
    static constexpr Rule kRules[] = {
        {".pcx", ImageFileType::Pcx}, {".tif", ImageFileType::Tiff}, {".tiff", ImageFileType::Tiff},
        {".tga", ImageFileType::Tga}, {".psd", ImageFileType::Psd},  {".png", ImageFileType::Png},
        {".tla", ImageFileType::Tla}, {".gif", ImageFileType::Gif},  {".pax", ImageFileType::Pax},
        {".jpg", ImageFileType::Jpeg}, {".jpeg", ImageFileType::Jpeg}, {".bmp", ImageFileType::Bmp},
    };
    for (const Rule& rule : kRules)
        if (EndsWithNoCase(path, rule.extension)) return rule.type;
    return ImageFileType::Unknown;
}

bool HasImageExtension(std::string_view name) {
    const ImageFileType type = GetImageFileType(name);
    return type != ImageFileType::Unknown && type != ImageFileType::Gif;
}

const char* ImageFileTypeName(ImageFileType type) {
    switch (type) {
        case ImageFileType::Bmp: return "BMP";
        case ImageFileType::Jpeg: return "JPEG";
        case ImageFileType::Tiff: return "TIFF";
        case ImageFileType::Pcx: return "PCX";
        case ImageFileType::Pax: return "PAX";
        case ImageFileType::Tla: return "TLA";
        case ImageFileType::Png: return "PNG";
        case ImageFileType::Psd: return "PSD";
        case ImageFileType::Tga: return "TGA";
        case ImageFileType::Gif: return "GIF";
        case ImageFileType::Unknown: break;
    }
    return "unknown";
}

}  // namespace quillor
