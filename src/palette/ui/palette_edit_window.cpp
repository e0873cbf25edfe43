#include "palette/ui/palette_edit_window.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "palette/colour_models.h"
#include "palette/palette_table.h"
#include "palette/ui/palette_painting.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

PaletteEditWindow::PaletteEditWindow(ActiveDocument activeDocument, Interaction& ui, QWidget* parent)
    : PaletteWindowBase(std::move(activeDocument), QSize(380, 392), 65, parent), ui_(ui) {
    setWindowTitle(ToQString(PaletteEditModel::kTitle));
    // Above the hue strip: three slider rows, the colour model and the selection.
    for (int i = 0; i < 3; ++i) {
        const int y = 6 + 27 * i;
        labels[std::size_t(i)] = new QLabel(this);
        labels[std::size_t(i)]->setGeometry(10, y, 16, 22);
        sliders[std::size_t(i)] = new QSlider(Qt::Horizontal, this);
        sliders[std::size_t(i)]->setGeometry(28, y, 214, 22);
        edits[std::size_t(i)] = new QSpinBox(this);
        edits[std::size_t(i)]->setGeometry(248, y, 60, 22);
        connect(sliders[std::size_t(i)], &QSlider::valueChanged, this, [this, i](int value) {
            if (!showing_) Act([this, i, value](CAnimDoc& d) { model_.SetComponent(d, i, value); });
        });
        connect(edits[std::size_t(i)], &QSpinBox::valueChanged, this, [this, i](int value) {
            if (!showing_) Act([this, i, value](CAnimDoc& d) { model_.SetComponent(d, i, value); });
        });
    }
    rgb = new QRadioButton("RGB", this);
    rgb->setGeometry(316, 6, 60, 22);
    hsv = new QRadioButton("HSV", this);
    hsv->setGeometry(316, 33, 60, 22);
    rgb->setChecked(true);
    auto setMode = [this](PaletteEditModel::Mode mode) {
        model_.SetMode(mode);
        ShowSliders();
    };
    connect(rgb, &QRadioButton::clicked, this, [setMode] { setMode(PaletteEditModel::Mode::Rgb); });
    connect(hsv, &QRadioButton::clicked, this, [setMode] { setMode(PaletteEditModel::Mode::Hsv); });
    selection = new QLabel(this);
    selection->setGeometry(316, 60, 60, 22);

    // Below the grid: the range operations, the window's undo and OK.
    auto button = [this](const char* text, int x, int y, int width) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(x, y, width, 26);
        b->setAutoDefault(false);
        return b;
    };
    copy = button("Copy", 10, 331, 58);
    swap = button("Swap", 72, 331, 58);
    spread = button("Spread", 134, 331, 64);
    exclude = button("Exclude", 202, 331, 70);
    status = new QLabel(this);
    status->setGeometry(278, 331, 96, 26);
    undo = button("Undo", 10, 361, 58);
    redo = button("Redo", 72, 361, 58);
    ok = button("OK", 310, 361, 62);
    connect(copy, &QPushButton::clicked, this, [this] { Act([this](CAnimDoc& d) { model_.PressCopy(d); }); });
    connect(swap, &QPushButton::clicked, this, [this] { Act([this](CAnimDoc& d) { model_.PressSwap(d); }); });
    connect(spread, &QPushButton::clicked, this,
            [this] { Act([this](CAnimDoc& d) { model_.PressSpread(d); }); });
    connect(exclude, &QPushButton::clicked, this,
            [this] { Act([this](CAnimDoc& d) { model_.Exclude(d, ui_); }); });
    connect(undo, &QPushButton::clicked, this, [this] { Act([this](CAnimDoc& d) { model_.Undo(d); }); });
    connect(redo, &QPushButton::clicked, this, [this] { Act([this](CAnimDoc& d) { model_.Redo(d); }); });
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    ShowSliders();
}

template <typename Action>
void PaletteEditWindow::Act(Action&& action) {
    CAnimDoc* document = Document();
    if (document == nullptr) return;
    action(*document);
    ShowSliders();
    ShowStatus(std::nullopt);
    Refresh();
    emit changed();
}

void PaletteEditWindow::Follow(CAnimDoc* document) {
    if (document != nullptr) model_.Open(*document);
    ShowSliders();
}

