#pragma once

#include <QString>
#include <functional>

class QWidget;

// The modal boxes the program shows; tests put a fake in their place.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The simple message dialog: the title as caption, no icon, one OK.
  virtual void ShowMessage(const QString& text) = 0;
  // The default error report: a stop icon, one OK, other windows disabled.
  virtual void ShowError(const QString& text) = 0;
};

// Dialogs with QMessageBox.
class MessageBoxDialogs : public Dialogs {
 public:
  void ShowMessage(const QString& text) override;
  void ShowError(const QString& text) override;
};

// Runs a handler; an exception that escapes it drops the rest of its work and
// is shown by the default error report, and the program goes on.
void RunGuarded(Dialogs& dialogs, const std::function<void()>& handler);
