#include "utilities/ui/file_associations_dialog.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

FileAssociationsDialog::FileAssociationsDialog(FileAssociationsModel& model, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kAssociableTypes.size(); ++i) {
        auto* box = new QCheckBox(ToQString(kAssociableTypes[i].label), this);
        auto* none = new QLabel(ToQString(FileAssociationsModel::kNoApplication), this);
        box->setChecked(model.Ticked(i));
        none->setEnabled(model.NoApplicationEnabled(i));
        connect(box, &QCheckBox::toggled, this, [&model, i, none](bool on) {
            model.SetTicked(i, on);
            none->setEnabled(model.NoApplicationEnabled(i));
        });
        grid->addWidget(box, int(i), 0);
        grid->addWidget(none, int(i), 1);
        typeBoxes.push_back(box);
        noApplication.push_back(none);
    }
    layout->addLayout(grid);
    xpBox = new QCheckBox(ToQString(FileAssociationsModel::kXpLabel), this);
    xpBox->setChecked(model.XpViewerDisabled());
    xpBox->setEnabled(FileAssociationsModel::XpBoxEnabled());
    layout->addWidget(xpBox);
    auto* note = new QLabel(ToQString(FileAssociationsModel::kXpNote), this);
    note->setWordWrap(true);
    note->setEnabled(FileAssociationsModel::XpBoxEnabled());
    layout->addWidget(note);
    AddOkCancel(this, layout);
}

void RegisterFileAssociationsDialog(QtInteraction& ui) {
    ui.RegisterDialog<FileAssociationsModel, FileAssociationsDialog>();
}

}  // namespace quillor
