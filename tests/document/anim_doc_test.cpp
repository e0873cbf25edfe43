// Creating, opening and titling documents, driven through a scripted user.

#include "document/anim_doc.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "document/frame_count_model.h"
#include "document/new_image_model.h"
#include "formats/image_file.h"
#include "formats/image_file_dialogs.h"
#include "formats/password_prompt_model.h"
#include "support/fake_document_environment.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::FakeDocumentEnvironment;

constexpr char kCannotMake[] = "Cannot Make Image";

struct Documents : ::testing::Test {
    testing::TempDir dir;
    FakeDocumentEnvironment env;

    void SaveTo(const COXDIB& image, const std::string& name) {
        ASSERT_TRUE(SaveImageFile(image, dir.File(name), env.FileContext()));
    }
    // The scripted user picks a size and colours in the next New Image dialog.
    void ChooseNewImage(int size, int colours, std::string width = {}, std::string height = {},
                        const std::string& title = "New Image") {
        env.ui.ExpectDialogOf<NewImageModel>(title, [=](NewImageModel& m) {
            m.SetSizeChoice(size);
            m.SetColourChoice(colours);
            if (!width.empty()) m.SetWidthText(width);
            if (!height.empty()) m.SetHeightText(height);
            return true;
        });
    }
};

struct TitleRecorder : DocumentObserver {
    int titles = 0;
    int colours = 0;
    std::vector<int> framesChanged;
    void OnTitleChanged(CAnimDoc&) override { ++titles; }
    void OnFramesChanged(CAnimDoc&, int index) override { framesChanged.push_back(index); }
    void OnColoursChanged(CAnimDoc&) override { ++colours; }
};

TEST_F(Documents, ColourChangesAreToldAndOnlyRealOnesCount) {
    CAnimDoc doc(env);
    TitleRecorder recorder;
    auto subscription = doc.Subscribe(recorder);
    EXPECT_EQ(doc.Foreground(), 1);
    EXPECT_EQ(doc.Background(), 0);
    doc.SetForeground(7);
    doc.SetBackground(3);
    doc.SetTableColour(200, MakeColour(1, 2, 3));
    EXPECT_EQ(recorder.colours, 3);
    EXPECT_EQ(doc.Foreground(), 7);
    EXPECT_EQ(doc.Background(), 3);
    EXPECT_EQ(doc.TableColour(200), MakeColour(1, 2, 3));
    EXPECT_EQ(doc.Colours()[200], MakeColour(1, 2, 3));
    doc.SetForeground(7);  // no change, nothing told
    doc.SetTableColour(200, MakeColour(1, 2, 3));
    EXPECT_EQ(recorder.colours, 3);
    CAnimDoc::ColourTable reversed = doc.Colours();
    std::reverse(reversed.begin(), reversed.end());
    doc.SetColourTable(reversed);  // a whole table is told once
    EXPECT_EQ(recorder.colours, 4);
    EXPECT_EQ(doc.TableColour(55), MakeColour(1, 2, 3));
    EXPECT_EQ(recorder.titles, 0);
}

// --- New image ---------------------------------------------------------------------------

