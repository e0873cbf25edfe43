// How the program starts: the command line without the window toolkit, the window from
// its module beside the program or in lib/quillor, and a plain word when the module is
// missing.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/gui_module.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

struct Outcome {
    int status = -1;
    std::string err;
};

Outcome RunShell(const std::string& command) {
    testing::TempDir dir;
    const int raw = std::system((command + " >/dev/null 2>'" + dir.File("err") + "'").c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(dir.File("err"));
    std::stringstream text;
    text << in.rdbuf();
    outcome.err = text.str();
    return outcome;
}

TEST(ProgramStart, TheModuleIsLookedForBesideTheProgramThenInstalledUnderLib) {
    EXPECT_EQ(GuiModuleCandidates("/opt/q/bin/quillor"),
              (std::vector<std::string>{"/opt/q/bin/quillor-gui.so", "/opt/q/lib/quillor/quillor-gui.so"}));
}

TEST(ProgramStart, TheCommandLineNeverLoadsTheWindowToolkit) {
    // The loader's own account of every library it opens.
    const Outcome run = RunShell(std::string("env LD_DEBUG=libs '") + QUILLOR_BINARY + "' --version");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_NE(run.err.find("calling init"), std::string::npos) << "no loader report to check: " << run.err;
    EXPECT_EQ(run.err.find("libQt6"), std::string::npos);
}

TEST(ProgramStart, AProgramWithoutItsWindowModuleSaysSoAndWhereItLooked) {
    if (!QUILLOR_BINARY_HAS_GUI) GTEST_SKIP() << "this build of quillor has no window";
    testing::TempDir dir;
    std::filesystem::create_directories(dir.File("bin"));
    std::filesystem::copy_file(QUILLOR_BINARY, dir.File("bin/quillor"));
    const Outcome run = RunShell("env QT_QPA_PLATFORM=offscreen '" + dir.File("bin/quillor") + "' picture.png");
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err.find("the window part of the program (quillor-gui.so) could not be loaded"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find(dir.File("bin/quillor-gui.so")), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(dir.File("lib/quillor/quillor-gui.so")), std::string::npos) << run.err;

    // Installed the way `cmake --install` lays it out, the same program finds it.
    std::filesystem::create_directories(dir.File("lib/quillor"));
    std::filesystem::create_symlink(std::filesystem::path(QUILLOR_BINARY).parent_path() / kGuiModuleName,
                                    dir.File("lib/quillor/quillor-gui.so"));
    // The window then runs until stopped; the loader says where the module came from.
    const Outcome found = RunShell("env LD_DEBUG=files QT_QPA_PLATFORM=offscreen QUILLOR_CONFIG_DIR='" +
                              dir.File("config") + "' timeout 3 '" + dir.File("bin/quillor") + "' picture.png");
    EXPECT_EQ(found.status, 124) << "the window should still have been open";
    EXPECT_NE(found.err.find("file=" + dir.File("lib/quillor/quillor-gui.so") + " [0];  dynamically loaded"),
              std::string::npos)
        << found.err.substr(0, 2000);
}

}  // namespace
}  // namespace quillor
