// Times the steps of a brush stretch and a brush rotation drag in process: a 256 x 256
// true-colour brush of 16 frames (photograph-like pixels with a transparent surround, so
// the bilinear stretch has edges to keep), and the same as a 256-colour brush. Each step
// rebuilds all 16 frames from the copy taken at the press, as a pointer move does.
//
//   quillor_brush_reshape_bench [STEPS]
//
// Prints, per kind of drag, the steps per second and the median and slowest step.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <random>
#include <vector>

#include "bench_timing.h"
#include "brush/brush_rotation.h"
#include "brush/brush_stretch.h"

namespace quillor {
namespace {

constexpr int kSide = 256;
constexpr int kFrames = 16;

BrushRecord MakeBrush(bool trueColour) {
    BrushRecord brush;
    brush.borrowed = false;
    brush.frameCount = kFrames;
    brush.width = brush.height = kSide;
    brush.handleX = brush.handleY = kSide / 2;
    std::mt19937 random(7);
    const int bytes = trueColour ? 3 : 1;
    for (int f = 0; f < kFrames; ++f) {
        std::vector<std::uint8_t> pixels(std::size_t(kSide) * kSide * std::size_t(bytes), 0);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const int dx = x - kSide / 2, dy = y - kSide / 2;
                const int radius = 100 + f * 2;
                if (dx * dx + dy * dy > radius * radius) continue;  // transparent surround
                std::uint8_t* p = &pixels[(std::size_t(y) * kSide + std::size_t(x)) * std::size_t(bytes)];
                const unsigned noise = random() & 15;
                p[0] = std::uint8_t(16 + (x + noise + unsigned(f) * 5) % 230);
                if (trueColour) {
                    p[1] = std::uint8_t(16 + (y + noise) % 230);
                    p[2] = std::uint8_t(16 + (x + y) / 3 % 230);
                }
            }
        brush.frames.push_back(std::move(pixels));
    }
    for (int i = 0; i < 256; ++i) brush.palette[std::size_t(i)] = MakeColour(std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2));
    return brush;
}

struct Figures {
    double perSecond, medianMs, slowestMs;
};

template <typename Step>
Figures TimeSteps(int steps, Step&& step) {
    std::vector<double> times;
    const auto start = bench::Clock::now();
    for (int i = 0; i < steps; ++i) {
        const auto t = bench::Clock::now();
        step(i);
        times.push_back(bench::MsSince(t));
    }
    const double total = bench::MsSince(start);
    double slowest = 0;
    for (double t : times) slowest = std::max(slowest, t);
    return {steps * 1000.0 / total, bench::Median(times), slowest};
}

void Report(const char* what, const Figures& f) {
    std::printf("%-44s %8.1f steps/s   median %6.2f ms   slowest %6.2f ms\n", what, f.perSecond, f.medianMs,
                f.slowestMs);
}

// A drag that sweeps the brush from 256 up to 384 pixels square, down to 128 and back.
int SideAt(int step, int steps) {
    const double phase = 2.0 * std::numbers::pi * step / steps;
    return kSide + int(128.0 * std::sin(phase));
}

void Run(bool trueColour, int steps) {
    const BrushRecord original = MakeBrush(trueColour);
    const BrushColour transparent{};
    const char* depth = trueColour ? "true colour" : "256 colour";
    char name[96];
    for (const bool bilinear : {true, false}) {
        BrushRecord brush = original;
        const BrushStretch stretch(brush, trueColour, transparent, bilinear);
        const Figures f = TimeSteps(steps, [&](int i) {
            const int side = SideAt(i, steps);
            if (!stretch.StretchTo(brush, side, side * 3 / 4 + 32, false, false)) std::abort();
        });
        std::snprintf(name, sizeof name, "stretch, %s, %s", depth, bilinear ? "bilinear" : "nearest");
        Report(name, f);
    }
    BrushRecord brush = original;
    const BrushRotation rotation(brush, trueColour, transparent);
    const Figures f = TimeSteps(steps, [&](int i) {
        if (!rotation.TurnTo(brush, 2.0 * std::numbers::pi * i / steps)) std::abort();
    });
    std::snprintf(name, sizeof name, "rotation, %s", depth);
    Report(name, f);
}

}  // namespace
}  // namespace quillor

int main(int argc, char** argv) {
    const int steps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;
    std::printf("A %d x %d brush of %d frames, %d steps per drag (target: at least 60 steps/s)\n", quillor::kSide,
                quillor::kSide, quillor::kFrames, steps);
    quillor::Run(true, steps);
    quillor::Run(false, steps);
    return 0;
}
