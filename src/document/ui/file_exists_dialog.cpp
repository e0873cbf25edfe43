#include "document/ui/file_exists_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/ui/qt_interaction.h"

namespace quillor {

FileExistsDialog::FileExistsDialog(FileExistsModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* questionRow = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(side, side));
    auto* question = new QLabel(ToQString(model.Question()), this);
    question->setWordWrap(true);
    questionRow->addWidget(icon, 0, Qt::AlignTop);
    questionRow->addWidget(question, 1);
    layout->addLayout(questionRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    using Reply = FileExistsModel::Reply;
    auto answer = [this, buttons](std::string_view text, Reply reply) {
        auto* button = new QPushButton(ToQString(text), this);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, reply] {
            model_.SetReply(reply);
            if (reply == Reply::Cancel) reject();
            else accept();
        });
        return button;
    };
    yes = answer(FileExistsModel::kYesText, Reply::Yes);
    no = answer(FileExistsModel::kNoText, Reply::No);
    yesToAll = answer(FileExistsModel::kYesToAllText, Reply::YesToAll);
    noToAll = answer(FileExistsModel::kNoToAllText, Reply::NoToAll);
    cancel = answer(FileExistsModel::kCancelText, Reply::Cancel);
    yes->setDefault(true);
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 56);
}

}  // namespace quillor
