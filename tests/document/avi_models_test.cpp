// The AVI dialogs' arithmetic: the load list with its seconds and ordinals, "Select
// every", the selection handed to the loader, the save settings with their defaults, the
// time base, the frame order and the mixed-frame refusals.

#include <gtest/gtest.h>

#include "document/anim_doc.h"
#include "document/avi_compressor_model.h"
#include "document/avi_load_options_model.h"
#include "document/avi_rules.h"
#include "document/avi_save_settings_model.h"
#include "support/fake_document_environment.h"

namespace quillor {
namespace {

TEST(AviLoadOptions, ThirtyFramesAtFifteenListEveryFrameAndMarkEachSecond) {
    AviLoadOptionsModel model(30, 15.0);
    ASSERT_EQ(model.Items().size(), 30u);
    EXPECT_EQ(model.Items()[0].text, "FRAME 1 (1st sec)");
    EXPECT_EQ(model.Items()[1].text, "Frame 2");
    EXPECT_EQ(model.Items()[14].text, "Frame 15");
    EXPECT_EQ(model.Items()[15].text, "FRAME 16 (2nd sec)");
    EXPECT_EQ(model.TotalText(), "Total Number of Frames: 0");  // nothing selected yet
    EXPECT_EQ(model.SelectEvery(), 15);
    const std::optional<OkRefusal> refusal = model.CheckOk();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Please select frames to load from the list.");
    EXPECT_EQ(refusal->title, "No Selection");

    // Every 4th frame from frame 3: the first item of a new second is marked, wherever
    // the step lands.
    model.SetListEvery(4);
    model.SetListStart(3);
    model.ApplyList();
    ASSERT_EQ(model.Items().size(), 7u);  // 3, 7, 11, ..., 27
    EXPECT_EQ(model.Items()[0].text, "FRAME 3 (1st sec)");
    EXPECT_EQ(model.Items()[3].text, "Frame 15");
    EXPECT_EQ(model.Items()[4].text, "FRAME 19 (2nd sec)");
    EXPECT_EQ(AviLoadOptionsModel::FrameOfText(model.Items()[4].text), 19);
}

TEST(AviLoadOptions, ListsAreCutByTheStepAndStartsBeyondTheEndComeBack) {
    AviLoadOptionsModel model(100000, 25.0);
    EXPECT_EQ(model.Items().size(), 25000u);
    model.SetListEvery(3);
    model.ApplyList();
    EXPECT_EQ(model.Items().back().frame, 8332);  // the last of 1, 4, ... up to 25000 / 3
    AviLoadOptionsModel shortOne(10, 0.0);  // no rate: a "second" to each frame
    shortOne.SetListStart(50);
    shortOne.SetListEvery(0);
    shortOne.ApplyList();
    EXPECT_EQ(shortOne.ListEvery(), 1);
    EXPECT_EQ(shortOne.ListStart(), 10);
    ASSERT_EQ(shortOne.Items().size(), 1u);
    EXPECT_EQ(shortOne.Items()[0].text, "FRAME 10 (10th sec)");
    EXPECT_EQ(shortOne.SelectEvery(), 1);
}

TEST(AviLoadOptions, SelectEveryLeavesTheItemsBeforeItsStartAndReverseFlipsAll) {
    AviLoadOptionsModel model(10, 25.0);
    model.Select(0, true);
    model.SetSelectEvery(3);
    model.SetSelectStart(3);
    model.ApplySelection();  // items 2, 5, 8 (frames 3, 6, 9); item 0 kept
    std::vector<int> expected = {0, -1, 2, -1, -1, 5, -1, -1, 8, -1};
    EXPECT_EQ(model.Selection(), expected);
    EXPECT_EQ(model.TotalText(), "Total Number of Frames: 4");
    model.ReverseSelection();
    EXPECT_EQ(model.Selection()[0], -1);
    EXPECT_EQ(model.Selection()[1], 1);
    EXPECT_FALSE(model.CheckOk());
    model.SetSelectStart(40);  // beyond the list: nothing changes
    const std::vector<int> before = model.Selection();
    model.ApplySelection();
    EXPECT_EQ(model.Selection(), before);
}

TEST(AviLoadOptions, NumberFieldsAreFollowedByTheirOrdinal) {
    EXPECT_EQ(AviLoadOptionsModel::FrameOrdinal(1), "st frame");
    EXPECT_EQ(AviLoadOptionsModel::FrameOrdinal(22), "nd frame");
    EXPECT_EQ(AviLoadOptionsModel::FrameOrdinal(43), "rd frame");
    EXPECT_EQ(AviLoadOptionsModel::FrameOrdinal(7), "th frame");
    for (int teen : {11, 12, 13}) EXPECT_EQ(AviLoadOptionsModel::FrameOrdinal(teen), "th frame");
    EXPECT_EQ(AviLoadOptionsModel::ListEveryLabel(1), "frame");
    EXPECT_EQ(AviLoadOptionsModel::ListEveryLabel(2), "nd frame");
}

TEST(AviSaving, TheTimeBaseOfATypedRate) {
    EXPECT_EQ(AviTimeBaseFor(12.5).rate, 25);
    EXPECT_EQ(AviTimeBaseFor(12.5).scale, 2);
    EXPECT_EQ(AviTimeBaseFor(29.97).rate, 29);  // 1 / 0.97 rounds down to 1
    EXPECT_EQ(AviTimeBaseFor(29.97).scale, 1);
    EXPECT_EQ(AviTimeBaseFor(25.0).rate, 25);
    EXPECT_EQ(AviTimeBaseFor(25.0).scale, 1);
    EXPECT_EQ(AviTimeBaseFor(0.5).rate, 1);
    EXPECT_EQ(AviTimeBaseFor(0.5).scale, 2);
}

TEST(AviSaving, FramesAreWrittenForwardsOrBackwards) {
    EXPECT_EQ(AviFrameOrder(5, 2), (std::vector<int>{5, 4, 3, 2}));
    EXPECT_EQ(AviFrameOrder(1, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(AviFrameOrder(4, 4), (std::vector<int>{4}));
}

TEST(AviSaving, TheSettingsTakeTheirDefaultsAndKeepTheRate) {
    testing::FakeDocumentEnvironment env;
    AviSaveSettingsModel model(12);
    model.Load(env.settings, 7.5);
    EXPECT_EQ(model.Title(), "AVI Save Settings");
    EXPECT_EQ(model.StartText(), "1");
    EXPECT_EQ(model.EndText(), "12");
    EXPECT_EQ(model.RateText(), "7.500");
    model.SetStartText("0");
    model.SetEndText("-3");
    model.SetRateText("0");
    EXPECT_EQ(model.Start(), 1);
    EXPECT_EQ(model.End(), 12);
    EXPECT_EQ(model.Rate(), 25.0);
    model.SetRateText("12.5");
    EXPECT_EQ(model.TimeBase().rate, 25);
    EXPECT_EQ(model.TimeBase().scale, 2);
    model.SetEndText("13");
    EXPECT_TRUE(model.CheckOk());  // past the last frame
    model.SetEndText("1234567");   // six characters at most
    EXPECT_EQ(model.EndText(), "123456");
    model.SetEndText("5");
    EXPECT_FALSE(model.CheckOk());
    model.Store(env.settings);
    AviSaveSettingsModel again(3);
    again.Load(env.settings, 2.0);
    EXPECT_EQ(again.RateText(), "12.5");
}

TEST(AviSaving, MixedColourModesAndSizesAreRefusedWithTheirOwnMessage) {
    testing::FakeDocumentEnvironment env;
    CAnimDoc doc(env);
    doc.AddFrames(3);
    doc.frameCount = 3;
    for (int i = 0; i < 3; ++i) {
        AnimFrame& f = *doc.FindFrame(i);
        f.colourMode = ColourMode::Colours256;
        f.width = 10;
        f.height = 8;
    }
    EXPECT_FALSE(AviFramesRefusal(doc));
    doc.FindFrame(2)->height = 9;
    ASSERT_TRUE(AviFramesRefusal(doc));
    EXPECT_EQ(AviFramesRefusal(doc)->rfind("You cannot save AVIs with images of different sizes.", 0), 0u);
    doc.FindFrame(1)->colourMode = ColourMode::TrueColour;
    EXPECT_EQ(AviFramesRefusal(doc)->rfind("You cannot save AVIs with images of mixed colour depths and sizes.", 0),
              0u);
    doc.FindFrame(2)->height = 8;
    EXPECT_EQ(AviFramesRefusal(doc)->rfind("You cannot save AVIs with images of mixed colour depths.\n", 0), 0u);
}

TEST(AviSaving, TheCompressorChoiceOffersWhatSuitsThePicturesAndIsRemembered) {
    const std::vector<VideoEncoder> encoders = {
        {"raw", "Full Frames (no compression)", true, true, false, false, false},
        {"zmbv", "ZMBV", true, true, false, true, true},
        {"ffv1", "FFV1", true, false, false, true, false},
        {"mjpeg", "Motion JPEG", false, false, true, false, false}};
    testing::FakeDocumentEnvironment env;
    AviCompressorModel colour(encoders, false);
    ASSERT_EQ(colour.Encoders().size(), 3u);
    EXPECT_EQ(colour.Encoders()[1].id, "ffv1") << "the palette-only compressor is not offered";
    colour.Load(env.settings);
    EXPECT_EQ(colour.Current().id, "raw");
    colour.Select(2);
    colour.SetQuality(140);
    colour.SetKeyFrameEvery(0);
    EXPECT_EQ(colour.Quality(), 100);
    EXPECT_EQ(colour.KeyFrameEvery(), 1);
    EXPECT_TRUE(colour.QualityEnabled());
    EXPECT_FALSE(colour.KeyFramesEnabled());
    colour.SetQuality(30);
    colour.SetKeyFrameEvery(25);
    VideoWriteSettings settings;
    colour.ApplyTo(settings);
    EXPECT_EQ(settings.encoder, "mjpeg");
    EXPECT_EQ(settings.quality, 30);
    EXPECT_EQ(settings.keyFrameEvery, 1) << "a compressor of stand-alone frames writes every frame as a key frame";
    colour.Store(env.settings);

    AviCompressorModel palette(encoders, true);
    ASSERT_EQ(palette.Encoders().size(), 4u);
    palette.Load(env.settings);
    EXPECT_EQ(palette.Current().id, "mjpeg");
    EXPECT_EQ(palette.Quality(), 30);
    EXPECT_NE(palette.Note().find("true colour"), std::string::npos);
    palette.Select(2);
    EXPECT_NE(palette.Note().find("256-colour pictures are stored"), std::string::npos);
    palette.Select(1);
    EXPECT_EQ(palette.Note(), "No detail is lost: the pictures come back exactly as they are.");
    palette.ApplyTo(settings);
    EXPECT_EQ(settings.keyFrameEvery, 25);
}

}  // namespace
}  // namespace quillor
