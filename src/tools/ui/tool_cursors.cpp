#include "tools/ui/tool_cursors.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>
#include <iterator>
#include <map>

namespace quillor {

namespace {

constexpr int kCursorSize = 32;

// A cursor is drawn from up to three pieces of artwork: the tool's own, the aiming cross
// that precise tools share, and a corner badge for the FX or symmetry variant.
struct CursorArt {
    const char* artwork;
    bool aimed;  // drawn with the cross; the hot spot is its centre
    const char* badge = nullptr;
};

// In the order of CursorShape.
// clang-format off
constexpr CursorArt kArt[] = {
    {"paint", true},           {"paint", true, "fx_badge"}, {"paint", true, "symmetry_badge"},
    {"line", true},            {"line", true, "fx_badge"},  {"line", true, "symmetry_badge"},
    {"square", true},          {"square", true, "fx_badge"},
    {"circle", true},          {"circle", true, "fx_badge"},
    {"curve", true},           {"curve", true, "fx_badge"},
    {"spray", true},           {"spray", true, "symmetry_badge"},
    {"pick", true},            {"fill", true},              {"magnify", true},
    {"text", true},            {"handle", false},           {"red_eye", true},
    {"grab", true},            {"symmetry_centre", false},  {"brush_stretch", true},
    {"brush_rotate", true},
    {"blocked", false},        {"busy", false},
};
// clang-format on
static_assert(std::size(kArt) == std::size_t(CursorShape::Busy) + 1);

void Draw(QPainter& painter, const char* name, int pixels) {
    QSvgRenderer renderer(QStringLiteral(":/cursors/%1.svg").arg(QLatin1String(name)));
    renderer.render(&painter, QRectF(0, 0, pixels, pixels));
}

QCursor Build(CursorShape shape) {
    // Drawn at the sharpest screen's whole-number scale, so that high-density screens get
    // cursors of the same size and crisp edges.
    const qreal ratio =
        qGuiApp ? std::max<qreal>(1.0, std::ceil(qGuiApp->devicePixelRatio())) : 1.0;
    const int pixels = int(kCursorSize * ratio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const CursorArt& art = kArt[std::size_t(shape)];
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (art.aimed) Draw(painter, "crosshair", pixels);
        Draw(painter, art.artwork, pixels);
        if (art.badge) Draw(painter, art.badge, pixels);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    const int hot = art.aimed ? 8 : kCursorSize / 2;
    return QCursor(pixmap, hot, hot);
}

}  // namespace

QCursor CursorFor(CursorShape shape) {
    // Pixmaps must go before the application object does, not with the static objects.
    static std::map<CursorShape, QCursor>* made = nullptr;
    if (made == nullptr) {
        made = new std::map<CursorShape, QCursor>;
        qAddPostRoutine([] {
            delete made;
            made = nullptr;
        });
    }
    auto found = made->find(shape);
    if (found == made->end()) found = made->emplace(shape, Build(shape)).first;
    return found->second;
}

QCursor BlockedCursor() {
    return CursorFor(CursorShape::Blocked);
}
QCursor BusyCursor() {
    return CursorFor(CursorShape::Busy);
}

}  // namespace quillor
