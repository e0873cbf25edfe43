// Times the image-file paths in process, so the figures leave out process start-up and
// show what the code itself costs. Prints one line per operation: the median of the
// runs, and the throughput in megabytes of picture per second.
//
//   quillor_bench INPUT_DIR [RUNS]      (INPUT_DIR as bench/make-inputs.sh makes it)

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_support.h"
#include "bench_timing.h"
#include "core/coxdib.h"
#include "formats/image_file.h"
#include "platform/file_io.h"
#include "platform/interaction.h"

namespace quillor {
namespace {

using bench::BenchEnvironment;
using bench::SilentInteraction;


double MedianMs(int runs, const std::function<bool()>& op) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = bench::Clock::now();
        if (!op()) {
            std::fprintf(stderr, "operation failed\n");
            return -1;
        }
        times.push_back(bench::MsSince(start));
    }
    return bench::Median(std::move(times));
}

void Report(const char* name, double ms, double megabytes) {
    std::printf("%-28s %9.1f ms %9.0f MB/s\n", name, ms, megabytes / (ms / 1000.0));
}

}  // namespace
}  // namespace quillor

int main(int argc, char** argv) {
    using namespace quillor;
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillor_bench INPUT_DIR [RUNS]\n");
        return 2;
    }
    const std::string in = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string out = "/tmp/quillor-bench-out";
    SilentInteraction ui;
    SettingsStore settings;
    const ImageFileContext context{ui, settings};
    const double picture = 4000.0 * 3000 * 3 / 1e6;  // megabytes of 24-bit pixels

    COXDIB image;
    Report("jpeg 4000x3000 -> bmp", MedianMs(runs, [&] {
               return LoadImageFile(image, in + "/photo-4000x3000.jpg", context) &&
                      SaveImageFile(image, out + ".bmp", context);
           }), picture);
    Report("jpeg decode", MedianMs(runs, [&] {
               return LoadImageFile(image, in + "/photo-4000x3000.jpg", context);
           }), picture);
    Report("png decode", MedianMs(runs, [&] {
               return LoadImageFile(image, in + "/photo-4000x3000.png", context);
           }), picture);
    Report("png encode", MedianMs(runs, [&] { return SaveImageFile(image, out + ".png", context); }),
           picture);
    Report("png round trip", MedianMs(runs, [&] {
               return LoadImageFile(image, in + "/photo-4000x3000.png", context) &&
                      SaveImageFile(image, out + ".png", context);
           }), picture);
    Report("bmp read (file)", MedianMs(runs, [&] {
               return LoadImageFile(image, in + "/photo-4000x3000.bmp", context);
           }), picture);
    Report("bmp write (file, synced)", MedianMs(runs, [&] { return SaveImageFile(image, out + ".bmp", context); }),
           picture);

    FileBuffer bytes;
    ReadWholeFile(in + "/photo-4000x3000.bmp", bytes, nullptr);
    Report("bmp read (in memory)", MedianMs(runs, [&] {
               ByteReader reader(bytes);
               return image.ReadBmp(reader);
           }), picture);
    // Encoding alone, into a buffer that stays mapped between runs.
    struct BufferWriter final : ByteWriter {
        FileBuffer buffer;
        std::size_t used = 0;
        bool Write(const void* data, std::size_t size) override {
            if (used + size > buffer.size()) return false;
            std::memcpy(buffer.data() + used, data, size);
            used += size;
            return true;
        }
    } writer;
    writer.buffer.resize(bytes.size());
    std::memset(writer.buffer.data(), 0, writer.buffer.size());
    Report("bmp write (in memory)", MedianMs(runs, [&] {
               writer.used = 0;
               return image.WriteBmp(writer);
           }), picture);
    // The same bytes through the kernel to a file without waiting for the disk: what a
    // save costs apart from the flush that makes it survive a power cut.
    Report("bmp write (file, unsynced)", MedianMs(runs, [&] {
               writer.used = 0;
               if (!image.WriteBmp(writer)) return false;
               FILE* f = std::fopen((out + ".bmp").c_str(), "wb");
               if (!f) return false;
               const bool ok = std::fwrite(writer.buffer.data(), 1, writer.used, f) == writer.used;
               return std::fclose(f) == 0 && ok;
           }), picture);
    std::remove((out + ".bmp").c_str());
    std::remove((out + ".png").c_str());
    return 0;
}
