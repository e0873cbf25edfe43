// The animation and layered script formats: reading, writing and refusing.

#include "document/anim_script.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace quillor {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

ScriptContents Parse(std::string_view text, bool layered = false) {
    const auto bytes = Bytes(text);
    return ParseAnimationScript(bytes, layered);
}

std::vector<std::string> Names(const ScriptContents& contents) {
    std::vector<std::string> names;
    for (const auto& f : contents.frames) names.push_back(f.name);
    return names;
}

TEST(AnimScript, AnimationWritesAndReadsBackTheSameNames) {
    std::vector<ScriptFrame> frames(3);
    frames[0].name = "/anims/Walk0001.bmp";
    frames[1].name = "relative/walk 2.PNG";
    frames[2].name = "walk3.jpg";
    const std::string bytes = EncodeAnimationScript(frames, false);
    EXPECT_EQ(bytes, "QUASQ3\n/anims/Walk0001.bmp\nrelative/walk 2.PNG\nwalk3.jpg\n");

    const ScriptContents back = Parse(bytes);
    ASSERT_EQ(back.status, ScriptStatus::Read);
    EXPECT_EQ(back.frames, frames);
}

TEST(AnimScript, LayeredScriptsCarryFourLayerLinesAfterEveryLayer) {
    std::vector<ScriptFrame> frames(3);
    frames[0].name = "target.bmp";
    frames[1] = {"sky.bmp", false, true, false, 100};
    frames[2] = {"tree.bmp", true, false, true, 35};
    const std::string bytes = EncodeAnimationScript(frames, true);
    EXPECT_EQ(bytes, "QUASQ3\ntarget.bmp\nsky.bmp\n0\n1\n0\n100\ntree.bmp\n1\n0\n1\n35\n");
    const ScriptContents back = Parse(bytes, true);
    ASSERT_EQ(back.status, ScriptStatus::Read);
    EXPECT_EQ(back.frames, frames);

    // The same bytes read as an animation give every line as a frame name.
    EXPECT_EQ(Names(Parse("QUASQ3\na\nb\n0\n", false)), (std::vector<std::string>{"a", "b", "0"}));
}

TEST(AnimScript, LineEndsAndMissingLines) {
    // CR LF, a last line without an end, and a lone line feed for an empty name.
    EXPECT_EQ(Names(Parse("QUASQ4\r\na.bmp\r\n\nc.bmp\r\nd.bmp")),
              (std::vector<std::string>{"a.bmp", "", "c.bmp", "d.bmp"}));
    // Lines promised but missing read as empty names and zero layer values.
    const ScriptContents layered = Parse("QUASQ3\r\nt.bmp\r\nl1.bmp\r\n1\r\n", true);
    ASSERT_EQ(layered.status, ScriptStatus::Read);
    ASSERT_EQ(layered.frames.size(), 3u);
    EXPECT_TRUE(layered.frames[1].layerOn);
    EXPECT_FALSE(layered.frames[1].smoothEdges);
    EXPECT_EQ(layered.frames[1].opacity, 0);
    EXPECT_EQ(layered.frames[2].name, "");
    EXPECT_FALSE(layered.frames[2].layerOn);
    // Layer numbers are read as leading numbers; opacities stay within 0 to 100.
    const ScriptContents odd = Parse("QUASQ2\nt\nl\n 7x\n-1\nyes\n250\n", true);
    EXPECT_TRUE(odd.frames[1].layerOn);
    EXPECT_TRUE(odd.frames[1].smoothEdges);
    EXPECT_FALSE(odd.frames[1].opacityOn);
    EXPECT_EQ(odd.frames[1].opacity, 100);
}

TEST(AnimScript, EmptyAndNotValid) {
    EXPECT_EQ(Parse("QUASQ").status, ScriptStatus::Empty);
    EXPECT_EQ(Parse("QUASQ\n").status, ScriptStatus::Empty);
    EXPECT_EQ(Parse("QUASQ0\nforgotten.bmp\n").status, ScriptStatus::Empty);
    EXPECT_EQ(Parse("").status, ScriptStatus::NotValid);
    EXPECT_EQ(Parse("QUAS").status, ScriptStatus::NotValid);
    EXPECT_EQ(Parse("QLPAL3\n").status, ScriptStatus::NotValid);
    EXPECT_EQ(Parse("quasq1\na\n").status, ScriptStatus::NotValid);
    EXPECT_EQ(Parse("QUASQ-2\na\nb\n").status, ScriptStatus::NotValid);
}

