#include "ui/Unit1.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>

#include "conversion/run_conversion.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/form_font.h"
#include "ui/help_file_path.h"
#include "ui_Unit1.h"

TForm1* Form1 = nullptr;

namespace {

// The run's messages in the message dialog, with the file and reason, if any,
// on the lines below.
class MessageDialogView : public MessageView {
 public:
  explicit MessageDialogView(Dialogs& dialogs) : dialogs_(dialogs) {}
  void ShowMessage(std::string_view text, std::string_view detail) override {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (!detail.empty()) {
      shown +=
          "\n\n" + QString::fromLocal8Bit(detail.data(), static_cast<qsizetype>(detail.size()));
    }
    dialogs_.ShowMessage(shown);
  }

 private:
  Dialogs& dialogs_;
};

std::string LocalBytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace

TForm1::TForm1(FileChooser& chooser, Dialogs& dialogs, ProgramControl& program, QWidget* parent)
    : QWidget(parent),
      OpenDialog1(false, {QStringLiteral("メールファイル (*.wml)"),
                          QStringLiteral("テキストファイル (*.txt)"),
                          QStringLiteral("すべてのファイル (*)"),
                          QStringLiteral("ＨＴＭＬファイル (*.htm *.html)")}),
      SaveDialog1(true,
                  {QStringLiteral("Queltaテキスト (*.ren)"), QStringLiteral("すべてのファイル (*)"),
                   QStringLiteral("テキストファイル (*.txt)")}),
      ui(std::make_unique<Ui::TForm1>()),
      chooser_(chooser),
      dialogs_(dialogs),
      program_(program) {
  ui->setupUi(this);
  setFont(FormFont(12, false));
  for (QWidget* label : {ui->Label1, ui->Label2, ui->Label4, ui->Label5, ui->Label6}) {
    label->setFont(FormFont(16, true));
  }
  ui->Label3->setFont(FormFont(15, true));
  ui->Edit3->setFont(FormFont(13, false));
  move(325, 146);
  Connect(ui->Button1, &TForm1::Button1Click);
  Connect(ui->Button2, &TForm1::Button2Click);
  Connect(ui->Button3, &TForm1::Button3Click);
  Connect(ui->Button4, &TForm1::Button4Click);
  Connect(ui->Button5, &TForm1::Button5Click);
  FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

// An exception that escapes a handler is reported and the program goes on.
void TForm1::Connect(QPushButton* button, void (TForm1::*handler)()) {
  connect(button, &QPushButton::clicked, this,
          [this, handler] { RunGuarded(dialogs_, [this, handler] { (this->*handler)(); }); });
}

void TForm1::FormCreate() {
  MailLines = std::make_unique<LineList>();
  OutputLines = std::make_unique<LineList>();
}

void TForm1::FormDestroy() {
  MailLines.reset();
  OutputLines.reset();
}

void TForm1::Button1Click() {
  ConversionOptions options;
  options.includeFrom = ui->CheckBox2->isChecked();
  options.includeTo = ui->CheckBox3->isChecked();
  options.includeDate = ui->CheckBox4->isChecked();
  options.includeReplyTo = ui->CheckBox5->isChecked();
  options.includeCc = ui->CheckBox6->isChecked();
  options.widthText = LocalBytes(ui->Edit3->text());
  options.recordFileName = ui->RadioButton1->isChecked();
  MessageDialogView messages(dialogs_);
  RunConversion({OpenDialog1.Files(), SaveDialog1.Files(), options, *MailLines, *OutputLines,
                 *Form3, messages, program_});
}

void TForm1::Button2Click() { close(); }

void TForm1::Button3Click() {
  Form2->show();
  Form2->raise();
  Form2->activateWindow();
  std::string program = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
  Form2->LoadHelp(HelpFilePath(program));
}

void TForm1::Button4Click() {
  if (SaveDialog1.Execute(chooser_, this)) ui->Edit2->setText(SaveDialog1.FileName());
}

void TForm1::Button5Click() {
  if (OpenDialog1.Execute(chooser_, this)) ui->Edit1->setText(OpenDialog1.FileName());
}

// Closing the main window ends the program, also while other windows are open.
void TForm1::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  program_.EndProgram(0);
}

// Esc presses Cancel; Enter presses the push button that has the focus, else OK.
void TForm1::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      ui->Button2->click();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
      } else {
        ui->Button1->click();
      }
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}
