// Opening AVI movies as animations and saving animations as AVI movies, through FFmpeg:
// what comes back, what is written in which order, and what the user is told.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "document/anim_doc.h"
#include "document/avi_compressor_model.h"
#include "document/avi_load_options_model.h"
#include "document/avi_save_settings_model.h"
#include "document/select_file_type_model.h"
#include "platform/video_reader.h"
#include "support/fake_document_environment.h"
#include "support/system_call_faults.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace quillor {
namespace {

constexpr const char* kCaution = AviSaveSettingsModel::kCautionText.data();

// Indices, colour table and size all equal; empty on a match.
std::string ExactDifference(const COXDIB& a, const COXDIB& b) {
    if (a.GetBitCount() != b.GetBitCount())
        return "bit counts " + std::to_string(a.GetBitCount()) + " and " + std::to_string(b.GetBitCount());
    if (a.GetSize() != b.GetSize()) return "sizes differ";
    const std::size_t bytes = std::size_t(a.GetSize().width) * (a.GetBitCount() / 8);
    for (int y = 0; y < a.GetSize().height; ++y)
        if (std::memcmp(a.Line(y), b.Line(y), bytes) != 0) return "row " + std::to_string(y) + " differs";
    if (a.GetBitCount() == 8)
        for (int i = 0; i < 256; ++i)
            if ((a.GetTableWord(std::uint8_t(i)) & 0xFFFFFF) != (b.GetTableWord(std::uint8_t(i)) & 0xFFFFFF))
                return "colour " + std::to_string(i) + " differs";
    return {};
}

bool HaveFfmpeg() { return std::system("ffmpeg -version >/dev/null 2>&1") == 0; }

struct AviMovies : ::testing::Test {
    testing::TempDir dir;
    testing::FakeDocumentEnvironment env;

    // An animation of `count` frames, each a different picture of one size.
    void MakeAnimation(CAnimDoc& doc, int count, bool palette, int width = 37, int height = 21) {
        doc.isAnimation = true;
        doc.frameCount = std::uint32_t(count);
        doc.rangeEnd = count;
        doc.AddFrames(std::uint32_t(count));
        for (int i = 0; i < count; ++i) {
            AnimFrame& frame = *doc.FindFrame(i);
            if (palette) {
                testing::MakePattern8(*frame.image, width, height);
                // Every frame its own pixels and its own palette.
                for (int y = 0; y < height; ++y) frame.image->Line(y)[0] = std::uint8_t(i * 7 + y);
                frame.image->SetTableWord(std::uint8_t(i), MakeTableWord(std::uint8_t(i), 1, 2));
                frame.colourMode = ColourMode::Colours256;
            } else {
                testing::MakeGradient24(*frame.image, width, height);
                frame.image->Line(0)[0] = std::uint8_t(i);
                frame.colourMode = ColourMode::TrueColour;
            }
            frame.TakeSizeFromImage();
            frame.name = "f" + std::to_string(i) + ".bmp";
        }
        doc.path = dir.File("walk.qua");
        doc.changed = true;
    }

    // Answers the save dialogs: the frames `start` to `end` at `rate` with `encoder`.
    void ExpectSave(const std::string& file, const std::string& start, const std::string& end,
                    const std::string& rate, const std::string& encoder) {
        env.ui.ExpectDialogOf<AviSaveSettingsModel>("AVI Save Settings", [=](AviSaveSettingsModel& m) {
            m.SetStartText(start);
            m.SetEndText(end);
            m.SetRateText(rate);
            return true;
        });
        env.ui.ExpectSaveFile(file);
        env.ui.ExpectDialogOf<AviCompressorModel>("Video Compression", [=](AviCompressorModel& m) {
            for (int i = 0; i < int(m.Encoders().size()); ++i)
                if (m.Encoders()[std::size_t(i)].id == encoder) m.Select(i);
            return m.Current().id == encoder;
        });
    }

    // Opens `file`, choosing the movie frames (from 1) `frames`, or every frame.
    void ExpectLoad(std::vector<int> frames = {}) {
        env.ui.ExpectDialogOf<AviLoadOptionsModel>("AVI Load Options", [frames](AviLoadOptionsModel& m) {
            for (std::size_t i = 0; i < m.Items().size(); ++i) {
                const bool wanted = frames.empty() || std::find(frames.begin(), frames.end(),
                                                                m.Items()[i].frame) != frames.end();
                m.Select(i, wanted);
            }
            return true;
        });
    }