TEST_F(Documents, NewImageMakesTheChosenPictureAndTheNextDialogStartsFromIt) {
    env.settings.SetString("Previous Paths", "Bitmap Save As", "/data/My Pics");
    env.ui.ExpectDialogOf<NewImageModel>("New Image", [](NewImageModel& m) {
        EXPECT_EQ(m.SizeChoice(), 3);  // 640 x 400 until the user picks another
        EXPECT_EQ(m.ColourChoice(), 0);
        EXPECT_EQ(m.WidthText(), "");
        m.SetSizeChoice(5);
        m.SetWidthText("123");
        m.SetHeightText("45");
        m.SetColourChoice(1);
        return true;
    });
    CAnimDoc doc(env);
    ASSERT_TRUE(doc.OnNewDocument(NewDocumentKind::NewImage));
    const AnimFrame& frame = *doc.FindFrame(0);
    EXPECT_EQ(doc.path, "/data/My Pics/untitled1.bmp");
    EXPECT_EQ(frame.name, doc.path);  // the whole path, nothing cut off
    EXPECT_EQ(frame.colourMode, ColourMode::Colours16);
    EXPECT_EQ(frame.image->GetBitCount(), 8);
    EXPECT_EQ(frame.width, 123);
    EXPECT_EQ(frame.height, 45);
    EXPECT_TRUE(doc.changed);
    EXPECT_FALSE(doc.isAnimation);
    EXPECT_EQ(doc.frameCount, 0u);
    EXPECT_EQ(doc.HeldFrames(), 1);
    EXPECT_GT(env.ui.WaitCount(), 0);
    EXPECT_TRUE(env.ui.Messages().empty());

    env.ui.ExpectDialogOf<NewImageModel>("New Image", [](NewImageModel& m) {
        EXPECT_EQ(m.SizeChoice(), 5);
        EXPECT_EQ(m.WidthText(), "123");
        EXPECT_EQ(m.HeightText(), "45");
        EXPECT_EQ(m.ColourChoice(), 1);
        m.SetSizeChoice(0);
        m.SetColourChoice(3);
        return true;
    });
    CAnimDoc second(env);
    ASSERT_TRUE(second.OnNewDocument(NewDocumentKind::NewImage));
    EXPECT_EQ(second.path, "/data/My Pics/untitled2.bmp");
    EXPECT_EQ(second.FindFrame(0)->image->GetSize(), (DibSize{320, 200}));
    EXPECT_EQ(second.FindFrame(0)->colourMode, ColourMode::TrueColour);
    EXPECT_EQ(env.settings.GetInt("New Document", "Selected", -1), 0);
    EXPECT_EQ(env.settings.GetString("New Document", "Width"), "123");  // kept for next time
}

TEST_F(Documents, EveryColourChoiceGivesAWhitePictureOfItsMode) {
    const ColourMode modes[] = {ColourMode::Colours256, ColourMode::Colours16, ColourMode::Mono,
                                ColourMode::TrueColour};
    for (int choice = 0; choice < 4; ++choice) {
        ChooseNewImage(1, choice);
        CAnimDoc doc(env);
        ASSERT_TRUE(doc.OnNewDocument(NewDocumentKind::NewImage));
        const AnimFrame& frame = *doc.FindFrame(0);
        EXPECT_EQ(frame.colourMode, modes[choice]);
        EXPECT_EQ(frame.image->GetBitCount(), choice == 3 ? 24 : 8);
        EXPECT_EQ(frame.image->GetSize(), (DibSize{320, 240}));
        EXPECT_EQ(testing::ShownColour(*frame.image, 319, 239), 0xFFFFFFu);
    }
}

TEST_F(Documents, UntitledNumbersAreUsedUpByCancelAndDefaultToThePicturesFolder) {
    env.ui.ExpectDialog("New Image", [](DialogModel&) { return false; });
    CAnimDoc cancelled(env);
    EXPECT_FALSE(cancelled.OnNewDocument(NewDocumentKind::NewImage));
    EXPECT_EQ(cancelled.path, DefaultPictureFolder() + "/untitled1.bmp");
    EXPECT_FALSE(env.settings.Has("New Document", "Selected"));  // Cancel stores nothing

    env.settings.SetString("Previous Paths", "Bitmap Save As", "/");
    ChooseNewImage(0, 0);
    CAnimDoc next(env);
    ASSERT_TRUE(next.OnNewDocument(NewDocumentKind::NewImage));
    EXPECT_EQ(next.path, "/untitled2.bmp");
    EXPECT_EQ(env.untitledAnimations, 0);
}

TEST_F(Documents, ACustomSizeTheDialogWouldRefuseMakesNoPicture) {
    ChooseNewImage(5, 3, "0", "10");
    CAnimDoc doc(env);
    EXPECT_FALSE(doc.OnNewDocument(NewDocumentKind::NewImage));
    EXPECT_TRUE(env.ui.OnlyMessageIs(std::string(NewImageModel::kSideRefusal), "New Image",
                                     MessageIcon::Information));
    EXPECT_TRUE(doc.FindFrame(0)->image->IsEmpty());
    EXPECT_FALSE(env.settings.Has("New Document", "Width"));
}

// --- New animation -------------------------------------------------------------------

