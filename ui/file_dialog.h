#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// What a file dialog asks of the user.
struct FileQuestion {
  bool save = false;       // a save dialog takes one name; an open dialog several
  QString fileName;        // the name the dialog starts with
  QStringList filters;     // "name (patterns)", in Qt's syntax
  QString selectedFilter;  // the filter it starts with
};

// The user's confirmed answer.
struct FileAnswer {
  QStringList paths;
  QString selectedFilter;
};

// Shows the real dialog; tests put a fake in its place.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  virtual std::optional<FileAnswer> Choose(QWidget* parent, const FileQuestion& question) = 0;
};

// The platform's file dialog, modal to the program's windows.
class QtFileChooser : public FileChooser {
 public:
  std::optional<FileAnswer> Choose(QWidget* parent, const FileQuestion& question) override;
};

// An open or save dialog with its list of chosen paths: emptied each time it
// is run, filled only when the user confirms. It remembers its file name and
// its last confirmed filter for the rest of the program run.
class FileDialog {
 public:
  FileDialog(bool save, QStringList filters);

  bool Execute(FileChooser& chooser, QWidget* parent);
  // The chosen paths as bytes of the user's locale, in the dialog's order.
  const std::vector<std::string>& Files() const { return files_; }
  std::vector<std::string>& Files() { return files_; }
  const QString& FileName() const { return fileName_; }

 private:
  FileQuestion question_;
  std::vector<std::string> files_;
  QString fileName_;
};
