#include "formats/image_file_type.h"

#include <gtest/gtest.h>

namespace quillor {
namespace {

TEST(ImageFileTypeTest, ExtensionsDecideWithoutRegardToCase) {
    EXPECT_EQ(GetImageFileType("/a/B.JPEG"), ImageFileType::Jpeg);
    EXPECT_EQ(GetImageFileType("x.jpg"), ImageFileType::Jpeg);
    EXPECT_EQ(GetImageFileType("scan.Tif"), ImageFileType::Tiff);
    EXPECT_EQ(GetImageFileType("scan.tiff"), ImageFileType::Tiff);
    EXPECT_EQ(GetImageFileType("a.PCX"), ImageFileType::Pcx);
    EXPECT_EQ(GetImageFileType("a.tga"), ImageFileType::Tga);
    EXPECT_EQ(GetImageFileType("a.psd"), ImageFileType::Psd);
    EXPECT_EQ(GetImageFileType("a.png"), ImageFileType::Png);
    EXPECT_EQ(GetImageFileType("a.tla"), ImageFileType::Tla);
    EXPECT_EQ(GetImageFileType("a.pax"), ImageFileType::Pax);
    EXPECT_EQ(GetImageFileType("a.gif"), ImageFileType::Gif);
    EXPECT_EQ(GetImageFileType("a.bmp"), ImageFileType::Bmp);
    EXPECT_EQ(GetImageFileType("a.bmp.txt"), ImageFileType::Unknown);
    EXPECT_EQ(GetImageFileType("bmp"), ImageFileType::Unknown);
    EXPECT_EQ(GetImageFileType(""), ImageFileType::Unknown);
}

TEST(ImageFileTypeTest, FrameNamesNeedAWritableImageExtension) {
    for (const char* name : {"a.bmp", "A.JPG", "a.jpeg", "a.pax", "a.tla", "a.png", "a.psd",
                             "a.tga", "a.tiff", "a.tif", "a.pcx"})
        EXPECT_TRUE(HasImageExtension(name)) << name;
    for (const char* name : {"a.gif", "a.qua", "a", "a.bmpx", "a.avi"})
        EXPECT_FALSE(HasImageExtension(name)) << name;
}

}  // namespace
}  // namespace quillor