void PaletteEditWindow::Update(CAnimDoc& document) {
    const ColourRef before = model_.CurrentColour();
    model_.Follow(document);
    if (model_.CurrentColour() != before) ShowSliders();
    exclude->setEnabled(model_.ExcludeEnabled(document));
    undo->setEnabled(model_.CanUndo() || model_.PendingOperation() != PaletteEditModel::Pending::None);
    redo->setEnabled(model_.CanRedo());
    selection->setText(ToQString(model_.SelectionText()));
}

void PaletteEditWindow::ShowSliders() {
    // Showing the model's values must not write them back as edits.
    showing_ = true;
    rgb->setChecked(model_.GetMode() == PaletteEditModel::Mode::Rgb);
    hsv->setChecked(model_.GetMode() == PaletteEditModel::Mode::Hsv);
    const std::array<int, 3> values = model_.SliderValues();
    for (int i = 0; i < 3; ++i) {
        const auto at = std::size_t(i);
        labels[at]->setText(ToQString(model_.SliderLabel(i)));
        sliders[at]->setRange(0, model_.SliderMaximum(i));
        edits[at]->setRange(0, model_.SliderMaximum(i));
        sliders[at]->setValue(values[at]);
        edits[at]->setValue(values[at]);
    }
    showing_ = false;
    selection->setText(ToQString(model_.SelectionText()));
}

void PaletteEditWindow::ShowStatus(std::optional<int> entryUnderPointer) {
    status->setText(ToQString(model_.StatusText(entryUnderPointer)));
}

void PaletteEditWindow::paintEvent(QPaintEvent* event) {
    PaletteWindowBase::paintEvent(event);
    QPainter painter(this);
    // The hue strip: every hue at full saturation and value, left to right.
    const IntRect strip = PaletteEditModel::kHueStrip;
    for (int x = strip.left; x < strip.right; ++x)
        painter.fillRect(QRect(x, strip.top, 1, strip.Height()),
                         ToQColor(HsvToRgb(std::min(x - strip.left, 359), 100, 100)));
    CAnimDoc* document = Document();
    if (document == nullptr) return;
    PaletteTable table(*document);
    if (!table.Valid()) return;
    const int first = std::min(model_.RangeStart(), model_.RangeEnd());
    const int last = std::max(model_.RangeStart(), model_.RangeEnd());
    for (int entry = 0; entry < table.Count(); ++entry)
        PaintCell(painter, PaletteEditModel::CellOf(entry), table.Get(entry),
                  entry >= first && entry <= last);
}

void PaletteEditWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool left = event->button() == Qt::LeftButton;
    if (PaletteEditModel::kHueStrip.Contains(at.x(), at.y()) && left) {
        draggingHue_ = true;
        Act([this, at](CAnimDoc& d) { model_.HueStripPress(d, at.x()); });
        return;
    }
    const auto entry = PaletteEditModel::EntryAt(at.x(), at.y());
    CAnimDoc* document = Document();
    if (!entry || document == nullptr || !PaletteEditModel::Selectable(*document, *entry)) {
        PaletteWindowBase::mousePressEvent(event);
        return;
    }
    draggingGrid_ = true;
    if (left) Act([this, entry](CAnimDoc& d) { model_.LeftClick(d, *entry); });
    else if (event->button() == Qt::RightButton) Act([this, entry](CAnimDoc& d) { model_.RightClick(d, *entry); });
}

void PaletteEditWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const auto entry = PaletteEditModel::EntryAt(at.x(), at.y());
    ShowStatus(entry);
    if (draggingHue_ && (event->buttons() & Qt::LeftButton)) {
        Act([this, at](CAnimDoc& d) { model_.HueStripDrag(d, at.x()); });
    } else if (draggingGrid_ && entry && event->buttons() != Qt::NoButton) {
        CAnimDoc* document = Document();
        if (document != nullptr && PaletteEditModel::Selectable(*document, *entry) &&
            *entry != model_.Selected())
            Act([this, entry](CAnimDoc& d) { model_.DragTo(d, *entry); });
    }
    PaletteWindowBase::mouseMoveEvent(event);
}

void PaletteEditWindow::mouseReleaseEvent(QMouseEvent* event) {
    draggingHue_ = false;
    draggingGrid_ = false;
    PaletteWindowBase::mouseReleaseEvent(event);
}

}  // namespace quillor
