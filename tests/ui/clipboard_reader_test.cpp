// Clipboard pictures reach the document in the layout its clipboard rules expect.

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "document/clipboard_image.h"
#include "document/ui/clipboard_reader.h"

namespace quillor {
namespace {

TEST(ClipboardReaderTest, SixteenBitPicturesKeepTheirWordLayout) {
    QImage five(2, 1, QImage::Format_RGB555);
    five.fill(QColor(255, 0, 0));
    const ClipboardBitmap a = ClipboardBitmapFromImage(five);
    EXPECT_EQ(a.bitsPerPixel, 16);
    EXPECT_TRUE(a.fiveFiveFive);
    EXPECT_EQ(a.stride, 4u);
    ASSERT_EQ(a.bits.size(), 4u);
    EXPECT_EQ(a.bits[0] | (a.bits[1] << 8), 0x7C00);

    QImage six(1, 1, QImage::Format_RGB16);
    six.fill(QColor(0, 255, 0));
    const ClipboardBitmap b = ClipboardBitmapFromImage(six);
    EXPECT_EQ(b.bitsPerPixel, 16);
    EXPECT_FALSE(b.fiveFiveFive);
    EXPECT_EQ(b.bits[0] | (b.bits[1] << 8), 0x07E0);
}

TEST(ClipboardReaderTest, TwentyFourBitRowsAreBlueGreenRedPaddedToEven) {
    QImage image(3, 2, QImage::Format_RGB888);
    image.fill(QColor(10, 20, 30));
    image.setPixelColor(0, 1, QColor(1, 2, 3));
    const ClipboardBitmap bitmap = ClipboardBitmapFromImage(image);
    EXPECT_EQ(bitmap.bitsPerPixel, 24);
    EXPECT_EQ(bitmap.stride, 10u);
    ASSERT_EQ(bitmap.bits.size(), 20u);
    EXPECT_EQ(bitmap.bits[0], 30);  // blue first
    EXPECT_EQ(bitmap.bits[2], 10);
    EXPECT_EQ(bitmap.bits[10], 3);  // second row starts after the pad byte
    COXDIB dib;
    ASSERT_TRUE(ClipboardBitmapToDib(bitmap, dib));
    EXPECT_EQ(dib.Line(1)[2], 1);  // red of the bottom-left pixel
}

TEST(ClipboardReaderTest, AlphaIsCompositedOverWhiteAndDeepPicturesBecome32Bit) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const ClipboardBitmap clear = ClipboardBitmapFromImage(image);
    EXPECT_EQ(clear.bitsPerPixel, 32);
    EXPECT_EQ(clear.bits[0], 255);
    EXPECT_EQ(clear.bits[1], 255);
    EXPECT_EQ(clear.bits[2], 255);
    image.setPixel(0, 0, qRgba(200, 0, 0, 255));
    const ClipboardBitmap solid = ClipboardBitmapFromImage(image);
    EXPECT_EQ(solid.bits[0], 0);
    EXPECT_EQ(solid.bits[2], 200);

    QImage deep(2, 1, QImage::Format_RGBA64);
    deep.fill(QColor(0, 0, 255));
    const ClipboardBitmap wide = ClipboardBitmapFromImage(deep);
    EXPECT_EQ(wide.bitsPerPixel, 32);
    EXPECT_EQ(wide.stride, 8u);
    EXPECT_EQ(wide.bits[4], 255);
}

TEST(ClipboardReaderTest, PalettePicturesStayAtTheirDepthForTheDocumentToRefuse) {
    QImage indexed(4, 4, QImage::Format_Indexed8);
    indexed.setColorCount(2);
    EXPECT_EQ(ClipboardBitmapFromImage(indexed).bitsPerPixel, 8);
    QImage mono(4, 4, QImage::Format_Mono);
    EXPECT_EQ(ClipboardBitmapFromImage(mono).bitsPerPixel, 1);
}

TEST(ClipboardReaderTest, ReadsWhatTheClipboardHolds) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    EXPECT_FALSE(ReadClipboardBitmap().has_value());
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    clipboard->setImage(image);
    const auto bitmap = ReadClipboardBitmap();
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->width, 5);
    EXPECT_EQ(bitmap->height, 3);
    EXPECT_EQ(bitmap->bitsPerPixel, 32);
}

}  // namespace
}  // namespace quillor