    void Ffmpeg(const std::string& arguments) {
        ASSERT_EQ(std::system(("ffmpeg -nostdin -loglevel error -y " + arguments).c_str()), 0) << arguments;
    }
};

TEST_F(AviMovies, LosslessCompressorsGiveBackEveryFrameExactly) {
    struct Case {
        bool palette;
        const char* encoder;
    };
    for (const Case c : {Case{false, "utvideo"}, Case{true, "raw"}, Case{true, "zmbv"}, Case{true, "png"}, Case{false, "raw"},
                         Case{false, "ffv1"}, Case{false, "huffyuv"}, Case{false, "utvideo"}, Case{false, "png"}}) {
        SCOPED_TRACE(std::string(c.encoder) + (c.palette ? " 256 colours" : " true colour"));
        CAnimDoc doc(env);
        MakeAnimation(doc, 4, c.palette);
        const std::string file = dir.File(std::string("round_") + c.encoder + (c.palette ? "8" : "24") + ".avi");
        ExpectSave(file, "", "", "10", c.encoder);
        ASSERT_TRUE(doc.SaveAvi());
        ASSERT_EQ(env.ui.Messages().size(), 1u);
        EXPECT_EQ(env.ui.Messages()[0].text, kCaution);
        EXPECT_EQ(doc.path, file);
        EXPECT_FALSE(doc.changed);
        env.ui.ClearMessages();

        CAnimDoc back(env);
        ExpectLoad();
        back.Open(file);
        ASSERT_EQ(back.path, file);
        ASSERT_EQ(back.HeldFrames(), 4);
        EXPECT_TRUE(back.isAnimation);
        EXPECT_FLOAT_EQ(back.framesPerSecond, 10.0f);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(ExactDifference(*doc.FindFrame(i)->image, *back.FindFrame(i)->image), "") << "frame " << i;
            EXPECT_EQ(back.FindFrame(i)->name, file);
            EXPECT_EQ(back.FindFrame(i)->colourMode, c.palette ? ColourMode::Colours256 : ColourMode::TrueColour);
        }
        EXPECT_TRUE(env.ui.Messages().empty());
    }
}

TEST_F(AviMovies, TrueColourOnlyCompressorsKeepTheColoursOfPalettePictures) {
    CAnimDoc doc(env);
    MakeAnimation(doc, 2, true);
    ExpectSave(dir.File("colours.avi"), "", "", "25", "ffv1");
    ASSERT_TRUE(doc.SaveAvi());
    CAnimDoc back(env);
    ExpectLoad();
    back.Open(dir.File("colours.avi"));
    ASSERT_EQ(back.HeldFrames(), 2);
    EXPECT_EQ(back.FindFrame(1)->image->GetBitCount(), 24);
    EXPECT_EQ(testing::DifferenceBetween(*doc.FindFrame(1)->image, *back.FindFrame(1)->image), "");
}

TEST_F(AviMovies, ABackwardRangeIsWrittenLastFirstAtTheTypedRate) {
    CAnimDoc doc(env);
    MakeAnimation(doc, 6, false);
    const std::string file = dir.File("Back.AVI");
    ExpectSave(dir.File("Back.AVI"), "5", "2", "12.5", "raw");
    ASSERT_TRUE(doc.SaveAvi());
    // The name kept its own letters: ".AVI" already names a movie.
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(env.settings.GetString("AVI Settings", "FPS"), "12.5");

    std::unique_ptr<VideoReader> reader = VideoReader::Open(file);
    ASSERT_TRUE(reader);
    const VideoStreamInfo info = reader->StreamInfo(0);
    EXPECT_EQ(info.rate, 25);
    EXPECT_EQ(info.scale, 2);
    EXPECT_EQ(info.length, 4);

    CAnimDoc back(env);
    ExpectLoad();
    back.Open(file);
    ASSERT_EQ(back.HeldFrames(), 4);
    EXPECT_FLOAT_EQ(back.framesPerSecond, 12.5f);
    for (int sample = 0; sample < 4; ++sample)
        EXPECT_EQ(ExactDifference(*doc.FindFrame(4 - sample)->image, *back.FindFrame(sample)->image), "")
            << "sample " << sample;
}

