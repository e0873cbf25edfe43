// The composer, the animation save and the "File Exists" question as Qt dialogs: each
// shows its model and edits it as the user works.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>

#include "document/ui/file_exists_dialog.h"
#include "document/ui/save_sequence_dialog.h"
#include "document/ui/sequencer_dialog.h"
#include "support/temp_dir.h"
#include "ui/support/widget_text.h"

namespace quillor {
namespace {

using testing::ShowsText;

QStringList Texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// Answers the message box OK raises and remembers its title and text.
struct RefusalCatcher {
    QString title, text;
    void Arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
    }
};

struct SequenceDialogs : ::testing::Test {
    testing::TempDir dir;
    void Touch(const std::string& name) { testing::WriteBytes(dir.File(name), {'x'}); }
};

TEST_F(SequenceDialogs, TheComposerListsChoosesAndRefusesAnEmptySequence) {
    std::filesystem::create_directory(dir.File("walk"));
    std::filesystem::create_directory(dir.File("run"));
    for (const char* name : {"walk/w_10.bmp", "walk/w_2.bmp", "walk/w_1.bmp", "run/r.png"}) Touch(name);
    SettingsStore settings;
    std::vector<std::string> madeCurrent;
    SequencerModel model([&](const std::string& f) { madeCurrent.push_back(f); });
    model.Load(settings, dir.File("walk"));
    SequencerDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Animation Sequencer");
    EXPECT_EQ(dialog.path->text(), QString::fromStdString(dir.File("walk")));
    EXPECT_EQ(Texts(dialog.files), (QStringList{"w_1.bmp", "w_2.bmp", "w_10.bmp"}));
    EXPECT_FALSE(dialog.add->isEnabled());
    EXPECT_EQ(dialog.add->toolTip(), "Add selected images to the animation list");
    EXPECT_EQ(dialog.removeAll->text(), "Re&move All");

    dialog.selectAll->click();
    EXPECT_TRUE(dialog.add->isEnabled());
    EXPECT_TRUE(model.FileSelected(2));
    dialog.add->click();
    dialog.deselectAll->click();
    EXPECT_FALSE(dialog.add->isEnabled());
    dialog.files->item(1)->setSelected(true);
    EXPECT_TRUE(model.FileSelected(1));
    EXPECT_TRUE(dialog.add->isEnabled());
    dialog.add->click();
    ASSERT_EQ(dialog.sequence->count(), 4);
    EXPECT_EQ(dialog.sequence->item(3)->text(), QString::fromStdString("w_2.bmp    (" + dir.File("walk") + ")"));
    EXPECT_EQ(model.Sequence()[3], dir.File("walk/w_2.bmp"));

    // Typing a folder lists it; "..." lists the folder the browser gives.
    dialog.path->clear();
    QTest::keyClicks(dialog.path, QString::fromStdString(dir.File("run")));
    EXPECT_EQ(Texts(dialog.files), QStringList{"r.png"});
    EXPECT_EQ(madeCurrent.back(), dir.File("run"));
    dialog.chooseFolder = [&](const QString& start) {
        EXPECT_EQ(start, QString::fromStdString(dir.File("run")));
        return QString::fromStdString(dir.File("walk"));
    };
    dialog.browse->click();
    EXPECT_EQ(dialog.path->text(), QString::fromStdString(dir.File("walk")));
    EXPECT_EQ(dialog.files->count(), 3);

    dialog.sequence->item(0)->setSelected(true);
    dialog.sequence->item(2)->setSelected(true);
    dialog.remove->click();
    EXPECT_EQ(model.Sequence(), (std::vector<std::string>{dir.File("walk/w_2.bmp"), dir.File("walk/w_2.bmp")}));
    EXPECT_EQ(dialog.sequence->count(), 2);
    dialog.removeAll->click();
    EXPECT_EQ(dialog.sequence->count(), 0);

    dialog.show();
    RefusalCatcher refusal;
    refusal.Arm();
    dialog.accept();
    EXPECT_EQ(refusal.title, "Animation Sequence Empty");
    EXPECT_EQ(refusal.text, "Please select files for the animation sequence.");
    EXPECT_TRUE(dialog.isVisible());
    dialog.selectAll->click();
    dialog.add->click();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SequenceDialogs, TheSaveDialogEnablesRebuildsAndFiltersAsTyped) {
    Touch("old.bmp");
    SettingsStore settings;
    SaveSequenceModel model(false, "/x/walk0001.qua", {"/x/a.bmp", "b.png", "c.jpg"});
    model.Load(settings, dir.Path());
    SaveSequenceDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Save Animation Sequence");
    EXPECT_EQ(dialog.script->text(), "Save sequence script");
    EXPECT_EQ(dialog.newSequence->text(), "Save images as new sequence");
    EXPECT_EQ(dialog.saveListLabel->text(), "Select images to save...");
    EXPECT_TRUE(ShowsText(dialog, "Current files in directory..."));
    EXPECT_EQ(Texts(dialog.folderFiles), QStringList{"old.bmp"});
    EXPECT_EQ(dialog.type->count(), 10);
    EXPECT_EQ(dialog.type->itemText(9), "WBMP");
    EXPECT_EQ(dialog.scriptName->text(), "walk0001.qua");
    EXPECT_EQ(dialog.prefix->text(), "walk");
    EXPECT_EQ(dialog.saveList->item(0)->text(), "Frame 1 (walk0000.bmp)");
    EXPECT_TRUE(dialog.saveList->item(2)->isSelected());

    dialog.scriptName->clear();
    QTest::keyClicks(dialog.scriptName, "a:b*c?.qua");
    EXPECT_EQ(dialog.scriptName->text(), "abc.qua");
    EXPECT_EQ(model.ScriptName(), "abc.qua");

    dialog.start->clear();
    QTest::keyClicks(dialog.start, "7x");
    EXPECT_EQ(dialog.start->text(), "7");
    dialog.prefix->clear();
    QTest::keyClicks(dialog.prefix, "run");
    dialog.type->setCurrentIndex(4);
    EXPECT_EQ(Texts(dialog.saveList),
              (QStringList{"Frame 1 (run0007.png)", "Frame 2 (run0008.png)", "Frame 3 (run0009.png)"}));

    dialog.saveList->item(1)->setSelected(false);
    EXPECT_FALSE(model.ItemSelected(1));
    dialog.newSequence->click();
    EXPECT_FALSE(model.NewSequence());
    EXPECT_FALSE(dialog.prefix->isEnabled());
    EXPECT_FALSE(dialog.type->isEnabled());
    EXPECT_EQ(dialog.saveList->item(0)->text(), "Frame 1 (/x/a.bmp)");
    EXPECT_TRUE(dialog.saveList->item(1)->isSelected());  // a rebuild selects all again
    dialog.script->click();
    EXPECT_FALSE(dialog.scriptName->isEnabled());
    EXPECT_FALSE(model.ScriptOn());

    std::filesystem::create_directory(dir.File("out"));
    Touch("out/x.png");
    dialog.chooseFolder = [&](const QString&) { return QString::fromStdString(dir.File("out")); };
    dialog.browse->click();
    EXPECT_EQ(model.PathText(), dir.File("out"));
    EXPECT_EQ(Texts(dialog.folderFiles), QStringList{"x.png"});

    dialog.show();
    dialog.deselectAll->click();
    RefusalCatcher refusal;
    refusal.Arm();
    dialog.accept();
    EXPECT_EQ(refusal.title, "Nothing To Save");
    EXPECT_EQ(refusal.text, "Please select images to save.");
    EXPECT_TRUE(dialog.isVisible());
    dialog.selectAll->click();
    EXPECT_TRUE(model.ItemSelected(0));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    SaveSequenceModel layered(true, "/s/scene.qul", {"t.bmp", "l.bmp"});
    SaveSequenceDialog layeredDialog(layered);
    EXPECT_EQ(layeredDialog.windowTitle(), "Save Layered Image");
    EXPECT_EQ(layeredDialog.script->text(), "Save Layer Script");
    EXPECT_EQ(layeredDialog.newSequence->text(), "Save Image/layers as new sequence");
    EXPECT_EQ(layeredDialog.saveListLabel->text(), "Select image/layers to save");
    EXPECT_EQ(layeredDialog.saveList->item(0)->text(), "Frame 1 (scen0000_COMPILED_TARGET.bmp)");
}

TEST_F(SequenceDialogs, FileExistsAnswersWithItsButtons) {
    using Reply = FileExistsModel::Reply;
    const std::pair<QPushButton* FileExistsDialog::*, Reply> cases[] = {
        {&FileExistsDialog::yes, Reply::Yes},
        {&FileExistsDialog::no, Reply::No},
        {&FileExistsDialog::yesToAll, Reply::YesToAll},
        {&FileExistsDialog::noToAll, Reply::NoToAll},
        {&FileExistsDialog::cancel, Reply::Cancel}};
    for (const auto& [button, reply] : cases) {
        FileExistsModel model("walk0001.bmp");
        FileExistsDialog dialog(model);
        EXPECT_EQ(dialog.windowTitle(), "File Exists");
        EXPECT_TRUE(ShowsText(dialog, "walk0001.bmp already exists. Overwrite?"));
        EXPECT_EQ(dialog.yesToAll->text(), "Yes to All");
        EXPECT_EQ(dialog.noToAll->text(), "No To All");
        dialog.show();
        (dialog.*button)->click();
        EXPECT_EQ(model.GetReply(), reply);
        EXPECT_EQ(dialog.result(), reply == Reply::Cancel ? QDialog::Rejected : QDialog::Accepted);
    }
}

}  // namespace
}  // namespace quillor
