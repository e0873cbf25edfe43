// "Browse Files" on screen: the widgets it is made of, the cells painted where and how
// the model says, the boxes that clamp, a double click that opens, and the two small
// dialogs behind Find, Rename and Copy.

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "formats/codec_table.h"
#include "formats/dib_raster.h"
#include "platform/file_io.h"
#include "support/temp_dir.h"
#include "support/scripted_interaction.h"
#include "utilities/ui/browser_name_dialogs.h"
#include "utilities/ui/image_browser_dialog.h"

namespace quillor {
namespace {

using namespace std::chrono_literals;
using testing::TempDir;

void WriteSolidBmp(const std::string& path, int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(24, width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            image.Line(y)[x * 3] = b;
            image.Line(y)[x * 3 + 1] = g;
            image.Line(y)[x * 3 + 2] = r;
        }
    AtomicFileWriter out;
    ASSERT_TRUE(out.Open(path));
    ASSERT_TRUE(image.WriteBmp(out));
    ASSERT_TRUE(out.Commit());
}

void WaitForPage(ImageBrowserDialog& dialog, ImageBrowserModel& model) {
    for (int i = 0; i < 400; ++i) {
        dialog.Refresh();
        const auto [done, total] = model.PageProgress();
        if (done == total) return;
        model.Worker().WaitForFinished(25ms);
    }
    ADD_FAILURE() << "the page's thumbnails never came";
}

// The grid as painted, in dialog coordinates.
QImage PaintedGrid(ImageBrowserDialog& dialog) {
    const QImage shot = dialog.grid->grab().toImage();
    QImage dialogSized(dialog.size(), QImage::Format_RGB32);
    dialogSized.fill(Qt::gray);
    QPainter painter(&dialogSized);
    painter.drawImage(dialog.grid->pos(), shot);
    return dialogSized;
}

QColor Rgb(ColourRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

struct ImageBrowserDialogTest : ::testing::Test {
    TempDir dir;
    SettingsStore settings;
    testing::ScriptedInteraction ui;
    std::unique_ptr<ImageBrowserModel> model;

    void Browse() {
        settings.SetString("Browse", "Path", dir.Path());
        model = std::make_unique<ImageBrowserModel>(ui, settings);
        model->Load(dir.Path());
    }
};

TEST_F(ImageBrowserDialogTest, ShowsItsButtonsAndPaintsTheCellsAsTheModelLaysThemOut) {
    WriteSolidBmp(dir.File("a.bmp"), 200, 100, 250, 10, 10);
    WriteSolidBmp(dir.File("b.bmp"), 60, 120, 10, 250, 10);
    Browse();
    ImageBrowserDialog dialog(*model);
    EXPECT_EQ(dialog.windowTitle(), "Browse Files");
    EXPECT_EQ(dialog.find->text(), "&Find");
    EXPECT_EQ(dialog.rename->text(), "&Rename");
    EXPECT_EQ(dialog.copy->text(), "&Copy");
    EXPECT_EQ(dialog.remove->text(), "&Delete");
    EXPECT_EQ(dialog.undo->text(), "&Undo");
    EXPECT_EQ(dialog.open->text(), "&Open");
    EXPECT_EQ(dialog.browse->text(), "...");
    EXPECT_EQ(dialog.names->text(), "File names");
    EXPECT_TRUE(dialog.names->isChecked());
    EXPECT_EQ(dialog.columns->text(), "5");
    EXPECT_EQ(dialog.rows->text(), "3");
    EXPECT_EQ(dialog.path->text(), QString::fromStdString(dir.Path()));
    EXPECT_FALSE(dialog.undo->isEnabled());
    dialog.show();
    WaitForPage(dialog, *model);
    EXPECT_EQ(dialog.caption->text(), "a.bmp    Size: 200x100");
    EXPECT_TRUE(dialog.progress->isHidden());

    const QImage painted = PaintedGrid(dialog);
    const std::vector<BrowserCellPaint> cells = model->PageCells();
    ASSERT_EQ(cells.size(), 2u);
    for (const BrowserCellPaint& cell : cells) {
        // The outline on all four sides (neighbours share a side, where the selection's
        // wins), the inside of the cell colour.
        for (const QPoint p : {QPoint(cell.index == 0 ? cell.frame.left : cell.frame.right - 1, cell.frame.top + 30),
                               QPoint(cell.frame.left + 30, cell.frame.top), QPoint(cell.frame.left + 30, cell.frame.bottom - 1)})
            EXPECT_EQ(painted.pixelColor(p), Rgb(cell.frameColour)) << cell.index << " at " << p.x() << "," << p.y();
        EXPECT_EQ(painted.pixelColor(cell.fill.left + 1, cell.fill.top + 1), Rgb(cell.fillColour));
        ASSERT_NE(cell.thumbnail, nullptr);
        const QPoint first(cell.thumbnailAt.x, cell.thumbnailAt.y);
        const QPoint last = first + QPoint(cell.thumbnail->width - 1, cell.thumbnail->height - 1);
        const QColor expected = cell.index == 0 ? QColor(250, 10, 10) : QColor(10, 250, 10);
        EXPECT_EQ(painted.pixelColor(first), expected);
        EXPECT_EQ(painted.pixelColor(last), expected);
        EXPECT_EQ(painted.pixelColor(last + QPoint(1, 0)), Rgb(cell.fillColour)) << "the thumbnail is no wider";
    }
    EXPECT_EQ(cells[0].frameColour, MakeColour(255, 255, 255));
    EXPECT_EQ(painted.pixelColor(cells[1].frame.left, cells[1].frame.top + 30), QColor(255, 255, 255));

    // A click on the second cell selects it and the outlines follow.
    QTest::mouseClick(dialog.grid, Qt::LeftButton, {}, QPoint(150, 60) - dialog.grid->pos());
    EXPECT_EQ(model->Selection(), 1);
    EXPECT_EQ(dialog.caption->text(), "b.bmp    Size: 60x120");
    const QImage again = PaintedGrid(dialog);
    EXPECT_EQ(again.pixelColor(cells[0].frame.left, cells[0].frame.top + 30), QColor(0, 0, 0));
    EXPECT_EQ(again.pixelColor(cells[1].frame.left + 30, cells[1].frame.top), QColor(255, 255, 255));
}

TEST_F(ImageBrowserDialogTest, TheBoxesClampAndTheGridFollows) {
    for (int i = 0; i < 30; ++i) WriteSolidBmp(dir.File("f" + std::to_string(100 + i) + ".bmp"), 4, 4, 1, 2, 3);
    Browse();
    ImageBrowserDialog dialog(*model);
    dialog.columns->clear();
    QTest::keyClicks(dialog.columns, "0");
    EXPECT_EQ(dialog.columns->text(), "1");
    EXPECT_EQ(model->Grid().Columns(), 1);
    dialog.columns->clear();
    QTest::keyClicks(dialog.columns, "40");
    EXPECT_EQ(dialog.columns->text(), "25");
    EXPECT_EQ(model->Grid().Columns(), 25);
    dialog.rows->clear();
    QTest::keyClicks(dialog.rows, "2");
    EXPECT_EQ(model->Grid().Rows(), 2);
    dialog.columns->clear();
    QTest::keyClicks(dialog.columns, "4");
    // 30 files in rows of 4: rows 0 to 7, two at a time.
    EXPECT_EQ(dialog.scroll->maximum(), 6);
    EXPECT_EQ(dialog.scroll->pageStep(), 2);
    dialog.scroll->setValue(6);
    EXPECT_EQ(model->PageFirst(), 24);
    dialog.names->setChecked(false);
    EXPECT_FALSE(model->Grid().Names());
}

TEST_F(ImageBrowserDialogTest, ADoubleClickOnACellOpensIt) {
    WriteSolidBmp(dir.File("a.bmp"), 10, 10, 1, 2, 3);
    WriteSolidBmp(dir.File("B.bmp"), 10, 10, 1, 2, 3);
    Browse();
    ImageBrowserDialog dialog(*model);
    dialog.show();
    QTest::mouseDClick(dialog.grid, Qt::LeftButton, {}, QPoint(150, 60) - dialog.grid->pos());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model->OpenedPath(), dir.Path() + "/a.bmp");
    EXPECT_EQ(settings.GetInt("Browse", "Columns", -1), 5);
}

TEST_F(ImageBrowserDialogTest, TheSmallDialogsEditTheirModels) {
    BrowserSearchModel search({"a.bmp", "b.png"});
    BrowserSearchDialog searchDialog(search);
    EXPECT_EQ(searchDialog.windowTitle(), "Search");
    ASSERT_EQ(searchDialog.names->count(), 2);
    searchDialog.names->setCurrentRow(1);
    EXPECT_EQ(search.Text(), "b.png");
    EXPECT_EQ(searchDialog.text->text(), "b.png");
    searchDialog.text->clear();
    QTest::keyClicks(searchDialog.text, "x.bmp");
    EXPECT_EQ(search.Text(), "x.bmp");

    BrowserFileOperationModel rename("Rename a.bmp as:", "a.bmp");
    BrowserFileOperationDialog renameDialog(rename);
    EXPECT_EQ(renameDialog.windowTitle(), "File Operation");
    EXPECT_EQ(renameDialog.text->text(), "a.bmp");
    EXPECT_EQ(renameDialog.text->selectedText(), "a");
    QTest::keyClicks(renameDialog.text, "c");
    EXPECT_EQ(rename.Text(), "c.bmp");
}

TEST_F(ImageBrowserDialogTest, ClosingWhileThumbnailsAreMadeDoesNotWaitForThem) {
    for (int i = 0; i < 200; ++i) WriteSolidBmp(dir.File("f" + std::to_string(1000 + i) + ".bmp"), 400, 300, 9, 9, 9);
    Browse();
    {
        ImageBrowserDialog dialog(*model);
        dialog.show();
        QTest::qWait(20);
        dialog.reject();
    }
    const auto start = std::chrono::steady_clock::now();
    model.reset();
    // Generous: what matters is that 200 decodes are not waited for.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

}  // namespace
}  // namespace quillor
