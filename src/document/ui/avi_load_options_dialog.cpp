#include "document/ui/avi_load_options_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelection>
#include <QVBoxLayout>

#include "platform/ui/checked_accept.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

constexpr QSize kPreviewSize(160, 120);
constexpr int kPreviewDelayMs = 200;
// Plenty for any step or start the list can use; the model trims what it cannot.
constexpr int kMostFields = 999999;

// A copy of the picture, or a null image when its rows do not hold what it claims.
QImage ToQImage(const VideoPicture& p) {
    const int bytes = p.bitsPerPixel == 8 ? 1 : p.bitsPerPixel == 24 ? 3 : 0;
    if (bytes == 0 || p.width <= 0 || p.height <= 0 || p.stride < std::size_t(p.width) * std::size_t(bytes) ||
        p.pixels.size() < p.stride * std::size_t(p.height - 1) + std::size_t(p.width) * std::size_t(bytes))
        return {};
    QImage view(p.pixels.data(), p.width, p.height, qsizetype(p.stride),
                bytes == 1 ? QImage::Format_Indexed8 : QImage::Format_BGR888);
    if (bytes == 1) {
        QList<QRgb> table;
        for (const std::uint32_t colour : p.palette) table.push_back(0xFF000000u | colour);
        view.setColorTable(table);
    }
    return view.convertToFormat(QImage::Format_RGB32);
}

QSpinBox* MakeNumber(QWidget* parent, int most, int value) {
    auto* number = new QSpinBox(parent);
    number->setRange(1, most);
    number->setValue(value);
    return number;
}

QLabel* MakePreviewBox(QWidget* parent) {
    auto* box = new QLabel(parent);
    box->setFixedSize(kPreviewSize);
    box->setAlignment(Qt::AlignCenter);
    box->setAutoFillBackground(true);
    QPalette dark = box->palette();
    dark.setColor(QPalette::Window, Qt::black);
    box->setPalette(dark);
    return box;
}

}  // namespace

AviLoadOptionsDialog::AviLoadOptionsDialog(AviLoadOptionsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;

    auto* listColumn = new QVBoxLayout;
    list = new QListWidget(this);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Long movies list tens of thousands of frames.
    list->setUniformItemSizes(true);
    list->setMinimumWidth(fontMetrics().averageCharWidth() * 26);
    list->setMinimumHeight(fontMetrics().height() * 16);
    total = new QLabel(this);
    listColumn->addWidget(list, 1);
    listColumn->addWidget(total);
    columns->addLayout(listColumn);

    auto* side = new QVBoxLayout;
    auto* previews = new QHBoxLayout;
    startPreview = MakePreviewBox(this);
    currentPreview = MakePreviewBox(this);
    currentCaption = new QLabel(this);
    currentCaption->setAlignment(Qt::AlignCenter);
    auto* startColumn = new QVBoxLayout;
    startColumn->addWidget(startPreview);
    startColumn->addStretch();
    auto* currentColumn = new QVBoxLayout;
    currentColumn->addWidget(currentPreview);
    currentColumn->addWidget(currentCaption);
    currentColumn->addStretch();
    previews->addLayout(startColumn);
    previews->addLayout(currentColumn);
    previews->addStretch();
    side->addLayout(previews);

    startSlider = new QSlider(Qt::Horizontal, this);
    startSlider->setRange(1, std::max(model.Length(), 1));
    startSlider->setValue(model.ListStart());
    side->addWidget(startSlider);
    length = new QLabel(model.Length() == 1 ? tr("Length: 1 frame") : tr("Length: %1 frames").arg(model.Length()),
                        this);
    side->addWidget(length);

    auto* fields = new QGridLayout;
    selectEvery = MakeNumber(this, kMostFields, model.SelectEvery());
    selectEveryUnit = new QLabel(this);
    selectStart = MakeNumber(this, kMostFields, model.SelectStart());
    selectStartUnit = new QLabel(this);
    applySelection = new QPushButton(tr("...&Apply to List"), this);
    listEvery = MakeNumber(this, kMostFields, model.ListEvery());
    listEveryUnit = new QLabel(this);
    listStart = MakeNumber(this, startSlider->maximum(), model.ListStart());
    listStartUnit = new QLabel(this);
    applyList = new QPushButton(tr("...A&pply to List"), this);
    const auto addRow = [this, fields](int row, const QString& label, QSpinBox* every, QLabel* everyUnit,
                                       QSpinBox* start, QLabel* startUnit, QPushButton* apply) {
        auto* name = new QLabel(label, this);
        name->setBuddy(every);
        fields->addWidget(name, row, 0);
        fields->addWidget(every, row, 1);
        fields->addWidget(everyUnit, row, 2);
        auto* at = new QLabel(row == 0 ? tr("S&tart at") : tr("Sta&rt at"), this);
        at->setBuddy(start);
        fields->addWidget(at, row, 3);
        fields->addWidget(start, row, 4);
        fields->addWidget(startUnit, row, 5);
        fields->addWidget(apply, row, 6);
    };
    addRow(0, tr("&Select every"), selectEvery, selectEveryUnit, selectStart, selectStartUnit, applySelection);
    addRow(1, tr("&List every"), listEvery, listEveryUnit, listStart, listStartUnit, applyList);
    side->addLayout(fields);
    reverse = new QPushButton(tr("Re&verse Selection"), this);
    auto* reverseRow = new QHBoxLayout;
    reverseRow->addWidget(reverse);
    reverseRow->addStretch();
    side->addLayout(reverseRow);
    side->addStretch();
    columns->addLayout(side);
    layout->addLayout(columns, 1);
    AddOkCancel(this, layout);

    previewTimer = new QTimer(this);
    previewTimer->setSingleShot(true);
    previewTimer->setInterval(kPreviewDelayMs);
    connect(previewTimer, &QTimer::timeout, this, [this] { ShowPreviews(); });

    const auto showOrdinal = [this](QSpinBox* number, QLabel* unit, auto text) {
        unit->setText(ToQString(text(number->value())));
        connect(number, &QSpinBox::valueChanged, unit, [unit, text](int v) { unit->setText(ToQString(text(v))); });
    };
    showOrdinal(selectEvery, selectEveryUnit, &AviLoadOptionsModel::FrameOrdinal);
    showOrdinal(selectStart, selectStartUnit, &AviLoadOptionsModel::FrameOrdinal);
    showOrdinal(listEvery, listEveryUnit, &AviLoadOptionsModel::ListEveryLabel);
    showOrdinal(listStart, listStartUnit, &AviLoadOptionsModel::FrameOrdinal);

    // The slider and the start field are one value; while the thumb is held only the
    // numbers follow, and its frame is decoded once it is let go.
    connect(startSlider, &QSlider::valueChanged, listStart, &QSpinBox::setValue);
    connect(startSlider, &QSlider::sliderReleased, previewTimer, qOverload<>(&QTimer::start));
    connect(listStart, &QSpinBox::valueChanged, this, [this](int v) {
        startSlider->setValue(v);
        if (!startSlider->isSliderDown()) previewTimer->start();
    });

    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& on, const QItemSelection& off) {
                for (const QModelIndex& i : off.indexes()) model_.Select(std::size_t(i.row()), false);
                for (const QModelIndex& i : on.indexes()) model_.Select(std::size_t(i.row()), true);
                total->setText(ToQString(model_.TotalText()));
            });
    connect(list, &QListWidget::currentRowChanged, this, [this] {
        ShowCurrentCaption();
        previewTimer->start();
    });
    connect(applySelection, &QPushButton::clicked, this, [this] {
        model_.SetSelectEvery(selectEvery->value());
        model_.SetSelectStart(selectStart->value());
        model_.ApplySelection();
        ShowSelection();
    });
    connect(applyList, &QPushButton::clicked, this, [this] {
        model_.SetListEvery(listEvery->value());
        model_.SetListStart(listStart->value());
        model_.ApplyList();
        listEvery->setValue(model_.ListEvery());
        listStart->setValue(model_.ListStart());
        ShowList();
        previewTimer->start();
    });
    connect(reverse, &QPushButton::clicked, this, [this] {
        model_.ReverseSelection();
        ShowSelection();
    });

    ShowList();
    previewTimer->start();
}

