// The Qt dialogs of movie loading and saving, driven through their widgets offscreen.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "ui/support/widget_text.h"

#include "document/ui/avi_compressor_dialog.h"
#include "document/ui/avi_load_options_dialog.h"
#include "document/ui/avi_save_settings_dialog.h"
#include "document/ui/document_dialogs.h"

namespace quillor {
namespace {

using testing::ShowsText;

// Accepts the dialog, answering the refusal it raises; its text, or nothing.
QString Refusal(QDialog& dialog) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    dialog.accept();
    return shown;
}

// The selected rows of the list widget and of the model, which must agree.
std::pair<std::vector<int>, std::vector<int>> Selected(const AviLoadOptionsDialog& dialog,
                                                       const AviLoadOptionsModel& model) {
    std::pair<std::vector<int>, std::vector<int>> rows;
    for (int i = 0; i < dialog.list->count(); ++i)
        if (dialog.list->item(i)->isSelected()) rows.first.push_back(i);
    for (std::size_t i = 0; i < model.Items().size(); ++i)
        if (model.Items()[i].selected) rows.second.push_back(int(i));
    return rows;
}

QRgb ShownAt(QLabel* box, int x, int y) { return box->grab().toImage().pixel(x, y) & 0xFFFFFFu; }

TEST(AviDialogsTest, LoadOptionsListsTheMovieAndMirrorsTheSelectionBothWays) {
    AviLoadOptionsModel model(30, 15.0);
    AviLoadOptionsDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "AVI Load Options");
    ASSERT_EQ(dialog.list->count(), 30);
    EXPECT_EQ(dialog.list->item(0)->text(), "FRAME 1 (1st sec)");
    EXPECT_EQ(dialog.list->item(15)->text(), "FRAME 16 (2nd sec)");
    EXPECT_EQ(dialog.selectEveryUnit->text(), "th frame");  // 15, a second's worth
    EXPECT_EQ(dialog.listEveryUnit->text(), "frame");
    EXPECT_TRUE(ShowsText(dialog, "Length: 30 frames"));

    dialog.selectEvery->setValue(2);
    EXPECT_EQ(dialog.selectEveryUnit->text(), "nd frame");
    dialog.applySelection->click();
    std::vector<int> odd;
    for (int i = 0; i < 30; i += 2) odd.push_back(i);
    EXPECT_EQ(Selected(dialog, model), std::pair(odd, odd));
    EXPECT_EQ(dialog.total->text(), "Total Number of Frames: 15");

    dialog.reverse->click();
    for (int& row : odd) ++row;
    EXPECT_EQ(Selected(dialog, model), std::pair(odd, odd));

    dialog.list->item(1)->setSelected(false);
    dialog.list->item(2)->setSelected(true);
    EXPECT_TRUE(model.Items()[2].selected && !model.Items()[1].selected);
    EXPECT_EQ(dialog.total->text(), "Total Number of Frames: 15");

    // "List every" rebuilds the list, and the slider follows its start field.
    dialog.listEvery->setValue(3);
    dialog.listStart->setValue(4);
    EXPECT_EQ(dialog.listEveryUnit->text(), "rd frame");
    EXPECT_EQ(dialog.listStartUnit->text(), "th frame");
    EXPECT_EQ(dialog.startSlider->value(), 4);
    dialog.applyList->click();
    ASSERT_EQ(dialog.list->count(), 9);
    EXPECT_EQ(dialog.list->item(0)->text(), "FRAME 4 (1st sec)");
    EXPECT_EQ(dialog.list->item(4)->text(), "FRAME 16 (2nd sec)");
    EXPECT_EQ(dialog.total->text(), "Total Number of Frames: 0");
}

TEST(AviDialogsTest, LoadOptionsShowsTheStartTheModelKeeps) {
    AviLoadOptionsModel model(30000, 25.0);
    AviLoadOptionsDialog dialog(model);
    dialog.listEvery->setValue(2);
    dialog.startSlider->setValue(20000);
    dialog.applyList->click();
    // Every second frame lists at most 12500 of them.
    EXPECT_EQ(dialog.listStart->value(), 12500);
    EXPECT_EQ(dialog.startSlider->value(), 12500);
    EXPECT_EQ(dialog.list->count(), 1);
}

