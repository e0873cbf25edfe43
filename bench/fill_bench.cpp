// Times the flood fill in process: a 4000 x 4000 picture of one colour (true colour and
// palette) and the maze of make-inputs.sh, each filled from (0, 0). Prints one line per
// picture: the median time, the pixels filled per second, and the most heap the fill
// held on top of the picture.
//
//   quillor_fill_bench INPUT_DIR [RUNS]
//
// Lines start with a key (flat24, flat8, maze24) so that run.sh can pick them out.

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "core/byte_reader.h"
#include "core/coxdib.h"
#include "platform/file_io.h"
#include "paint/flood_fill.h"

namespace {

// Every heap allocation of the program is counted, so the fill's own working memory
// shows however it comes by it. Pictures come from the kernel directly and do not count.
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* CountedAllocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    const std::size_t now = liveBytes += malloc_usable_size(p);
    std::size_t peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void CountedFree(void* p) noexcept {
    if (p == nullptr) return;
    liveBytes -= malloc_usable_size(p);
    std::free(p);
}

}  // namespace

void* operator new(std::size_t size) { return CountedAllocate(size); }
void* operator new[](std::size_t size) { return CountedAllocate(size); }
void operator delete(void* p) noexcept { CountedFree(p); }
void operator delete[](void* p) noexcept { CountedFree(p); }
void operator delete(void* p, std::size_t) noexcept { CountedFree(p); }
void operator delete[](void* p, std::size_t) noexcept { CountedFree(p); }

namespace quillor {
namespace {

struct Result {
    double medianMs = 0;
    std::uint64_t pixels = 0;
    std::size_t peakExtra = 0;
};

// Fills from (0, 0) `runs` times, switching between two colours so that every run fills
// the whole area again.
Result TimeFills(COXDIB& image, int runs) {
    std::array<ColourRef, 256> table{};
    table[1] = MakeColour(255, 0, 0);
    table[2] = MakeColour(0, 0, 255);
    PaintTarget target;
    target.image = &image;
    target.table = &table;
    target.mode = image.GetBitCount() == 24 ? ColourMode::TrueColour : ColourMode::Colours256;

    Result result;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const std::size_t before = liveBytes.load();
        peakBytes = before;
        const auto start = bench::Clock::now();
        const std::uint64_t pixels = FloodFill(target, 0, 0, 1 + i % 2);
        times.push_back(bench::MsSince(start));
        result.peakExtra = std::max(result.peakExtra, peakBytes.load() - before);
        if (i > 0 && pixels != result.pixels)
            std::fprintf(stderr, "fills differ: %llu then %llu pixels\n",
                         (unsigned long long)result.pixels, (unsigned long long)pixels);
        result.pixels = pixels;
    }
    result.medianMs = bench::Median(std::move(times));
    return result;
}

void Report(const char* key, const char* description, const Result& r) {
    std::printf("%-7s %8.1f ms %8.0f Mpx/s %9.1f KiB peak  %9llu px  %s\n", key, r.medianMs,
                double(r.pixels) / 1e6 / (r.medianMs / 1000.0), double(r.peakExtra) / 1024.0,
                (unsigned long long)r.pixels, description);
}

}  // namespace
}  // namespace quillor

int main(int argc, char** argv) {
    using namespace quillor;
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillor_fill_bench INPUT_DIR [RUNS]\n");
        return 2;
    }
    const std::string in = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    COXDIB flat;
    if (!flat.CreateBlank(24, 4000, 4000)) return 1;
    Report("flat24", "4000x4000 true colour, one colour", TimeFills(flat, runs));
    flat.Clear();
    if (!flat.CreateBlank(8, 4000, 4000)) return 1;
    Report("flat8", "4000x4000 palette, one colour", TimeFills(flat, runs));
    flat.Clear();

    FileBuffer bytes;
    std::string error;
    COXDIB maze;
    if (!ReadWholeFile(in + "/maze-4000x3000.bmp", bytes, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    ByteReader reader(bytes);
    if (!maze.ReadBmp(reader)) {
        std::fprintf(stderr, "maze-4000x3000.bmp: not a picture\n");
        return 1;
    }
    Report("maze24", "maze-4000x3000.bmp, the serpentine corridor", TimeFills(maze, runs));
    return 0;
}
