// The commands of the menus, keys and toolbars, run headless: a real document and tools,
// the user scripted, and the windows faked.

#include "app/commands/command.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/command_table.h"
#include "app/commands/exit_round.h"
#include "app/commands/shell.h"
#include "brush/brush_deform_model.h"
#include "brush/resize_brush_model.h"
#include "tools/animated_brush_model.h"
#include "document/anim_doc.h"
#include "document/undo_store.h"
#include "support/fake_document_environment.h"
#include "support/fake_shell.h"
#include "support/fake_text_rasteriser.h"
#include "support/test_brushes.h"
#include "support/temp_dir.h"
#include "tools/fx_brush_model.h"
#include "tools/red_eye_options_model.h"
#include "tools/spray_options_model.h"
#include "tools/text_model.h"
#include "tools/tool_context.h"
#include "tools/tool_ids.h"

namespace quillor {
namespace {

using testing::FakeShell;

class CommandsTest : public ::testing::Test {
protected:
    // A document with one 8-bit 20 x 10 frame, made the active one.
    void OpenPicture(ColourMode mode = ColourMode::Colours256) {
        AnimFrame* frame = doc.AddFrames(1);
        frame->image->CreateBlank(8, 20, 10);
        frame->colourMode = mode;
        frame->TakeSizeFromImage();
        frame->name = doc.path = dir.File("picture.bmp");
        shell.document = &doc;
        tools.ui = &env.ui;
        tools.document = &doc;
        tools.currentImage = frame;
    }
    CommandContext Context() { return {shell.document, tools, env.ui, env, shell}; }
    bool Run(int id) {
        CommandContext c = Context();
        return RunCommand(id, c);
    }
    std::uint8_t Pixel(int x, int y) { return doc.FindFrame(0)->image->Line(y)[x]; }

    testing::TempDir dir;
    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    ToolContext tools;
    FakeShell shell;
};

TEST_F(CommandsTest, ClearFillsTheFrameAndTheUndoCommandsOfMenuAndBarBringItBack) {
    OpenPicture();
    doc.FindFrame(0)->image->Line(3)[4] = 9;
    doc.SetBackground(5);
    ASSERT_TRUE(Run(cmd::kEditClear));
    EXPECT_EQ(Pixel(4, 3), 5);
    EXPECT_EQ(Pixel(19, 9), 5);
    EXPECT_TRUE(doc.changed);

    ASSERT_TRUE(Run(tool_id::kUndo));  // the bar's button and the menu item are one history
    EXPECT_EQ(Pixel(4, 3), 9);
    EXPECT_EQ(Pixel(0, 0), 0);
    ASSERT_TRUE(Run(cmd::kEditRedo));
    EXPECT_EQ(Pixel(4, 3), 5);
    ASSERT_TRUE(Run(cmd::kEditUndo));
    EXPECT_EQ(Pixel(4, 3), 9);
    ASSERT_TRUE(Run(tool_id::kClearScreen));
    EXPECT_EQ(Pixel(4, 3), 5);
    ASSERT_TRUE(Run(tool_id::kRedo));  // nothing ahead: the clear dropped the redo step
    EXPECT_EQ(Pixel(4, 3), 5);
}

TEST_F(CommandsTest, CommandsOnAPictureWaitForOne) {
    for (int id : {cmd::kEditClear, cmd::kEditUndo, tool_id::kRedo, cmd::kSave, cmd::kSaveAs,
                   cmd::kNewWindow, cmd::kCopy, cmd::kZoomIn, cmd::kSinglePixelBrush}) {
        EXPECT_FALSE(CommandEnabled(id, Context())) << id;
        EXPECT_FALSE(Run(id)) << id;
    }
    EXPECT_TRUE(shell.calls.empty());
    // What needs no picture is there from the start.
    for (int id : {cmd::kNew, cmd::kImageOpen, cmd::kHelp, cmd::kExit, tool_id::kSpray})
        EXPECT_TRUE(CommandEnabled(id, Context())) << id;
    EXPECT_FALSE(CommandEnabled(34999, Context()));  // no such command
}

TEST_F(CommandsTest, ChoosingAToolChecksItsButtonAndTheTogglesShowTheirState) {
    OpenPicture();
    EXPECT_EQ(CommandChecked(tool_id::kPaint, Context()), true);
    ASSERT_TRUE(Run(tool_id::kFill));
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kFill);
    EXPECT_EQ(CommandChecked(tool_id::kFill, Context()), true);
    EXPECT_EQ(CommandChecked(tool_id::kPaint, Context()), false);
    ASSERT_TRUE(Run(cmd::kUsePaintTool));
    EXPECT_EQ(CommandChecked(tool_id::kPaint, Context()), true);

