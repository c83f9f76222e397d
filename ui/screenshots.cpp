// Renders the three windows into PNG files for the README, without a display.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/application_shutdown.h"
#include "ui/dialogs.h"
#include "ui/file_dialog.h"
#include "ui/help_file_path.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: screenshots HELP-DOCUMENT FOLDER\n");
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Queltaにラブレター"));
  MessageBoxDialogs dialogs;
  QtFileChooser chooser;
  ApplicationShutdown shutdown;
  Form1 = new TForm1(chooser, dialogs, shutdown);
  Form2 = new TForm2;
  Form3 = new TForm3;
  Form2->LoadHelp(argv[1]);
  Form3->SetPosition(66);

  QDir folder(QString::fromLocal8Bit(argv[2]));
  folder.mkpath(QStringLiteral("."));
  int status = 0;
  for (auto [window, name] : {std::pair<QWidget*, const char*>{Form1, "main-window.png"},
                              {Form2, "help-window.png"},
                              {Form3, "progress-window.png"}}) {
    window->show();
    QApplication::processEvents();
    if (!window->grab().save(folder.filePath(QString::fromLatin1(name)))) status = 1;
  }
  delete Form3;
  delete Form2;
  delete Form1;
  return status;
}
