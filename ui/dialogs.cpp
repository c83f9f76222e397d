#include "ui/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace {

void ShowBox(const QString& text, QMessageBox::Icon icon, Qt::WindowModality modality) {
  QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
  box.setWindowModality(modality);
  box.exec();
}

}  // namespace

void MessageBoxDialogs::ShowMessage(const QString& text) {
  ShowBox(text, QMessageBox::NoIcon, Qt::ApplicationModal);
}

void MessageBoxDialogs::ShowError(const QString& text) {
  ShowBox(text, QMessageBox::Critical, Qt::ApplicationModal);
}

void RunGuarded(Dialogs& dialogs, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    // The report ends the message with a full stop, even after one.
    dialogs.ShowError(QString::fromUtf8(error.what()) + QStringLiteral("."));
  }
}
