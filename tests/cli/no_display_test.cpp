// The program started for its window where there is no display to show it on.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/temp_dir.h"

namespace quillor {
namespace {

struct Outcome {
    int status = -1;  // exit status, or -1 when the program died of a signal
    std::string err;
};

Outcome StartQuillor(const std::string& environment, const std::string& args) {
    testing::TempDir dir;
    const std::string command = "cd '" + dir.Path() + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                environment + " '" + QUILLOR_BINARY + "' " + args + " >/dev/null 2>'" +
                                dir.File("err") + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(dir.File("err"));
    std::stringstream text;
    text << in.rdbuf();
    outcome.err = text.str();
    return outcome;
}

void ExpectTheVerbsAreNamed(const std::string& err) {
    for (const char* verb : {"quillor info", "quillor convert"})
        EXPECT_NE(err.find(verb), std::string::npos) << verb << " missing from: " << err;
}

TEST(NoDisplay, AFileOrAMistypedVerbSaysWhatToDoAndExitsWithTwo) {
    for (const char* args : {"somefile.png", "pallete x"}) {
        const Outcome run = StartQuillor("", args);
        EXPECT_EQ(run.status, 2) << args << ": " << run.err;
        ExpectTheVerbsAreNamed(run.err);
        if (QUILLOR_BINARY_HAS_GUI) {
            EXPECT_NE(run.err.find("the window needs a display"), std::string::npos) << run.err;
        }
    }
}

TEST(NoDisplay, ADisplayThatCannotBeReachedIsNoCrash) {
    if (!QUILLOR_BINARY_HAS_GUI) GTEST_SKIP() << "this build of quillor has no window";
    const Outcome run = StartQuillor("DISPLAY=:97", "somefile.png");
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err.find("the window needs a display: could not connect to display :97"),
              std::string::npos)
        << run.err;
    ExpectTheVerbsAreNamed(run.err);
}

}  // namespace
}  // namespace quillor
