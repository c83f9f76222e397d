#include <QApplication>
#include <csignal>
#include <exception>

#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/application_shutdown.h"
#include "ui/dialogs.h"
#include "ui/file_dialog.h"

int main(int argc, char** argv) {
  // A full disk or a file-size limit must fail the write, not kill the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Queltaにラブレター"));
  // Only the main window's closing ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  MessageBoxDialogs dialogs;
  QtFileChooser chooser;
  ApplicationShutdown shutdown;
  int status = 0;
  try {
    Form1 = new TForm1(chooser, dialogs, shutdown);
    Form2 = new TForm2;
    Form3 = new TForm3;
  } catch (const std::exception& error) {
    dialogs.ShowError(QString::fromUtf8(error.what()) + QStringLiteral("."));
    return 0;
  }
  Form1->show();
  status = QApplication::exec();
  for (QWidget* window :
       {static_cast<QWidget*>(Form3), static_cast<QWidget*>(Form2), static_cast<QWidget*>(Form1)}) {
    window->hide();
  }
  delete Form3;
  delete Form2;
  delete Form1;
  return status;
}