TEST_F(Documents, NewAnimationAsksForTheCountThenTheFrames) {
    env.settings.SetString("Previous Paths", "Bitmap Save As", "/frames");
    env.settings.SetString("Animation Save", "Path", "/Anims");
    env.ui.ExpectDialogOf<FrameCountModel>("New Animation Sequence", [](FrameCountModel& m) {
        EXPECT_EQ(m.Count(), 5);
        m.SetCount(3);
        return true;
    });
    ChooseNewImage(4, 0, {}, {}, "New Images");
    CAnimDoc doc(env);
    ASSERT_TRUE(doc.OnNewDocument(NewDocumentKind::NewAnimation));
    EXPECT_TRUE(doc.isAnimation);
    EXPECT_EQ(doc.path, "/Anims/untitled1.qua");
    EXPECT_EQ(doc.frameCount, 3u);
    EXPECT_EQ(doc.rangeEnd, 3);
    ASSERT_EQ(doc.HeldFrames(), 3);
    for (int i = 0; i < 3; ++i) {
        const AnimFrame* frame = doc.FindFrame(i);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->name, "/frames/untitled" + std::to_string(i + 1) + ".bmp");
        EXPECT_EQ(frame->image->GetSize(), (DibSize{640, 480}));
        EXPECT_EQ(frame->colourMode, ColourMode::Colours256);
    }
    EXPECT_EQ(env.settings.GetString("New Document", "Num of Frames"), "3");
    EXPECT_EQ(env.settings.GetInt("New Document", "Selected", -1), 4);
    EXPECT_EQ(env.untitledImages, 0);
}

TEST_F(Documents, NewAnimationStopsAtEitherCancelAndRefusesNoFrames) {
    env.ui.ExpectDialog("New Animation Sequence", [](DialogModel&) { return false; });
    CAnimDoc first(env);
    EXPECT_FALSE(first.OnNewDocument(NewDocumentKind::NewAnimation));
    EXPECT_EQ(first.path, DefaultPictureFolder() + "/untitled1.qua");

    env.ui.ExpectDialogOf<FrameCountModel>("New Animation Sequence", [](FrameCountModel& m) {
        m.SetCount(7);
        return true;
    });
    env.ui.ExpectDialog("New Images", [](DialogModel&) { return false; });
    CAnimDoc second(env);
    EXPECT_FALSE(second.OnNewDocument(NewDocumentKind::NewAnimation));
    EXPECT_EQ(second.path, DefaultPictureFolder() + "/untitled2.qua");
    EXPECT_FALSE(env.settings.Has("New Document", "Num of Frames"));

    env.ui.ExpectDialogOf<FrameCountModel>("New Animation Sequence", [](FrameCountModel& m) {
        m.SetCount(0);
        return true;
    });
    CAnimDoc none(env);
    EXPECT_FALSE(none.OnNewDocument(NewDocumentKind::NewAnimation));
    EXPECT_EQ(none.HeldFrames(), 0);
    EXPECT_TRUE(env.ui.OnlyMessageIs(std::string(FrameCountModel::kRefusal), "New Animation Sequence",
                                     MessageIcon::Information));
}

// --- From the brush, the clipboard, the active frame -------------------------------------------

TEST_F(Documents, BrushPicturesNeedAnActiveFrameAndAGrabbedBrushOfItsKind) {
    CAnimDoc noView(env);
    EXPECT_FALSE(noView.OnNewDocument(NewDocumentKind::FromBrush));
    EXPECT_TRUE(env.ui.OnlyMessageIs("Could not create image from brush.", kCannotMake, MessageIcon::Information));
    env.ui.ClearMessages();

    AnimFrame active;
    env.activeFrame = &active;
    active.colourMode = ColourMode::Colours16;  // palette pictures use the 256-colour brush
    CAnimDoc palette(env);
    EXPECT_FALSE(palette.OnNewDocument(NewDocumentKind::FromBrush));
    EXPECT_TRUE(env.ui.OnlyMessageIs("There is currently no grabbed 256 Colour brush", kCannotMake,
                                     MessageIcon::Information));
    env.ui.ClearMessages();

    active.colourMode = ColourMode::TrueColour;
    env.paletteBrush = BrushPicture{1, 1, false, {0}, {}};
    CAnimDoc trueColour(env);
    EXPECT_FALSE(trueColour.OnNewDocument(NewDocumentKind::FromBrush));
    EXPECT_TRUE(env.ui.OnlyMessageIs("There is currently no grabbed True Colour brush", kCannotMake,
                                     MessageIcon::Information));
    EXPECT_EQ(env.untitledImages, 3);
}

