#include "ui/file_dialog.h"

#include <QFile>
#include <QFileDialog>

std::optional<FileAnswer> QtFileChooser::Choose(QWidget* parent, const FileQuestion& question) {
  QFileDialog dialog(parent);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setNameFilters(question.filters);
  dialog.selectNameFilter(question.selectedFilter);
  if (question.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
  }
  if (!question.fileName.isEmpty()) dialog.selectFile(question.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FileAnswer{dialog.selectedFiles(), dialog.selectedNameFilter()};
}

FileDialog::FileDialog(bool save, QStringList filters) {
  question_.save = save;
  question_.selectedFilter = filters.value(0);
  question_.filters = std::move(filters);
}

bool FileDialog::Execute(FileChooser& chooser, QWidget* parent) {
  files_.clear();
  question_.fileName = fileName_;
  std::optional<FileAnswer> answer = chooser.Choose(parent, question_);
  if (!answer || answer->paths.isEmpty()) return false;
  if (question_.save) answer->paths = answer->paths.mid(0, 1);
  for (const QString& path : answer->paths) files_.push_back(QFile::encodeName(path).toStdString());
  fileName_ = answer->paths.front();
  question_.selectedFilter = answer->selectedFilter;
  return true;
}