TEST(AviDialogsTest, PreviewsDecodeOnlyOnceChangesPauseAndKeepTheirProportions) {
    constexpr QRgb kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;
    AviLoadOptionsModel model(30, 15.0);
    std::vector<int> asked;
    model.SetPreviewSource([&asked](int frame) -> std::optional<VideoPicture> {
        asked.push_back(frame);
        if (frame > 20) return std::nullopt;
        VideoPicture p;
        if (frame % 2 == 1) {  // 24 bits, blue green red: red, red, blue, blue
            p.width = 4, p.height = 1, p.stride = 12;
            p.pixels = {0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 0, 0};
        } else {  // 8 bits in padded rows: green over red
            p.width = 1, p.height = 2, p.bitsPerPixel = 8, p.stride = 4;
            p.pixels = {7, 0, 0, 0, 9, 0, 0, 0};
            p.palette[7] = kGreen;
            p.palette[9] = kRed;
        }
        return p;
    });
    AviLoadOptionsDialog dialog(model);
    EXPECT_TRUE(asked.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.startPreview->pixmap().isNull(); }, 2000));
    EXPECT_EQ(asked, std::vector<int>{1});
    // 4 x 1 fills the width of 160 x 120 and sits in the middle, dark above and below.
    EXPECT_EQ(dialog.startPreview->pixmap().size(), QSize(160, 40));
    EXPECT_EQ(ShownAt(dialog.startPreview, 80, 10), 0u);
    EXPECT_EQ(ShownAt(dialog.startPreview, 10, 60), kRed);
    EXPECT_EQ(ShownAt(dialog.startPreview, 150, 60), kBlue);
    EXPECT_TRUE(dialog.currentPreview->pixmap().isNull());

    // Dragging decodes nothing until the thumb is let go.
    dialog.startSlider->setSliderDown(true);
    for (int v : {3, 5, 7}) dialog.startSlider->setValue(v);
    QTest::qWait(300);
    EXPECT_EQ(asked.size(), 1u);
    dialog.startSlider->setSliderDown(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked.size() == 2; }, 2000));

    // Typing "13" passes through 1; only the number it settles on is decoded.
    dialog.listStart->selectAll();
    QTest::keyClicks(dialog.listStart, "13");
    EXPECT_EQ(dialog.startSlider->value(), 13);
    QTest::qWait(500);
    EXPECT_EQ(asked, (std::vector<int>{1, 7, 13}));

    // The right box shows the current item, 1 x 2 centred across.
    dialog.list->setCurrentRow(1);
    EXPECT_EQ(dialog.currentCaption->text(), "Frame: 2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.currentPreview->pixmap().isNull(); }, 2000));
    EXPECT_EQ(dialog.currentPreview->pixmap().size(), QSize(60, 120));
    EXPECT_EQ(ShownAt(dialog.currentPreview, 20, 60), 0u);
    EXPECT_EQ(ShownAt(dialog.currentPreview, 80, 10), kGreen);
    EXPECT_EQ(ShownAt(dialog.currentPreview, 80, 110), kRed);
    EXPECT_EQ(asked, (std::vector<int>{1, 7, 13, 2}));  // the unchanged left box is not decoded again

    // A frame that cannot be decoded leaves the box empty.
    dialog.listStart->setValue(25);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.startPreview->pixmap().isNull(); }, 2000));
}

TEST(AviDialogsTest, LoadOptionsOkWithoutASelectionStaysOpen) {
    AviLoadOptionsModel model(10, 5.0);
    AviLoadOptionsDialog dialog(model);
    dialog.show();
    EXPECT_EQ(Refusal(dialog), QString::fromUtf8(AviLoadOptionsModel::kNoSelectionText.data()));
    EXPECT_TRUE(dialog.isVisible());
    dialog.list->item(3)->setSelected(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.Selection()[3], 3);
}

TEST(AviDialogsTest, SaveSettingsFieldsReachTheModelAndBadFramesAreRefused) {
    AviSaveSettingsModel model(10);
    model.SetEndText("10");
    model.SetRateText("25.000");
    AviSaveSettingsDialog dialog(model);
    EXPECT_TRUE(ShowsText(dialog, "Frames Per Second:"));
    EXPECT_EQ(dialog.rate->text(), "25.000");

    dialog.start->clear();
    QTest::keyClicks(dialog.start, "2a-3");
    EXPECT_EQ(model.StartText(), "23");
    dialog.rate->clear();
    QTest::keyClicks(dialog.rate, "29.9.7x12345678");
    EXPECT_EQ(model.RateText(), "29.9712345");
    dialog.end->clear();
    QTest::keyClicks(dialog.end, "12345678");
    EXPECT_EQ(model.EndText(), "123456");

    dialog.show();
    EXPECT_EQ(Refusal(dialog), "Please enter frames from 1 to 10.");
    EXPECT_TRUE(dialog.isVisible());
    dialog.start->clear();
    QTest::keyClicks(dialog.start, "3");
    dialog.end->clear();
    QTest::keyClicks(dialog.end, "8");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.End(), 8);
}

TEST(AviDialogsTest, CompressorSettingsFollowTheChosenEncoder) {
    AviCompressorModel model({{"raw", "Full Frames (no compression)", true, true, false, false},
                              {"mjpeg", "Motion JPEG", false, false, true, false},
                              {"mpeg4", "MPEG-4", false, false, true, true}},
                             false);
    model.Select(1);
    AviCompressorDialog dialog(model);
    EXPECT_EQ(dialog.compressor->itemText(2), "MPEG-4");
    EXPECT_EQ(dialog.compressor->currentIndex(), 1);
    EXPECT_TRUE(dialog.quality->isEnabled());
    EXPECT_FALSE(dialog.keyFrameEvery->isEnabled());
    const QString lossy = dialog.note->text();

    dialog.compressor->setCurrentIndex(2);
    EXPECT_EQ(model.Selected(), 2);
    EXPECT_TRUE(dialog.keyFrameEvery->isEnabled());
    dialog.quality->setValue(40);
    dialog.keyFrameEvery->setValue(12);
    EXPECT_EQ(dialog.qualityValue->text(), "40");
    EXPECT_EQ(std::pair(model.Quality(), model.KeyFrameEvery()), std::pair(40, 12));

    dialog.compressor->setCurrentIndex(0);
    EXPECT_FALSE(dialog.qualityValue->isEnabled());
    EXPECT_FALSE(dialog.keyFrameEvery->isEnabled());
    EXPECT_NE(dialog.note->text(), lossy);
    EXPECT_TRUE(dialog.note->text().startsWith("No detail is lost"));
}

TEST(AviDialogsTest, TheInteractionShowsTheMovieDialogs) {
    QtInteraction ui;
    RegisterDocumentDialogs(ui);
    EXPECT_TRUE(ui.CanShow(AviLoadOptionsModel(5, 1.0)));
    EXPECT_TRUE(ui.CanShow(AviSaveSettingsModel(4)));
    EXPECT_TRUE(ui.CanShow(AviCompressorModel({}, false)));
}

}  // namespace
}  // namespace quillor
