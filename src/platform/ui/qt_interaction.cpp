#include "platform/ui/qt_interaction.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

#include "platform/file_filter.h"

namespace quillor {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::Stop: return QMessageBox::Critical;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

namespace {

QString QtFilter(const std::string& filter) {
    QStringList parts;
    for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
        QString name = ToQString(entry.name);
        QStringList patterns;
        // "*.*" means every file; here a name need not have a dot.
        for (const auto& p : entry.patterns) patterns << (p == "*.*" ? QString("*") : ToQString(p));
        // Qt reads the patterns from the brackets of the name, so the name carries them.
        if (!name.contains('(')) name += " (" + patterns.join(' ') + ")";
        else if (!patterns.isEmpty()) name = name.left(name.indexOf('(')) + "(" + patterns.join(' ') + ")";
        parts << name;
    }
    return parts.join(";;");
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                         bool save) {
    QFileDialog dialog(parent, ToQString(request.title), ToQString(request.folder),
                       QtFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    if (save && !request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FromQString(dialog.selectedFiles().front());
}

}  // namespace

bool QtInteraction::CanShow(const DialogModel& model) const {
    return runners_.count(std::type_index(typeid(model))) != 0;
}

void QtInteraction::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), ToQString(title), ToQString(text), QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtInteraction::Ask(std::string_view text, std::string_view title, QuestionButtons buttons,
                          MessageIcon icon) {
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == QuestionButtons::OkCancel) set = QMessageBox::Ok | QMessageBox::Cancel;
    if (buttons == QuestionButtons::YesNoCancel) set |= QMessageBox::Cancel;
    QMessageBox box(ToQtIcon(icon), ToQString(title), ToQString(text), set, parent_);
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Ok: return Answer::Ok;
        default: return Answer::Cancel;
    }
}

std::optional<std::string> QtInteraction::ChooseFileToOpen(const FileDialogRequest& request) {
    return RunFileDialog(parent_, request, false);
}

std::optional<std::string> QtInteraction::ChooseFileToSave(const FileDialogRequest& request) {
    return RunFileDialog(parent_, request, true);
}

bool QtInteraction::RunDialog(DialogModel& model) {
    const auto it = runners_.find(std::type_index(typeid(model)));
    if (it == runners_.end()) return false;
    // A dialog must never open under a wait cursor.
    int waits = 0;
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
        ++waits;
    }
    const bool accepted = it->second(model, parent_);
    while (waits-- > 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    return accepted;
}

void QtInteraction::BeginWait() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void QtInteraction::EndWait() {
    QApplication::restoreOverrideCursor();
    // Work that ended early (a failure) takes its bar with it.
    if (QApplication::overrideCursor() == nullptr) progress_.reset();
}

void QtInteraction::Progress(std::string_view what, int done, int total) {
    if (done >= total) {
        progress_.reset();
        return;
    }
    if (!progress_) {
        progress_ = std::make_unique<QProgressDialog>(ToQString(what), QString(), 0, total,
                                                      QApplication::activeWindow());
        progress_->setWindowTitle(ToQString(what));
        progress_->setWindowModality(Qt::ApplicationModal);
        // Quick work never shows a bar.
        progress_->setMinimumDuration(500);
        progress_->setCancelButton(nullptr);
        progress_->setAutoReset(false);
    }
    progress_->setMaximum(total);
    // A modal progress dialog keeps the windows painted while it is set.
    progress_->setValue(done);
}

}  // namespace quillor