TEST_F(AviMovies, AFractionalRateIsWrittenAsItsWholePartWhenItsScaleWouldBeZero) {
    CAnimDoc doc(env);
    MakeAnimation(doc, 2, true);
    ExpectSave(dir.File("ntsc"), "0", "0", "29.97", "raw");
    ASSERT_TRUE(doc.SaveAvi());
    // ".avi" is added to a name that lacks it.
    std::unique_ptr<VideoReader> reader = VideoReader::Open(dir.File("ntsc.avi"));
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->StreamInfo(0).rate, 29);
    EXPECT_EQ(reader->StreamInfo(0).scale, 1);
    EXPECT_EQ(reader->StreamInfo(0).length, 2);
}

TEST_F(AviMovies, CancellingOrFailingLeavesNothingBehindAndTheDocumentChanged) {
    CAnimDoc doc(env);
    MakeAnimation(doc, 3, false);
    const std::string file = dir.File("walk.avi");
    env.ui.ExpectDialog("AVI Save Settings", [](DialogModel&) { return true; });
    env.ui.ExpectSaveFile(file);
    env.ui.ExpectDialog("Video Compression", [](DialogModel&) { return false; });
    EXPECT_FALSE(doc.SaveAvi());
    EXPECT_TRUE(testing::ListFolder(dir.Path()).empty());
    EXPECT_TRUE(doc.changed);
    EXPECT_EQ(doc.path, dir.File("walk.qua"));

    // A file already there stays as it was when the new one cannot be written.
    testing::WriteBytes(file, {'o', 'l', 'd'});
    ExpectSave(dir.File("missing/walk.avi"), "", "", "25", "raw");
    env.ui.ClearMessages();
    EXPECT_FALSE(doc.SaveAvi());
    ASSERT_EQ(env.ui.Messages().size(), 2u);
    EXPECT_EQ(env.ui.Messages()[1].text, "Error: Could not save file.");
    EXPECT_EQ(env.ui.Messages()[1].title, "Error");
    EXPECT_TRUE(doc.changed);
    EXPECT_EQ(testing::ListFolder(dir.Path()), std::vector<std::string>{"walk.avi"});
    EXPECT_EQ(testing::ReadBytes(file), (std::vector<std::uint8_t>{'o', 'l', 'd'}));

    // A flush that fails at the very end, and a file the user may not write, leave the
    // old movie as it was too.
    for (const bool flushFails : {true, false}) {
        testing::SystemCallFaults::Reset();
        if (flushFails) testing::SystemCallFaults::fsyncError = EIO;
        else testing::SystemCallFaults::writeDeniedPath = file;
        ExpectSave(file, "", "", "25", "ffv1");
        env.ui.ClearMessages();
        EXPECT_FALSE(doc.SaveAvi());
        ASSERT_EQ(env.ui.Messages().size(), 2u);
        EXPECT_EQ(env.ui.Messages()[1].text, "Error: Could not save file.");
        EXPECT_TRUE(doc.changed);
        EXPECT_EQ(testing::ListFolder(dir.Path()), std::vector<std::string>{"walk.avi"});
        EXPECT_EQ(testing::ReadBytes(file), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    }
    testing::SystemCallFaults::Reset();

    env.ui.ExpectDialog("AVI Save Settings", [](DialogModel&) { return false; });
    EXPECT_FALSE(doc.SaveAvi());
}

TEST_F(AviMovies, MixedFramesAreRefusedBeforeAnyDialog) {
    CAnimDoc doc(env);
    MakeAnimation(doc, 2, false);
    testing::MakePattern8(*doc.FindFrame(1)->image, 37, 21);
    doc.FindFrame(1)->colourMode = ColourMode::Colours256;
    EXPECT_FALSE(doc.SaveAvi());
    ASSERT_EQ(env.ui.Messages().size(), 1u);
    EXPECT_EQ(env.ui.Messages()[0].title, "Cannot Save As AVI");
    EXPECT_NE(env.ui.Messages()[0].text.find("mixed colour depths.\n"), std::string::npos);
}

TEST_F(AviMovies, AMovieAnotherProgramMadeOpensWithTheChosenFramesAndItsRate) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "no ffmpeg to make the movie";
    const std::string file = dir.File("clip.avi");
    Ffmpeg("-f lavfi -i testsrc=size=64x48:rate=15:duration=2 -c:v mjpeg -q:v 3 " + file);
    CAnimDoc doc(env);
    env.ui.ExpectDialogOf<AviLoadOptionsModel>("AVI Load Options", [](AviLoadOptionsModel& m) {
        EXPECT_EQ(m.Length(), 30);
        EXPECT_EQ(m.Items()[0].text, "FRAME 1 (1st sec)");
        EXPECT_EQ(m.Items()[15].text, "FRAME 16 (2nd sec)");
        EXPECT_EQ(m.SelectEvery(), 15);
        // The previews decode the movie's frames.
        const std::optional<VideoPicture> preview = m.Preview(30);
        EXPECT_TRUE(preview && preview->width == 64 && preview->bitsPerPixel == 24);
        for (int item : {0, 2, 4}) m.Select(std::size_t(item), true);
        return true;
    });
    doc.Open(file);
    ASSERT_EQ(doc.HeldFrames(), 3);
    EXPECT_EQ(doc.frameCount, 3u);
    EXPECT_EQ(doc.rangeEnd, 3);
    EXPECT_FLOAT_EQ(doc.framesPerSecond, 15.0f);
    EXPECT_FLOAT_EQ(doc.frameDelay, 1.0f / 15.0f);
    EXPECT_TRUE(env.ui.Messages().empty());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(doc.FindFrame(i)->name, file);
        EXPECT_EQ(doc.FindFrame(i)->width, 64);
    }
    // testsrc moves its gradient each frame: frames 1, 3 and 5 all differ.
    EXPECT_GT(testing::LargestChannelDifference(*doc.FindFrame(0)->image, *doc.FindFrame(2)->image), 8);

    // Cancelling the choice opens nothing, and says nothing more.
    CAnimDoc cancelled(env);
    env.ui.ExpectDialog("AVI Load Options", [](DialogModel&) { return false; });
    cancelled.Open(file);
    EXPECT_FALSE(cancelled.IsKept());
    EXPECT_TRUE(cancelled.openFailureTold);
    EXPECT_TRUE(env.ui.Messages().empty());
}