TEST(AnimScript, CountsTheFileCannotBackAreRefused) {
    // Up to sixteen frames beyond the lines held read as empty names...
    EXPECT_EQ(Parse("QUASQ17\na\n").frames.size(), 17u);
    EXPECT_EQ(Parse("QUASQ16").frames.size(), 16u);
    // ...more are refused, as is any count above 9999 or one too long for any number.
    EXPECT_EQ(Parse("QUASQ18\na\n").status, ScriptStatus::NotValid);
    EXPECT_EQ(Parse("QUASQ17").status, ScriptStatus::NotValid);
    EXPECT_EQ(Parse("QUASQ99999999999999999999999\n").status, ScriptStatus::NotValid);
    std::string big = "QUASQ10000\n";
    for (int i = 0; i < 10000; ++i) big += "f.bmp\n";
    EXPECT_EQ(Parse(big).status, ScriptStatus::NotValid);
    big.replace(5, 5, "9999");
    EXPECT_EQ(Parse(big).frames.size(), 9999u);
    // A layered frame takes five lines: three layers need 1 + 5 + 5 lines, so 11 lines
    // hold 3 frames and a count of 3 + 16 is the most believed.
    std::string layered = "QUASQ19\n";
    for (int i = 0; i < 11; ++i) layered += "1\n";
    EXPECT_EQ(Parse(layered, true).frames.size(), 19u);
    layered.replace(5, 2, "20");
    EXPECT_EQ(Parse(layered, true).status, ScriptStatus::NotValid);
}

TEST(AnimScript, NamesThatCannotStandOnALineAreNotWritten) {
    testing::TempDir dir;
    EXPECT_TRUE(FitsOnScriptLine("a\rb.bmp"));
    EXPECT_FALSE(FitsOnScriptLine("a\nb.bmp"));
    EXPECT_FALSE(FitsOnScriptLine("ab.bmp\r"));
    std::vector<ScriptFrame> frames(1);
    frames[0].name = "two\nlines.bmp";
    EXPECT_FALSE(WriteAnimationScript(dir.File("x.qua"), frames, false));
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.qua")));
}

TEST(AnimScript, FilesAreReplacedOnlyWhenWrittenWhole) {
    testing::TempDir dir;
    const std::string path = dir.File("Walk.qua");
    ASSERT_TRUE(WriteAnimationScript(path, std::vector<std::string>{"a.bmp", "b.bmp"}));
    EXPECT_EQ(ReadBytes(path), Bytes("QUASQ2\na.bmp\nb.bmp\n"));
    ScriptContents read;
    ASSERT_TRUE(ReadAnimationScript(path, false, read));
    EXPECT_EQ(Names(read), (std::vector<std::string>{"a.bmp", "b.bmp"}));

    // A script that cannot be written whole keeps the old one as it was.
    std::vector<ScriptFrame> bad(2);
    bad[1].name = "two\nlines.bmp";
    EXPECT_FALSE(WriteAnimationScript(path, bad, false));
    EXPECT_FALSE(WriteAnimationScript(dir.File("missing/x.qua"), std::vector<std::string>{"c.bmp"}));
    EXPECT_EQ(ReadBytes(path), Bytes("QUASQ2\na.bmp\nb.bmp\n"));
    EXPECT_EQ(testing::ListFolder(dir.Path()).size(), 1u);  // no temporary file left

    EXPECT_FALSE(ReadAnimationScript(dir.File("missing.qua"), false, read));
    WriteBytes(dir.File("junk.qua"), Bytes("QUASQ3\nonly.bmp\n"));
    ASSERT_TRUE(ReadAnimationScript(dir.File("junk.qua"), false, read));
    EXPECT_EQ(read.frames.size(), 3u);
}

}  // namespace
}  // namespace quillor
