// Times opening a picture in the program window until its first paint is on screen: the
// file read, the decode, the window and the paint of the visible part.
//
//   quillor_open_bench FILE [RUNS]      (default 10 runs; QT_QPA_PLATFORM defaults to offscreen)

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_support.h"
#include "bench_timing.h"
#include "app/ui/edit_view_frame.h"
#include "app/ui/main_frame.h"
#include "app/ui/resources.h"
#include "platform/settings_store.h"
#include "view/ui/bitmap_edit_view.h"

namespace quillor {
namespace {

using bench::BenchEnvironment;
using bench::SilentInteraction;


}  // namespace
}  // namespace quillor

int main(int argc, char** argv) {
    using namespace quillor;
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillor_open_bench FILE [RUNS]\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitQuillorResources();
    const std::string path = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

    SilentInteraction ui;
    SettingsStore settings;
    CMainFrame frame(ui, settings);
    frame.resize(1920, 1080);
    frame.show();
    QApplication::processEvents();

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = bench::Clock::now();
        frame.OpenPath(path);
        CBitmapEditView* view = frame.ActiveView();
        if (!view) return 1;
        view->viewport()->repaint();  // the first paint, drawn now rather than on the next loop
        times.push_back(bench::MsSince(start));
        frame.ActiveFrame()->CloseWithoutAsking();
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    std::printf("open %s until its first paint: median %.1f ms, best %.1f ms, worst %.1f ms (%d runs)\n",
                path.c_str(), times[times.size() / 2], times.front(), times.back(), runs);
    return 0;
}
