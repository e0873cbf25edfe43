// Layered images: composing the compiled image from the layers, and the layer commands
// with their settings dialog.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "document/anim_doc.h"
#include "document/layer_commands.h"
#include "document/layer_compile.h"
#include "document/layer_settings_model.h"
#include "support/fake_document_environment.h"

namespace quillor {
namespace {

using testing::FakeDocumentEnvironment;

constexpr char kNotApplicable[] =
    "This is the compiled image from the layered image, so this function is not applicable.";

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

// A layered document of a 4 x 2 target and `layers` layers of the same size, each black
// (the key colour for background 0) until a test paints it.
class Layers : public ::testing::Test {
protected:
    void MakeLayered(int layers) {
        doc.isAnimation = true;
        doc.isLayered = true;
        doc.path = "/tmp/scene.qul";
        doc.AddFrames(std::uint32_t(layers + 1));
        for (int i = 0; i <= layers; ++i) {
            AnimFrame& frame = *doc.FindFrame(i);
            ASSERT_TRUE(frame.image->CreateBlank(24, 4, 2));
            frame.image->FillBytes(i == 0 ? 0x55 : 0);
            frame.name = i == 0 ? "scene_COMPILED_TARGET.bmp" : "layer" + std::to_string(i) + ".bmp";
            frame.TakeSizeFromImage();
        }
        doc.frameCount = std::uint32_t(layers + 1);
        doc.rangeEnd = layers + 1;
    }
    // Picture coordinates: line 0 at the top.
    void Paint(int frame, int x, int y, Rgb c) {
        std::uint8_t* p = doc.FindFrame(frame)->image->Line(y) + 3 * x;
        p[0] = std::uint8_t(c.b), p[1] = std::uint8_t(c.g), p[2] = std::uint8_t(c.r);
    }
    void PaintAll(int frame, Rgb c) {
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x) Paint(frame, x, y, c);
    }
    Rgb Compiled(int x, int y) {
        const std::uint8_t* p = doc.FindFrame(0)->image->Line(y) + 3 * x;
        return {p[2], p[1], p[0]};
    }

