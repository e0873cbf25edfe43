// Which files the image browser lists, and in what order.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "support/temp_dir.h"
#include "utilities/browser_listing.h"

namespace quillor {
namespace {

using testing::TempDir;
using testing::WriteBytes;
using Names = std::vector<std::string>;

void Touch(const TempDir& dir, const std::string& name) { WriteBytes(dir.File(name), {'x'}); }

TEST(BrowserListing, ListsTheImageExtensionsInByteOrderWhateverTheirCase) {
    TempDir dir;
    for (const char* name : {"b.png", "a.BMP", "PHOTO.JPG", "c.jpeg", "notes.txt", "e.tif", "f.tiff", "g.pax",
                             "h.tla", "i.tga", "j.pcx", "k.psd", "Z.bmp", "anim.gif", "a_b.bmp", "aB.bmp",
                             "\xC3\xA9t\xC3\xA9.bmp", "bmp", "x.bmp.bak"})
        Touch(dir, name);
    std::filesystem::create_directory(dir.File("folder.jpg"));
    // Bytes compare unsigned: the UTF-8 name sorts after every ASCII one, capitals first.
    EXPECT_EQ(ListBrowserImages(dir.Path()),
              (Names{"PHOTO.JPG", "Z.bmp", "a.BMP", "aB.bmp", "a_b.bmp", "b.png", "c.jpeg", "e.tif", "f.tiff",
                     "g.pax", "h.tla", "i.tga", "j.pcx", "k.psd", "\xC3\xA9t\xC3\xA9.bmp"}));
}

TEST(BrowserListing, MatchesEveryPatternAndNothingElse) {
    for (const char* name : {"a.bmp", "a.jpg", "a.jpeg", "a.tla", "a.tga", "a.tiff", "a.tif", "a.png", "a.pax",
                             "a.pcx", "a.psd", "A.JPEG", "a.Tif"})
        EXPECT_TRUE(MatchesBrowserPattern(name)) << name;
    for (const char* name : {"a.gif", "a.bmpx", "a.jp", "a.pn", "jpg", "a.qua", "_backup_.bak"})
        EXPECT_FALSE(MatchesBrowserPattern(name)) << name;
}

TEST(BrowserListing, HoldsWhatTheFolderHoldsBeyondFiveThousand) {
    TempDir dir;
    constexpr int kCount = 5003;
    char name[32];
    for (int i = 0; i < kCount; ++i) {
        std::snprintf(name, sizeof name, "n%05d.%s", i, i % 2 ? "png" : "bmp");
        Touch(dir, name);
    }
    const Names listed = ListBrowserImages(dir.Path());
    ASSERT_EQ(listed.size(), std::size_t(kCount));
    EXPECT_EQ(listed.front(), "n00000.bmp");
    EXPECT_EQ(listed.back(), "n05002.bmp");
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
}

TEST(BrowserListing, AFolderThatCannotBeReadListsNothing) {
    TempDir dir;
    EXPECT_TRUE(ListBrowserImages(dir.File("missing")).empty());
}

}  // namespace
}  // namespace quillor