TEST_F(Documents, BrushPicturesKeepTheBrushRowsColoursAndPalette) {
    AnimFrame active;
    env.activeFrame = &active;
    BrushPicture rgb{2, 2, true, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}, {}};
    env.trueColourBrush = rgb;
    CAnimDoc fromRgb(env);
    ASSERT_TRUE(fromRgb.OnNewDocument(NewDocumentKind::FromBrush));
    const COXDIB& image = *fromRgb.FindFrame(0)->image;
    EXPECT_EQ(fromRgb.FindFrame(0)->colourMode, ColourMode::TrueColour);
    EXPECT_EQ(image.GetSize(), (DibSize{2, 2}));
    EXPECT_EQ(testing::ShownColour(image, 0, 0), MakeTableWord(10, 20, 30));  // brush row 0 on top
    EXPECT_EQ(testing::ShownColour(image, 1, 1), MakeTableWord(100, 110, 120));

    active.colourMode = ColourMode::Colours256;
    BrushPicture indexed{3, 1, false, {0, 7, 255}, std::vector<std::uint32_t>(256, 0)};
    indexed.palette[7] = MakeColour(1, 2, 3);
    indexed.palette[255] = MakeColour(200, 100, 50);
    env.paletteBrush = indexed;
    CAnimDoc fromIndexed(env);
    ASSERT_TRUE(fromIndexed.OnNewDocument(NewDocumentKind::FromBrush));
    const AnimFrame& frame = *fromIndexed.FindFrame(0);
    EXPECT_EQ(frame.colourMode, ColourMode::Colours256);
    EXPECT_EQ(frame.image->GetBitCount(), 8);
    EXPECT_EQ(testing::ShownColour(*frame.image, 1, 0), MakeTableWord(1, 2, 3));
    EXPECT_EQ(testing::ShownColour(*frame.image, 2, 0), MakeTableWord(200, 100, 50));
    EXPECT_EQ(testing::ShownColour(*frame.image, 0, 0), 0u);  // the brush's palette, not the default white
    EXPECT_TRUE(env.ui.Messages().empty());
}

TEST_F(Documents, ClipboardPicturesAreRefusedWhenMissingOrPaletteBased) {
    CAnimDoc empty(env);
    EXPECT_FALSE(empty.OnNewDocument(NewDocumentKind::FromClipboard));
    EXPECT_TRUE(env.ui.OnlyMessageIs("There is no image to paste from the clipboard.", kCannotMake,
                                     MessageIcon::Information));
    for (int bits : {1, 4, 8}) {
        env.ui.ClearMessages();
        env.clipboard = ClipboardBitmap{2, 2, bits, false, 4, std::vector<std::uint8_t>(8, 0)};
        CAnimDoc doc(env);
        EXPECT_FALSE(doc.OnNewDocument(NewDocumentKind::FromClipboard));
        EXPECT_TRUE(env.ui.OnlyMessageIs("Quillor does not support the image type stored in the clipboard.",
                                         kCannotMake, MessageIcon::Information));
    }
    EXPECT_EQ(env.clipboardPastesAsked, 0);  // refusals do not use up the note
}

TEST_F(Documents, TheFirstClipboardPasteOfARunExplainsItselfOnce) {
    // Two rows of one 32-bit pixel, top row first.
    env.clipboard = ClipboardBitmap{1, 2, 32, false, 4, {1, 2, 3, 0, 4, 5, 6, 0}};
    CAnimDoc first(env);
    ASSERT_TRUE(first.OnNewDocument(NewDocumentKind::FromClipboard));
    EXPECT_TRUE(env.ui.OnlyMessageIs(
        "Note: The Windows Clipboard stores device dependant images.\nThis means the image copied "
        "to it may not be exactly the same internally as the image pasted.\nUse 'Duplicate Image' "
        "to avoid this if this is important to you.",
        "Note", MessageIcon::Information));
    const AnimFrame& frame = *first.FindFrame(0);
    EXPECT_EQ(frame.colourMode, ColourMode::TrueColour);
    EXPECT_EQ(frame.height, 2);
    EXPECT_EQ(testing::ShownColour(*frame.image, 0, 0), 0x030201u);

    env.ui.ClearMessages();
    CAnimDoc second(env);
    ASSERT_TRUE(second.OnNewDocument(NewDocumentKind::FromClipboard));
    EXPECT_TRUE(env.ui.Messages().empty());
}

