#pragma once

#include <QWidget>
#include <memory>

#include "conversion/line_list.h"
#include "conversion/run_reports.h"
#include "ui/dialogs.h"
#include "ui/file_dialog.h"

namespace Ui {
class TForm1;
}

// The main window: mails and output chosen, options set, OK converts.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  TForm1(FileChooser& chooser, Dialogs& dialogs, ProgramControl& program,
         QWidget* parent = nullptr);
  ~TForm1() override;

  void FormCreate();
  void FormDestroy();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();

  FileDialog OpenDialog1;
  FileDialog SaveDialog1;
  std::unique_ptr<LineList> MailLines;
  std::unique_ptr<LineList> OutputLines;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Connect(class QPushButton* button, void (TForm1::*handler)());

  std::unique_ptr<Ui::TForm1> ui;
  FileChooser& chooser_;
  Dialogs& dialogs_;
  ProgramControl& program_;
};

extern TForm1* Form1;
