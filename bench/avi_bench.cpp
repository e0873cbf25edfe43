// Opening an AVI movie whole and saving it again, as the window does, timed apart:
//   quillor_avi_bench IN.avi OUT_FOLDER [RUNS]
// For each lossless compressor: frames per second of the open and of the save, and of
// both together (what `ffmpeg -i IN -c:v ffv1 OUT` does in one pass).

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_timing.h"
#include "cli/cli_document.h"
#include "document/avi_compressor_model.h"

using namespace quillor;
using namespace quillor::bench;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s IN.avi OUT_FOLDER [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string in = argv[1];
    const std::string folder = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    std::filesystem::create_directories(folder);

    for (const char* codec : {"raw", "ffv1", "huffyuv", "utvideo"}) {
        std::vector<double> opens, saves;
        int frames = 0;
        for (int run = 0; run < runs; ++run) {
            CliDocumentEnvironment environment;
            CAnimDoc document(environment);
            auto start = Clock::now();
            document.Open(in);
            opens.push_back(MsSince(start));
            frames = document.HeldFrames();
            if (!document.IsKept()) {
                std::fprintf(stderr, "could not open %s\n", in.c_str());
                return 1;
            }
            const std::string out = folder + "/" + codec + ".avi";
            environment.ui.saveFile = out;
            environment.ui.answerDialog = [&](DialogModel& model) -> std::optional<bool> {
                if (auto* compressor = dynamic_cast<AviCompressorModel*>(&model)) {
                    for (std::size_t i = 0; i < compressor->Encoders().size(); ++i)
                        if (compressor->Encoders()[i].id == codec) compressor->Select(int(i));
                    return compressor->Current().id == codec;
                }
                return std::nullopt;
            };
            start = Clock::now();
            if (!document.SaveAvi()) {
                std::fprintf(stderr, "%s: the save failed\n", codec);
                break;
            }
            saves.push_back(MsSince(start));
        }
        if (saves.empty()) continue;
        const double open = Median(opens), save = Median(saves);
        std::printf("%-8s %d frames: open %7.1f ms (%6.0f fps)  save %7.1f ms (%6.0f fps)  both %6.0f fps\n", codec,
                    frames, open, frames * 1000.0 / open, save, frames * 1000.0 / save,
                    frames * 1000.0 / (open + save));
    }
    return 0;
}
