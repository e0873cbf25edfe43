// Times the compilation of a layered image in process: ten 1920 x 1080 true-colour layers
// over a 1920 x 1080 target, built in memory. The layers have holes of the key colour
// (black, background index 0) shaped as discs and bars, so every kind of edge occurs;
// four are laid over plainly, three with smoothed edges and three with partial opacity
// (one of those also asks for smoothing, which opacity overrides).
//
//   quillor_layer_bench [RUNS]
//
// Prints the median time of CompileLayers and the layer pixels composed per second.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "bench_support.h"
#include "bench_timing.h"
#include "document/anim_doc.h"
#include "document/layer_compile.h"

namespace quillor {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kLayers = 10;

struct LayerMode {
    bool smooth;
    bool opacityOn;
    int opacity;
};

constexpr LayerMode kModes[kLayers] = {
    {false, false, 100}, {false, false, 100}, {true, false, 100}, {false, true, 50},  {false, false, 100},
    {true, false, 100},  {false, true, 75},   {false, false, 100}, {true, false, 100}, {true, true, 30}};

// Pixels like a photograph's (smooth ramps with a little noise, never pure black), with
// black discs and bars cut out of them. Layer 1 is whole: the picture everything lies on.
void PaintLayer(COXDIB& image, int layer, std::mt19937& random) {
    for (int y = 0; y < kHeight; ++y) {
        std::uint8_t* line = image.Line(y);
        for (int x = 0; x < kWidth; ++x) {
            const unsigned noise = random() & 15;
            line[3 * x] = std::uint8_t(16 + (x * 200 / kWidth + noise + unsigned(layer) * 7) % 230);
            line[3 * x + 1] = std::uint8_t(16 + (y * 200 / kHeight + noise) % 230);
            line[3 * x + 2] = std::uint8_t(16 + ((x + y) * 100 / kWidth + unsigned(layer) * 20) % 230);
        }
    }
    if (layer == 1) return;
    const int discs = 20 + layer * 4;
    for (int d = 0; d < discs; ++d) {
        const int cx = int(random() % kWidth), cy = int(random() % kHeight);
        const int r = 20 + int(random() % 160);
        for (int y = std::max(0, cy - r); y < std::min(kHeight, cy + r); ++y) {
            const int dy = y - cy;
            int half = 0;
            while ((half + 1) * (half + 1) + dy * dy <= r * r) ++half;
            const int x0 = std::max(0, cx - half), x1 = std::min(kWidth, cx + half + 1);
            if (x0 < x1) std::memset(image.Line(y) + 3 * x0, 0, std::size_t(x1 - x0) * 3);
        }
    }
    // Thin bars and single pixels: the short runs that cost most per pixel.
    for (int b = 0; b < 30; ++b) {
        const int y = int(random() % kHeight), x0 = int(random() % kWidth);
        const int length = 1 + int(random() % 400);
        std::memset(image.Line(y) + 3 * x0, 0, std::size_t(std::min(length, kWidth - x0)) * 3);
    }
    for (int p = 0; p < 2000; ++p) {
        std::uint8_t* pixel = image.Line(int(random() % kHeight)) + 3 * (random() % kWidth);
        pixel[0] = pixel[1] = pixel[2] = 0;
    }
}

}  // namespace
}  // namespace quillor

int main(int argc, char** argv) {
    using namespace quillor;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    bench::BenchEnvironment environment;
    CAnimDoc document(environment);
    document.isAnimation = true;
    document.isLayered = true;
    document.AddFrames(kLayers + 1);
    document.frameCount = kLayers + 1;
    std::mt19937 random(1080);
    for (int i = 0; i <= kLayers; ++i) {
        AnimFrame& frame = *document.FindFrame(i);
        if (!frame.image->CreateBlank(24, kWidth, kHeight)) {
            std::fprintf(stderr, "no memory for the layers\n");
            return 1;
        }
        frame.TakeSizeFromImage();
        if (i == 0) continue;
        PaintLayer(*frame.image, i, random);
        frame.smoothEdges = kModes[i - 1].smooth;
        frame.opacityOn = kModes[i - 1].opacityOn;
        frame.opacity = kModes[i - 1].opacity;
    }
    // The first compile pages the target in; the runs after it are what a user waits for.
    CompileLayers(document);
    const double ms = bench::MedianMs(runs, [&] { CompileLayers(document); });
    const double pixels = double(kWidth) * kHeight * kLayers;
    std::printf("layers  %8.1f ms %8.0f Mpx/s  %d layers of %dx%d (target: under 50 ms)\n", ms,
                pixels / 1e6 / (ms / 1000.0), kLayers, kWidth, kHeight);
    // A checksum of the result, so a faster composition that changes a byte shows.
    std::uint64_t sum = 0;
    const COXDIB& target = *document.FindFrame(0)->image;
    for (std::size_t i = 0; i < target.GetImageBytes(); ++i) sum = sum * 31 + target.GetBits()[i];
    std::printf("layers  checksum %016llx\n", static_cast<unsigned long long>(sum));
    return 0;
}
