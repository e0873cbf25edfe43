// The command line's animation verbs: `quillor compose`, `quillor frames` and
// `quillor compile`.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "document/anim_script.h"
#include "platform/file_io.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::Cli;
using testing::DifferenceBetween;
using testing::ListFolder;
using testing::Outcome;
using testing::ReadBytes;
using testing::WriteBytes;

using Names = std::vector<std::string>;

// Picture coordinates: line 0 at the top.
void Paint(COXDIB& image, int x, int y, TableWord rgb) {
    std::uint8_t* p = image.Line(y) + 3 * x;
    p[0] = std::uint8_t(rgb), p[1] = std::uint8_t(rgb >> 8), p[2] = std::uint8_t(rgb >> 16);
}

COXDIB Solid(int width, int height, TableWord rgb) {
    COXDIB image;
    image.CreateBlank(24, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) Paint(image, x, y, rgb);
    return image;
}

class AnimCli : public Cli {
protected:
    void Folder(const std::string& name) { ASSERT_EQ(mkdir(dir.File(name).c_str(), 0755), 0); }
    Names ScriptNames(const std::string& name, bool layered = false) {
        ScriptContents contents;
        EXPECT_TRUE(ReadAnimationScript(dir.File(name), layered, contents)) << name;
        Names names;
        for (const ScriptFrame& frame : contents.frames) names.push_back(frame.name);
        return names;
    }
    // Three frames of different colour modes, and the script "walk12.qua" naming them.
    void MakeWalk() {
        testing::MakeGradient24(frames[0], 9, 7);
        testing::MakePattern8(frames[1], 9, 7);
        testing::MakeSmooth24(frames[2], 9, 7);
        Save(frames[0], "a.bmp");
        Save(frames[1], "b.bmp");
        Save(frames[2], "c.tga");
        ASSERT_TRUE(WriteAnimationScript(dir.File("walk12.qua"), Names{"a.bmp", "b.bmp", "c.tga"}));
    }
    COXDIB frames[3];
};

TEST_F(AnimCli, HelpNamesTheNewVerbs) {
    Outcome help = Quillor({"--help"});
    for (const char* usage : {"quillor compose FRAME... -o OUT.qua", "quillor frames IN.qua|IN.qul|IN.avi -o DIR",
                              "quillor avi IN.qua OUT.avi",
                              "quillor compile IN.qul OUT"})
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
    for (const char* verb : {"compose", "frames", "compile", "avi"}) {
        for (const Names& args : {Names{verb, "--help"}, Names{"help", verb}}) {
            Outcome run = Quillor(args);
            EXPECT_EQ(run.status, 0) << verb;
            EXPECT_EQ(run.out.find(std::string("usage: quillor ") + verb), 0u) << run.out;
        }
    }
    EXPECT_NE(Quillor({"frames", "--help"}).out.find("--overwrite"), std::string::npos);
}