TEST_F(AviMovies, MoreThanFiftyStreamsAreCutWithAMessage) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "no ffmpeg to make the movie";
    const std::string file = dir.File("streams.avi");
    std::string maps = "-map 0";
    for (int i = 0; i < 50; ++i) maps += " -map 1";
    Ffmpeg("-f lavfi -i testsrc=size=16x16:rate=5:duration=1 -f lavfi -i anullsrc=r=8000:cl=mono -t 1 " + maps +
           " -c:v rawvideo -pix_fmt bgr24 -c:a pcm_u8 " + file);
    CAnimDoc doc(env);
    ExpectLoad({1, 2});
    doc.Open(file);
    EXPECT_TRUE(env.ui.OnlyMessageIs("Exceeded maximum number of streams.", "Error", MessageIcon::Exclamation));
    EXPECT_EQ(doc.HeldFrames(), 2);
}

TEST_F(AviMovies, DamagedMoviesFailCleanlyAndMissingFramesBecomeBlanks) {
    const std::string garbage = dir.File("garbage.avi");
    testing::WriteBytes(garbage, std::vector<std::uint8_t>(4000, 0x5A));
    CAnimDoc doc(env);
    doc.Open(garbage);
    EXPECT_FALSE(doc.IsKept());
    EXPECT_TRUE(env.ui.OnlyMessageIs("Unable to open file '" + garbage + "'.", "Error", MessageIcon::Exclamation));

    // A movie cut short: its header still promises every frame.
    CAnimDoc source(env);
    MakeAnimation(source, 8, false, 64, 64);
    const std::string whole = dir.File("whole.avi");
    ExpectSave(whole, "", "", "8", "raw");
    ASSERT_TRUE(source.SaveAvi());
    std::vector<std::uint8_t> bytes = testing::ReadBytes(whole);
    bytes.resize(bytes.size() / 2);
    const std::string cut = dir.File("cut.avi");
    testing::WriteBytes(cut, bytes);
    env.ui.ClearMessages();
    CAnimDoc partial(env);
    ExpectLoad();
    partial.Open(cut);
    ASSERT_EQ(partial.HeldFrames(), 8);
    EXPECT_EQ(ExactDifference(*source.FindFrame(0)->image, *partial.FindFrame(0)->image), "");
    const COXDIB& blank = *partial.FindFrame(7)->image;
    EXPECT_EQ(blank.GetSize().width, 40);
    EXPECT_EQ(blank.GetSize().height, 40);
    EXPECT_EQ(partial.FindFrame(7)->colourMode, ColourMode::TrueColour);
    ASSERT_EQ(env.ui.Messages().size(), 1u);
    EXPECT_EQ(env.ui.Messages()[0].title, "Could not load");
    EXPECT_EQ(env.ui.Messages()[0].icon, MessageIcon::Information);
}

