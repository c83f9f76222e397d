#include "ui/Unit3.h"

#include "ui/Unit1.h"
#include "ui/form_font.h"
#include "ui_Unit3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm3>()) {
  ui->setupUi(this);
  setFont(FormFont(12, false));
  move(323, 269);
  ui->Label1->adjustSize();
  connect(ui->Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

TForm3::~TForm3() = default;

void TForm3::SetPosition(int percent) { ui->ProgressBar1->setValue(percent); }

void TForm3::SetLabelText(std::string_view text) {
  ui->Label1->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  ui->Label1->adjustSize();
  paintedPosition_ = -1;
}

void TForm3::EnableClose() {
  ui->Button1->setEnabled(true);
  paintedPosition_ = -1;
}

void TForm3::Show() {
  bool wasHidden = !isVisible();
  show();
  raise();
  activateWindow();
  // The run does not return to the event loop, so the window is painted here,
  // and only when it shows something new: no user input is taken meanwhile.
  if (wasHidden || paintedPosition_ != ui->ProgressBar1->value()) {
    repaint();
    paintedPosition_ = ui->ProgressBar1->value();
  }
}

void TForm3::Button1Click() {
  close();
  Form1->show();
  Form1->raise();
  Form1->activateWindow();
}
