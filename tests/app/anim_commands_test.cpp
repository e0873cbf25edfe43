// The "Anim" menu's commands, run headless on a real document with the user scripted.

#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/commands/command.h"
#include "document/anim_doc.h"
#include "document/select_file_type_model.h"
#include "support/fake_document_environment.h"
#include "support/fake_edit_view.h"
#include "support/fake_shell.h"
#include "tools/tool_context.h"
#include "tools/tool_ids.h"

namespace quillor {
namespace {

using testing::FakeShell;

class AnimCommands : public ::testing::Test {
protected:
    // An animation of `count` 4 x 4 true-colour frames named f1.bmp ..., each marked
    // with its number in its first pixel.
    void MakeAnimation(int count, bool layered = false) {
        doc.isAnimation = true;
        doc.isLayered = layered;
        doc.AddFrames(std::uint32_t(count));
        for (int i = 0; i < count; ++i) {
            AnimFrame& frame = *doc.FindFrame(i);
            frame.image->CreateBlank(24, 4, 4);
            frame.image->Line(0)[0] = std::uint8_t(i + 1);
            frame.name = "f" + std::to_string(i + 1) + ".bmp";
            frame.TakeSizeFromImage();
        }
        doc.frameCount = std::uint32_t(count);
        doc.rangeEnd = count;
        doc.path = layered ? "/tmp/scene.qul" : "/tmp/walk.qua";
        shell.document = &doc;
        tools.ui = &env.ui;
        tools.document = &doc;
        tools.activeView = &view;
        shell.view = static_cast<EditViewPort*>(&view);
    }
    CommandContext Context() { return {shell.document, tools, env.ui, env, shell}; }
    bool Run(int id) {
        CommandContext c = Context();
        return RunCommand(id, c);
    }
    bool Enabled(int id) { return CommandEnabled(id, Context()); }

    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    testing::FakeEditView view{doc};
    ToolContext tools;
    FakeShell shell;
};

TEST_F(AnimCommands, BackAndAdvanceWrapAroundTheEnds) {
    MakeAnimation(3);
    ASSERT_TRUE(Run(cmd::kBackFrame));
    EXPECT_EQ(doc.CurrentFrame(), 2);
    ASSERT_TRUE(Run(cmd::kAdvanceFrame));
    EXPECT_EQ(doc.CurrentFrame(), 0);
    Run(cmd::kAdvanceFrame);
    EXPECT_EQ(doc.CurrentFrame(), 1);
}

TEST_F(AnimCommands, DuplicateShowsTheCopy) {
    MakeAnimation(3);
    doc.ShowFrame(1);
    ASSERT_TRUE(Run(cmd::kDuplicateFrame));
    EXPECT_EQ(doc.CurrentFrame(), 2);
    EXPECT_EQ(doc.FindFrame(2)->name, "f2_Copy.bmp");
    EXPECT_EQ(doc.HeldFrames(), 4);
}

TEST_F(AnimCommands, DeleteAsksAndNeverRemovesTheOnlyFrame) {
    MakeAnimation(2);
    doc.ShowFrame(1);
    env.ui.ExpectQuestion("Delete Frame", Answer::No);
    Run(cmd::kDeleteFrame);
    EXPECT_EQ(doc.HeldFrames(), 2);

    env.ui.ExpectQuestion("Delete Frame", Answer::Yes);
    Run(cmd::kDeleteFrame);
    EXPECT_EQ(doc.HeldFrames(), 1);
    EXPECT_EQ(doc.CurrentFrame(), 0);

    Run(cmd::kDeleteFrame);
    EXPECT_TRUE(env.ui.OnlyMessageIs("This is the only frame in the animation. Delete aborted.",
                                     "Cannot Delete", MessageIcon::Exclamation));
    EXPECT_EQ(doc.HeldFrames(), 1);
}

TEST_F(AnimCommands, PlaybackBelongsToTheViewThatStartedIt) {
    MakeAnimation(3);
    env.clock.now = 5000;
    ASSERT_TRUE(Run(cmd::kPlayOnce));
    EXPECT_TRUE(doc.playing);
    EXPECT_EQ(doc.playerView, static_cast<const void*>(static_cast<EditViewPort*>(&view)));
    EXPECT_EQ(doc.lastTick, 5000.0);
    ASSERT_TRUE(Run(cmd::kStopAnimation));
    EXPECT_FALSE(doc.playing);
}

TEST_F(AnimCommands, EachKindOfDocumentOffersItsOwnCommands) {
    const int plain[] = {cmd::kDuplicateFrame, cmd::kDeleteFrame, cmd::kPlayLoop, cmd::kPlayOnce,
                         cmd::kPlayPingPong, cmd::kStopAnimation, cmd::kAnimationControls};
    const int any[] = {cmd::kChangeFrameName, cmd::kBackFrame, cmd::kAdvanceFrame, cmd::kGotoFrame};
    const int layers[] = {cmd::kViewCompiled, cmd::kLayerOn, cmd::kLayerOff, cmd::kLayerSettings};

    MakeAnimation(3, true);
    for (int id : plain) EXPECT_FALSE(Enabled(id)) << id;
    for (int id : any) EXPECT_TRUE(Enabled(id)) << id;
    for (int id : layers) EXPECT_TRUE(Enabled(id)) << id;

    doc.isLayered = false;
    for (int id : plain) EXPECT_TRUE(Enabled(id)) << id;
    for (int id : layers) EXPECT_FALSE(Enabled(id)) << id;

    doc.isAnimation = false;
    for (int id : plain) EXPECT_FALSE(Enabled(id)) << id;
    for (int id : any) EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(AnimCommands, ArrivingAtTheCompiledImageBuildsIt) {
    MakeAnimation(3, true);
    // Layer 1 is red all over; layer 2 is black, the key colour, so it lets layer 1 show.
    COXDIB& red = *doc.FindFrame(1)->image;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) red.Line(y)[3 * x + 2] = 255, red.Line(y)[3 * x + 1] = 0, red.Line(y)[3 * x] = 0;
    doc.FindFrame(2)->image->FillBytes(0);
    doc.ShowFrame(2);
    Run(cmd::kAdvanceFrame);
    EXPECT_EQ(doc.CurrentFrame(), 0);
    const std::uint8_t* compiled = doc.FindFrame(0)->image->Line(3);
    EXPECT_EQ(compiled[0], 0);
    EXPECT_EQ(compiled[2], 255);
    EXPECT_FALSE(doc.IsModified()) << "a compiled image is not an edit";

    // Frame 0 takes no layer switches.
    Run(cmd::kLayerOff);
    EXPECT_EQ(env.ui.Messages().back().title, "Fuction Not Available");
}

TEST_F(AnimCommands, OpenAnimationAsksSequenceOrMovie) {
    MakeAnimation(1);
    env.ui.ExpectDialogOf<SelectFileTypeModel>("Select File Type", [](SelectFileTypeModel& m) {
        m.SetChoice(1);
        return true;
    });
    env.ui.ExpectDialogOf<SelectFileTypeModel>("Select File Type", [](SelectFileTypeModel& m) {
        m.SetChoice(0);
        return true;
    });
    env.ui.ExpectOpenFile(std::string("/tmp/walk"));
    Run(cmd::kOpen);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0], "open /tmp/walk.qua");
    EXPECT_EQ(env.ui.FileRequests().back().filter.rfind("Animation Sequence Script File (*.qua)", 0), 0u);

    // A movie's name gets ".avi"; its folder is remembered as the AVI one.
    env.ui.ExpectDialogOf<SelectFileTypeModel>("Select File Type", [](SelectFileTypeModel& m) {
        m.SetChoice(1);
        return true;
    });
    env.ui.ExpectOpenFile(std::string("/tmp/Clip"));
    Run(cmd::kAnimOpen);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1], "open /tmp/Clip.avi");
    EXPECT_EQ(env.ui.FileRequests().back().filter, "AVI Files (*.avi)|*.avi|All Files (*.*)|*.*|");
    EXPECT_EQ(env.settings.GetString("Previous Paths", "AVI Load"), "/tmp");
    env.ui.ExpectOpenFile(std::nullopt);
    Run(cmd::kOpenAvi);
    EXPECT_EQ(shell.calls.size(), 2u);
    EXPECT_TRUE(env.ui.Messages().empty());

    Run(cmd::kCompose);
    EXPECT_EQ(shell.calls.back(), "new 2");
}

}  // namespace
}  // namespace quillor
