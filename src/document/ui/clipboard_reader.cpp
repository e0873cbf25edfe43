#include "document/ui/clipboard_reader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cstring>

#include "core/colour.h"
#include "document/clipboard_image.h"

namespace quillor {

namespace {

// The same picture without transparency, as it looks on a blank (white) picture.
QImage OverWhiteImage(const QImage& image) {
    QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < straight.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(straight.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb p = line[x];
            const unsigned a = unsigned(qAlpha(p));
            line[x] = qRgb(OverWhite(unsigned(qRed(p)), a), OverWhite(unsigned(qGreen(p)), a),
                           OverWhite(unsigned(qBlue(p)), a));
        }
    }
    return straight.convertToFormat(QImage::Format_RGB32);
}

void CopyRows(const QImage& image, int bitsPerPixel, ClipboardBitmap& out) {
    const std::size_t used = std::size_t(image.width()) * std::size_t(bitsPerPixel / 8);
    out.stride = ClipboardRowBytes(image.width(), bitsPerPixel);
    out.bits.assign(out.stride * std::size_t(image.height()), 0);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(out.bits.data() + out.stride * std::size_t(y), image.constScanLine(y), used);
}

}  // namespace

ClipboardBitmap ClipboardBitmapFromImage(const QImage& image) {
    ClipboardBitmap out;
    out.width = image.width();
    out.height = image.height();
    const int depth = image.depth();
    if (depth <= 8) {
        out.bitsPerPixel = depth;
        return out;
    }
    const QImage opaque = image.hasAlphaChannel() ? OverWhiteImage(image) : image;
    if (depth == 16) {
        out.bitsPerPixel = 16;
        out.fiveFiveFive = opaque.format() == QImage::Format_RGB555;
        CopyRows(out.fiveFiveFive ? opaque : opaque.convertToFormat(QImage::Format_RGB16), 16, out);
    } else if (depth == 24) {
        out.bitsPerPixel = 24;
        CopyRows(opaque.convertToFormat(QImage::Format_BGR888), 24, out);
    } else {
        out.bitsPerPixel = 32;
        CopyRows(opaque.convertToFormat(QImage::Format_RGB32), 32, out);
    }
    return out;
}

std::optional<ClipboardBitmap> ReadClipboardBitmap() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return std::nullopt;
    const QImage image = clipboard->image();
    if (image.isNull()) return std::nullopt;
    return ClipboardBitmapFromImage(image);
}

}  // namespace quillor