TEST_F(Documents, DuplicatesAreDeepCopiesAndNothingIsSaidWithoutASource) {
    CAnimDoc none(env);
    EXPECT_FALSE(none.OnNewDocument(NewDocumentKind::Duplicate));
    AnimFrame blank;  // a frame with no picture yet
    env.activeFrame = &blank;
    CAnimDoc empty(env);
    EXPECT_FALSE(empty.OnNewDocument(NewDocumentKind::Duplicate));
    EXPECT_TRUE(env.ui.Messages().empty());

    AnimFrame source;
    source.colourMode = ColourMode::Colours16;
    ASSERT_TRUE(source.image->CreateBlank(8, 5, 3));
    source.image->Line(0)[4] = 9;
    env.activeFrame = &source;
    CAnimDoc copy(env);
    ASSERT_TRUE(copy.OnNewDocument(NewDocumentKind::Duplicate));
    source.image->Line(0)[4] = 2;
    const AnimFrame& frame = *copy.FindFrame(0);
    EXPECT_EQ(frame.colourMode, ColourMode::Colours16);
    EXPECT_EQ(frame.width, 5);
    EXPECT_EQ(frame.height, 3);
    EXPECT_EQ(frame.image->Line(0)[4], 9);
    EXPECT_EQ(copy.path, DefaultPictureFolder() + "/untitled3.bmp");
}

TEST_F(Documents, ComposingCancelledMakesNothing) {
    CAnimDoc doc(env);
    env.ui.ExpectDialog("Animation Sequencer", [](DialogModel&) { return false; });
    EXPECT_FALSE(doc.OnNewDocument(NewDocumentKind::Compose));
    EXPECT_TRUE(env.ui.Messages().empty());
}

// --- Opening -----------------------------------------------------------------------------

TEST_F(Documents, OpeningKeepsThePathAsTypedAndRemembersIt) {
    COXDIB picture;
    testing::MakeSmooth24(picture, 6, 4);
    SaveTo(picture, "photo.JPG");
    CAnimDoc doc(env);
    doc.changed = true;
    doc.Open(dir.File("photo.JPG"));
    EXPECT_EQ(doc.path, dir.File("photo.JPG"));
    EXPECT_EQ(doc.Title(), dir.File("photo.JPG") + "    (True Colour)");
    EXPECT_EQ(doc.FindFrame(0)->name, doc.path);
    EXPECT_EQ(doc.FindFrame(0)->width, 6);
    EXPECT_TRUE(doc.IsKept());
    EXPECT_FALSE(doc.changed);
    EXPECT_FALSE(doc.isAnimation);
    ASSERT_EQ(env.recentFiles.size(), 1u);
    EXPECT_EQ(env.recentFiles[0], doc.path);
    EXPECT_TRUE(env.ui.Messages().empty());
}

TEST_F(Documents, EveryImageExtensionOpensAsOnePicture) {
    COXDIB picture;
    testing::MakePattern8(picture, 16, 16);
    for (const char* name : {"a.bmp", "a.png", "a.tga", "a.pcx", "a.tif", "a.TIFF", "a.psd"}) {
        SaveTo(picture, name);
        CAnimDoc doc(env);
        doc.Open(dir.File(name));
        EXPECT_EQ(doc.path, dir.File(name));
        ASSERT_EQ(doc.HeldFrames(), 1) << name;
        // Some formats keep the palette, others store the colours themselves.
        EXPECT_EQ(int(doc.FindFrame(0)->colourMode), doc.FindFrame(0)->image->GetBitCount()) << name;
        EXPECT_EQ(testing::DifferenceBetween(*doc.FindFrame(0)->image, picture), "") << name;
    }
    EXPECT_EQ(env.recentFiles.front(), dir.File("a.psd"));
    EXPECT_TRUE(env.ui.Messages().empty());
}