    EXPECT_EQ(CommandChecked(tool_id::kSymmetry, Context()), false);
    ASSERT_TRUE(Run(tool_id::kSymmetry));
    EXPECT_TRUE(tools.symmetryOn);
    EXPECT_EQ(CommandChecked(tool_id::kSymmetry, Context()), true);
    ASSERT_TRUE(Run(cmd::kAntiAlias));
    EXPECT_EQ(tools.settings.brushAntiAlias, 1);
    EXPECT_EQ(CommandChecked(cmd::kAntiAlias, Context()), true);
    EXPECT_EQ(CommandChecked(cmd::kSave, Context()), std::nullopt);  // no checked state
}

TEST_F(CommandsTest, ARightClickOpensTheToolsSettingsOrChoosesTheTool) {
    EXPECT_EQ(RightClickCommandFor(tool_id::kSpray), tool_id::kSpray + 120);
    EXPECT_EQ(RightClickCommandFor(tool_id::kPaint), cmd::kChooseBrushShape);
    EXPECT_EQ(RightClickCommandFor(tool_id::kPick), tool_id::kPick);  // no settings of its own

    env.ui.ExpectDialogOf<SprayOptionsModel>("Spray Paint Options", [](SprayOptionsModel& m) {
        EXPECT_EQ(m.Density(), 100);
        m.SetDensity(250);
        return true;
    });
    ASSERT_TRUE(Run(RightClickCommandFor(tool_id::kSpray)));
    EXPECT_EQ(tools.settings.sprayDensity, 250);
    env.ui.ExpectDialogOf<SprayOptionsModel>("Spray Paint Options", [](SprayOptionsModel& m) {
        m.SetDensity(7);
        return false;  // Cancel
    });
    ASSERT_TRUE(Run(RightClickCommandFor(tool_id::kSpray)));
    EXPECT_EQ(tools.settings.sprayDensity, 250);
}

TEST_F(CommandsTest, SaveRefusesWhatTheFormatCannotHoldAndWritesNothing) {
    OpenPicture(ColourMode::Colours16);
    doc.path = dir.File("sixteen.png");
    doc.changed = true;
    ASSERT_TRUE(Run(cmd::kSave));
    EXPECT_TRUE(env.ui.OnlyMessageIs("Please use BMP format to save 16 colour (4 bit) images.",
                                     "Cannot Save", MessageIcon::Information));
    EXPECT_TRUE(testing::ListFolder(dir.Path()).empty());
    EXPECT_TRUE(doc.changed);

    // An animation has Save too: it goes to the animation's own save.
    doc.isAnimation = true;
    EXPECT_TRUE(CommandEnabled(cmd::kSave, Context()));
    EXPECT_TRUE(CommandEnabled(cmd::kSaveAs, Context()));
}

TEST_F(CommandsTest, WindowCommandsGoToTheWindows) {
    OpenPicture();
    for (int id : {cmd::kNewWindow, cmd::kZoomIn, cmd::kClampFrame, cmd::kCopy, cmd::kDuplicateImage,
                   cmd::kCloseWindow, cmd::kExit})
        ASSERT_TRUE(Run(id)) << id;
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"new window", "zoom 0", "zoom 3", "copy",
                                                     "new " + std::to_string(int(NewDocumentKind::Duplicate)),
                                                     "close", "exit"}));
}