TEST_F(AnimCli, ComposeNamesFramesInOrderAndRelativeToTheScript) {
    Save(Solid(3, 2, 0x102030), "b.bmp");
    Save(Solid(3, 2, 0x405060), "a.png");
    Folder("sub");
    Save(Solid(3, 2, 0x708090), "sub/c.bmp");
    Outcome run = Quillor({"compose", "b.bmp", "a.png", "sub/c.bmp", "-o", "anim.qua"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ScriptNames("anim.qua"), (Names{"b.bmp", "a.png", "sub/c.bmp"}));

    // Frames outside the script's folder keep their full path.
    ASSERT_EQ(Quillor({"compose", "b.bmp", "sub/c.bmp", "--output", "sub/Anim.QUA"}).status, 0);
    EXPECT_EQ(ScriptNames("sub/Anim.QUA"), (Names{dir.File("b.bmp"), "c.bmp"}));

    // A folder's images in the composer's order; other files are not frames.
    Folder("seq");
    for (const char* name : {"walk_10.bmp", "walk_2.png", "walk_1.bmp"})
        Save(Solid(2, 2, 0x112233), "seq/" + std::string(name));
    WriteBytes(dir.File("seq/notes.txt"), {'h', 'i'});
    ASSERT_EQ(Quillor({"compose", "seq", "-o", "seq/walk.qua"}).status, 0);
    EXPECT_EQ(ScriptNames("seq/walk.qua"), (Names{"walk_1.bmp", "walk_2.png", "walk_10.bmp"}));
    ASSERT_EQ(Quillor({"compose", "seq/", "-o", "walk.qua"}).status, 0);
    EXPECT_EQ(ScriptNames("walk.qua"), (Names{"seq/walk_1.bmp", "seq/walk_2.png", "seq/walk_10.bmp"}));
}

TEST_F(AnimCli, ComposeRefusesWhatItCannotMakeAScriptOf) {
    Save(Solid(3, 2, 0x102030), "good.bmp");
    WriteBytes(dir.File("broken.bmp"), {'B', 'M', 1, 2, 3});
    WriteBytes(dir.File("anim.qua"), {'o', 'l', 'd'});
    Outcome run = Quillor({"compose", "good.bmp", "broken.bmp", "-o", "anim.qua"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("'broken.bmp'"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(dir.File("anim.qua")), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    run = Quillor({"compose", "good.bmp", "missing.png", "-o", "new.qua"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("missing.png"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(dir.File("new.qua")));

    Folder("empty");
    EXPECT_EQ(Quillor({"compose", "empty", "-o", "new.qua"}).status, 1);
    EXPECT_EQ(Quillor({"compose", "-o", "new.qua"}).status, 2);
    EXPECT_EQ(Quillor({"compose", "good.bmp"}).status, 2);
    EXPECT_EQ(Quillor({"compose", "good.bmp", "-o", "new.qul"}).status, 2);
    EXPECT_EQ(Quillor({"compose", "good.bmp", "empty", "-o", "new.qua"}).status, 2);
    EXPECT_FALSE(FileExists(dir.File("new.qua")));
    EXPECT_FALSE(FileExists(dir.File("new.qul")));
}

TEST_F(AnimCli, FramesWriteNumberedFilesThatReadBackPixelForPixel) {
    MakeWalk();
    Outcome run = Quillor({"frames", "walk12.qua", "-o", "out"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ListFolder(dir.File("out")), (Names{"walk0000.bmp", "walk0001.bmp", "walk0002.bmp"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(DifferenceBetween(Load("out/walk000" + std::to_string(i) + ".bmp"), frames[i]), "") << i;
    EXPECT_EQ(Load("out/walk0001.bmp").GetBitCount(), 8) << "a palette frame stays one";

    run = Quillor({"frames", "walk12.qua", "-o", "png", "--prefix", "step", "--start", "9", "--type", "PNG",
                   "--script", "again.qua"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ListFolder(dir.File("png")), (Names{"again.qua", "step0009.png", "step0010.png", "step0011.png"}));
    EXPECT_EQ(DifferenceBetween(Load("png/step0010.png"), frames[1]), "");
    EXPECT_EQ(ScriptNames("png/again.qua"),
              (Names{dir.File("png/step0009.png"), dir.File("png/step0010.png"),
                     dir.File("png/step0011.png")}));
}

TEST_F(AnimCli, FramesReplaceExistingFilesOnlyWhenTold) {
    MakeWalk();
    Folder("out");
    const std::vector<std::uint8_t> mine = {'m', 'i', 'n', 'e'};
    WriteBytes(dir.File("out/walk0001.bmp"), mine);
    Outcome run = Quillor({"frames", "walk12.qua", "-o", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("out/walk0001.bmp' exists already"), std::string::npos) << run.err;
    EXPECT_EQ(ListFolder(dir.File("out")), Names{"walk0001.bmp"}) << "nothing written before the refusal";
    EXPECT_EQ(ReadBytes(dir.File("out/walk0001.bmp")), mine);

    run = Quillor({"frames", "walk12.qua", "-o", "out", "--overwrite"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(DifferenceBetween(Load("out/walk0001.bmp"), frames[1]), "");
    EXPECT_EQ(ListFolder(dir.File("out")).size(), 3u);
}

TEST_F(AnimCli, FramesRefuseWhatTheTypeCannotHoldOrTheScriptCannotGive) {
    COXDIB sixteen;
    ASSERT_TRUE(sixteen.CreateBlank(4, 5, 3));
    Save(sixteen, "sixteen.bmp");
    Save(Solid(5, 3, 0x203040), "photo.bmp");
    ASSERT_TRUE(WriteAnimationScript(dir.File("mixed.qua"), Names{"photo.bmp", "sixteen.bmp"}));
    Outcome run = Quillor({"frames", "mixed.qua", "-o", "out", "--type", "png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("'mixe0001.png' is a 16 colour image\nPlease use BMP format"), std::string::npos)
        << run.err;
    EXPECT_FALSE(FileExists(dir.File("out"))) << "not even the photo is written";

    MakeWalk();
    run = Quillor({"frames", "walk12.qua", "-o", "out", "--type", "jpg"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("'walk0001.jpg' is not a true colour image."), std::string::npos) << run.err;
    ASSERT_EQ(Quillor({"frames", "mixed.qua", "-o", "out"}).status, 0) << "BMP holds 16 colours";
    EXPECT_EQ(Load("out/mixe0001.bmp").GetBitCount(), 4);

    ASSERT_TRUE(WriteAnimationScript(dir.File("gap.qua"), Names{"photo.bmp", "missing.bmp"}));
    run = Quillor({"frames", "gap.qua", "-o", "gap"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Quillor cannot load 'missing.bmp'"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(dir.File("gap")));

    for (const Names& args : {Names{"frames", "walk12.qua"}, Names{"frames", "photo.bmp", "-o", "x"},
                              Names{"frames", "walk12.qua", "-o", "x", "--type", "wbmp"},
                              Names{"frames", "walk12.qua", "-o", "x", "--start", "-1"},
                              Names{"frames", "walk12.qua", "-o", "x", "--script", "s.qul"}})
        EXPECT_EQ(Quillor(args).status, 2) << args.back();
    EXPECT_FALSE(FileExists(dir.File("x")));
}

// A layered image: an 8 x 6 target, a full layer, a smaller layer with a black hole and
// a switched-off layer that would cover everything.
class LayeredCli : public AnimCli {
protected:
    void SetUp() override {
        COXDIB base;
        testing::MakeGradient24(base, 8, 6);
        COXDIB small = Solid(3, 2, 0x0000F0);
        Paint(small, 1, 1, 0x000000);
        Save(Solid(8, 6, 0x777777), "target.bmp");
        Save(base, "base.bmp");
        Save(small, "small.png");
        Save(Solid(8, 6, 0x00FF00), "cover.bmp");
        std::vector<ScriptFrame> lines(4);
        lines[0].name = "target.bmp";
        lines[1].name = "base.bmp";
        lines[2].name = "small.png";
        lines[3].name = "cover.bmp";
        lines[3].layerOn = false;
        ASSERT_TRUE(WriteAnimationScript(dir.File("scene.qul"), lines, true));

        // The small layer sits in the bottom-left corner; its black pixel shows the base.
        ASSERT_TRUE(base.CopyTo(expected));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                if (x != 1 || y != 1) Paint(expected, x, 4 + y, 0x0000F0);
    }
    COXDIB expected;
};

TEST_F(LayeredCli, CompileLaysTheLayersOverOneAnother) {
    Outcome run = Quillor({"compile", "scene.qul", "scene.png"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(DifferenceBetween(Load("scene.png"), expected), "");

    run = Quillor({"compile", "scene.qul", "scene.jpg", "--quality", "0"});
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(FileExists(dir.File("scene.jpg")));
}

TEST_F(LayeredCli, CompileRefusesAnimationsAndUnreadableLayers) {
    MakeWalk();
    Outcome run = Quillor({"compile", "walk12.qua", "walk.bmp"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("'walk12.qua' is an animation, not a layered image"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(dir.File("walk.bmp")));

    WriteBytes(dir.File("small.png"), {1, 2, 3});
    run = Quillor({"compile", "scene.qul", "scene.bmp"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Quillor cannot load 'small.png'"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(dir.File("scene.bmp")));
    EXPECT_EQ(Quillor({"compile", "scene.qul", "scene.gif"}).status, 2);
}

TEST_F(LayeredCli, FramesOfALayeredImageMarkTheCompiledTarget) {
    Outcome run = Quillor({"frames", "scene.qul", "-o", "out", "--script", "copy.qul"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ListFolder(dir.File("out")),
              (Names{"copy.qul", "scen0000_COMPILED_TARGET.bmp", "scen0001.bmp", "scen0002.bmp",
                     "scen0003.bmp"}));
    ScriptContents copy;
    ASSERT_TRUE(ReadAnimationScript(dir.File("out/copy.qul"), true, copy));
    ASSERT_EQ(copy.frames.size(), 4u);
    EXPECT_FALSE(copy.frames[3].layerOn) << "the layer settings travel with the new names";

    // The copy compiles to the same picture as the original.
    ASSERT_EQ(Quillor({"compile", "out/copy.qul", "copy.bmp"}).status, 0);
    EXPECT_EQ(DifferenceBetween(Load("copy.bmp"), expected), "");
}

}  // namespace
}  // namespace quillor