TEST_F(Documents, AnUnreadablePictureLeavesAPlaceholderThatIsNotKept) {
    testing::WriteBytes(dir.File("broken.png"), {1, 2, 3, 4});
    CAnimDoc doc(env);
    doc.Open(dir.File("broken.png"));
    EXPECT_TRUE(env.ui.OnlyMessageIs("Quillor cannot load '" + dir.File("broken.png") +
                                         "'.\nPossible unsupported or copyrighted compression method.",
                                     "Loading Error", MessageIcon::Exclamation));
    const AnimFrame& frame = *doc.FindFrame(0);
    EXPECT_EQ(doc.path, "Error.ERR");
    EXPECT_EQ(frame.name, dir.File("broken.png"));
    EXPECT_EQ(frame.image->GetSize(), (DibSize{40, 1}));
    EXPECT_EQ(frame.colourMode, ColourMode::TrueColour);
    EXPECT_FALSE(doc.IsKept());
    EXPECT_TRUE(env.recentFiles.empty());
}

TEST_F(Documents, OtherExtensionsOpenAsSilentPlaceholders) {
    for (const char* name : {"notes.txt", "no_extension"}) {
        CAnimDoc doc(env);
        doc.Open(dir.File(name));
        EXPECT_EQ(doc.path, "Error.ERR") << name;
        EXPECT_EQ(doc.FindFrame(0)->name, dir.File(name));
        EXPECT_EQ(doc.FindFrame(0)->image->GetSize(), (DibSize{40, 1}));
        EXPECT_FALSE(doc.IsKept());
    }
    EXPECT_TRUE(env.ui.Messages().empty());
}

TEST_F(Documents, AnAnsweredPasswordPromptIsNotFollowedByALoadingError) {
    COXDIB picture;
    testing::MakeSmooth24(picture, 4, 4);
    env.settings.SetInMemory("TLA Save Settings", "Special", "secret");
    SaveTo(picture, "locked.tla");

    env.ui.ExpectDialog("Password", [](DialogModel&) { return false; });
    CAnimDoc cancelled(env);
    cancelled.Open(dir.File("locked.tla"));
    EXPECT_EQ(cancelled.path, "Error.ERR");
    EXPECT_TRUE(env.ui.Messages().empty());

    env.ui.ExpectDialogOf<PasswordPromptModel>("Password", [](PasswordPromptModel& m) {
        m.SetPassword("wrong");
        return true;
    });
    CAnimDoc refused(env);
    refused.Open(dir.File("locked.tla"));
    EXPECT_EQ(refused.path, "Error.ERR");
    EXPECT_TRUE(env.ui.OnlyMessageIs("The password you supplied was incorrect.", "Cannot Read",
                                     MessageIcon::Information));
}

TEST(DocumentPaths, KeptPathsNameAFormatTheProgramReopens) {
    for (const char* path : {"a.bmp", "A.JPG", "a.jpeg", "a.pax", "a.tla", "a.pcx", "a.png", "a.psd",
                             "a.tga", "a.tif", "a.tiff", "a.avi", "a.qua", "a.QUL"})
        EXPECT_TRUE(IsDocumentPath(path)) << path;
    for (const char* path : {"Error.ERR", "", "a.gif", "a.txt", "bmp"}) EXPECT_FALSE(IsDocumentPath(path)) << path;
}

// --- Titles, notifications, construction ----------------------------------------------------

TEST_F(Documents, SinglePictureTitlesNameTheColourMode) {
    CAnimDoc doc(env);
    doc.AddFrames(1);
    doc.path = "/p/Pic.bmp";
    const std::pair<ColourMode, const char*> cases[] = {
        {ColourMode::TrueColour, "/p/Pic.bmp    (True Colour)"},
        {ColourMode::Colours256, "/p/Pic.bmp    (256 Colour)"},
        {ColourMode::Colours16, "/p/Pic.bmp    (16 Colour)"},
        {ColourMode::Mono, "/p/Pic.bmp    (2 Colour)"}};
    for (const auto& [mode, title] : cases) {
        doc.FindFrame(0)->colourMode = mode;
        EXPECT_EQ(doc.Title(), title);
    }
}

