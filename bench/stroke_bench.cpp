// Times a freehand stroke: 1000 segments of 10 to 20 pixels with the "Diam 31" brush on
// an 8000 x 8000 true-colour frame, through PasteSegment as the paint tool drives it.
// Prints segments per second for the brush alone, with the preview taken out and put
// back at every event (as hovering does), and with anti-aliasing. A pointer event must
// cost well under 1/2000 s, so the brush must leave the tools plenty of room.
//
// Then the whole pointer path through the tool context: how long a press takes before
// the tool paints (the first press of a document and later ones; under a frame's 16 ms),
// and how much the document's history holds after ten short strokes.
//
//   quillor_stroke_bench [RUNS]      (default 7; the median run is reported)

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bench_support.h"
#include "bench_timing.h"
#include "core/coxdib.h"
#include "document/anim_doc.h"
#include "brush/paint_brush.h"
#include "tools/tool_context.h"
#include "document/undo_store.h"

namespace quillor {
namespace {

constexpr int kSide = 8000;
constexpr int kSegments = 1000;

// A wiggly path of kSegments segments, each 10 to 20 pixels long, wandering over the
// frame; the same every run.
std::vector<IntPoint> WigglyPath() {
    std::vector<IntPoint> points{{kSide / 2, kSide / 2}};
    double heading = 0.3;
    unsigned seed = 12345;
    for (int i = 0; i < kSegments; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double length = 10 + (seed >> 16) % 11;
        heading += 0.6 * std::sin(i * 0.37) + 0.2 * (double((seed >> 8) % 100) / 100 - 0.5);
        const IntPoint& p = points.back();
        int x = p.x + int(std::lround(length * std::cos(heading)));
        int y = p.y + int(std::lround(length * std::sin(heading)));
        x = std::clamp(x, 0, kSide - 1);
        y = std::clamp(y, 0, kSide - 1);
        points.push_back({x, y});
    }
    return points;
}

// The view as the tools see it, without a window: redraws cost nothing here, which is
// what they cost the tools (the window repaints later, on its own time).
class BenchView final : public EditViewPort {
public:
    explicit BenchView(CAnimDoc& doc) : doc_(doc) {}
    CAnimDoc& Document() override { return doc_; }
    void Redraw() override {}
    Placement GetPlacement() const override { return {1.0, 0, 0}; }
    void SetPlacement(const Placement&) override {}
    void ZoomInAt(IntPoint, const std::optional<IntRect>&) override {}
    void ZoomOutAt(IntPoint) override {}
    IntPoint PointerInWindow() const override { return {}; }
    bool PointerHasEntered() const override { return true; }
    bool PointerInside() const override { return true; }
    void SetBusy(bool) override {}

private:
    CAnimDoc& doc_;
};

void Report(const char* name, double ms) {
    std::printf("%-42s %8.2f ms %9.0f segments/s\n", name, ms, kSegments / (ms / 1000.0));
}

}  // namespace
}  // namespace quillor

int main(int argc, char** argv) {
    using namespace quillor;
    using bench::MedianMs;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    COXDIB image;
    if (!image.CreateBlank(24, kSide, kSide)) {
        std::fprintf(stderr, "cannot allocate the frame\n");
        return 1;
    }
    std::array<ColourRef, 256> table{};
    table[0] = MakeColour(255, 255, 255);
    table[1] = MakeColour(30, 60, 200);
    PaintTarget target;
    target.image = &image;
    target.mode = ColourMode::TrueColour;
    target.table = &table;
    bench::SilentInteraction ui;
    PaintBrush brush;
    brush.ChooseShape(1037, target, ui);
    const std::vector<IntPoint> path = WigglyPath();

    auto stroke = [&] {
        for (std::size_t i = 1; i < path.size(); ++i)
            brush.PasteSegment(target, path[i - 1], path[i], target.foreground, true);
    };
    // What a pointer event costs the brush while the preview is shown: paint the segment
    // and make the patch the view lays over the picture at the new point.
    PreviewPatch patch;
    auto strokeWithPreview = [&] {
        for (std::size_t i = 1; i < path.size(); ++i) {
            brush.PasteSegment(target, path[i - 1], path[i], target.foreground, true);
            brush.MakePreview(target, path[i], patch);
        }
    };

    std::printf("Diam 31 on %d x %d true colour, %d segments (median of %d)\n", kSide, kSide,
                kSegments, runs);
    Report("stroke (PasteSegment)", MedianMs(runs, stroke));
    Report("stroke + preview cycle per event", MedianMs(runs, strokeWithPreview));
    target.antiAlias = true;
    Report("stroke, anti-aliased", MedianMs(runs, stroke));
    Report("stroke + preview cycle, anti-aliased", MedianMs(runs, strokeWithPreview));

    // The whole pointer path: the paint tool through the tool context, as the view hands
    // it the events. The press begins a step of the document's history.
    bench::BenchEnvironment environment;
    CAnimDoc doc(environment);
    AnimFrame* frame = doc.AddFrames(1);
    if (!image.CopyTo(*frame->image)) return 1;
    frame->colourMode = ColourMode::TrueColour;
    frame->TakeSizeFromImage();
    BenchView view(doc);
    ToolContext tools;
    tools.ui = &ui;
    tools.activeView = &view;
    tools.document = &doc;
    tools.currentImage = frame;
    tools.Activated();
    tools.brush.ChooseShape(1037, tools.Target(), ui);
    std::vector<double> presses, drags;
    for (int i = 0; i < runs; ++i) {
        const auto start = bench::Clock::now();
        tools.Press(pointer_flags::kLeft, path[0]);
        presses.push_back(bench::MsSince(start));
        const auto pressed = bench::Clock::now();
        for (std::size_t k = 1; k < path.size(); ++k) tools.Move(CapturedButton::Left, path[k]);
        drags.push_back(bench::MsSince(pressed));
        tools.Release(0, path.back());
    }
    const double dragMs = bench::Median(drags);
    std::printf("%-42s %8.2f ms %9.0f events/s\n", "paint tool, 1000 drag events", dragMs,
                kSegments / (dragMs / 1000.0));
    const double firstPress = presses.front();
    presses.erase(presses.begin());
    std::printf("%-42s %8.3f ms first, %.3f ms later (median)\n", "press until the tool paints",
                firstPress, presses.empty() ? firstPress : bench::Median(presses));

    // Ten short strokes (20 events each) in different places: what the history holds
    // then, beside the frame it would hold ten times over as whole copies.
    doc.Undo().Reset();
    for (int s = 0; s < UndoStore::kSlots; ++s) {
        const IntPoint at{500 + 700 * s, 400 + 650 * s};
        tools.Press(pointer_flags::kLeft, at);
        for (int k = 1; k <= 20; ++k) tools.Move(CapturedButton::Left, {at.x + 5 * k, at.y + 3 * k});
        tools.Release(0, {at.x + 100, at.y + 60});
    }
    const double frameMb = double(frame->image->GetImageBytes()) / 1e6;
    std::printf("%-42s %8.2f MB (ten whole frames: %.0f MB)\n", "history after ten short strokes",
                double(doc.Undo().BytesHeld()) / 1e6, frameMb * UndoStore::kSlots);
    return 0;
}
