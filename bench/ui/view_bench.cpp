// Times the edit view's paint of a large true-colour frame, through the widget's own paint
// path into an offscreen image, and the picture drawing on its own. A paint must stay
// under one frame of a 60 Hz screen (16 ms) at every zoom.
//
//   quillor_view_bench [PAINTS]      (default 30; QT_QPA_PLATFORM defaults to offscreen)

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bench_support.h"
#include "bench_timing.h"
#include "app/ui/resources.h"
#include "core/dib_render.h"
#include "document/anim_doc.h"
#include "platform/settings_store.h"
#include "tools/tool_context.h"
#include "view/ui/bitmap_edit_view.h"

namespace quillor {
namespace {

using bench::BenchEnvironment;
using bench::MedianMs;
using bench::SilentInteraction;

constexpr int kPictureSide = 8000;
constexpr int kViewWidth = 1920;
constexpr int kViewHeight = 1080;

// A photograph-like picture: smooth gradients with detail, so that no row or column
// repeats and caches see real traffic.
bool MakePicture(COXDIB& image) {
    if (!image.CreateBlank(24, kPictureSide, kPictureSide)) return false;
    for (int y = 0; y < kPictureSide; ++y) {
        std::uint8_t* line = image.Line(y);
        for (int x = 0; x < kPictureSide; ++x) {
            line[3 * x + 0] = std::uint8_t(x / 31 + (x ^ y));
            line[3 * x + 1] = std::uint8_t(y / 31 + x * 3);
            line[3 * x + 2] = std::uint8_t((x + y) / 63);
        }
    }
    return true;
}

}  // namespace
}  // namespace quillor

int main(int argc, char** argv) {
    using namespace quillor;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitQuillorResources();
    const int paints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    BenchEnvironment environment;
    CAnimDoc document(environment);
    AnimFrame* frame = document.AddFrames(1);
    if (!MakePicture(*frame->image)) {
        std::fprintf(stderr, "cannot make a %d x %d picture\n", kPictureSide, kPictureSide);
        return 1;
    }
    frame->TakeSizeFromImage();
    frame->name = document.path = "bench.bmp";

    ToolContext tools;
    CBitmapEditView view(document, tools);
    // The whole window is picture: no room taken by scroll bars.
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(kViewWidth, kViewHeight);
    view.show();
    QApplication::processEvents();
    QImage screen(view.viewport()->size() * view.viewport()->devicePixelRatio(),
                  QImage::Format_ARGB32_Premultiplied);
    screen.setDevicePixelRatio(view.viewport()->devicePixelRatio());
    std::vector<std::uint32_t> buffer(std::size_t(kViewWidth) * kViewHeight);

    std::printf("%d x %d true colour in a %d x %d view, median of %d\n", kPictureSide, kPictureSide,
                view.viewport()->width(), view.viewport()->height(), paints);
    std::printf("%-8s %14s %14s\n", "zoom", "view paint ms", "drawing ms");
    enum class Zoom { One, OutByFour, InByEight };
    for (Zoom zoom : {Zoom::OutByFour, Zoom::One, Zoom::InByEight}) {
        view.Unzoom();
        tools.settings.magnifyType = int(zoom == Zoom::InByEight ? MagnifyType::Times8 : MagnifyType::Times4);
        if (zoom == Zoom::OutByFour) view.ZoomOut();
        if (zoom == Zoom::InByEight) view.ZoomIn();
        // Show the middle of the picture.
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
        QApplication::processEvents();
        const double paintMs = MedianMs(paints, [&] { view.viewport()->render(&screen); });
        const Placement placement{view.Zoom(), view.Origin().x(), view.Origin().y()};
        const double drawMs = MedianMs(paints, [&] {
            RenderDib(*frame->image, placement, buffer.data(), kViewWidth, kViewHeight, kViewWidth);
        });
        std::printf("%-8g %14.2f %14.2f\n", view.Zoom(), paintMs, drawMs);
    }
    return 0;
}