TEST_F(Documents, AnimationTitlesNameTheFrameBelowTheCurrentFolder) {
    CAnimDoc doc(env);
    doc.AddFrames(3);
    doc.frameCount = 3;
    doc.isAnimation = true;
    doc.path = "/p/Walk.QUA";
    doc.FindFrame(0)->name = "/p/frames/w1.bmp";
    doc.FindFrame(1)->name = "/p/frames/w2.bmp";
    doc.FindFrame(1)->colourMode = ColourMode::Colours256;
    doc.FindFrame(2)->name = "/p/framesX/w3.bmp";
    env.currentFolder = "/p/frames";
    TitleRecorder recorder;
    auto subscription = doc.Subscribe(recorder);

    ASSERT_TRUE(doc.ShowFrame(1));
    EXPECT_EQ(doc.CurrentFrame(), 1);
    EXPECT_EQ(recorder.titles, 1);
    EXPECT_EQ(doc.Title(), "/p/Walk.QUA  (w2.bmp - Frame 2 of 3)    (256 Colour)");
    ASSERT_TRUE(doc.ShowFrame(2));
    EXPECT_EQ(doc.Title(), "/p/Walk.QUA  (/p/framesX/w3.bmp - Frame 3 of 3)    (True Colour)");
    env.currentFolder = "/";
    ASSERT_TRUE(doc.ShowFrame(0));
    EXPECT_EQ(doc.Title(), "/p/Walk.QUA  (p/frames/w1.bmp - Frame 1 of 3)    (True Colour)");

    EXPECT_FALSE(doc.ShowFrame(3));
    EXPECT_EQ(doc.CurrentFrame(), 0);
    EXPECT_EQ(recorder.titles, 3);
}

TEST_F(Documents, LayeredTitlesShowTheCompiledImageAndEachLayersState) {
    CAnimDoc doc(env);
    doc.AddFrames(3);
    doc.frameCount = 3;
    doc.isAnimation = doc.isLayered = true;
    doc.path = "/s/scene.qul";
    env.currentFolder = "/s";
    for (int i = 0; i < 3; ++i) doc.FindFrame(i)->name = "/s/l" + std::to_string(i) + ".bmp";
    doc.FindFrame(2)->layerOn = false;
    doc.FindFrame(2)->colourMode = ColourMode::Mono;

    EXPECT_EQ(doc.Title(), "<COMPILED TARGET IMAGE>        /s/scene.qul  (l0.bmp - Total: 2 Layers)    (True Colour)");
    doc.ShowFrame(1);
    EXPECT_EQ(doc.Title(), "/s/scene.qul  (l1.bmp - Layer 1 of 2)  [ON]    (True Colour)");
    doc.ShowFrame(2);
    EXPECT_EQ(doc.Title(), "/s/scene.qul  (l2.bmp - Layer 2 of 2)  [OFF]    (2 Colour)");
}

TEST_F(Documents, ChangesReachTheSubscribedViewsOnly) {
    CAnimDoc doc(env);
    TitleRecorder recorder;
    auto subscription = doc.Subscribe(recorder);
    doc.FramesChanged(2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(recorder.framesChanged, std::vector<int>{2});
    EXPECT_EQ(recorder.titles, 1);  // unsaved from now on
    doc.FramesChanged(-1);
    EXPECT_EQ(recorder.titles, 1);
    doc.SetChanged(false);
    EXPECT_EQ(recorder.titles, 2);
    EXPECT_FALSE(doc.changed);

    subscription.Reset();
    doc.FramesChanged(0);
    EXPECT_EQ(recorder.framesChanged.size(), 2u);
    EXPECT_EQ(doc.Observers().Size(), 0u);
}

TEST_F(Documents, ConstructionTakesThePaintingTableAndTheRememberedRate) {
    {
        CAnimDoc doc(env);
        for (int i = 0; i < 256; ++i) ASSERT_EQ(doc.TableColour(i), DefaultColourTable()[i]) << i;
        EXPECT_FLOAT_EQ(doc.framesPerSecond, 2.0f);
        EXPECT_EQ(doc.Foreground(), 1);
        EXPECT_EQ(doc.Background(), 0);
    }
    env.settings.SetString("Animation Controls", "Frames Per Second", "12.5");
    CAnimDoc fast(env);
    EXPECT_FLOAT_EQ(fast.framesPerSecond, 12.5f);
    EXPECT_FLOAT_EQ(fast.frameDelay, 0.08f);
    for (const char* bad : {"0", "-4", "fast", ""}) {
        env.settings.SetString("Animation Controls", "Frames Per Second", bad);
        CAnimDoc doc(env);
        EXPECT_FLOAT_EQ(doc.framesPerSecond, 2.0f) << bad;
        EXPECT_FLOAT_EQ(doc.frameDelay, 0.5f) << bad;
    }
}

}  // namespace
}  // namespace quillor