TEST_F(CommandsTest, TheForegroundStepsStayWithinThePicturesColours) {
    OpenPicture(ColourMode::Colours16);
    doc.SetForeground(14);
    ASSERT_TRUE(Run(cmd::kNextForeground));
    EXPECT_EQ(doc.Foreground(), 15);
    ASSERT_TRUE(Run(cmd::kNextForeground));  // a 16-colour picture has no entry 16
    EXPECT_EQ(doc.Foreground(), 15);
    doc.SetForeground(0);
    ASSERT_TRUE(Run(cmd::kPreviousForeground));
    EXPECT_EQ(doc.Foreground(), 0);
}

TEST_F(CommandsTest, ThePaletteButtonOpensTheSmallPaletteThenTheEditWindow) {
    OpenPicture();
    ASSERT_TRUE(Run(tool_id::kPalette));
    ASSERT_TRUE(Run(tool_id::kPalette));  // the small palette is open: the edit window too
    ASSERT_TRUE(Run(cmd::kPaletteView));  // P closes the small palette
    ASSERT_TRUE(Run(RightClickCommandFor(tool_id::kPalette)));  // a right click: edit, here closing it
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"open view", "open edit", "close view", "close edit"}));
}

TEST_F(CommandsTest, TheStencilButtonTurnsItOnAndItsWindowTakesThePalettesPlace) {
    OpenPicture();
    ASSERT_TRUE(Run(tool_id::kStencil));
    EXPECT_TRUE(tools.stencilOn);
    EXPECT_EQ(CommandChecked(tool_id::kStencil, Context()), true);
    ASSERT_TRUE(Run(tool_id::kPalette));  // the small palette
    ASSERT_TRUE(Run(RightClickCommandFor(tool_id::kStencil)));
    ASSERT_TRUE(Run(cmd::kPaletteEdit));  // the edit window closes the stencil's
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"open view", "close view", "open stencil", "close stencil",
                                                     "open edit"}));
    ASSERT_TRUE(Run(tool_id::kStencil));
    EXPECT_FALSE(tools.stencilOn);

    // A true-colour picture has no palette to protect.
    doc.FindFrame(0)->image->CreateBlank(24, 20, 10);
    doc.FindFrame(0)->colourMode = ColourMode::TrueColour;
    shell.calls.clear();
    ASSERT_TRUE(Run(RightClickCommandFor(tool_id::kStencil)));
    EXPECT_TRUE(env.ui.OnlyMessageIs("Stencil is only available for 256, 16 or 2 colour images.",
                                     "Stencil Not Available", MessageIcon::Information));
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(CommandsTest, TheRedEyeToolIsForTrueColourAndGivesWayWhenAnUndoBringsBackPalette) {
    OpenPicture();
    ASSERT_TRUE(Run(tool_id::kRedEye));
    EXPECT_TRUE(env.ui.OnlyMessageIs(
        "The Red Eye filter is only available for True Colour images. Please convert image to True Colour first.",
        "Red Eye Filter Not Available", MessageIcon::Information));
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kPaint);

    env.ui.ExpectDialogOf<RedEyeOptionsModel>("Red Eye Elimination Settings", [](RedEyeOptionsModel& m) {
        EXPECT_EQ(m.Saturation(), 50);
        m.SetSaturation(35);
        m.SetRange(170);  // kept to 100
        return true;
    });
    ASSERT_TRUE(Run(RightClickCommandFor(tool_id::kRedEye)));
    EXPECT_EQ(tools.settings.redEyeSaturation, 35);
    EXPECT_EQ(tools.settings.redEyeRange, 100);

    // The picture made true colour (one undo step), the tool is taken; an undo makes it a
    // palette picture again, and the paint tool takes over.
    doc.Undo().PushWholeFrame(doc);
    doc.FindFrame(0)->image->CreateBlank(24, 20, 10);
    doc.FindFrame(0)->colourMode = ColourMode::TrueColour;
    env.ui.ClearMessages();
    ASSERT_TRUE(Run(tool_id::kRedEye));
    EXPECT_TRUE(env.ui.Messages().empty());
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kRedEye);
    ASSERT_TRUE(Run(cmd::kEditUndo));
    EXPECT_EQ(doc.FindFrame(0)->image->GetBitCount(), 8);
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kPaint);
}