void AviLoadOptionsDialog::ShowList() {
    list->clear();
    for (const AviLoadOptionsModel::Item& item : model_.Items()) list->addItem(ToQString(item.text));
    ShowSelection();
    ShowCurrentCaption();
}

void AviLoadOptionsDialog::ShowSelection() {
    // Whole runs at once: item by item is slow over a long list.
    const auto& items = model_.Items();
    const auto at = [this](std::size_t i) { return list->model()->index(int(i), 0); };
    QItemSelection chosen;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].selected) continue;
        std::size_t last = i;
        while (last + 1 < items.size() && items[last + 1].selected) ++last;
        chosen.select(at(i), at(last));
        i = last;
    }
    list->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
    total->setText(ToQString(model_.TotalText()));
}

int AviLoadOptionsDialog::CurrentFrame() const {
    const int row = list->currentRow();
    return row >= 0 && std::size_t(row) < model_.Items().size() ? model_.Items()[std::size_t(row)].frame : 0;
}

void AviLoadOptionsDialog::ShowCurrentCaption() {
    const int frame = CurrentFrame();
    currentCaption->setText(frame > 0 ? ToQString(AviLoadOptionsModel::kPreviewFrame)
                                            .replace(QLatin1String("%d"), QString::number(frame))
                                      : QString());
}

void AviLoadOptionsDialog::ShowPreviews() {
    ShowPreview(startPreview, listStart->value(), startShown_);
    ShowPreview(currentPreview, CurrentFrame(), currentShown_);
}

void AviLoadOptionsDialog::ShowPreview(QLabel* box, int frame, int& shown) {
    if (frame == shown) return;
    shown = frame;
    const std::optional<VideoPicture> picture = model_.Preview(frame);
    const QImage image = picture ? ToQImage(*picture) : QImage();
    if (image.isNull()) {
        box->clear();
        return;
    }
    box->setPixmap(QPixmap::fromImage(image.scaled(box->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void AviLoadOptionsDialog::accept() {
    if (!RefusedOk(this, model_)) QDialog::accept();
}

}  // namespace quillor
