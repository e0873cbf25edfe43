// Runs the quillor command line as a user runs it: a separate process, its output and
// its exit status, in a scratch folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "formats/image_file.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace quillor::testing {

struct Outcome {
    int status = -1;  // exit status, or -1 when the program died of a signal
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class Cli : public ::testing::Test {
protected:
    TempDir dir;

    // Runs quillor with no display at all, so any attempt to reach one fails.
    Outcome Quillor(const std::vector<std::string>& args, const std::string& env = "") {
        std::string command = "cd " + Quote(dir.Path()) + " && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " + env + " " +
                              Quote(QUILLOR_BINARY);
        for (const auto& a : args) command += " " + Quote(a);
        command += " >" + Quote(dir.File(".out")) + " 2>" + Quote(dir.File(".err"));
        const int raw = std::system(command.c_str());
        Outcome run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Slurp(dir.File(".out"));
        run.err = Slurp(dir.File(".err"));
        return run;
    }

    void Save(const COXDIB& image, const std::string& name) {
        testing::ScriptedInteraction ui;
        SettingsStore settings;
        ASSERT_TRUE(SaveImageFile(image, dir.File(name), {ui, settings}));
    }
    COXDIB Load(const std::string& name) {
        testing::ScriptedInteraction ui;
        SettingsStore settings;
        COXDIB image;
        LoadImageFile(image, dir.File(name), {ui, settings});
        return image;
    }
};

}  // namespace quillor::testing
