// Plays a 200-frame 640 x 480 true-colour animation at 60 frames per second in an edit
// view, driven by the view's own timer and the real clock, and reports the rate reached,
// the steps that came late and the time each paint took.
//
//   quillor_playback_bench [SECONDS]      (default 5; QT_QPA_PLATFORM defaults to offscreen)

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_support.h"
#include "bench_timing.h"
#include "app/ui/resources.h"
#include "document/anim_doc.h"
#include "document/playback.h"
#include "tools/tool_context.h"
#include "view/ui/bitmap_edit_view.h"

namespace quillor {
namespace {

using bench::BenchEnvironment;
using bench::Clock;

constexpr int kFrames = 200;
constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr double kRate = 60.0;

// Times every paint of the view, through the widget's own paint path.
class TimedView final : public CBitmapEditView {
public:
    using CBitmapEditView::CBitmapEditView;
    std::vector<double> paintMs;

protected:
    bool viewportEvent(QEvent* event) override {
        if (event->type() != QEvent::Paint) return CBitmapEditView::viewportEvent(event);
        const auto start = Clock::now();
        const bool handled = CBitmapEditView::viewportEvent(event);
        paintMs.push_back(bench::MsSince(start));
        return handled;
    }
};

// Hears every frame playback displays, with the time it was shown.
struct StepRecorder final : DocumentObserver {
    std::vector<int> frames;
    std::vector<Clock::time_point> times;
    void OnTitleChanged(CAnimDoc& document) override {
        if (!document.playing) return;
        frames.push_back(document.ShownFrame());
        times.push_back(Clock::now());
    }
};

void MakeFrames(CAnimDoc& document) {
    document.isAnimation = true;
    document.AddFrames(kFrames);
    for (int i = 0; i < kFrames; ++i) {
        AnimFrame& frame = *document.FindFrame(i);
        frame.image->CreateBlank(24, kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y) {
            std::uint8_t* line = frame.image->Line(y);
            for (int x = 0; x < kWidth; ++x) {
                line[3 * x + 0] = std::uint8_t(x + i * 3);
                line[3 * x + 1] = std::uint8_t(y ^ i);
                line[3 * x + 2] = std::uint8_t((x + y) / 5 + i);
            }
        }
        frame.name = "frame" + std::to_string(i + 1) + ".bmp";
        frame.TakeSizeFromImage();
    }
    document.frameCount = kFrames;
    document.rangeStart = 1;
    document.rangeEnd = kFrames;
    document.path = "bench.qua";
    document.framesPerSecond = float(kRate);
    document.frameDelay = float(1.0 / kRate);
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5))];
}

}  // namespace
}  // namespace quillor

int main(int argc, char** argv) {
    using namespace quillor;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitQuillorResources();
    const double seconds = argc > 1 ? std::max(1.0, std::atof(argv[1])) : 5.0;

    BenchEnvironment environment;
    CAnimDoc document(environment);
    MakeFrames(document);
    ToolContext tools;
    TimedView view(document, tools);
    view.resize(kWidth + 40, kHeight + 40);
    view.show();
    QApplication::processEvents();
    view.paintMs.clear();

    StepRecorder recorder;
    auto subscription = document.Subscribe(recorder);
    const auto start = Clock::now();
    PlayLoop(document, static_cast<const EditViewPort*>(&view), environment.Clock().NowMs());
    QTimer::singleShot(int(seconds * 1000), &app, &QApplication::quit);
    app.exec();
    const double elapsed = bench::MsSince(start) / 1000.0;
    EndPlayback(document, static_cast<const EditViewPort*>(&view));

    const std::size_t steps = recorder.frames.size();
    std::vector<double> intervals;
    int late = 0, outOfOrder = 0;
    const double delayMs = 1000.0 / kRate;
    for (std::size_t i = 1; i < steps; ++i) {
        intervals.push_back(std::chrono::duration<double, std::milli>(recorder.times[i] - recorder.times[i - 1]).count());
        // A step more than half a frame late would have been seen as a dropped frame.
        if (intervals.back() > 1.5 * delayMs) ++late;
        if (recorder.frames[i] != (recorder.frames[i - 1] + 1) % kFrames) ++outOfOrder;
    }
    std::printf("%d frames of %d x %d true colour at %.0f frames per second for %.2f s\n", kFrames, kWidth,
                kHeight, kRate, elapsed);
    std::printf("steps shown         %zu (expected %.0f)\n", steps, elapsed * kRate);
    std::printf("rate reached        %.2f frames per second\n", double(steps) / elapsed);
    std::printf("late steps (>1.5x)  %d; out of order %d\n", late, outOfOrder);
    std::printf("step interval ms    median %.2f, p99 %.2f, max %.2f\n", Percentile(intervals, 0.5),
                Percentile(intervals, 0.99), Percentile(intervals, 1.0));
    std::printf("paints              %zu; paint ms median %.2f, p99 %.2f, max %.2f\n", view.paintMs.size(),
                Percentile(view.paintMs, 0.5), Percentile(view.paintMs, 0.99), Percentile(view.paintMs, 1.0));
    return 0;
}