TEST_F(CommandsTest, TheFxButtonTurnsTheBrushOnAndItsSettingsAreKeptWithTheTools) {
    OpenPicture();
    ASSERT_TRUE(Run(tool_id::kFxBrush));
    EXPECT_TRUE(tools.fxBrushOn);
    EXPECT_EQ(CommandChecked(tool_id::kFxBrush, Context()), true);
    env.ui.ExpectDialogOf<FxBrushModel>("FX Brush Selection", [](FxBrushModel& m) {
        m.SetTint(true);
        m.SetDirection(0);
        return true;
    });
    ASSERT_TRUE(Run(RightClickCommandFor(tool_id::kFxBrush)));
    EXPECT_EQ(tools.settings.fxType, 1);
    EXPECT_EQ(tools.settings.fxTransparencyMode, 0);
    EXPECT_EQ(tools.Fx().controlled, 0);
    env.ui.ExpectDialogOf<FxBrushModel>("FX Brush Selection", [](FxBrushModel& m) {
        m.SetTint(false);
        return false;  // Cancel keeps what was set
    });
    ASSERT_TRUE(Run(RightClickCommandFor(tool_id::kFxBrush)));
    EXPECT_EQ(tools.settings.fxType, 1);
}

TEST_F(CommandsTest, TheTextToolIsChosenThroughItsDialogAndNeedsTheWindowProgramsFonts) {
    OpenPicture();
    ASSERT_TRUE(Run(tool_id::kText));  // no fonts to draw with
    EXPECT_EQ(env.ui.Messages().size(), 1u);
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kPaint);

    testing::FakeTextRasteriser fonts;
    tools.textRasteriser = &fonts;
    env.ui.ExpectDialogOf<TextModel>("Text", [](TextModel&) { return false; });
    ASSERT_TRUE(Run(tool_id::kText));  // Cancel
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kPaint);
    env.ui.ExpectDialogOf<TextModel>("Text", [](TextModel& m) {
        EXPECT_EQ(m.Families(), (std::vector<std::string>{"Alpha", "Beta"}));
        m.SetText("Hi!");
        m.SetSizeIndex(2);
        return true;
    });
    ASSERT_TRUE(Run(RightClickCommandFor(tool_id::kText)));
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kText);
    EXPECT_EQ(fonts.lastStyle.pixelSize, 10);
    EXPECT_EQ(tools.textBrush.Current(false).width, 4 + 14 / 2 - 1);
    EXPECT_EQ(env.settings.GetString("Text", "String"), "Hi!");
    EXPECT_FALSE(tools.brush.Current(false).Exists() && tools.brush.Current(false).width == 10);
}

TEST_F(CommandsTest, BrushPaletteCommandsWaitForAPalettePicture) {
    OpenPicture(ColourMode::TrueColour);
    doc.FindFrame(0)->image->CreateBlank(24, 20, 10);
    for (int id : {cmd::kRemapToBrushPalette, cmd::kUseBrushPalette, cmd::kRemapBrushToPalette})
        EXPECT_FALSE(CommandEnabled(id, Context())) << id;
    // Ordering works on the document's table of a true-colour picture.
    EXPECT_TRUE(CommandEnabled(cmd::kDarkToLight, Context()));
}

