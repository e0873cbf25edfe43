#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quillor {

// The name patterns the image browser lists, in the order they are collected.
inline constexpr std::array<std::string_view, 11> kBrowserPatterns = {
    "*.bmp", "*.jpg", "*.jpeg", "*.tla", "*.tga", "*.tiff", "*.tif", "*.png", "*.pax", "*.pcx", "*.psd"};

// True when `name` matches one of the patterns. Letter case is ignored: cameras write
// "PHOTO.JPG", and a browser that hid those would hide most of a card's pictures.
bool MatchesBrowserPattern(std::string_view name);

// The image files of `folder` (bare names; folders left out), collected pattern by
// pattern and then sorted byte by byte. Every match is listed, however many there are.
// Empty when the folder cannot be read.
std::vector<std::string> ListBrowserImages(const std::string& folder);

}  // namespace quillor
