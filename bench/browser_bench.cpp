// Times the image browser on a folder: from opening the browser until the first page's
// thumbnails are all made, and until every thumbnail of the folder is.
//
//   quillor_browser_bench FOLDER [RUNS]     (default 3 runs; medians)
//
// Each run starts with an empty thumbnail cache, as a newly opened dialog does; the files
// themselves come from the system's file cache after the first run.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_support.h"
#include "bench_timing.h"
#include "utilities/image_browser_model.h"

using namespace quillor;
using namespace quillor::bench;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::vector<double> pages, alls;
    std::size_t files = 0, pageFiles = 0;
    for (int run = 0; run < runs; ++run) {
        SilentInteraction ui;
        SettingsStore settings;
        settings.SetString("Browse", "Path", folder);
        const auto start = Clock::now();
        ImageBrowserModel model(ui, settings);
        model.Load(folder);
        double page = -1;
        std::size_t ready = 0;
        while (true) {
            model.PollThumbnails();
            const auto [done, total] = model.PageProgress();
            if (page < 0 && done == total) page = MsSince(start);
            if (page >= 0 && model.Worker().Idle()) break;
            model.Worker().WaitForFinished(std::chrono::milliseconds(2));
        }
        const double all = MsSince(start);
        model.PollThumbnails();
        for (const BrowserEntry& entry : model.Entries())
            if (entry.thumbnail.state == ThumbnailState::Ready) ++ready;
        files = model.Entries().size();
        pageFiles = std::size_t(model.PageEnd() - model.PageFirst());
        if (ready != files) {
            std::fprintf(stderr, "only %zu of %zu thumbnails were made\n", ready, files);
            return 1;
        }
        pages.push_back(page);
        alls.push_back(all);
    }
    std::printf("%zu files, %d thumbnail thread(s): first page (%zu) %.1f ms, all %.1f ms (%.2f ms a file)\n", files,
                ThumbnailWorker::DefaultThreads(), pageFiles, Median(pages), Median(alls),
                Median(alls) / double(std::max<std::size_t>(files, 1)));
    return 0;
}