TEST_F(AviMovies, EveryTenthFrameIsFoundWithoutDecodingTheMovieAgain) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "no ffmpeg to make the movie";
    const std::string file = dir.File("long.avi");
    // Key frames every 12 frames, the others leaning on them.
    Ffmpeg("-f lavfi -i testsrc=size=64x48:rate=25:duration=12 -c:v mpeg4 -g 12 -bf 0 " + file);
    std::unique_ptr<VideoReader> reader = VideoReader::Open(file);
    ASSERT_TRUE(reader);
    ASSERT_EQ(reader->StreamInfo(0).length, 300);
    ASSERT_TRUE(reader->UseStream(0));
    for (int frame = 0; frame < 300; frame += 10) ASSERT_TRUE(reader->Frame(frame)) << frame;
    // Each frame from the key frame before it: at most 12 decodes a frame, 6 on average,
    // where decoding straight through would take 291.
    EXPECT_LE(reader->DecodedFrames(), 200);
    // Going back finds the frame again from the key frame before it (120), not from the
    // start.
    const std::int64_t before = reader->DecodedFrames();
    const std::optional<VideoPicture> sought = reader->Frame(125);
    ASSERT_TRUE(sought);
    EXPECT_LE(reader->DecodedFrames() - before, 6);
    // And it is the very frame that decoding straight through gives.
    std::unique_ptr<VideoReader> straight = VideoReader::Open(file);
    ASSERT_TRUE(straight && straight->UseStream(0));
    for (int frame = 0; frame < 125; ++frame) ASSERT_TRUE(straight->Frame(frame));
    const std::optional<VideoPicture> walked = straight->Frame(125);
    ASSERT_TRUE(walked);
    EXPECT_TRUE(walked->pixels == sought->pixels);
    EXPECT_FALSE(straight->Frame(124)->pixels == sought->pixels);
    // Past the end there is nothing.
    EXPECT_FALSE(reader->Frame(300));
}

TEST_F(AviMovies, FramesStoredOutOfOrderComeOutAsTheyAreShown) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "no ffmpeg to make the movie";
    const std::string file = dir.File("reordered.avi");
    // Frame n is grey 5n (limited range, so 5.82n - 18.6 in the picture), with B-frames
    // between the stored ones.
    Ffmpeg("-f lavfi -i \"color=c=black:s=64x48:r=25:d=2,format=yuv420p,geq=lum='N*5':cb=128:cr=128\" "
           "-c:v mpeg4 -bf 2 -g 12 -q:v 2 " + file);
    auto expected = [](int n) { return std::clamp(5.0 * n * 255.0 / 219.0 - 16.0 * 255.0 / 219.0, 0.0, 255.0); };
    std::unique_ptr<VideoReader> reader = VideoReader::Open(file);
    ASSERT_TRUE(reader && reader->UseStream(0));
    for (const int n : {37, 5, 20, 40, 13, 12, 24, 25}) {
        const std::optional<VideoPicture> picture = reader->Frame(n);
        ASSERT_TRUE(picture) << n;
        EXPECT_NEAR(picture->Row(24)[32 * 3], expected(n), 2.5) << "frame " << n;
    }
    CAnimDoc doc(env);
    ExpectLoad();
    doc.Open(file);
    ASSERT_EQ(doc.HeldFrames(), 50);
    EXPECT_TRUE(env.ui.Messages().empty());
    for (const int n : {4, 11, 12, 13, 40})
        EXPECT_NEAR(doc.FindFrame(n)->image->Line(24)[32 * 3], expected(n), 2.5) << "frame " << n;
}

}  // namespace
}  // namespace quillor
