#include "tools/ui/qt_text_rasteriser.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace quillor {

QFont FontFor(const TextStyle& style) {
    QFont font(QString::fromStdString(style.family));
    font.setPixelSize(style.pixelSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setStrikeOut(style.strikeOut);
    font.setUnderline(style.underline);
    font.setStyleStrategy(style.antiAlias ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

std::vector<std::string> QtTextRasteriser::Families() const {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) families.push_back(family.toStdString());
    return families;
}

DrawnText QtTextRasteriser::Draw(std::string_view text, const TextStyle& style, ColourRef ink, ColourRef paper,
                                 int width, int height) const {
    DrawnText drawn;
    if (width < 1 || height < 1) return drawn;
    const QFont font = FontFor(style);
    const QString string = QString::fromUtf8(text.data(), qsizetype(text.size()));
    const QFontMetrics metrics(font);
    QImage surface(width, height, QImage::Format_RGB32);
    surface.fill(QColor(RedOf(paper), GreenOf(paper), BlueOf(paper)));
    {
        QPainter painter(&surface);
        painter.setRenderHint(QPainter::TextAntialiasing, style.antiAlias);
        painter.setFont(font);
        painter.setPen(QColor(RedOf(ink), GreenOf(ink), BlueOf(ink)));
        painter.drawText(0, metrics.ascent(), string);
    }
    drawn.width = width;
    drawn.height = height;
    drawn.measuredWidth = metrics.horizontalAdvance(string);
    drawn.measuredHeight = metrics.height();
    drawn.pixels.resize(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(surface.constScanLine(y));
        for (int x = 0; x < width; ++x)
            drawn.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                MakeColour(std::uint8_t(qRed(line[x])), std::uint8_t(qGreen(line[x])), std::uint8_t(qBlue(line[x])));
    }
    return drawn;
}

}  // namespace quillor