TEST_F(CommandsTest, TheBrushSizeCommandsWantAGrabbedBrushAndTheTurnsWorkOnThePicturesDepth) {
    OpenPicture();
    BrushRecord& palette = tools.brush.Current(false);
    palette = BrushRecord{};
    palette.borrowed = false;
    palette.frameCount = 1;
    palette.width = 3;
    palette.height = 2;
    palette.frames = {{1, 2, 3, 4, 5, 6}};
    tools.brush.kind = BrushKind::Shape;
    for (int id : {cmd::kBrushDouble, cmd::kBrushHalve, cmd::kBrushEnlarge, cmd::kBrushShrink, cmd::kBrushResize,
                   cmd::kBrushStretch, cmd::kBrushRotate, cmd::kBrushDeform}) {
        env.ui.ClearMessages();
        ASSERT_TRUE(Run(id));
        EXPECT_TRUE(env.ui.OnlyMessageIs("The current brush is not a grabbed brush.\nPlease grab a brush first.",
                                         "No Brush To Deform", MessageIcon::Information))
            << id;
    }
    EXPECT_EQ(palette.width, 3);
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kPaint);

    ASSERT_TRUE(Run(cmd::kBrushFlipHorizontal));
    EXPECT_EQ(palette.frames[0], (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4}));
    ASSERT_TRUE(Run(cmd::kBrushQuarterTurn));
    EXPECT_EQ(palette.width, 2);
    EXPECT_TRUE(tools.brush.Current(true).frames.empty());  // the other depth's brush is left alone

    tools.brush.kind = BrushKind::Grabbed;
    tools.settings.brushBilinearStretch = 0;
    ASSERT_TRUE(Run(cmd::kBrushDouble));
    EXPECT_EQ(palette.width, 4);
    EXPECT_EQ(palette.height, 6);
    ASSERT_TRUE(Run(cmd::kRestorePreviousBrush));
    EXPECT_EQ(palette.width, 2);

    // "Resize...": the dialog's size, stored for next time; Cancel changes nothing.
    env.ui.ExpectDialogOf<ResizeBrushModel>("Resize Brush", [](ResizeBrushModel& m) {
        m.SetUseRatio(false);
        m.SetAspect(false);
        m.TypeWidth(5);
        m.TypeHeight(7);
        return true;
    });
    ASSERT_TRUE(Run(cmd::kBrushResize));
    EXPECT_EQ(palette.width, 5);
    EXPECT_EQ(palette.height, 7);
    EXPECT_EQ(env.settings.GetInt("Resize Brush", "Size X", 0), 5);
    env.ui.ExpectDialogOf<ResizeBrushModel>("Resize Brush", [](ResizeBrushModel& m) {
        m.SetUseRatio(true);
        m.SetRatio("3");
        return false;
    });
    ASSERT_TRUE(Run(cmd::kBrushResize));
    EXPECT_EQ(palette.width, 5);
    EXPECT_EQ(env.settings.GetInt("Resize Brush", "Ratio Select", 0), 1);  // kept even on Cancel
}

TEST_F(CommandsTest, StretchAndRotateKeepThePreviousBrushAndTakeTurnsAsTheTool) {
    OpenPicture();
    testing::GrabCounting(tools.brush, false, 4, 3);
    tools.SelectTool(tool_id::kLine);
    ASSERT_TRUE(Run(cmd::kBrushStretch));
    const BrushRecord& brush = tools.brush.Current(false);
    EXPECT_EQ(brush.handleX, 0);  // hung from its bottom-right corner, for the drag
    EXPECT_EQ(brush.handleY, 0);
    EXPECT_EQ(tools.brush.Previous(false).handleX, 3);
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kBrushStretch);
    ASSERT_TRUE(Run(cmd::kBrushRotate));
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kBrushRotation);
    EXPECT_EQ(tools.ButtonToolId(), tool_id::kLine);
    // Turning "guide only" on or off ends the rotation; with the user's tool current it
    // changes nothing else.
    ASSERT_TRUE(Run(cmd::kRotationGuideOnly));
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kLine);
    ASSERT_TRUE(Run(cmd::kRotationGuideOnly));
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kLine);
}

TEST_F(CommandsTest, DeformReshapesTheBrushKeepsItOnCancelAndRefusesABrushTooBig) {
    OpenPicture();
    testing::GrabCounting(tools.brush, false, 6, 4);
    const BrushRecord before = tools.brush.Current(false);
    env.ui.ExpectDialogOf<BrushDeformModel>("Brush Deform Tool", [](BrushDeformModel& m) {
        const IntPoint corner = m.Corners()[2];
        m.Press(corner);
        m.Drag({corner.x + 30, corner.y + 10});
        m.Release();
        return false;  // Cancel keeps the reshaped brush
    });
    ASSERT_TRUE(Run(cmd::kBrushDeform));
    EXPECT_EQ(tools.brush.Current(false).width, 36);
    EXPECT_EQ(tools.brush.Current(false).height, 14);
    ASSERT_TRUE(Run(cmd::kRestorePreviousBrush));
    EXPECT_EQ(tools.brush.Current(false).frames, before.frames);

    testing::GrabCounting(tools.brush, false, 2000, 3);
    env.ui.ClearMessages();
    ASSERT_TRUE(Run(cmd::kBrushDeform));
    EXPECT_TRUE(env.ui.OnlyMessageIs("Sorry, the brush is too big for the Brush Deform Tool.", "Brush Too Big",
                                     MessageIcon::Information));
    EXPECT_EQ(tools.brush.Current(false).width, 2000);
}

