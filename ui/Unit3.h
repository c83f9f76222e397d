#pragma once

#include <QWidget>
#include <memory>

#include "conversion/run_reports.h"

namespace Ui {
class TForm3;
}

// The progress window: how far a run has got, and when it is finished.
class TForm3 : public QWidget, public ProgressView {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);
  ~TForm3() override;

  void SetPosition(int percent) override;
  void SetLabelText(std::string_view text) override;
  void EnableClose() override;
  void Show() override;

  void Button1Click();

 private:
  std::unique_ptr<Ui::TForm3> ui;
  int paintedPosition_ = -1;
};

extern TForm3* Form3;