    FakeDocumentEnvironment env;
    CAnimDoc doc{env};
};

struct Redraws : DocumentObserver {
    std::vector<int> frames;
    void OnFramesChanged(CAnimDoc&, int index) override { frames.push_back(index); }
};

TEST_F(Layers, BlackLetsTheLayersBelowShowThroughAndTheTargetStartsBlack) {
    MakeLayered(2);
    PaintAll(1, {200, 0, 0});
    Paint(1, 0, 0, {0, 0, 0});   // a hole in the bottom layer too
    Paint(2, 1, 0, {0, 0, 250});  // the top layer: one blue pixel, black elsewhere
    Redraws redraws;
    auto subscription = doc.Subscribe(redraws);
    CompileLayers(doc);
    EXPECT_EQ(Compiled(0, 0), (Rgb{0, 0, 0})) << "through both holes to the black target";
    EXPECT_EQ(Compiled(1, 0), (Rgb{0, 0, 250}));
    EXPECT_EQ(Compiled(3, 1), (Rgb{200, 0, 0}));
    EXPECT_EQ(redraws.frames, std::vector<int>{0});
    EXPECT_FALSE(doc.IsModified()) << "the compiled image follows from the layers";
    EXPECT_EQ(env.ui.WaitCount(), 1);
    EXPECT_EQ(env.ui.WaitDepth(), 0);
}

TEST_F(Layers, TheBackgroundIndexIsTheGreyAndTheKey) {
    MakeLayered(1);
    doc.SetBackground(9);
    PaintAll(1, {0, 0, 9});  // red 0, green 0, blue 9: the key for index 9
    Paint(1, 2, 1, {0, 0, 0});
    CompileLayers(doc);
    EXPECT_EQ(Compiled(0, 0), (Rgb{9, 9, 9}));
    EXPECT_EQ(Compiled(2, 1), (Rgb{0, 0, 0})) << "black is a colour like any other here";
}

TEST_F(Layers, ASwitchedOffLayerIsLeftOut) {
    MakeLayered(2);
    PaintAll(1, {10, 20, 30});
    PaintAll(2, {90, 90, 90});
    doc.FindFrame(2)->layerOn = false;
    CompileLayers(doc);
    EXPECT_EQ(Compiled(2, 1), (Rgb{10, 20, 30}));
}

TEST_F(Layers, OpacityFiftyBlendsHalfAndSmoothingMixesTheEdges) {
    MakeLayered(2);
    PaintAll(1, {100, 100, 100});
    AnimFrame& top = *doc.FindFrame(2);
    PaintAll(2, {201, 0, 51});
    top.opacityOn = true;
    top.opacity = 50;
    CompileLayers(doc);
    EXPECT_EQ(Compiled(1, 1), (Rgb{150, 50, 75}));

    // The top layer as a 2 x 2 block, smoothed: its border pixels are even mixes, and
    // every pixel of a block this small is a border pixel.
    top.opacityOn = false;
    top.smoothEdges = true;
    PaintAll(2, {0, 0, 0});
    for (int x = 1; x <= 2; ++x)
        for (int y = 0; y <= 1; ++y) Paint(2, x, y, {200, 40, 0});
    CompileLayers(doc);
    EXPECT_EQ(Compiled(1, 0), (Rgb{150, 70, 50}));
    EXPECT_EQ(Compiled(2, 1), (Rgb{150, 70, 50}));
    EXPECT_EQ(Compiled(0, 0), (Rgb{100, 100, 100}));
}

TEST_F(Layers, OnlyTrueColourLayersOfLayeredDocumentsTakePart) {
    MakeLayered(2);
    PaintAll(1, {1, 2, 3});
    AnimFrame& palette = *doc.FindFrame(2);
    ASSERT_TRUE(palette.image->CreateBlank(8, 4, 2));
    std::memset(palette.image->GetBits(), 1, palette.image->GetImageBytes());
    CompileLayers(doc);
    EXPECT_EQ(Compiled(0, 0), (Rgb{1, 2, 3}));

    // An animation's first frame is a picture of its own, never a compiled image.
    doc.isLayered = false;
    PaintAll(0, {7, 7, 7});
    CompileLayers(doc);
    EXPECT_EQ(Compiled(0, 0), (Rgb{7, 7, 7}));
    EXPECT_EQ(env.ui.WaitDepth(), 0);
}

TEST_F(Layers, LayerCommandsOnTheCompiledImageOnlyExplain) {
    MakeLayered(2);
    doc.FindFrame(1)->layerOn = true;
    ASSERT_TRUE(doc.ShowFrame(0));
    EXPECT_TRUE(LayerFunctionNotApplicable(doc, env.ui));
    SetLayerOn(doc, env.ui, false);
    EditLayerSettings(doc, env.ui);  // no dialog: the scripted user would fail the test
    ASSERT_EQ(env.ui.Messages().size(), 3u);
    for (const auto& message : env.ui.Messages()) {
        EXPECT_EQ(message.text, kNotApplicable);
        EXPECT_EQ(message.title, "Fuction Not Available");
        EXPECT_EQ(message.icon, MessageIcon::Information);
    }
    EXPECT_TRUE(doc.FindFrame(0)->layerOn);
    EXPECT_FALSE(doc.IsModified());

    // Image operations on it are told the result will not last; the flip has its own words.
    env.ui.ClearMessages();
    NoteTemporaryResult(doc, env.ui, false);
    NoteTemporaryResult(doc, env.ui, true);
    ASSERT_EQ(env.ui.Messages().size(), 2u);
    EXPECT_EQ(env.ui.Messages()[0].text,
              "This function is available, but the result will only be temporary, as this is the compiled\n"
              "image of the layered image, and will be rebuilt from the other layers.");
    EXPECT_EQ(env.ui.Messages()[1].text.rfind("This function will be performed, but it is only temporary", 0), 0u);
    EXPECT_EQ(env.ui.Messages()[1].title, "Note");

    env.ui.ClearMessages();
    doc.ShowFrame(1);
    NoteTemporaryResult(doc, env.ui, false);
    EXPECT_FALSE(LayerFunctionNotApplicable(doc, env.ui));
    EXPECT_TRUE(env.ui.Messages().empty());
}

TEST_F(Layers, TurningALayerOffShowsInItsTitleAndCounts) {
    MakeLayered(2);
    doc.ShowFrame(2);
    SetLayerOn(doc, env.ui, false);
    EXPECT_FALSE(doc.FindFrame(2)->layerOn);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(doc.Title().find(")  [OFF]"), std::string::npos) << doc.Title();
    SetLayerOn(doc, env.ui, true);
    EXPECT_NE(doc.Title().find(")  [ON]"), std::string::npos) << doc.Title();

    // Documents that are not layered have no layers to switch.
    doc.isLayered = false;
    doc.SetChanged(false);
    SetLayerOn(doc, env.ui, false);
    EXPECT_TRUE(doc.FindFrame(2)->layerOn);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Layers, TheSettingsDialogEnablesByItsSwitchesAndStoresOnOk) {
    MakeLayered(3);
    AnimFrame& layer = *doc.FindFrame(3);
    layer.opacity = 0;  // as a hand-written script may leave it
    LayerSettingsModel m(layer);
    EXPECT_EQ(m.Title(), "Layer 3 Settings");
    EXPECT_EQ(m.Opacity(), 1);
    EXPECT_EQ(m.OpacityText(), "1% opaque");
    EXPECT_TRUE(m.SmoothEnabled());
    EXPECT_TRUE(m.OpacityOnEnabled());
    EXPECT_FALSE(m.OpacityEnabled());
    m.SetOpacityOn(true);
    EXPECT_TRUE(m.OpacityEnabled());
    EXPECT_FALSE(m.SmoothEnabled());
    m.SetOn(false);
    EXPECT_FALSE(m.OpacityOnEnabled());
    EXPECT_FALSE(m.OpacityEnabled());
    EXPECT_FALSE(m.SmoothEnabled());
    m.SetOpacity(250);
    EXPECT_EQ(m.OpacityText(), "100% opaque");

    doc.ShowFrame(3);
    env.ui.ExpectDialogOf<LayerSettingsModel>("Layer 3 Settings", [](LayerSettingsModel& s) {
        s.SetSmoothEdges(true);
        s.SetOpacity(60);
        return false;
    });
    EditLayerSettings(doc, env.ui);
    EXPECT_FALSE(layer.smoothEdges);
    EXPECT_EQ(layer.opacity, 0);
    EXPECT_FALSE(doc.IsModified());

    env.ui.ExpectDialogOf<LayerSettingsModel>("Layer 3 Settings", [](LayerSettingsModel& s) {
        s.SetOn(false);
        s.SetSmoothEdges(true);
        s.SetOpacityOn(true);
        s.SetOpacity(60);
        return true;
    });
    EditLayerSettings(doc, env.ui);
    EXPECT_FALSE(layer.layerOn);
    EXPECT_TRUE(layer.smoothEdges);
    EXPECT_TRUE(layer.opacityOn);
    EXPECT_EQ(layer.opacity, 60);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(doc.Title().find(")  [OFF]"), std::string::npos) << doc.Title();
}

}  // namespace
}  // namespace quillor