TEST_F(CommandsTest, AnimatedBrushSettingsAreStoredAndTakenAtOnce) {
    OpenPicture();
    doc.frameCount = 6;
    env.ui.ExpectDialogOf<AnimatedBrushModel>("Animated Brush Settings", [](AnimatedBrushModel& m) {
        EXPECT_EQ(m.Frames(), 1);  // nothing stored yet
        m.SetFrames(40);           // beyond the document's frames: kept to 6
        m.SetControl(2);
        return true;
    });
    ASSERT_TRUE(Run(cmd::kAnimatedBrushSettings));
    EXPECT_EQ(tools.brush.animationControl, 2u);
    EXPECT_EQ(tools.requestedBrushFrames, 6);
    EXPECT_EQ(env.settings.GetInt("Anim Brush", "Requested Size", 0), 6);
    EXPECT_EQ(env.settings.GetInt("Anim Brush", "Size", 0), 6);
    EXPECT_EQ(env.settings.GetInt("Anim Brush", "Control Type", 0), 2);
    env.ui.ExpectDialogOf<AnimatedBrushModel>("Animated Brush Settings", [](AnimatedBrushModel& m) {
        EXPECT_EQ(m.Frames(), 6);
        m.SetFrames(0);  // 0 or less becomes 1
        EXPECT_EQ(m.Frames(), 1);
        m.SetControl(0);
        return false;  // Cancel: nothing changes
    });
    ASSERT_TRUE(Run(cmd::kAnimatedBrushSettings));
    EXPECT_EQ(tools.brush.animationControl, 2u);
    EXPECT_EQ(env.settings.GetInt("Anim Brush", "Control Type", 0), 2);
}

TEST(ExitRound, EachChangedDocumentIsAskedOnceAndACancelKeepsEveryEdit) {
    testing::FakeDocumentEnvironment env;
    CAnimDoc first{env}, second{env}, saved{env};
    first.changed = second.changed = true;
    first.path = "/first.bmp";
    second.path = "/second.bmp";
    env.ui.ExpectQuestion("Unsaved Changes", Answer::No);
    env.ui.ExpectQuestion("Unsaved Changes", Answer::Cancel);
    // Two windows on the first document: asked once.
    EXPECT_FALSE(ConfirmExit({&first, &saved, &first, &second}));
    EXPECT_EQ(env.ui.QuestionsAsked(),
              (std::vector<std::string>{"Save changes to /first.bmp?", "Save changes to /second.bmp?"}));
    EXPECT_TRUE(first.changed);  // the No counts only once the whole exit goes ahead
    EXPECT_TRUE(second.changed);

    env.ui.ExpectQuestion("Unsaved Changes", Answer::No);
    env.ui.ExpectQuestion("Unsaved Changes", Answer::No);
    EXPECT_TRUE(ConfirmExit({&first, &second}));
}

TEST(CommandTable, EveryCommandIsOneEntryAndEveryMenuCommandHasBehaviour) {
    std::vector<int> ids;
    for (const Command& c : AllCommands()) {
        EXPECT_EQ(std::count(ids.begin(), ids.end(), c.id), 0) << c.id;
        ids.push_back(c.id);
        EXPECT_NE(c.run, nullptr) << c.id;
    }
    for (const CommandInfo& info : quillor::Commands())
        EXPECT_NE(FindCommandBehaviour(info.id), nullptr) << info.id << " " << info.menuText;
}

}  // namespace
}  // namespace quillor
